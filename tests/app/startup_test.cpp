// The start-up sequence: the tip window first when tips are on, the main window
// at once when they are off, nothing at all for a second copy.
#include "app/module1.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "tips/frmtip.h"

#include <QTimer>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tipsOffShowsTheMainWindowAtOnce();
    void tipsOnShowTheTipWindowFirst();
    void closeBoxOfTheTipWindowLeadsOnAllTheSame();
    void secondCopyShowsNothing();

private:
    std::unique_ptr<fake::Platform> fake;
    QString showTipsKey() const
    {
        return fake::Settings::path("montivant", "Options", "Show Tips at Startup");
    }
};

void StartupTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
}

void StartupTest::cleanup()
{
    delete frmTip::instance();
    delete Form1::instance();
    fake.reset();
}

void StartupTest::tipsOffShowsTheMainWindowAtOnce()
{
    fake->settings.values[showTipsKey()] = "0";
    Module1::Main();
    QVERIFY(Form1::instance());
    QVERIFY(Form1::instance()->isVisible());
    QVERIFY(!frmTip::instance());
    QCOMPARE(fake->settings.values[showTipsKey()], QString("0"));
}

void StartupTest::tipsOnShowTheTipWindowFirst()
{
    // With an empty store the tip window is shown modally first, after the main
    // window's load handler ran, and the main window appears only once it is closed.
    bool sawTipAlone = false;
    bool mainLoadedMeanwhile = false;
    QTimer probe;
    probe.setInterval(10);
    connect(&probe, &QTimer::timeout, this, [&] {
        frmTip* tip = frmTip::instance();
        if (!tip || !tip->isVisible())
            return;
        probe.stop();
        mainLoadedMeanwhile = Form1::instance() && Form1::state().RangeMax == 100.0;
        sawTipAlone = !Form1::instance()->isVisible();
        tip->close();
    });
    probe.start();
    Module1::Main();
    QVERIFY(sawTipAlone);
    QVERIFY(mainLoadedMeanwhile);
    QVERIFY(Form1::instance()->isVisible());
    QCOMPARE(fake->settings.values[showTipsKey()], QString("1"));
}

void StartupTest::closeBoxOfTheTipWindowLeadsOnAllTheSame()
{
    fake->settings.values[showTipsKey()] = "5"; // any non-zero value shows tips
    QTimer::singleShot(50, this, [] {
        if (frmTip* tip = frmTip::instance())
            tip->close(); // the close box sends the same close request
    });
    Module1::Main();
    QVERIFY(Form1::instance()->isVisible());
    QCOMPARE(fake->settings.values[showTipsKey()], QString("1"));
}

// A second copy ends during the load of the main window, before it reads the
// settings store: no read, no write, no window. (The fake's termination
// returns, so anything the start-up did after it would be seen here.)
void StartupTest::secondCopyShowsNothing()
{
    fake->singleCopy.another = true;
    fake->settings.values[showTipsKey()] = "1";
    Module1::Main();
    QCOMPARE(fake->application.terminations, 1);
    QCOMPARE(fake->settings.reads, QStringList());
    QCOMPARE(fake->settings.writes, QStringList());
    QVERIFY(!Form1::instance());
    QVERIFY(!frmTip::instance());
    // The first copy, by contrast, reads whether to show tips.
    fake->singleCopy.another = false;
    fake->settings.values[showTipsKey()] = "0";
    Module1::Main();
    QVERIFY(fake->settings.reads.contains(showTipsKey()));
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
