// The board under real input: an X server (Xvfb, started by realinput.sh),
// the pointer moved and pressed by xdotool, and the desktop's own answer to
// "which window is on top here". A drag released over a slot that another
// window covers drops nothing; over a free slot it drops; two single clicks
// pick a tile and drop it.
#include "about/frmabout.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"

#include <QLabel>
#include <QProcess>
#include <QtTest>

class RealInputTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dropsUnderRealInput_data();
    void dropsUnderRealInput();

private:
    // Runs xdotool with the given commands, which end with the button's
    // release, and waits until the program has had that release.
    void xdotool(const QStringList& commands);
    bool eventFilter(QObject* watched, QEvent* event) override;
    int releases = 0; // button releases the application has had
    QPoint onScreen(QWidget* widget);
    void drag(QWidget* from, QWidget* to);
    void click(QWidget* target);
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
};

void RealInputTest::init()
{
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "run under an X server");
    fake = std::make_unique<fake::Platform>();
    platform::Services real;
    real.windowStack = &platform::desktopWindowStack();
    platform::install(real);
    Form1::resetRunState();
    qApp->installEventFilter(this);
    w = Form1::Show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back((10.5 + 11 * i) / 100.0);
    w->Generer_Click();
    QCOMPARE(w->Label1[0]->text(), QString("11"));
}

void RealInputTest::cleanup()
{
    delete frmAbout::instance();
    delete Form1::instance();
    w = nullptr;
    fake.reset();
}

bool RealInputTest::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->isWindowType())
        ++releases;
    return false;
}

void RealInputTest::xdotool(const QStringList& commands)
{
    const int before = releases;
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), commands), 0);
    QTRY_VERIFY2_WITH_TIMEOUT(releases > before, "the program never had the button's release", 10000);
}

// Where xdotool must point to reach the middle of `widget`: the X server
// counts device pixels, Qt logical ones (the screen starts at 0, 0).
QPoint RealInputTest::onScreen(QWidget* widget)
{
    return (QPointF(widget->mapToGlobal(widget->rect().center())) * widget->devicePixelRatioF())
        .toPoint();
}

void RealInputTest::drag(QWidget* from, QWidget* to)
{
    const QPoint a = onScreen(from);
    const QPoint b = onScreen(to);
    QStringList commands = {"mousemove", QString::number(a.x()), QString::number(a.y()),
                            "mousedown", "1"};
    for (int s = 1; s <= 4; ++s) {
        const QPoint p = a + (b - a) * s / 4;
        commands << "sleep" << "0.05" << "mousemove" << QString::number(p.x()) << QString::number(p.y());
    }
    commands << "sleep" << "0.05" << "mouseup" << "1";
    xdotool(commands);
}

void RealInputTest::click(QWidget* target)
{
    const QPoint a = onScreen(target);
    xdotool({"mousemove", QString::number(a.x()), QString::number(a.y()), "click", "1"});
}

void RealInputTest::dropsUnderRealInput_data()
{
    QTest::addColumn<bool>("covered"); // the About window lies over slot 5
    QTest::addColumn<QString>("expected");
    QTest::newRow("free slot") << false << "44";
    QTest::newRow("slot under the About window") << true << "";
}

void RealInputTest::dropsUnderRealInput()
{
    QFETCH(bool, covered);
    QFETCH(QString, expected);
    QLabel* slot = w->Label5[5];
    if (covered) {
        frmAbout::ShowModeless();
        frmAbout* about = frmAbout::instance();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        // Over the slots from slot 4 on, its top left corner a little above
        // and left of slot 4.
        about->move(w->Label5[4]->mapToGlobal(QPoint(-10, -10)));
        // The desktop itself must say that the About window covers the slot.
        const QPointF centre = slot->mapToGlobal(QRectF(slot->rect()).center());
        QTRY_VERIFY(!platform::desktopWindowStack().showsAt(w, centre));
    }
    drag(w->Label1[3], slot);
    QTRY_COMPARE(slot->text(), expected);
    QCOMPARE(w->background(w->Label1[3]),
             expected.isEmpty() ? Form1::kLightYellow : Form1::kLightOrange);

    // A slot that nothing covers takes drops all the same, dragged or clicked.
    drag(w->Label1[6], w->Label5[0]);
    QTRY_COMPARE(w->Label5[0]->text(), QString("77"));
    click(w->Label1[1]);
    QTRY_COMPARE(w->picked(), 1);
    click(w->Label5[2]);
    QTRY_COMPARE(w->Label5[2]->text(), QString("22"));
    QCOMPARE(w->picked(), -1);
}

QTEST_MAIN(RealInputTest)
#include "realinput_test.moc"
