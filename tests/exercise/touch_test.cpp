// The board under a finger, on a touch screen: Qt makes mouse events of the
// touches that no control takes, and the board's own drag and picking follow
// them. A finger's drag from a tile to a slot drops the tile there, its
// outline under the finger all the way; a tap on a tile picks it and a tap on
// a slot drops it, as clicks do. A finger on the game window changes nothing.
// Touches go through the window, as a touch screen sends them.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"
#include "game/gamefield.h"

#include <QLabel>
#include <QPointingDevice>
#include <QtTest>

namespace {

QPointingDevice* touchScreen()
{
    static QPointingDevice* device = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return device;
}

QPoint centreIn(QWidget* top, QWidget* w) { return w->mapTo(top, w->rect().center()); }

void press(QWidget* top, const QPoint& at) { QTest::touchEvent(top, touchScreen()).press(0, at, top); }
void move(QWidget* top, const QPoint& at) { QTest::touchEvent(top, touchScreen()).move(0, at, top); }
void release(QWidget* top, const QPoint& at) { QTest::touchEvent(top, touchScreen()).release(0, at, top); }
// A finger never lifts exactly where it touched: a tap wobbles a little.
void tap(QWidget* top, const QPoint& at)
{
    press(top, at);
    move(top, at + QPoint(2, 1));
    release(top, at + QPoint(2, 1));
}

} // namespace

class TouchTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fingerDrags_data();
    void fingerDrags();
    void tapsPickAndDrop();
    void fingerOnTheGameDoesNothing();

private:
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
};

void TouchTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    w = Form1::Load();
    QVERIFY(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back((10.5 + 11 * i) / 100.0);
    w->Generer_Click();
}

void TouchTest::cleanup()
{
    delete Form1::instance();
    delete frmColonnes::instance();
    w = nullptr;
    fake.reset();
}

void TouchTest::fingerDrags_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("target"); // object name of the control under the finger at the end
    QTest::addColumn<int>("slot"); // the slot that receives the tile, or -1
    QTest::newRow("into a slot") << 2 << "Label5_5" << 5;
    QTest::newRow("into the first slot") << 7 << "Label5_0" << 0;
    QTest::newRow("onto another tile") << 6 << "Label1_0" << -1;
    QTest::newRow("onto the example") << 1 << "Label2" << -1;
}

void TouchTest::fingerDrags()
{
    QFETCH(int, tile);
    QFETCH(QString, target);
    QFETCH(int, slot);
    QLabel* source = w->Label1[tile];
    auto* to = w->findChild<QWidget*>(target);
    QVERIFY(to);
    const QPoint from = centreIn(w, source), end = centreIn(w, to) + QPoint(3, 2);
    const QString text = source->text();

    press(w, from);
    auto* outline = w->findChild<QWidget*>("dragOutline");
    QVERIFY(outline && outline->isVisible());
    const QPoint grab = from - outline->pos();
    for (int step = 1; step <= 6; ++step) {
        const QPoint at = from + (end - from) * step / 6;
        move(w, at);
        // The outline keeps the place where the finger took the tile.
        QCOMPARE(outline->pos(), at - grab);
        QVERIFY(outline->isVisible());
    }
    release(w, end);
    QVERIFY(outline->isHidden());
    for (int k = 0; k < 8; ++k)
        QCOMPARE(w->Label5[k]->text(), k == slot ? text : QString());
    QCOMPARE(w->background(source), slot >= 0 ? Form1::kLightOrange : Form1::kLightYellow);
    QCOMPARE(source->text(), text);
}

void TouchTest::tapsPickAndDrop()
{
    tap(w, centreIn(w, w->Label1[3]));
    QCOMPARE(w->picked(), 3);
    QVERIFY(w->findChild<QWidget*>("dragOutline")->isHidden());
    // A second tap on the picked tile lets go of it; a third picks it again.
    tap(w, centreIn(w, w->Label1[3]));
    QCOMPARE(w->picked(), -1);
    tap(w, centreIn(w, w->Label1[3]));
    QCOMPARE(w->picked(), 3);
    tap(w, centreIn(w, w->Label5[6]));
    QCOMPARE(w->Label5[6]->text(), w->Label1[3]->text());
    QCOMPARE(w->picked(), -1);
    QCOMPARE(w->background(w->Label1[3]), Form1::kLightOrange);
    // A tap on a slot with nothing picked changes nothing.
    tap(w, centreIn(w, w->Label5[2]));
    QCOMPARE(w->Label5[2]->text(), QString());
}

void TouchTest::fingerOnTheGameDoesNothing()
{
    frmColonnes* game = frmColonnes::Load();
    game->show();
    QVERIFY(QTest::qWaitForWindowExposed(game));
    game->mnuNouveau_Click();
    game->tmrCase->stop();
    game->tmrCase_Timer();
    const colonnes::GameField before = game->field();
    auto* well = game->findChild<QWidget*>("picZone");
    QVERIFY(well);
    const QPoint inWell = centreIn(game, well);
    tap(game, inWell);
    press(game, inWell);
    for (int step = 1; step <= 4; ++step)
        move(game, inWell + QPoint(10 * step, -15 * step));
    release(game, inWell + QPoint(40, -60));
    tap(game, centreIn(game, game->findChild<QWidget*>("lblScore")));
    const colonnes::GameField& after = game->field();
    QCOMPARE(after.Grille, before.Grille);
    QCOMPARE(after.XPos, before.XPos);
    QCOMPARE(after.YPos, before.YPos);
    QCOMPARE(after.ScoreCourant, before.ScoreCourant);
    QVERIFY(game->isVisible());
    QCOMPARE(frmColonnes::instance(), game);
}

QTEST_MAIN(TouchTest)
#include "touch_test.moc"
