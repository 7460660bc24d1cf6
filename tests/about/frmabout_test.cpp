// The About window over fake platform services: its texts, its links, the
// registry reads and the start of the system information tool.
#include "about/clickablelabel.h"
#include "about/frmabout.h"
#include "widgets/focusmark.h"
#include "about/mailcursor.h"
#include "about/maker.h"
#include "fakes/fakeplatform.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QProxyStyle>
#include <QStyleOption>
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

    void oneWindowBroughtToTheFront();
    void links_data();
    void links();
    void getKeyValue_data();
    void getKeyValue();
    void sysInfo_data();
    void sysInfo();
    void realMessageBoxFromTheButton();
    void controls_data();
    void controls();

    void tabReachesTheLinksAfterTheButtons();
    void keysOnALink_data();
    void keysOnALink();
    void focusMarkFromTheStyle();
    void linksForAssistiveTechnologies_data();
    void linksForAssistiveTechnologies();
    void mailPointerIsAHandWithItsTipOnTheHotSpot_data();
    void mailPointerIsAHandWithItsTipOnTheHotSpot();

private:
    frmAbout* open();
    std::unique_ptr<fake::Platform> m_fake;
};

void AboutWindowTest::init()
{
    // The new fakes are installed before the old ones go.
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

void AboutWindowTest::oneWindowBroughtToTheFront()
{
    frmAbout* w = open();
    QVERIFY(w && w->isVisible());
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
    QTest::addColumn<QString>("text"); // null: the label's own text
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("web, as shipped") << false << QString() << QStringList{maker::kWeb};
    QTest::newRow("web, http:// kept") << false << "http://ex.org/a" << QStringList{"http://ex.org/a"};
    QTest::newRow("web, capitals prefixed") << false << "HTTP://ex.org" << QStringList{"http://HTTP://ex.org"};
    QTest::newRow("web, bare host") << false << "www.ex.org" << QStringList{"http://www.ex.org"};
    QTest::newRow("web, https prefixed") << false << "https://ex.org" << QStringList{"http://https://ex.org"};
    QTest::newRow("web, six characters") << false << "http:/" << QStringList{"http://http:/"};
    QTest::newRow("web, empty") << false << "" << QStringList{};
    QTest::newRow("mail, as shipped") << true << QString() << QStringList{"MailTo:" + maker::kMail};
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
    if (!text.isNull())
        label->setText(text);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(m_fake->shell.opened, opened);
    QVERIFY(m_fake->dialogs.messages.isEmpty()); // a failed request shows nothing
}

void AboutWindowTest::getKeyValue_data()
{
    QTest::addColumn<QByteArray>("name"); // the value's name in the key; empty: no key
    QTest::addColumn<std::uint32_t>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("value");
    const QByteArray path("C:\\Outils\\msinfo32.exe");
    const QByteArray p("PATH");
    QTest::newRow("text") << p << platform::kRegSz << path + '\0' << true << QString::fromLatin1(path);
    QTest::newRow("text without its zero") << p << platform::kRegSz << path << true << QString::fromLatin1(path);
    QTest::newRow("only the last zero dropped")
        << p << platform::kRegSz << QByteArray("ab\0\0", 4) << true << QString::fromLatin1("ab\0", 3);
    QTest::newRow("no bytes") << p << platform::kRegSz << QByteArray() << true << QString();
    QTest::newRow("double word")
        << p << platform::kRegDword << QByteArray("\x78\x56\x34\x12", 4) << true << QStringLiteral("305419896");
    QTest::newRow("double word ending in zero")
        << p << platform::kRegDword << QByteArray("\x00\x01\x00\x00", 4) << true << QStringLiteral("256");
    QTest::newRow("1024 bytes fit")
        << p << platform::kRegSz << QByteArray(1023, 'x') + '\0' << true << QString(1023, QLatin1Char('x'));
    QTest::newRow("1025 bytes fail")
        << p << platform::kRegSz << QByteArray(1024, 'x') + '\0' << false << QString();
    QTest::newRow("expandable text fails") << p << std::uint32_t(2) << path + '\0' << false << QString();
    QTest::newRow("binary fails")
        << p << std::uint32_t(3) << QByteArray("\x01\x02", 2) << false << QString();
    QTest::newRow("missing value") << QByteArray("OTHER") << platform::kRegSz << path << false << QString();
    QTest::newRow("missing key") << QByteArray() << platform::kRegSz << path << false << QString();
}

void AboutWindowTest::getKeyValue()
{
    QFETCH(QByteArray, name);
    QFETCH(std::uint32_t, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, read);
    QFETCH(QString, value);
    if (!name.isEmpty())
        m_fake->registry.keys[kKey1][name.toStdString()] = {type, bytesOf(bytes)};
    QString got = QStringLiteral("as passed");
    QCOMPARE(frmAbout::GetKeyValue(platform::kHkeyLocalMachine, QString::fromStdString(kKey1),
                                   QStringLiteral("PATH"), got),
             read);
    QCOMPARE(got, value);
    // An opened key is closed either way.
    QCOMPARE(m_fake->registry.closes, name.isEmpty() ? 0 : 1);
    // Rights to change the key are refused to a standard user: never ask them.
    QCOMPARE(m_fake->registry.accessMasks, std::vector<std::uint32_t>{platform::kKeyQueryValue});
}

enum Location2 { NoFolder, FolderWithoutTool, FolderWithTool };

void AboutWindowTest::sysInfo_data()
{
    QTest::addColumn<std::uint32_t>("type1"); // of location 1; 0: absent
    QTest::addColumn<int>("location2");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<bool>("toolStarted"); // else location 1's path, when it is a text
    const std::uint32_t text = platform::kRegSz, expandable = 2;
    QTest::newRow("location 1 started") << text << int(FolderWithTool) << true << false;
    // A failed start is not followed by a try of location 2.
    QTest::newRow("location 1 fails to start") << text << int(FolderWithTool) << false << false;
    QTest::newRow("location 2 without tool") << 0u << int(FolderWithoutTool) << true << false;
    QTest::newRow("neither location") << 0u << int(NoFolder) << true << false;
    QTest::newRow("location 2 with tool") << 0u << int(FolderWithTool) << true << true;
    // An expandable text is no path this window can use: location 2 instead
    // of starting an empty path.
    QTest::newRow("location 1 expandable") << expandable << int(FolderWithTool) << true << true;
}

// The button reads location 1, else the folder of location 2, and starts the
// tool found, or says that there is none.
void AboutWindowTest::sysInfo()
{
    QFETCH(std::uint32_t, type1);
    QFETCH(int, location2);
    QFETCH(bool, startSucceeds);
    QFETCH(bool, toolStarted);
    const QByteArray path1("/nulle/part/msinfo32");
    if (type1)
        m_fake->registry.keys[kKey1]["PATH"] = {type1, bytesOf(path1 + '\0')};
    QTemporaryDir folder;
    const QString tool = frmAbout::toolInFolder(folder.path());
    if (location2 == FolderWithTool) {
        QFile f(tool);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    if (location2 != NoFolder)
        m_fake->registry.setText(kKey2, "MSINFO", folder.path().toStdString());
    m_fake->shell.startSucceeds = startSucceeds;

    frmAbout* w = open();
    QTest::mouseClick(w->cmdSysInfo, Qt::LeftButton);
    const bool readsLocation1 = type1 == platform::kRegSz;
    std::vector<std::string> opened{kKey1};
    if (!readsLocation1)
        opened.push_back(kKey2);
    QCOMPARE(m_fake->registry.opened, opened);
    QStringList started;
    if (readsLocation1)
        started = {QString::fromLatin1(path1)};
    else if (toolStarted)
        started = {tool};
    QCOMPARE(m_fake->shell.started, started);
    if (started.isEmpty() || !startSucceeds) {
        QCOMPARE(m_fake->dialogs.messages.size(), 1);
        QCOMPARE(m_fake->dialogs.messages[0].text, kNoTool);
        QCOMPARE(m_fake->dialogs.messages[0].title, kTitle);
        QCOMPARE(int(m_fake->dialogs.messages[0].icon), int(platform::MessageIcon::None));
    } else {
        QVERIFY(m_fake->dialogs.messages.isEmpty());
    }
    QVERIFY(frmAbout::instance() && w->isVisible()); // the window stays open
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
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return QTimer::singleShot(10, answer);
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
    QTest::addColumn<QRect>("rect");
    QTest::newRow("cmdOK") << "cmdOK" << "OK" << QRect(304, 200, 84, 23);
    QTest::newRow("cmdSysInfo") << "cmdSysInfo" << "&Infos système..." << QRect(304, 232, 83, 23);
    QTest::newRow("lblDescription")
        << "lblDescription"
        << "Tu dois ranger dans l'ordre que tu auras choisi les nombres qui te seront proposés par "
           "l'ordinateur. Au bout de 10 réussites, tu pourras jouer avec ...colonne !"
        << QRect(14, 72, 291, 43);
    QTest::newRow("Label3") << "Label3" << maker::kCredits << QRect(14, 144, 369, 33);
    QTest::newRow("lblVersion") << "lblVersion" << "Version 5.0.0" << QRect(14, 48, 259, 15);
    QTest::newRow("lblUrl") << "lblUrl" << maker::kWeb << QRect(16, 240, 273, 17);
    QTest::newRow("lblMail") << "lblMail" << maker::kMail << QRect(16, 264, 145, 17);
    QTest::newRow("Image1") << "Image1" << "" << QRect(344, 8, 42, 113);
}

// The window's controls, their texts and their places in pixels.
void AboutWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    frmAbout* w = open();
    QCOMPARE(w->windowTitle(), QStringLiteral("À propos de Ordre montivant ou démontivant"));
    QCOMPARE(w->lblTitle->text(), kTitle);
    QCOMPARE(w->size(), QSize(404, 287));
    QCOMPARE(w->lblMail->toolTip(), QStringLiteral("Contactez moi !"));
    QCOMPARE(w->lblUrl->cursor().shape(), Qt::WhatsThisCursor);
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY(control);
    auto* label = qobject_cast<QLabel*>(control);
    QCOMPARE(label ? label->text() : control->property("text").toString(), text);
    QCOMPARE(control->geometry(), rect);
}

// The window as a keyboard user meets it: active, with the focus on OK.
static frmAbout* openActive(frmAbout* w)
{
    QApplication::setActiveWindow(w);
    w->cmdOK->setFocus(Qt::OtherFocusReason);
    return w;
}

// Tab goes from the two buttons to the web link and the mail link, and back
// to OK; a click opens a link without taking the focus.
void AboutWindowTest::tabReachesTheLinksAfterTheButtons()
{
    frmAbout* w = openActive(open());
    const QList<QWidget*> chain{w->cmdSysInfo, w->lblUrl, w->lblMail, w->cmdOK};
    for (QWidget* next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::mouseClick(w->lblUrl, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w->cmdOK);
    QCOMPARE(m_fake->shell.opened, QStringList{maker::kWeb});
}

void AboutWindowTest::keysOnALink_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("stillOpen");
    const QStringList web{maker::kWeb}, mail{"MailTo:" + maker::kMail}, none;
    QTest::newRow("Return, web") << false << int(Qt::Key_Return) << 0 << web << true;
    QTest::newRow("Enter, web") << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << web << true;
    QTest::newRow("Space, mail") << true << int(Qt::Key_Space) << 0 << mail << true;
    QTest::newRow("Return, mail") << true << int(Qt::Key_Return) << 0 << mail << true;
    QTest::newRow("Ctrl+Return") << false << int(Qt::Key_Return) << int(Qt::ControlModifier) << none << true;
    QTest::newRow("Escape closes") << true << int(Qt::Key_Escape) << 0 << none << false;
}

// Enter, Return or Space on a focused link opens it as a click does, once even
// when held, and OK, the default button, stays unpressed; Escape closes the
// window for good, as OK does.
void AboutWindowTest::keysOnALink()
{
    QFETCH(bool, mail);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, opened);
    QFETCH(bool, stillOpen);
    QPointer<frmAbout> w = openActive(open());
    ClickableLabel* link = mail ? w->lblMail : w->lblUrl;
    link->setFocus(Qt::TabFocusReason);
    QTest::keyClick(link, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (stillOpen) {
        QKeyEvent held(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), true);
        QApplication::sendEvent(link, &held);
    }
    QCOMPARE(m_fake->shell.opened, opened);
    QCOMPARE(frmAbout::instance() != nullptr, stillOpen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!w.isNull(), stillOpen);
}

namespace {
class FocusMarkRecorder : public QProxyStyle {
public:
    mutable QList<QRect> marks;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect)
            marks.append(option->rect);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};
} // namespace

// A focused link asks the style for a focus mark round its text, within the
// label or a few pixels beyond it (where a pixel of space from the text needs
// them); without the focus, for none.
void AboutWindowTest::focusMarkFromTheStyle()
{
    frmAbout* w = openActive(open());
    auto* style = new FocusMarkRecorder;
    style->setParent(w);
    w->lblUrl->setStyle(style);
    w->grab();
    QVERIFY(style->marks.isEmpty());
    w->lblUrl->setFocus(Qt::TabFocusReason);
    w->grab();
    QCOMPARE(style->marks.size(), 1);
    auto* layer = w->findChild<QWidget*>(QStringLiteral("focusMark"));
    QVERIFY(layer && layer->isVisible());
    const QRect mark = style->marks.first().translated(layer->pos() - w->lblUrl->pos());
    const int textWidth = w->lblUrl->fontMetrics().horizontalAdvance(maker::kWeb);
    const int room = focusmark::kRoom;
    QVERIFY(w->lblUrl->rect().adjusted(-room, -room, room, room).contains(mark));
    QVERIFY(mark.width() >= textWidth && mark.width() <= textWidth + 8); // four pixels each side at most
    // Gone with the focus: hidden at once, destroyed from the event loop.
    QPointer<QWidget> gone(layer);
    w->cmdOK->setFocus(Qt::TabFocusReason);
    QVERIFY(!gone || !gone->isVisible());
    QTRY_VERIFY(!gone);
}

void AboutWindowTest::linksForAssistiveTechnologies_data()
{
    QTest::addColumn<bool>("mail");
    QTest::addColumn<QString>("opened");
    QTest::newRow("web") << false << maker::kWeb;
    QTest::newRow("mail") << true << "MailTo:" + maker::kMail;
}

// Each link is a link to assistive technologies, named by its address as it
// changes, and its press action opens it.
void AboutWindowTest::linksForAssistiveTechnologies()
{
    QFETCH(bool, mail);
    QFETCH(QString, opened);
    ClickableLabel* link = mail ? open()->lblMail : open()->lblUrl;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(link);
    QVERIFY(a && a->actionInterface());
    QCOMPARE(a->role(), QAccessible::Link);
    QCOMPARE(a->text(QAccessible::Name), mail ? maker::kMail : maker::kWeb);
    QVERIFY(a->state().focusable && a->state().linked);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_fake->shell.opened, QStringList{opened});
    link->setText(QStringLiteral("ailleurs.example.org"));
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("ailleurs.example.org"));
}

void AboutWindowTest::mailPointerIsAHandWithItsTipOnTheHotSpot_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

// The pointer is drawn at the screen's density, with its hot spot, given in
// the picture's own pixels, on the finger's tip: a dark outline pixel in the
// upper left quarter with nothing solid above it.
void AboutWindowTest::mailPointerIsAHandWithItsTipOnTheHotSpot()
{
    QFETCH(qreal, ratio);
    const QCursor cursor = mailcursor::cursor(ratio);
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.pixmap().devicePixelRatio(), ratio);
    const QImage img = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(img.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
    const QPoint hot = cursor.hotSpot();
    QCOMPARE(hot, mailcursor::hotSpot(ratio));
    QVERIFY(hot.x() < img.width() / 2 && hot.y() < img.height() / 4);
    QCOMPARE(qAlpha(img.pixel(hot)), 255);
    QVERIFY(qGray(img.pixel(hot)) < 64);
    for (int y = 0; y < hot.y(); ++y)
        for (int x = 0; x < img.width(); ++x)
            QVERIFY(qAlpha(img.pixel(x, y)) < 255);
    QCOMPARE(open()->lblMail->cursor().shape(), Qt::BitmapCursor);
}

QTEST_MAIN(AboutWindowTest)
#include "frmabout_test.moc"
