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

void destroyLater()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts the tip windows that were shown, however briefly.
class ShowCounter : public QObject {
public:
    int shown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<frmTip*>(watched))
            ++shown;
        return false;
    }
};
} // namespace

class TipWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTipsInFileOrderAndWraps();
    void reopeningGoesOnFromTheTipShown();
    void blankLineIsAnEmptyTip();
    void emptyFileShowsNothing();
    void missingFileText_data();
    void missingFileText();
    void checkBoxWritesAtEveryChange();
    void storedFiveIsRewrittenAsOne();
    void settingZeroShowsNothing();
    void menuRequestWhileOpenChangesNothing();
    void accentsOfBothEncodings_data();
    void accentsOfBothEncodings();
    void modalShowWaitsForTheClose_data();
    void modalShowWaitsForTheClose();
    void escapeClosesTheWindow();
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
    QVERIFY(!frmTip::instance());
}

void TipWindowTest::writeTips(const QByteArray& bytes)
{
    QFile f(QDir(m_dir->path()).filePath(QStringLiteral("TIPOFDAY.TXT")));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void TipWindowTest::showsTipsInFileOrderAndWraps()
{
    writeTips("a\r\nb\r\nc\r\n");
    frmTip::ShowModeless();
    QVERIFY(frmTip::instance() && frmTip::instance()->isVisible());
    QCOMPARE(shown(), QStringLiteral("a"));
    clickNext();
    QCOMPARE(shown(), QStringLiteral("b"));
    clickNext();
    QCOMPARE(shown(), QStringLiteral("c"));
    clickNext();
    QCOMPARE(shown(), QStringLiteral("a"));
}

// Closing on "b" and opening again in the same run shows "c"; the file is
// read again and its lines appended after the first reading's.
void TipWindowTest::reopeningGoesOnFromTheTipShown()
{
    writeTips("a\r\nb\r\nc");
    frmTip::ShowModeless();
    clickNext();
    QCOMPARE(shown(), QStringLiteral("b"));
    QPointer<frmTip> first = frmTip::instance();
    QTest::mouseClick(first->cmdOK, Qt::LeftButton);
    QVERIFY(!frmTip::instance()); // a request from now on builds a new window
    destroyLater();
    QVERIFY(!first);
    QCOMPARE(frmTip::state().TipIndex, 2);

    frmTip::ShowModeless();
    QCOMPARE(shown(), QStringLiteral("c"));
    QCOMPARE(frmTip::state().TipList.size(), 6);
    clickNext();
    clickNext();
    QCOMPARE(shown(), QStringLiteral("b"));

    // A new run starts on the first line again.
    delete frmTip::instance();
    frmTip::resetRunState();
    frmTip::ShowModeless();
    QCOMPARE(shown(), QStringLiteral("a"));
}

void TipWindowTest::blankLineIsAnEmptyTip()
{
    writeTips("a\r\n\r\nc\r\n");
    frmTip::ShowModeless();
    clickNext();
    QCOMPARE(shown(), QString());
    clickNext();
    QCOMPARE(shown(), QStringLiteral("c"));
}

void TipWindowTest::emptyFileShowsNothing()
{
    writeTips("");
    frmTip::ShowModeless();
    QVERIFY(frmTip::instance());
    QCOMPARE(shown(), QString());
    clickNext();
    QCOMPARE(shown(), QString());
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

void TipWindowTest::missingFileText_data()
{
    QTest::addColumn<bool>("folderInstead");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder by that name") << true;
}

void TipWindowTest::missingFileText()
{
    QFETCH(bool, folderInstead);
    if (folderInstead)
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("TIPOFDAY.TXT")));
    frmTip::ShowModeless();
    QVERIFY(frmTip::instance());
    const QString expected = QStringLiteral(
        "Le fichier TIPOFDAY.TXT n'a pas été trouvé? \r\n\r\nCréez un fichier texte nommé "
        "TIPOFDAY.TXT en utilisant le Bloc-notes avec une astuce par ligne. Puis placez le "
        "dans le même dossier que l'application.");
    QCOMPARE(shown(), expected);
    QVERIFY(!shown().contains(m_dir->path()));
    clickNext();
    QCOMPARE(shown(), expected);
    QVERIFY(frmTip::state().TipList.isEmpty());
    QVERIFY(m_fake->dialogs.messages.isEmpty());
}

void TipWindowTest::checkBoxWritesAtEveryChange()
{
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
    QCOMPARE(m_fake->settings.values.value(kSettingPath), QStringLiteral("1"));
    QCOMPARE(m_fake->settings.writes,
             (QStringList{kSettingPath + "=1", kSettingPath + "=0", kSettingPath + "=1"}));

    // Closing writes nothing more.
    QTest::mouseClick(frmTip::instance()->cmdOK, Qt::LeftButton);
    QCOMPARE(m_fake->settings.writes.size(), 3);
}

void TipWindowTest::storedFiveIsRewrittenAsOne()
{
    writeTips("a");
    m_fake->settings.values.insert(kSettingPath, QStringLiteral("5"));
    frmTip::ShowModeless();
    QVERIFY(frmTip::instance());
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
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<frmTip*>(w), "the window closed itself and is gone");
    QVERIFY(m_fake->settings.writes.isEmpty());
    QCOMPARE(m_fake->settings.values.value(kSettingPath), QStringLiteral("0"));
    QVERIFY(m_fake->dialogs.messages.isEmpty());
    QVERIFY(frmTip::state().TipList.isEmpty());

    // At start-up the modal show returns at once, without waiting for anything.
    frmTip::ShowModal();
    QVERIFY(!frmTip::instance());
    destroyLater();
    qApp->removeEventFilter(&counter);
    QCOMPARE(counter.shown, 0);
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

void TipWindowTest::accentsOfBothEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Windows-1252, CR LF") << QByteArray("D\xE9j\xE0 fini ? Bravo !\r\n");
    QTest::newRow("UTF-8, bare LF") << QByteArray("D\xC3\xA9j\xC3\xA0 fini ? Bravo !\n");
}

void TipWindowTest::accentsOfBothEncodings()
{
    QFETCH(QByteArray, bytes);
    writeTips(bytes);
    frmTip::ShowModeless();
    QCOMPARE(shown(), QStringLiteral("Déjà fini ? Bravo !"));
    QCOMPARE(frmTip::state().TipList.size(), 1);
}

void TipWindowTest::modalShowWaitsForTheClose_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("OK") << false;
    QTest::newRow("close box") << true;
}

// At start-up the window is modal and the caller waits until it is closed.
void TipWindowTest::modalShowWaitsForTheClose()
{
    QFETCH(bool, closeBox);
    writeTips("a\r\nb");
    bool seenOpen = false;
    std::function<void()> closeIt;
    closeIt = [&] {
        frmTip* w = frmTip::instance();
        if (!w || !w->isVisible()) {
            QTimer::singleShot(10, closeIt);
            return;
        }
        seenOpen = w->isModal() && w->lblTipText->text() == QLatin1String("a");
        if (closeBox)
            w->close();
        else
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
    };
    QTimer::singleShot(10, closeIt);
    frmTip::ShowModal();
    QVERIFY(seenOpen);
    QVERIFY(!frmTip::instance());
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<frmTip*>(w) || !w->isVisible());
}

void TipWindowTest::escapeClosesTheWindow()
{
    writeTips("a");
    frmTip::ShowModeless();
    QPointer<frmTip> w = frmTip::instance();
    QTest::keyClick(w.data(), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    destroyLater();
    QVERIFY(!w);
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
    QTest::addColumn<QRect>("twipRect");
    QTest::newRow("cmdOK") << "cmdOK" << "OK" << QRect(4080, 120, 1335, 375);
    QTest::newRow("Picture1") << "Picture1" << "" << QRect(120, 120, 3735, 2715);
    QTest::newRow("cmdNextTip") << "cmdNextTip" << "Astuce &suivante" << QRect(4080, 600, 1335, 375);
    QTest::newRow("chk") << "chkLoadTipsAtStartup" << "&Afficher les astuces au démarrage"
                         << QRect(120, 2940, 2895, 315);
    QTest::newRow("lblTipText") << "lblTipText" << "" << QRect(180, 840, 3255, 1635);
    QTest::newRow("Label1") << "Label1" << "Savez-vous..." << QRect(540, 180, 2655, 255);
}

// The window's controls, their texts and their places, inside Picture1 for
// the two labels.
void TipWindowTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twipRect);
    writeTips("");
    frmTip::ShowModeless();
    frmTip* w = frmTip::instance();
    QCOMPARE(w->windowTitle(), QStringLiteral("Astuce du jour"));
    QCOMPARE(w->size(), QSize(393, 219));
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* control = w->findChild<QWidget*>(name);
    QVERIFY(control);
    if (auto* label = qobject_cast<QLabel*>(control))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(control->property("text").toString(), text);
    const bool inPicture = name == QLatin1String("lblTipText") || name == QLatin1String("Label1");
    QCOMPARE(control->parentWidget(), inPicture ? static_cast<QWidget*>(w->Picture1) : w);
    QCOMPARE(control->geometry(),
             QRect(twipRect.x() / 15, twipRect.y() / 15, qRound(twipRect.width() / 15.0),
                   qRound(twipRect.height() / 15.0)));
}

QTEST_MAIN(TipWindowTest)
#include "frmtip_test.moc"
