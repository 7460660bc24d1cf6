// The tip-of-the-day window over fake platform services, driven through its
// real buttons and check box.
#include "app/settings.h"
#include "fakes/fakeplatform.h"
#include "tips/frmtip.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
const QString kSettingPath = QStringLiteral("montivant/Options/Show Tips at Startup");

void destroyLater() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

int tipWindowsAlive()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += qobject_cast<frmTip*>(w) != nullptr;
    return n;
}

// Counts the tip windows that were shown, however briefly.
class ShowCounter : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        shown += event->type() == QEvent::Show && qobject_cast<frmTip*>(watched);
        return false;
    }
};
} // namespace

class TipWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void cyclesThroughTheFileAndWraps_data();
    void cyclesThroughTheFileAndWraps();
    void reopeningGoesOnFromTheTipShown();
    void nothingToCycle_data();
    void nothingToCycle();
    void checkBoxWritesAtEveryChange_data();
    void checkBoxWritesAtEveryChange();
    void settingZeroShowsNothing();
    void menuRequestWhileOpenChangesNothing();
    void modalShowWaitsForTheClose_data();
    void modalShowWaitsForTheClose();
    void enterPressesTheFocusedButtonElseOK();
    void controls_data();
    void controls();

private:
    void writeTips(const QByteArray& bytes);
    QString shown() const { return frmTip::instance()->lblTipText->text(); }
    void clickNext() { QTest::mouseClick(frmTip::instance()->cmdNextTip, Qt::LeftButton); }

    std::unique_ptr<fake::Platform> m_fake;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TipWindowTest::init()
{
    // The new fakes are installed before the old ones go, so that a late
    // timer of an earlier window never finds the platform empty.
    auto next = std::make_unique<fake::Platform>();
    m_fake = std::move(next);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_fake->environment.folder = m_dir->path();
    frmTip::resetRunState();
}

void TipWindowTest::cleanup()
{
    delete frmTip::instance();
    destroyLater();
    QCOMPARE(tipWindowsAlive(), 0);
}

void TipWindowTest::writeTips(const QByteArray& bytes)
{
    QFile f(QDir(m_dir->path()).filePath(QStringLiteral("TIPOFDAY.TXT")));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// The file in either encoding and with either line end; a blank line is an
// empty tip, shown in its turn.
void TipWindowTest::cyclesThroughTheFileAndWraps_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252, CR LF") << QByteArray("a\r\n\r\nD\xE9j\xE0 5 \x80\r\n");
    QTest::newRow("UTF-8, bare LF") << QByteArray("a\n\nD\xC3\xA9j\xC3\xA0 5 \xE2\x82\xAC\n");
}

void TipWindowTest::cyclesThroughTheFileAndWraps()
{
    QFETCH(QByteArray, bytes);
    writeTips(bytes);
    frmTip::ShowModeless();
    QVERIFY(frmTip::instance() && frmTip::instance()->isVisible());
    for (const QString& tip :
         {QStringLiteral("a"), QString(), QStringLiteral("Déjà 5 €"), QStringLiteral("a")}) {
        QCOMPARE(shown(), tip);
        clickNext();
    }
}

// Closing on "b" and opening again in the same run shows "c"; the file is
// read again and its lines appended after the first reading's.
void TipWindowTest::reopeningGoesOnFromTheTipShown()
{
    writeTips("a\r\nb\r\nc");
    frmTip::ShowModeless();
    clickNext();
    QPointer<frmTip> first = frmTip::instance();
    QTest::mouseClick(first->cmdOK, Qt::LeftButton);
    QVERIFY(!frmTip::instance()); // a request from now on builds a new window
    destroyLater();
    QVERIFY(!first);

    frmTip::ShowModeless();
    QCOMPARE(shown(), QStringLiteral("c"));
    QCOMPARE(frmTip::state().TipList.size(), 6);
    clickNext();
    clickNext();
    QCOMPARE(shown(), QStringLiteral("b"));
}

void TipWindowTest::nothingToCycle_data()
{
    QTest::addColumn<int>("file"); // 0 empty, 1 none, 2 a folder by that name
    QTest::addColumn<QString>("text");
    const QString missing = QStringLiteral(
        "Le fichier TIPOFDAY.TXT n'a pas été trouvé? \r\n\r\nCréez un fichier texte nommé "
        "TIPOFDAY.TXT en utilisant le Bloc-notes avec une astuce par ligne. Puis placez le "
        "dans le même dossier que l'application.");
    QTest::newRow("empty file") << 0 << QString();
    QTest::newRow("no file") << 1 << missing;
    QTest::newRow("a folder by that name") << 2 << missing;
}

// The window opens and "next" keeps the same text, without any message.
void TipWindowTest::nothingToCycle()
{
    QFETCH(int, file);
    QFETCH(QString, text);
    if (file == 0)
        writeTips("");
    if (file == 2)
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("TIPOFDAY.TXT")));
    frmTip::ShowModeless();
    QVERIFY(frmTip::instance());
    QCOMPARE(shown(), text);
    clickNext();
    QCOMPARE(shown(), text);
    QVERIFY(frmTip::state().TipList.isEmpty());
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

void TipWindowTest::checkBoxWritesAtEveryChange_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("nothing stored") << QString();
    QTest::newRow("5 is rewritten as 1") << QStringLiteral("5");
}

void TipWindowTest::checkBoxWritesAtEveryChange()
{
    QFETCH(QString, stored);
    if (!stored.isNull())
        m_fake->settings.values.insert(kSettingPath, stored);
    writeTips("a");
    frmTip::ShowModeless();
    QCheckBox* box = frmTip::instance()->chkLoadTipsAtStartup;
    QVERIFY(box->isChecked());
    QCOMPARE(m_fake->settings.writes, QStringList{kSettingPath + "=1"}); // the load's tick

    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(m_fake->settings.values.value(kSettingPath), QStringLiteral("0"));
    QVERIFY(frmTip::instance()->isVisible()); // written before any closing

    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(frmTip::instance()->cmdOK, Qt::LeftButton); // closing writes nothing
    QCOMPARE(m_fake->settings.writes,
             (QStringList{kSettingPath + "=1", kSettingPath + "=0", kSettingPath + "=1"}));
    QCOMPARE(m_fake->settings.values.value(kSettingPath), QStringLiteral("1"));
}

void TipWindowTest::settingZeroShowsNothing()
{
    writeTips("a");
    m_fake->settings.values.insert(kSettingPath, QStringLiteral("0"));
    ShowCounter counter;
    qApp->installEventFilter(&counter);
    frmTip::ShowModeless();
    QVERIFY(!frmTip::instance());
    destroyLater();
    QCOMPARE(tipWindowsAlive(), 0); // the window closed itself and is gone
    // At start-up the modal show returns at once, without waiting for anything.
    frmTip::ShowModal();
    QVERIFY(!frmTip::instance());
    destroyLater();
    qApp->removeEventFilter(&counter);
    QCOMPARE(counter.shown, 0);
    QVERIFY(m_fake->settings.writes.isEmpty());
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QVERIFY(frmTip::state().TipList.isEmpty());
}

void TipWindowTest::menuRequestWhileOpenChangesNothing()
{
    writeTips("a\r\nb\r\nc");
    frmTip::ShowModeless();
    frmTip* w = frmTip::instance();
    clickNext();
    writeTips("x\r\ny"); // a reading now would show it
    m_fake->settings.writes.clear();
    frmTip::ShowModeless();
    QCOMPARE(frmTip::instance(), w);
    QCOMPARE(shown(), QStringLiteral("b"));
    QCOMPARE(frmTip::state().TipList.size(), 3);
    QVERIFY(m_fake->settings.writes.isEmpty());
}

void TipWindowTest::modalShowWaitsForTheClose_data()
{
    QTest::addColumn<int>("how"); // 0 OK, 1 close box, 2 Escape
    QTest::newRow("OK") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("Escape") << 2;
}

// At start-up the window is modal and the caller waits until it is closed;
// the closed window is destroyed.
void TipWindowTest::modalShowWaitsForTheClose()
{
    QFETCH(int, how);
    writeTips("a\r\nb");
    bool seenOpen = false;
    std::function<void()> closeIt = [&] {
        frmTip* w = frmTip::instance();
        if (!w || !w->isVisible())
            return QTimer::singleShot(10, closeIt);
        seenOpen = w->isModal() && w->lblTipText->text() == QLatin1String("a");
        if (how == 0)
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
        else if (how == 1)
            w->close();
        else
            QTest::keyClick(w, Qt::Key_Escape);
    };
    QTimer::singleShot(10, closeIt);
    frmTip::ShowModal();
    QVERIFY(seenOpen);
    QVERIFY(!frmTip::instance());
    destroyLater();
    QCOMPARE(tipWindowsAlive(), 0);
}

void TipWindowTest::enterPressesTheFocusedButtonElseOK()
{
    writeTips("a\r\nb");
    frmTip::ShowModeless();
    QPointer<frmTip> w = frmTip::instance();
    QTest::keyClick(w->cmdNextTip, Qt::Key_Return);
    QCOMPARE(shown(), QStringLiteral("b"));
    QVERIFY(w->isVisible());
    QTest::keyClick(w->chkLoadTipsAtStartup, Qt::Key_Return);
    QVERIFY(!w->isVisible());
    QVERIFY(w->chkLoadTipsAtStartup->isChecked());
}

void TipWindowTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("cmdOK") << "cmdOK" << "OK" << QRect(272, 8, 89, 25);
    QTest::newRow("Picture1") << "Picture1" << "" << QRect(8, 8, 249, 181);
    QTest::newRow("cmdNextTip") << "cmdNextTip" << "Astuce &suivante" << QRect(272, 40, 89, 25);
    QTest::newRow("chk") << "chkLoadTipsAtStartup" << "&Afficher les astuces au démarrage"
                         << QRect(8, 196, 193, 21);
    QTest::newRow("lblTipText") << "lblTipText" << "" << QRect(12, 56, 217, 109);
    QTest::newRow("Label1") << "Label1" << "Savez-vous..." << QRect(36, 12, 177, 17);
}

// The window's controls, their texts and their places in pixels, inside
// Picture1 for the two labels.
void TipWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    writeTips("");
    frmTip::ShowModeless();
    frmTip* w = frmTip::instance();
    QCOMPARE(w->windowTitle(), QStringLiteral("Astuce du jour"));
    QCOMPARE(w->size(), QSize(393, 219));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY(control);
    auto* label = qobject_cast<QLabel*>(control);
    QCOMPARE(label ? label->text() : control->property("text").toString(), text);
    const bool inPicture = name == QLatin1String("lblTipText") || name == QLatin1String("Label1");
    QCOMPARE(control->parentWidget(), inPicture ? static_cast<QWidget*>(w->Picture1) : w);
    QCOMPARE(control->geometry(), rect);
}

QTEST_MAIN(TipWindowTest)
#include "frmtip_test.moc"
