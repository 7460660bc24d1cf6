// The answer board: a press on a tile starts a drag at once, an outline follows
// the pointer, a release over a slot copies the tile's text into the slot and
// turns the tile light orange; a release anywhere else changes nothing.
//
// Drags go through the window (QWindow events), which keeps the implicit mouse
// grab as real input does: the tile that took the press gets the moves and the
// release wherever the pointer is. Only a quick second press, which the window
// route cannot make into a double click, is sent to the tile itself.
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"

#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace {

// Eight texts written with blanks between them; "_" stands for an empty slot.
QStringList L(const char* texts)
{
    QStringList list = QString::fromUtf8(texts).split(' ');
    for (QString& text : list)
        if (text == "_")
            text.clear();
    return list;
}

QPoint centreInWindow(Form1* w, QWidget* target)
{
    return target->mapTo(w, target->rect().center());
}

// Presses `button` on the tile, moves the pointer in steps to `to` (window
// coordinates) and releases it there.
void drag(Form1* w, QLabel* tile, const QPoint& to, Qt::MouseButton button = Qt::LeftButton)
{
    const QPoint from = centreInWindow(w, tile);
    QWindow* window = w->windowHandle();
    QTest::mousePress(window, button, Qt::NoModifier, from);
    for (int s = 1; s <= 5; ++s)
        QTest::mouseMove(window, from + (to - from) * s / 5);
    QTest::mouseRelease(window, button, Qt::NoModifier, to);
}

} // namespace

class BoardTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void drops_data();
    void drops();
    void releaseElsewhereChangesNothing_data();
    void releaseElsewhereChangesNothing();
    void outlineFollowsThePointer();
    void quickSecondPressStartsADrag();
    void dropAfterSolutionTurnsOrangeAgain();
    void nothingFromOutsideCanDrop();

private:
    void generate();
    void checkBoard(const QStringList& tileTexts, const QStringList& slotTexts,
                    const QList<int>& orange);
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
    const QStringList drawn = L("11 22 33 44 55 66 77 88");
};

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
        QCOMPARE(w->Label1[i]->text(), drawn[i]);
}

// The tiles keep their texts, the slots hold `slotTexts`, exactly the tiles in
// `orange` are light orange, the slots stay green and the outline is gone.
void BoardTest::checkBoard(const QStringList& tileTexts, const QStringList& slotTexts,
                           const QList<int>& orange)
{
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Label1[i]->text(), tileTexts[i]);
        QCOMPARE(w->Label5[i]->text(), slotTexts[i]);
        QCOMPARE(w->background(w->Label1[i]),
                 orange.contains(i) ? Form1::kLightOrange : Form1::kLightYellow);
        QCOMPARE(w->background(w->Label5[i]), Form1::kLightGreen);
    }
    QVERIFY(w->findChild<QWidget*>("dragOutline")->isHidden());
}

void BoardTest::drops_data()
{
    QTest::addColumn<bool>("drawFirst");
    QTest::addColumn<QString>("drags"); // "tile>slot ..."
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QStringList>("slotTexts");
    QTest::addColumn<QList<int>>("orange");
    // Tile 3 stays orange although its number has left the lower row.
    QTest::newRow("a later drop replaces the slot")
        << true << "3>0 6>0" << Qt::LeftButton << L("77 _ _ _ _ _ _ _") << QList<int>{3, 6};
    QTest::newRow("one tile into two slots")
        << true << "4>2 4>5" << Qt::LeftButton << L("_ _ 55 _ _ 55 _ _") << QList<int>{4};
    QTest::newRow("right button")
        << true << "7>1" << Qt::RightButton << L("_ 88 _ _ _ _ _ _") << QList<int>{7};
    QTest::newRow("middle button")
        << true << "7>1" << Qt::MiddleButton << L("_ 88 _ _ _ _ _ _") << QList<int>{7};
    QTest::newRow("a placeholder before drawing")
        << false << "0>7" << Qt::LeftButton << L("_ _ _ _ _ _ _ ?") << QList<int>{0};
}

// A drop changes the board and nothing else: the tile stays where it is, no
// sound, no message, the buttons as they were.
void BoardTest::drops()
{
    QFETCH(bool, drawFirst);
    QFETCH(QString, drags);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QStringList, slotTexts);
    QFETCH(QList<int>, orange);
    if (drawFirst)
        generate();
    const QList<bool> buttons = {w->Generer->isEnabled(), w->Verifier->isEnabled(),
                                 w->cmdSort->isEnabled()};
    QList<QRect> places;
    for (QLabel* tile : w->Label1)
        places.append(tile->geometry());

    for (const QString& move : drags.split(' ')) {
        QLabel* tile = w->Label1[move.section('>', 0, 0).toInt()];
        drag(w, tile, centreInWindow(w, w->Label5[move.section('>', 1, 1).toInt()]), button);
    }
    checkBoard(drawFirst ? drawn : QStringList(8, "?"), slotTexts, orange);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Label1[i]->geometry(), places[i]);
    QVERIFY(fake->sound.played.isEmpty());
    QVERIFY(fake->dialogs.messages.isEmpty());
    QCOMPARE((QList<bool>{w->Generer->isEnabled(), w->Verifier->isEnabled(),
                          w->cmdSort->isEnabled()}),
             buttons);
}

void BoardTest::releaseElsewhereChangesNothing_data()
{
    QTest::addColumn<QString>("target");
    for (const char* target : {"where it was pressed", "another tile", "the same tile",
                               "a button", "the window", "a frame border", "outside the window"})
        QTest::newRow(target) << QString(target);
}

void BoardTest::releaseElsewhereChangesNothing()
{
    QFETCH(QString, target);
    generate();
    QPoint to;
    if (target == "where it was pressed")
        to = centreInWindow(w, w->Label1[2]);
    else if (target == "another tile")
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

    drag(w, w->Label1[2], to);
    checkBoard(drawn, QStringList(8, QString()), {});
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
    drag(w, w->Label1[0], centreInWindow(w, w->Label5[3]));
    // Descending at start: the solution put the largest number first.
    QCOMPARE(w->Label5[3]->text(), QString("88"));
    QCOMPARE(w->background(w->Label1[0]), Form1::kLightOrange);
    QCOMPARE(w->background(w->Label1[1]), Form1::kPink);
}

void BoardTest::nothingFromOutsideCanDrop()
{
    // Text dragged from another program must never reach a slot. The toolkit
    // offers a drop to the widget under the pointer and its parents that take
    // drops (acceptDrops); every one of them must refuse it, and no drop
    // changes a slot.
    generate();
    QMimeData text;
    text.setText(QStringLiteral("99"));
    for (QLabel* slot : w->Label5) {
        const QPoint at = centreInWindow(w, slot);
        QWidget* under = w->childAt(at);
        QVERIFY(under);
        for (QWidget* target = under; target; target = target->parentWidget()) {
            if (!target->acceptDrops())
                continue;
            const QPoint local = target->mapFrom(w, at);
            QDragEnterEvent enter(local, Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY2(!enter.isAccepted(), qPrintable(target->objectName()));
            QDropEvent drop(QPointF(local), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            QVERIFY2(!drop.isAccepted(), qPrintable(target->objectName()));
        }
    }
    for (int i = 0; i < 8; ++i)
        QCOMPARE(w->Label5[i]->text(), QString());
}

QTEST_MAIN(BoardTest)
#include "board_test.moc"
