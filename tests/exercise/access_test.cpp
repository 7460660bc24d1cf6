// The exercise without a mouse drag: the Tab chain of the main window, the
// board's rows from the keyboard, picking with single clicks, and what a screen
// reader is told (names, states, notices) through Qt's accessibility.
#include "exercise/boardrow.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"
#include "widgets/fonts.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// The notices given to screen readers: each notice is an object of its own,
// kept by the application, in the notification role and named with its words.
struct NoticeWatch : QObject {
    QStringList notices;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
            if (iface && iface->role() == QAccessible::Notification)
                notices.append(iface->text(QAccessible::Name));
        }
        return false;
    }
};

QString nameOf(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabChain_data();
    void tabChain();
    void focusMovesOnFromADisabledButton();
    void keyboardAlone();
    void singleClicks_data();
    void singleClicks();
    void pickLetGo_data();
    void pickLetGo();
    void dropDecidedInTheWindow_data();
    void dropDecidedInTheWindow();
    void namesFollowTheBoard();
    void scoreNamesAndNotices();
    void gameCountersNamed();
    void spoken_data();
    void spoken();
    void gameSpoken();
    void groupsNamedOnce();
    void tilesFramedLikeSlots();

private:
    void generate(); // 11 22 ... 88
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QWidget* target);
    std::unique_ptr<fake::Platform> fake;
    Form1* w = nullptr;
    NoticeWatch watch;
};

void AccessTest::initTestCase()
{
    qApp->installEventFilter(&watch);
}

void AccessTest::init()
{
    fake = std::make_unique<fake::Platform>();
    Form1::resetRunState();
    w = Form1::Show();
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    // Shortcuts (Alt+G) go to the focus window.
    QTRY_COMPARE(QGuiApplication::focusWindow(), w->windowHandle());
    watch.notices.clear();
}

void AccessTest::cleanup()
{
    delete Form1::instance();
    delete frmColonnes::instance();
    w = nullptr;
    fake.reset();
}

void AccessTest::generate()
{
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back((10.5 + 11 * i) / 100.0);
    key(Qt::Key_G, Qt::AltModifier);
    // An access key presses its button with a short animation.
    QTRY_COMPARE(w->Label1[7]->text(), QString("88"));
}

// A key pressed as the keyboard does: through the window, to the focus, with
// shortcuts such as Alt+G looked up first.
void AccessTest::key(int k, Qt::KeyboardModifiers modifiers)
{
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(w->windowHandle(), Qt::Key(k), modifiers);
}

// A press and release without moving, through the window as real input.
void AccessTest::click(QWidget* target)
{
    const QPoint at = target->mapTo(w, target->rect().center());
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

void AccessTest::tabChain_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QStringList>("stops"); // from the first show, one Tab each
    // The buttons disabled at the time are skipped; each option group is
    // entered on its selected option.
    QTest::newRow("first show")
        << "" << QStringList{"Option3_0", "Vérifier", "Arrêter", "Generer", "Option2",
                             "Option4_0", "Frame1", "Frame2", "Option3_0"};
    QTest::newRow("numbers drawn, other options")
        << "draw level1 ascending decimals"
        << QStringList{"Option3_1", "Vérifier", "Arrêter", "Option1", "Option4_1", "Frame1",
                       "Frame2", "Option3_1"};
    QTest::newRow("after a check: the solution enabled")
        << "check" << QStringList{"Option3_0", "cmdSort", "Vérifier", "Arrêter", "Generer",
                                  "Option2", "Option4_0", "Frame1", "Frame2", "Option3_0"};
}

void AccessTest::tabChain()
{
    QFETCH(QString, setUp);
    QFETCH(QStringList, stops);
    QCOMPARE(QApplication::focusWidget(), w->Option3[0]);
    if (setUp.contains("draw"))
        generate();
    // Decimals first: choosing them brings the level back to "< 100".
    if (setUp.contains("decimals"))
        w->Option4[1]->click();
    if (setUp.contains("level1"))
        w->Option3[1]->click();
    if (setUp.contains("ascending"))
        w->Option1->click();
    if (setUp.contains("check"))
        w->Verifier_Click(); // empty slots: a message, and the solution is enabled
    // The walk starts at the first stop, wherever the set-up left the focus.
    w->tabStops().constFirst()->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget()->objectName(), stops.first());
    for (qsizetype i = 1; i < stops.size(); ++i) {
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), stops[i]);
    }
    // Shift+Tab walks back the same stops.
    for (qsizetype i = stops.size() - 2; i >= 0; --i) {
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), stops[i]);
    }
}

// Générer pressed from the keyboard disables itself: the focus goes on to the
// next stop, the selected order option, not back to the start of the chain.
void AccessTest::focusMovesOnFromADisabledButton()
{
    for (int i = 0; i < 8; ++i)
        fake->random.queued.push_back(0.5);
    w->Generer->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Space);
    QTRY_VERIFY(!w->Generer->isEnabled());
    QCOMPARE(QApplication::focusWidget(), w->Option2);
}

// A whole exercise from the keyboard: Alt+G, then for each slot a tile chosen
// with the arrows, Space, Space, and Enter to check.
void AccessTest::keyboardAlone()
{
    generate();
    // Space on a slot with nothing picked does nothing; the arrows stop at
    // the ends of a row.
    w->Frame2->setFocus(Qt::TabFocusReason);
    key(Qt::Key_End);
    key(Qt::Key_Right);
    QCOMPARE(w->Frame2->current(), 7);
    key(Qt::Key_Space);
    QCOMPARE(w->Label5[7]->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w->Frame2);
    key(Qt::Key_Home);
    key(Qt::Key_Left);
    QCOMPARE(w->Frame2->current(), 0);

    w->Frame1->setFocus(Qt::TabFocusReason);
    // Descending (the order at start): 88 (tile 7) first, 11 (tile 0) last.
    for (int slot = 0; slot < 8; ++slot) {
        const int tile = 7 - slot;
        key(Qt::Key_Home);
        if (tile == 7) {
            key(Qt::Key_End);
        } else {
            for (int r = 0; r < tile; ++r)
                key(Qt::Key_Right);
        }
        QCOMPARE(w->Frame1->current(), tile);
        key(Qt::Key_Space);
        // Picked, marked, and on to the first empty slot.
        QCOMPARE(w->picked(), tile);
        QVERIFY(w->Frame1->cell(tile)->picked());
        QCOMPARE(QApplication::focusWidget(), w->Frame2);
        QCOMPARE(w->Frame2->current(), slot);
        QCOMPARE(w->background(w->Label1[tile]), Form1::kLightYellow);
        key(Qt::Key_Space);
        // Dropped as a mouse drop does, and back to the tiles.
        QCOMPARE(w->Label5[slot]->text(), w->Label1[tile]->text());
        QCOMPARE(w->background(w->Label1[tile]), Form1::kLightOrange);
        QCOMPARE(w->picked(), -1);
        QCOMPARE(QApplication::focusWidget(), w->Frame1);
        QCOMPARE(w->Frame1->current(), tile);
    }
    key(Qt::Key_Return);
    QCOMPARE(Form1::state().score.Successes, qint16(1));
    QCOMPARE(fake->sound.played, QStringList{"/opt/montivant/gagner.wav"});
    QVERIFY(fake->dialogs.messages.isEmpty());
}

void AccessTest::singleClicks_data()
{
    QTest::addColumn<QString>("clicks"); // t3 = tile 3, s5 = slot 5
    QTest::addColumn<QStringList>("slotTexts");
    QTest::addColumn<int>("picked");
    QTest::newRow("a tile, then a slot") << "t3 s5" << QStringList{"", "", "", "", "", "44", "", ""} << -1;
    QTest::newRow("another tile replaces the pick")
        << "t3 t6 s0" << QStringList{"77", "", "", "", "", "", "", ""} << -1;
    QTest::newRow("the picked tile again lets it go") << "t3 t3 s0" << QStringList(8, "") << -1;
    QTest::newRow("a slot with nothing picked") << "s2" << QStringList(8, "") << -1;
    QTest::newRow("one pick, one drop") << "t1 s1 s2" << QStringList{"", "22", "", "", "", "", "", ""} << -1;
    QTest::newRow("picked, not yet dropped") << "t4" << QStringList(8, "") << 4;
}

// A child who cannot drag uses two single clicks; the focus stays where it was.
void AccessTest::singleClicks()
{
    QFETCH(QString, clicks);
    QFETCH(QStringList, slotTexts);
    QFETCH(int, picked);
    generate();
    QWidget* focus = QApplication::focusWidget();
    for (const QString& c : clicks.split(' ')) {
        const int i = c.mid(1).toInt();
        click(c.startsWith('t') ? w->Label1[i] : w->Label5[i]);
    }
    for (int k = 0; k < 8; ++k)
        QCOMPARE(w->Label5[k]->text(), slotTexts[k]);
    QCOMPARE(w->picked(), picked);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(w->Frame1->cell(i)->picked(), i == picked);
        // The mark is never the background, which tells whether a tile was used.
        const bool used = slotTexts.contains(w->Label1[i]->text());
        QCOMPARE(w->background(w->Label1[i]), used ? Form1::kLightOrange : Form1::kLightYellow);
    }
    QCOMPARE(QApplication::focusWidget(), focus);
    if (auto* outline = w->findChild<QWidget*>("dragOutline"))
        QVERIFY(outline->isHidden());
}

void AccessTest::pickLetGo_data()
{
    QTest::addColumn<QString>("event");
    for (const char* e : {"drawing", "success", "solution", "drag"})
        QTest::newRow(e) << QString(e);
}

// A pick lasts until a drawing, a success, the solution or another drop.
void AccessTest::pickLetGo()
{
    QFETCH(QString, event);
    generate();
    if (event == "success") {
        for (int slot = 0; slot < 8; ++slot)
            w->Label5_DragDrop(slot, w->Label1[7 - slot]);
    }
    click(w->Label1[2]);
    QCOMPARE(w->picked(), 2);
    if (event == "drawing") {
        for (int i = 0; i < 8; ++i)
            fake->random.queued.push_back(0.5);
        w->Generer_Click();
    } else if (event == "success") {
        w->Verifier_Click();
        QCOMPARE(Form1::state().score.Successes, qint16(1));
    } else if (event == "solution") {
        w->Verifier_Click();
        w->cmdSort->click();
    } else {
        QWindow* window = w->windowHandle();
        const QPoint from = w->Label1[5]->mapTo(w, w->Label1[5]->rect().center());
        const QPoint to = w->Label5[4]->mapTo(w, w->Label5[4]->rect().center());
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(window, (from + to) / 2);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
        QCOMPARE(w->Label5[4]->text(), QString("66"));
    }
    QCOMPARE(w->picked(), -1);
    for (int i = 0; i < 8; ++i)
        QVERIFY(!w->Frame1->cell(i)->picked());
}

void AccessTest::dropDecidedInTheWindow_data()
{
    QTest::addColumn<bool>("covered");     // another window lies over the slot
    QTest::addColumn<QPoint>("globalSkew"); // how wrong the desktop's global position is
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain drop") << false << QPoint() << "33";
    QTest::newRow("global position 28 px off") << false << QPoint(0, 28) << "33";
    QTest::newRow("slot under another window") << true << QPoint() << "";
}

// The slot of a drop is the one under the pointer in the window, from the
// events' positions in the window; a slot that another window covers is not.
void AccessTest::dropDecidedInTheWindow()
{
    QFETCH(bool, covered);
    QFETCH(QPoint, globalSkew);
    QFETCH(QString, expected);
    generate();
    QLabel* tile = w->Label1[2];
    QLabel* slot = w->Label5[3];
    if (covered)
        fake->windowStack.covered.append(QRectF(slot->mapToGlobal(QPoint(0, 0)), slot->size()));
    auto send = [&](QEvent::Type type, QWidget* over, Qt::MouseButtons held) {
        const QPoint inWindow = over->mapTo(w, over->rect().center());
        const QPointF local = tile->mapFrom(w, inWindow);
        QMouseEvent event(type, local, local, w->mapToGlobal(inWindow) + globalSkew,
                          Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(tile, &event);
    };
    send(QEvent::MouseButtonPress, tile, Qt::LeftButton);
    send(QEvent::MouseMove, slot, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, slot, Qt::NoButton);
    QCOMPARE(slot->text(), expected);
    QCOMPARE(w->background(tile), expected.isEmpty() ? Form1::kLightYellow : Form1::kLightOrange);
    for (int k = 0; k < 8; ++k)
        if (k != 3)
            QCOMPARE(w->Label5[k]->text(), QString());
}

// One list for the board, in the window's tree in the place of its rows (so
// that a screen reader reads it once, not at each move from row to row); rows
// named and listed left to right; cells named after their place and text,
// followed through every change; the pick and the keyboard's place as states.
void AccessTest::namesFollowTheBoard()
{
    QAccessibleInterface* tiles = QAccessible::queryAccessibleInterface(w->Frame1);
    QAccessibleInterface* slotRow = QAccessible::queryAccessibleInterface(w->Frame2);
    QAccessibleInterface* board = tiles->parent();
    QCOMPARE(board->role(), QAccessible::List);
    QCOMPARE(board->text(QAccessible::Name), QString("Nombres et cases"));
    QCOMPARE(board->childCount(), 2);
    QCOMPARE(board->child(0)->object(), w->Frame1);
    QCOMPARE(board->child(1)->object(), w->Frame2);
    QCOMPARE(slotRow->parent(), board);
    QAccessibleInterface* client = board->parent();
    QCOMPARE(client->object(), w->centralWidget());
    QCOMPARE(client->child(client->indexOfChild(board)), board);
    for (int i = 0; i < client->childCount(); ++i)
        QVERIFY(!qobject_cast<BoardRow*>(client->child(i)->object()));
    QVERIFY(board->rect().contains(tiles->rect()) && board->rect().contains(slotRow->rect()));

    QCOMPARE(tiles->text(QAccessible::Name), QString("Nombres proposés"));
    QCOMPARE(slotRow->text(QAccessible::Name), QString("Cases de la réponse"));
    QCOMPARE(tiles->role(), QAccessible::Client);
    QCOMPARE(tiles->childCount(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(tiles->child(i)->object(), w->Label1[i]);
        QCOMPARE(tiles->indexOfChild(tiles->child(i)), i);
        QCOMPARE(slotRow->child(i)->object(), w->Label5[i]);
        QCOMPARE(tiles->child(i)->role(), QAccessible::ListItem);
        QCOMPARE(tiles->child(i)->parent()->object(), w->Frame1);
    }
    QCOMPARE(nameOf(w->Label1[0]), QString("Nombre 1 : ?"));
    QCOMPARE(nameOf(w->Label5[7]), QString("Case 8 : vide"));

    w->Label1[2]->setText("1 234");
    QCOMPARE(nameOf(w->Label1[2]), QString("Nombre 3 : 1 234"));
    w->Label5_DragDrop(1, w->Label1[2]);
    QCOMPARE(nameOf(w->Label5[1]), QString("Case 2 : 1 234"));

    // Only the picked tile is selectable, and selected.
    QVERIFY(!tiles->child(2)->state().selectable);
    click(w->Label1[2]);
    QVERIFY(tiles->child(2)->state().selected && tiles->child(2)->state().selectable);
    QVERIFY(!tiles->child(1)->state().selected && !tiles->child(1)->state().selectable);

    // The keyboard's place: the focused row tells which cell has the focus.
    w->Frame1->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Right);
    // The pick made tile 3 the row's current cell; Right moved on to tile 4.
    QCOMPARE(tiles->focusChild()->object(), w->Label1[3]);
    QCOMPARE(board->focusChild()->object(), w->Label1[3]);
    QVERIFY(tiles->child(3)->state().focused);
    QVERIFY(!tiles->child(2)->state().focused);
    QVERIFY(!slotRow->child(0)->state().focused);
    // The press action does what Space does.
    tiles->child(5)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w->picked(), 5);
}

// The score labels read with what they count (never the frame's title, as
// empty labels in a frame would be); a success and the solution are told as
// notices, a refused answer by its message box alone.
void AccessTest::scoreNamesAndNotices()
{
    QCOMPARE(nameOf(w->Label3[0]), QString("Réussites : 0"));
    QCOMPARE(nameOf(w->Label3[1]), QString("Échecs : 0"));
    QCOMPARE(nameOf(w->Label4), QString("Note : aucune"));
    for (int round = 1; round <= 2; ++round) {
        generate();
        for (int slot = 0; slot < 8; ++slot)
            w->Label5_DragDrop(slot, w->Label1[7 - slot]);
        w->Verifier_Click();
        QCOMPARE(watch.notices.count("Réussi ! Bravo !"), round);
        // The success, then the score (spoken() has the whole sequence).
        QCOMPARE(watch.notices.at(watch.notices.size() - 2), QString("Réussi ! Bravo !"));
    }
    QCOMPARE(nameOf(w->Label3[0]), QString("Réussites : 2"));
    QCOMPARE(nameOf(w->Image1), QString("Réussi"));
    generate();
    const qsizetype before = watch.notices.size();
    w->Verifier_Click();
    QCOMPARE(watch.notices.size(), before);
    w->cmdSort->click();
    QCOMPARE(watch.notices.size(), before + 2);
    QVERIFY(watch.notices.at(before).contains("solution"));
    QCOMPARE(nameOf(w->Label3[1]), QString("Échecs : 1"));
    QCOMPARE(nameOf(w->Label4), QString("Note : ") + w->Label4->text());
    QCOMPARE(nameOf(w->Image2), QString("Raté"));
}

void AccessTest::spoken_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("heard");   // notices, and [message boxes] as they open
    QTest::addColumn<QString>("tile3");       // the name of tile 3 at the end
    const QString solution = "Voici la solution, dans la rangée des nombres proposés. "
                             "Elle compte comme un échec.";
    QTest::newRow("draw") << "draw" << QStringList{"Huit nouveaux nombres"} << "Nombre 3 : 33";
    const QStringList keys = {"Huit nouveaux nombres", "{33 pris. Case 1 : vide}",
                              "{33 posé dans la case 1. Nombre 3 : 33, déjà posé}"};
    QTest::newRow("pick and drop by keys") << "draw keys" << keys << "Nombre 3 : 33, déjà posé";
    QTest::newRow("used until the next drawing")
        << "draw keys draw" << keys + QStringList{"Huit nouveaux nombres"} << "Nombre 3 : 33";
    QTest::newRow("failure: the score once its box is closed")
        << "draw wrong check"
        << QStringList{"Huit nouveaux nombres", "[1 Erreur(s)]", "Réussites : 0. Échecs : 1. Note : 0,0 sur 10"}
        << "Nombre 3 : 33, déjà posé";
    QTest::newRow("success: failures still unset are not read")
        << "draw right check"
        << QStringList{"Huit nouveaux nombres", "Réussi ! Bravo !", "Réussites : 1. Note : 10,0 sur 10"}
        << "Nombre 3 : ?, déjà posé";
    QTest::newRow("solution first: no success count yet")
        << "draw check solution"
        << QStringList{"Huit nouveaux nombres", "[Tu dois remplir toutes les cases !]", solution,
                       "Échecs : 1. Note : 0,0 sur 10"} << "Nombre 3 : 66, solution";
    QTest::newRow("tenth success: the game comes")
        << "nine draw right check"
        << QStringList{"Huit nouveaux nombres", "Réussi ! Bravo !", "Réussites : 10. Note : 10,0 sur 10",
                       "Dix réussites ! Voici le jeu des colonnes.",
                       "Colonnes. Pour commencer : Jeu, Nouveau : F2"} << "";
}

// What a screen reader is told, in order, as the exercise goes (one row per
// road), with the message boxes where they open among the notices.
void AccessTest::spoken()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, heard);
    QFETCH(QString, tile3);
    fake->dialogs.onMessage = [this](const fake::Dialogs::Message& m) {
        watch.notices.append("[" + m.text + "]");
    };
    for (const QString& step : steps.split(' ')) {
        if (step == "draw" && w->Generer->isEnabled()) {
            generate();
        } else if (step == "draw") {
            for (int i = 0; i < 8; ++i)
                fake->random.queued.push_back((10.5 + 11 * i) / 100.0);
            w->Generer_Click();
        } else if (step == "nine") {
            Form1::state().score.Successes = 9;
        } else if (step == "keys") {
            // By keys, what happened is said first as the focus comes:
            // "{...}" is the name of the cell that takes the focus.
            w->Frame1->setFocus(Qt::TabFocusReason);
            w->Frame1->setCurrent(2);
            for (BoardRow* next : {w->Frame2, w->Frame1}) {
                key(Qt::Key_Space);
                QVERIFY(next->hasFocus());
                watch.notices.append("{" + nameOf(next->cell(next->current())) + "}");
            }
            // Said once: gone as the focus moves on.
            key(Qt::Key_Home);
        } else if (step == "wrong" || step == "right") {
            // Descending: 88 first; "wrong" exchanges the last two.
            for (int slot = 0; slot < 8; ++slot) {
                const int tile = step == "wrong" && slot >= 6 ? slot - 6 : 7 - slot;
                w->Label5_DragDrop(slot, w->Label1[tile]);
            }
            // Each drop is confirmed (as the "keys" rows show); left out here.
            QCOMPARE(watch.notices.size() > 8 ? watch.notices.mid(watch.notices.size() - 8).filter(
                                                    " posé dans la case ").size() : 0, 8);
            watch.notices.resize(watch.notices.size() - 8);
        } else if (step == "check") {
            w->Verifier_Click();
        } else if (step == "solution") {
            w->cmdSort->click();
        }
    }
    QTRY_COMPARE(watch.notices, heard);
    if (!tile3.isEmpty())
        QCOMPARE(nameOf(w->Label1[2]), tile3);
}

// The game window: labels reached by Tab and read with what they count, and
// told as they change; the end of a game told before the name box opens.
void AccessTest::gameSpoken()
{
    frmColonnes* game = frmColonnes::Load();
    QVERIFY(game);
    game->show();
    game->mnuSpeed_Click(5);
    game->mnuNouveau_Click();
    QTRY_COMPARE(watch.notices, (QStringList{"Colonnes. Pour commencer : Jeu, Nouveau : F2",
                                             "Vitesse : 5", "Score : 0"}));
    QCOMPARE(nameOf(game->lblScore), QString("Score : 0"));
    QCOMPARE(nameOf(game->lblMeilleur), QString("Meilleur score : 10"));
    QCOMPARE(nameOf(game->lblNom), QString("Meilleur joueur : Anonyme"));
    for (QWidget* label : {static_cast<QWidget*>(game->lblVitesse), static_cast<QWidget*>(game->lblScore),
                           static_cast<QWidget*>(game->lblMeilleur), static_cast<QWidget*>(game->lblStatCouleur[0])})
        QCOMPARE(label->focusPolicy(), Qt::TabFocus);
    // A speed chosen while its label has the focus: the label, read again as
    // the menu gives the focus back, says it; from elsewhere a notice does.
    game->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game));
    for (QWidget* focus : {static_cast<QWidget*>(game->lblVitesse), static_cast<QWidget*>(game->lblScore)}) {
        focus->setFocus();
        watch.notices.clear();
        game->mnuSpeed_Click(2);
        QCOMPARE(watch.notices, focus == game->lblVitesse ? QStringList() : QStringList{"Vitesse : 2"});
    }
    // A score above the best one: both change in one step, told once.
    game->field().ScoreCourant = 12;
    fake->dialogs.answers = QStringList{"Zoé"};
    fake->dialogs.onMessage = nullptr;
    game->field().Perdu = true;
    watch.notices.clear();
    game->tmrCase_Timer();
    QCOMPARE(watch.notices.value(0), QString("Partie terminée, score 0"));
}

// Each option group named once, as the label of its options: the frame around
// them is only a container for the screen reader, drawn or not.
void AccessTest::groupsNamedOnce()
{
    struct Group { QWidget* frame; QString name; QWidget* option; };
    const Group groups[] = {{w->Frame5, "Niveau :", w->Option3[0]},
                            {w->Frame3, "Choisis !", w->Option1},
                            {w->Frame6, "Sorte de nombres", w->Option4[1]}};
    for (const Group& g : groups) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(g.frame);
        QCOMPARE(iface->text(QAccessible::Name), g.name);
        QCOMPARE(iface->role(), QAccessible::Client);
        const auto labels = QAccessible::queryAccessibleInterface(g.option)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first, iface);
    }
}

void AccessTest::gameCountersNamed()
{
    frmColonnes* game = frmColonnes::Load();
    QVERIFY(game);
    const char* colours[] = {"Rouge", "Noir", "Vert", "Bleu", "Jaune", "Magenta"};
    for (int k = 0; k < 6; ++k)
        QCOMPARE(nameOf(game->lblStatCouleur[k]), QString("%1 : 0").arg(colours[k]));
    game->lblStatCouleur[4]->setText("12");
    QCOMPARE(nameOf(game->lblStatCouleur[4]), QString("Jaune : 12"));
    // The counters' "MS Sans Serif" is the program's stand-in, as everywhere.
    for (QLabel* counter : game->lblStatCouleur)
        QCOMPARE(counter->font().family(), fonts::named("MS Sans Serif", 8.25, true).family());
}

// Blue numbers on the tiles, but the tiles' frames in the slots' colour.
void AccessTest::tilesFramedLikeSlots()
{
    const QImage tile = w->Label1[0]->grab().toImage();
    const QImage slot = w->Label5[0]->grab().toImage();
    QCOMPARE(tile.size(), slot.size());
    const int midX = tile.width() / 2, midY = tile.height() / 2, last = tile.width() - 1;
    for (QPoint p : {QPoint(0, midY), QPoint(last, midY), QPoint(midX, 0),
                     QPoint(midX, tile.height() - 1)})
        QCOMPARE(tile.pixelColor(p), slot.pixelColor(p));
    QVERIFY(tile.pixelColor(0, midY) != QColor(0, 0, 255));
    // The "?" itself is blue.
    int blue = 0;
    for (int y = 1; y < tile.height() - 1; ++y)
        for (int x = 1; x < last; ++x)
            if (const QColor c = tile.pixelColor(x, y); c.blue() > 200 && c.red() < 120 && c.green() < 120)
                ++blue;
    QVERIFY(blue > 5);
}

QTEST_MAIN(AccessTest)
#include "access_test.moc"
