// The answer board: a press on a tile starts a drag at once, an outline follows
// the pointer, a release over a slot copies the tile's text into the slot and
// turns the tile light orange; a release anywhere else changes nothing.
//
// Every drag is made twice over: once through the window (QWindow events, which
// keep the implicit mouse grab as real input does) and once as events sent to
// the tile itself, as the toolkit delivers them while the tile holds the grab.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace {

enum class Route { Window, Tile };

QPoint centreInWindow(Form1* w, QWidget* target)
{
    return target->mapTo(w, target->rect().center());
}

// Presses `button` on the tile, moves the pointer in steps to `to` (window
// coordinates) and releases it there.
void drag(Route route, Form1* w, QLabel* tile, const QPoint& to,
          Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint from = centreInWindow(w, tile);
    const int steps = 5;
    if (route == Route::Window) {
        QWindow* window = w->windowHandle();
        QTest::mousePress(window, button, Qt::NoModifier, from);
        for (int s = 1; s <= steps; ++s)
            QTest::mouseMove(window, from + (to - from) * s / steps);
        QTest::mouseRelease(window, button, Qt::NoModifier, to);
        return;
    }
    auto send = [&](QEvent::Type type, const QPoint& inWindow, Qt::MouseButtons held) {
        const QPointF local = tile->mapFrom(w, inWindow);
        const QPointF global = w->mapToGlobal(inWindow);
        QMouseEvent event(type, local, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(tile, &event);
    };
    send(QEvent::MouseButtonPress, from, button);
    for (int s = 1; s <= steps; ++s)
        send(QEvent::MouseMove, from + (to - from) * s / steps, button);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace

Q_DECLARE_METATYPE(Route)

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void routes_data();
    void laterDropReplacesSlot_data() { routes_data(); }
    void laterDropReplacesSlot();
    void sameTileIntoTwoSlots_data() { routes_data(); }
    void sameTileIntoTwoSlots();
    void releaseElsewhereChangesNothing_data();
    void releaseElsewhereChangesNothing();
    void anyButtonStartsADrag_data();
    void anyButtonStartsADrag();
    void placeholderBeforeDrawing_data() { routes_data(); }
    void placeholderBeforeDrawing();
    void plainClickChangesNothing_data() { routes_data(); }
    void plainClickChangesNothing();
    void outlineFollowsThePointer();
    void quickSecondPressStartsADrag();
    void dropAfterSolutionTurnsOrangeAgain();
    void nothingFromOutsideCanDrop();

private:
    void generate();
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
};

void BoardTest::routes_data()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("window") << Route::Window;
    QTest::newRow("tile") << Route::Tile;
}

void BoardTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    w = Form1::Load();
    QVERIFY(w);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

void BoardTest::cleanup()
{
    delete Form1::instance();
    w = nullptr;
    fake.reset();
}

// Eight distinct numbers 11, 22, ... 88 in the tiles.
void BoardTest::generate()
{
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back((10.5 + 11 * i) / 100.0);
    QTest::mouseClick(w->Generer, Qt::LeftButton);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Label1[i]->text(), QString::number(11 * (i + 1)));
}

void BoardTest::laterDropReplacesSlot()
{
    QFETCH(Route, route);
    generate();
    drag(route, w, w->Label1[3], centreInWindow(w, w->Label5[0]));
    QCOMPARE(w->Label5[0]->text(), QString("44"));
    drag(route, w, w->Label1[6], centreInWindow(w, w->Label5[0]));
    QCOMPARE(w->Label5[0]->text(), QString("77"));
    // Tile 3 stays orange although its number has left the lower row.
    QCOMPARE(w->background(w->Label1[3]), Form1::kLightOrange);
    QCOMPARE(w->background(w->Label1[6]), Form1::kLightOrange);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label1[i]->text(), QString::number(11 * (i + 1)));
        if (i != 3 && i != 6)
            QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
        if (i != 0)
            QCOMPARE(w->Label5[i]->text(), QString());
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
    }
}

void BoardTest::sameTileIntoTwoSlots()
{
    QFETCH(Route, route);
    generate();
    const QRect before = w->Label1[4]->geometry();
    drag(route, w, w->Label1[4], centreInWindow(w, w->Label5[2]));
    drag(route, w, w->Label1[4], centreInWindow(w, w->Label5[5]));
    QCOMPARE(w->Label5[2]->text(), QString("55"));
    QCOMPARE(w->Label5[5]->text(), QString("55"));
    QCOMPARE(w->Label1[4]->text(), QString("55"));
    QCOMPARE(w->Label1[4]->geometry(), before);
    QCOMPARE(w->background(w->Label1[4]), Form1::kLightOrange);
    // Nothing but the drop: no score, no sound, no button changes.
    QVERIFY(fake->sound.played.isEmpty());
    QVERIFY(fake->dialogs.messages.isEmpty());
    QVERIFY(!w->Generer->isEnabled());
    QVERIFY(w->Verifier->isEnabled());
    QVERIFY(!w->cmdSort->isEnabled());
}

void BoardTest::releaseElsewhereChangesNothing_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("target");
    for (Route r : {Route::Window, Route::Tile}) {
        const char* via = r == Route::Window ? "window" : "tile";
        for (const char* target : {"another tile", "the same tile", "a button", "the window",
                                   "a frame border", "outside the window"})
            QTest::addRow("%s over %s", via, target) << r << QString(target);
    }
}

void BoardTest::releaseElsewhereChangesNothing()
{
    QFETCH(Route, route);
    QFETCH(QString, target);
    generate();
    QPoint to;
    if (target == "another tile")
        to = centreInWindow(w, w->Label1[5]);
    else if (target == "the same tile")
        to = centreInWindow(w, w->Label1[2]) + QPoint(40, 0);
    else if (target == "a button")
        to = centreInWindow(w, w->Verifier);
    else if (target == "the window")
        // Between the lower row and the level frame: the bare window.
        to = QPoint(w->Label5[0]->mapTo(w, QPoint(0, 0)).x(),
                    (w->Frame2->mapTo(w, QPoint(0, w->Frame2->height())).y()
                     + w->Frame5->mapTo(w, QPoint(0, 0)).y()) / 2);
    else if (target == "a frame border")
        to = w->Frame2->mapTo(w, QPoint(2, w->Frame2->height() / 2));
    else
        to = QPoint(w->width() + 50, w->height() / 2);
    for (QLabel* slot : w->Label5)
        QVERIFY(w->childAt(to) != slot);

    drag(route, w, w->Label1[2], to);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label5[i]->text(), QString());
        QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
        QCOMPARE(w->Label1[i]->text(), QString::number(11 * (i + 1)));
    }
    QVERIFY(w->findChild<QWidget*>("dragOutline")->isHidden());
}

void BoardTest::anyButtonStartsADrag_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("right, window") << Route::Window << Qt::RightButton;
    QTest::newRow("middle, window") << Route::Window << Qt::MiddleButton;
    QTest::newRow("right, tile") << Route::Tile << Qt::RightButton;
    QTest::newRow("middle, tile") << Route::Tile << Qt::MiddleButton;
}

void BoardTest::anyButtonStartsADrag()
{
    QFETCH(Route, route);
    QFETCH(Qt::MouseButton, button);
    generate();
    drag(route, w, w->Label1[7], centreInWindow(w, w->Label5[1]), button);
    QCOMPARE(w->Label5[1]->text(), QString("88"));
    QCOMPARE(w->background(w->Label1[7]), Form1::kLightOrange);
}

void BoardTest::placeholderBeforeDrawing()
{
    QFETCH(Route, route);
    drag(route, w, w->Label1[0], centreInWindow(w, w->Label5[7]));
    QCOMPARE(w->Label5[7]->text(), QString("?"));
    QCOMPARE(w->background(w->Label1[0]), Form1::kLightOrange);
    QCOMPARE(w->Label1[0]->text(), QString("?"));
}

void BoardTest::plainClickChangesNothing()
{
    QFETCH(Route, route);
    generate();
    const QPoint at = centreInWindow(w, w->Label1[1]);
    drag(route, w, w->Label1[1], at);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label5[i]->text(), QString());
        QCOMPARE(w->background(w->Label1[i]), Form1::kLightYellow);
    }
}

void BoardTest::outlineFollowsThePointer()
{
    generate();
    QWindow* window = w->windowHandle();
    QLabel* tile = w->Label1[2];
    const QPoint tileAt = tile->mapTo(w, QPoint(0, 0));
    const QPoint grab = tileAt + QPoint(5, 7);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, grab);
    auto* outline = w->findChild<QWidget*>("dragOutline");
    QVERIFY(outline);
    QVERIFY(outline->isVisible());
    QCOMPARE(outline->geometry(), QRect(tileAt, tile->size()));

    const QPoint over = centreInWindow(w, w->Label5[6]);
    QTest::mouseMove(window, (grab + over) / 2);
    QTest::mouseMove(window, over);
    // The tile is held at the point where it was taken; the tile stays put.
    QCOMPARE(outline->geometry(), QRect(over - QPoint(5, 7), tile->size()));
    QCOMPARE(tile->mapTo(w, QPoint(0, 0)), tileAt);
    QCOMPARE(w->Label5[6]->text(), QString());

    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, over);
    QVERIFY(outline->isHidden());
    QCOMPARE(w->Label5[6]->text(), QString("33"));
}

void BoardTest::quickSecondPressStartsADrag()
{
    // A child who drags the same tile twice in quick succession: the second
    // press arrives as a double click.
    generate();
    QLabel* tile = w->Label1[5];
    auto send = [&](QEvent::Type type, QWidget* over, Qt::MouseButtons held) {
        const QPoint inWindow = centreInWindow(w, over);
        const QPointF local = tile->mapFrom(w, inWindow);
        QMouseEvent event(type, local, local, w->mapToGlobal(inWindow), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(tile, &event);
    };
    send(QEvent::MouseButtonPress, tile, Qt::LeftButton);
    send(QEvent::MouseMove, w->Label5[0], Qt::LeftButton);
    send(QEvent::MouseButtonRelease, w->Label5[0], Qt::NoButton);
    send(QEvent::MouseButtonDblClick, tile, Qt::LeftButton);
    send(QEvent::MouseMove, w->Label5[1], Qt::LeftButton);
    send(QEvent::MouseButtonRelease, w->Label5[1], Qt::NoButton);
    QCOMPARE(w->Label5[0]->text(), QString("66"));
    QCOMPARE(w->Label5[1]->text(), QString("66"));
}

void BoardTest::dropAfterSolutionTurnsOrangeAgain()
{
    generate();
    w->Verifier_Click(); // empty slots: a message, and the solution is enabled
    QTest::mouseClick(w->cmdSort, Qt::LeftButton);
    QCOMPARE(w->background(w->Label1[0]), Form1::kPink);
    drag(Route::Window, w, w->Label1[0], centreInWindow(w, w->Label5[3]));
    // Descending at start: the solution put the largest number first.
    QCOMPARE(w->Label5[3]->text(), QString("88"));
    QCOMPARE(w->background(w->Label1[0]), Form1::kLightOrange);
    QCOMPARE(w->background(w->Label1[1]), Form1::kPink);
}

void BoardTest::nothingFromOutsideCanDrop()
{
    // Text dragged from another program must never reach a slot: neither the
    // window nor anything in it takes the toolkit's drops.
    QVERIFY(!w->acceptDrops());
    for (QWidget* child : w->findChildren<QWidget*>())
        QVERIFY2(!child->acceptDrops(), qPrintable(child->objectName()));
}

QTEST_MAIN(BoardTest)
#include "board_test.moc"
