// The About window over fake platform services: its texts, its links, the
// registry reads and the start of the system information tool.
#include "about/clickablelabel.h"
#include "about/frmabout.h"
#include "about/maker.h"
#include "fakes/fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

Q_DECLARE_METATYPE(std::uint32_t)

namespace {
const std::string kKey1 = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kKey2 = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kNoTool = QStringLiteral("Les informations système ne sont pas disponibles actuellement");
const QString kTitle = QStringLiteral("Ordre montivant ou démontivant");

std::vector<unsigned char> bytesOf(const QByteArray& b) { return {b.begin(), b.end()}; }
} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void titleAndVersion();
    void oneWindowBroughtToTheFront();
    void links_data();
    void links();
    void defaultAddressesOpenAsTheyAre();
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueOpensForQueryingOnly();
    void location1NamingMissingFile();
    void location1AbsentLocation2WithoutTool();
    void location2WithTool();
    void location1OfAnotherTypeFallsBackOnLocation2();
    void realMessageBoxFromTheButton();
    void controls_data();
    void controls();

private:
    frmAbout* open();
    std::unique_ptr<fake::Platform> m_fake;
};

void AboutWindowTest::init()
{
    auto next = std::make_unique<fake::Platform>();
    m_fake = std::move(next);
}

void AboutWindowTest::cleanup()
{
    delete frmAbout::instance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmAbout* AboutWindowTest::open()
{
    frmAbout::ShowModeless();
    return frmAbout::instance();
}

void AboutWindowTest::titleAndVersion()
{
    frmAbout* w = open();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("À propos de Ordre montivant ou démontivant"));
    QCOMPARE(w->lblVersion->text(), QStringLiteral("Version 5.0.0"));
    QCOMPARE(w->lblTitle->text(), kTitle);
}

void AboutWindowTest::oneWindowBroughtToTheFront()
{
    frmAbout* w = open();
    QCOMPARE(open(), w);
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += qobject_cast<frmAbout*>(top) != nullptr;
    QCOMPARE(count, 1);
    QPointer<frmAbout> guard = w;
    QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    QVERIFY(!frmAbout::instance());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!guard);
}

void AboutWindowTest::links_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("web, http:// kept") << false << "http://ex.org/a" << QStringList{"http://ex.org/a"};
    QTest::newRow("web, capitals prefixed") << false << "HTTP://ex.org" << QStringList{"http://HTTP://ex.org"};
    QTest::newRow("web, bare host") << false << "www.ex.org" << QStringList{"http://www.ex.org"};
    QTest::newRow("web, https prefixed") << false << "https://ex.org" << QStringList{"http://https://ex.org"};
    QTest::newRow("web, six characters") << false << "http:/" << QStringList{"http://http:/"};
    QTest::newRow("web, empty") << false << "" << QStringList{};
    QTest::newRow("mail") << true << "moi@ex.org" << QStringList{"MailTo:moi@ex.org"};
    QTest::newRow("mail, empty") << true << "" << QStringList{};
}

// A click on the real label opens its target through the shell.
void AboutWindowTest::links()
{
    QFETCH(bool, mail);
    QFETCH(QString, text);
    QFETCH(QStringList, opened);
    frmAbout* w = open();
    ClickableLabel* label = mail ? w->lblMail : w->lblUrl;
    label->setText(text);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(m_fake->shell.opened, opened);
    QVERIFY(m_fake->dialogs.messages.isEmpty()); // a failed request shows nothing
}

void AboutWindowTest::defaultAddressesOpenAsTheyAre()
{
    frmAbout* w = open();
    QCOMPARE(w->lblUrl->text(), maker::kWeb);
    QCOMPARE(w->lblMail->text(), maker::kMail);
    QCOMPARE(w->Label3->text(), maker::kCredits);
    QTest::mouseClick(w->lblUrl, Qt::LeftButton);
    QTest::mouseClick(w->lblMail, Qt::LeftButton);
    QCOMPARE(m_fake->shell.opened, (QStringList{maker::kWeb, "MailTo:" + maker::kMail}));
    QCOMPARE(w->lblMail->toolTip(), QStringLiteral("Contactez moi !"));
    QCOMPARE(w->lblUrl->cursor().shape(), Qt::WhatsThisCursor);
}

void AboutWindowTest::getKeyValue_data()
{
    QTest::addColumn<std::uint32_t>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("value");
    const QByteArray path("C:\\Outils\\msinfo32.exe");
    QTest::newRow("text") << platform::kRegSz << path + '\0' << true << QString::fromLatin1(path);
    QTest::newRow("text without its zero") << platform::kRegSz << path << true << QString::fromLatin1(path);
    QTest::newRow("only the last zero dropped")
        << platform::kRegSz << QByteArray("ab\0\0", 4) << true << QString::fromLatin1("ab\0", 3);
    QTest::newRow("no bytes") << platform::kRegSz << QByteArray() << true << QString();
    QTest::newRow("double word") << platform::kRegDword << QByteArray("\x78\x56\x34\x12", 4) << true
                                 << QStringLiteral("305419896");
    QTest::newRow("double word ending in zero")
        << platform::kRegDword << QByteArray("\x00\x01\x00\x00", 4) << true << QStringLiteral("256");
    QTest::newRow("1024 bytes fit") << platform::kRegSz << QByteArray(1023, 'x') + '\0' << true
                                    << QString(1023, QLatin1Char('x'));
    QTest::newRow("1025 bytes fail") << platform::kRegSz << QByteArray(1024, 'x') + '\0' << false
                                     << QString();
    QTest::newRow("expandable text fails") << std::uint32_t(2) << path + '\0' << false << QString();
    QTest::newRow("binary fails") << std::uint32_t(3) << QByteArray("\x01\x02", 2) << false << QString();
}

void AboutWindowTest::getKeyValue()
{
    QFETCH(std::uint32_t, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    QFETCH(QString, value);
    m_fake->registry.keys[kKey1]["PATH"] = {type, bytesOf(bytes)};
    QString got = QStringLiteral("as passed");
    QCOMPARE(frmAbout::GetKeyValue(platform::kHkeyLocalMachine, QString::fromStdString(kKey1),
                                   QStringLiteral("PATH"), got),
             read);
    QCOMPARE(got, value);
    QCOMPARE(m_fake->registry.closes, 1); // the opened key is closed either way
}

void AboutWindowTest::getKeyValueOpensForQueryingOnly()
{
    QString got = QStringLiteral("as passed");
    // A missing key, then a missing value in a key that exists.
    QVERIFY(!frmAbout::GetKeyValue(platform::kHkeyLocalMachine, QStringLiteral("SOFTWARE\\Nothing"),
                                   QStringLiteral("PATH"), got));
    QCOMPARE(got, QString());
    QCOMPARE(m_fake->registry.closes, 0);
    m_fake->registry.setText(kKey1, "OTHER", "x");
    got = QStringLiteral("as passed");
    QVERIFY(!frmAbout::GetKeyValue(platform::kHkeyLocalMachine, QString::fromStdString(kKey1),
                                   QStringLiteral("PATH"), got));
    QCOMPARE(got, QString());
    QCOMPARE(m_fake->registry.closes, 1);
    // Rights to change the key are refused to a standard user: never ask them.
    QCOMPARE(m_fake->registry.accessMasks,
             (std::vector<std::uint32_t>{platform::kKeyQueryValue, platform::kKeyQueryValue}));
}

void AboutWindowTest::location1NamingMissingFile()
{
    m_fake->registry.setText(kKey1, "PATH", "/nulle/part/msinfo32");
    m_fake->registry.setText(kKey2, "MSINFO", "/ailleurs");
    m_fake->shell.startSucceeds = false;
    frmAbout* w = open();
    QTest::mouseClick(w->cmdSysInfo, Qt::LeftButton);
    QCOMPARE(m_fake->shell.started, QStringList{"/nulle/part/msinfo32"});
    QCOMPARE(m_fake->registry.opened, std::vector<std::string>{kKey1});
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages[0].text, kNoTool);
    QCOMPARE(m_fake->dialogs.messages[0].title, kTitle);
    QCOMPARE(int(m_fake->dialogs.messages[0].icon), int(platform::MessageIcon::None));
    QVERIFY(frmAbout::instance() && w->isVisible()); // the window stays open
}

void AboutWindowTest::location1AbsentLocation2WithoutTool()
{
    QTemporaryDir folder;
    m_fake->registry.setText(kKey2, "MSINFO", QDir::toNativeSeparators(folder.path()).toStdString());
    frmAbout* w = open();
    QTest::mouseClick(w->cmdSysInfo, Qt::LeftButton);
    QCOMPARE(m_fake->registry.opened, (std::vector<std::string>{kKey1, kKey2}));
    QVERIFY(m_fake->shell.started.isEmpty());
    QCOMPARE(m_fake->dialogs.messages.size(), 1);
    QCOMPARE(m_fake->dialogs.messages[0].text, kNoTool);

    // Neither location: the same message, nothing started.
    m_fake->registry.keys.clear();
    QTest::mouseClick(w->cmdSysInfo, Qt::LeftButton);
    QVERIFY(m_fake->shell.started.isEmpty());
    QCOMPARE(m_fake->dialogs.messages.size(), 2);
}

void AboutWindowTest::location2WithTool()
{
    QTemporaryDir folder;
    QFile tool(frmAbout::toolInFolder(folder.path()));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.close();
    m_fake->registry.setText(kKey2, "MSINFO", folder.path().toStdString());
    open()->StartSysInfo();
    QCOMPARE(m_fake->shell.started, QStringList{tool.fileName()});
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

// An expandable text at location 1 is no path this window can use; the
// second location is tried instead of starting an empty path.
void AboutWindowTest::location1OfAnotherTypeFallsBackOnLocation2()
{
    QTemporaryDir folder;
    QFile tool(frmAbout::toolInFolder(folder.path()));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.close();
    m_fake->registry.keys[kKey1]["PATH"] = {2, bytesOf(QByteArray("%ProgramFiles%\\x.exe", 21) + '\0')};
    m_fake->registry.setText(kKey2, "MSINFO", folder.path().toStdString());
    open()->StartSysInfo();
    QCOMPARE(m_fake->shell.started, QStringList{tool.fileName()});
}

// Once with the real message box of the platform, closed by its OK button.
void AboutWindowTest::realMessageBoxFromTheButton()
{
    platform::installReal();
    platform::Dialogs* real = &platform::dialogs();
    m_fake = std::make_unique<fake::Platform>();
    platform::Services onlyDialogs;
    onlyDialogs.dialogs = real;
    platform::install(onlyDialogs);

    frmAbout* w = open();
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    int buttons = 0;
    std::function<void()> answer;
    answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, answer);
            return;
        }
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = int(box->buttons().size());
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    };
    QTimer::singleShot(10, answer);
    QTest::mouseClick(w->cmdSysInfo, Qt::LeftButton);
    QCOMPARE(text, kNoTool);
    QCOMPARE(title, kTitle);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(w->isVisible());

    // Back to fake message boxes for whatever follows.
    platform::Services fakeDialogs;
    fakeDialogs.dialogs = &m_fake->dialogs;
    platform::install(fakeDialogs);
}

void AboutWindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twipRect");
    QTest::newRow("cmdOK") << "cmdOK" << "OK" << QRect(4560, 3000, 1260, 345);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << "&Infos système..." << QRect(4560, 3480, 1245, 345);
    QTest::newRow("lblDescription")
        << "lblDescription"
        << "Tu dois ranger dans l'ordre que tu auras choisi les nombres qui te seront proposés par "
           "l'ordinateur. Au bout de 10 réussites, tu pourras jouer avec ...colonne !"
        << QRect(210, 1080, 4365, 645);
    QTest::newRow("lblVersion") << "lblVersion" << "Version 5.0.0" << QRect(210, 720, 3885, 225);
    QTest::newRow("lblUrl") << "lblUrl" << maker::kWeb << QRect(240, 3600, 4095, 255);
    QTest::newRow("lblMail") << "lblMail" << maker::kMail << QRect(240, 3960, 2175, 255);
    QTest::newRow("Image1") << "Image1" << "" << QRect(5160, 120, 630, 1695);
}

void AboutWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twipRect);
    frmAbout* w = open();
    QCOMPARE(w->size(), QSize(404, 287));
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY(control);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(control->property("text").toString(), text);
    QCOMPARE(control->geometry(),
             QRect(twipRect.x() / 15, twipRect.y() / 15, qRound(twipRect.width() / 15.0),
                   qRound(twipRect.height() / 15.0)));
}

QTEST_MAIN(AboutWindowTest)
#include "frmabout_test.moc"
