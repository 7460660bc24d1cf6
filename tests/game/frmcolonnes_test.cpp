// The game window itself: its opening, speeds and menus, keys sent to it, the
// timer's handler, the flash on screen, the end of a game with the best score,
// the close box and the hand-back to a fresh main window.
#include "app/settings.h"
#include "exercise/form1.h"
#include "fakes/fakeplatform.h"
#include "game/frmcolonnes.h"
#include "game/picturebox.h"
#include "wellhelpers.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace colonnes;
using namespace wellhelpers;

namespace {

const QString kApp = QStringLiteral("montivant");

QString stored(const QString& key)
{
    return fake::Settings::path(kApp, settings::kBestScore, key);
}

void destroyAllWindows()
{
    QList<QPointer<QWidget>> all;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            all.append(w);
    for (const QPointer<QWidget>& w : all)
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The colour shown on the screen at the centre of cell (c, r).
QColor shownAt(frmColonnes* w, int c, int r)
{
    const QImage shot = w->picZone->grab().toImage();
    const QPoint inside = w->picZone->contentsRect().topLeft();
    return shot.pixelColor(inside + QPoint((c - 1) * 16 + 8, (r - 1) * 16 + 8));
}

QColor qcolour(Couleur c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int(c >> 16)); }

// The chosen speed, the interval for the next game, the caption and the checked items.
QString speedState(frmColonnes* w)
{
    QString checked;
    for (int i = 1; i <= 5; ++i)
        if (w->mnuSpeed[i]->isChecked())
            checked += QString::number(i);
    return QStringLiteral("%1 %2 ms, \"%3\", checked %4")
        .arg(w->VitesseChoisie).arg(w->Intervalle).arg(w->lblVitesse->text(), checked);
}

// The first and last columns, in the label's parent, in which the label draws
// something other than its background: where its text really is on screen.
std::pair<int, int> inkColumns(QLabel* label)
{
    const QImage shot = label->grab().toImage();
    const QRgb background = shot.pixel(0, 0);
    int first = -1, last = -1;
    for (int x = 0; x < shot.width(); ++x)
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {label->x() + first, label->x() + last};
}

} // namespace

class FrmColonnesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opening_data();
    void opening();
    void speeds_data();
    void speeds();
    void keysReachTheGameFromAnyControl();
    void menuShortcuts();
    void lateKeyLeavesTheMenuOpen();
    void ticksMoveThePieceOnScreen();
    void flashShownWithTimerStopped();
    void endOfGame_data();
    void endOfGame();
    void landingThatEndsTheGameNotSearched_data();
    void landingThatEndsTheGameNotSearched();
    void endsWithoutSaving_data();
    void endsWithoutSaving();
    void scoresGrowToTheLeft_data();
    void scoresGrowToTheLeft();

private:
    frmColonnes* openWindow();
    std::unique_ptr<fake::Platform> fake;
};

void FrmColonnesTest::init()
{
    fake = std::make_unique<fake::Platform>();
    fake->clock.step = 5;
    Form1::resetRunState();
}

void FrmColonnesTest::cleanup()
{
    destroyAllWindows();
    QVERIFY(!frmColonnes::instance());
    fake.reset();
}

frmColonnes* FrmColonnesTest::openWindow()
{
    frmColonnes* w = frmColonnes::Load();
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("the game window was not exposed");
    return w;
}

// Rule: the window opens at speed 3 with the stored best score and holder, a
// default of 10 by "Anonyme", and a timer that does not tick.
void FrmColonnesTest::opening_data()
{
    QTest::addColumn<QString>("name");   // stored, or null for none
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<int>("best");
    QTest::newRow("empty store") << QString() << QString() << "Anonyme" << 10;
    QTest::newRow("stored") << "Zoé" << "25" << "Zoé" << 25;
    QTest::newRow("score with blanks") << "Léo" << " 7 " << "Léo" << 7;
    QTest::newRow("score not a number") << "Léo" << "beaucoup" << "Léo" << 10;
    QTest::newRow("score with a fraction") << "Léo" << "12.5" << "Léo" << 10;
    QTest::newRow("score beyond 32 bits") << "Léo" << "99999999999" << "Léo" << 10;
}

void FrmColonnesTest::opening()
{
    QFETCH(QString, name);
    QFETCH(QString, score);
    QFETCH(QString, shownName);
    QFETCH(int, best);
    if (!name.isNull())
        fake->settings.values[stored(settings::kName)] = name;
    if (!score.isNull())
        fake->settings.values[stored(settings::kScore)] = score;

    frmColonnes* w = frmColonnes::Load();
    QVERIFY(w);
    QVERIFY(!w->isVisible()); // loaded, not shown
    QCOMPARE(frmColonnes::instance(), w);
    QCOMPARE(frmColonnes::Load(), w);
    QCOMPARE(fake->random.reseeds, 1);
    QCOMPARE(w->windowTitle(), QStringLiteral("Colonnes"));
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(w->lblNom->text(), shownName);
    QCOMPARE(w->field().NomMeilleur, shownName);
    QCOMPARE(w->lblMeilleur->text(), QString::number(best));
    QCOMPARE(w->field().MeilleurScore, best);
    QCOMPARE(speedState(w), QStringLiteral("3 500 ms, \"Vitesse : 3\", checked 3"));
    QVERIFY(w->mnuVitesse->menuAction()->isEnabled());
    QCOMPARE(w->tmrCaseInterval(), 0);
    QVERIFY(!w->tmrCase->isActive());
    QVERIFY(fake->settings.writes.isEmpty());
    for (QLabel* l : {w->lblCarres, w->lblBlocs, w->lblScore, w->lblStatCouleur[0],
                      w->lblStatCouleur[1], w->lblStatCouleur[2], w->lblStatCouleur[3],
                      w->lblStatCouleur[4], w->lblStatCouleur[5]})
        QCOMPARE(l->text(), QStringLiteral("0"));
    // The client area is 3645 x 4620 twips, the well 1480 x 4365 at 150, 150.
    w->show();
    QCOMPARE(w->centralWidget()->size(), QSize(243, 308));
    QCOMPARE(w->picZone->geometry(), QRect(10, 10, 99, 291));
    QVERIFY(w->picZone->contentsRect().width() >= 96);
    QVERIFY(w->picZone->contentsRect().height() >= 288);
    QCOMPARE(w->mnuNouveau->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(w->mnuQuitter->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// Rule: speed i gives an interval of 1100 - 200 i ms, shown and checked; it
// takes effect at the next new game, the menu is closed during a game, and a
// reopened window is back at speed 3.
void FrmColonnesTest::speeds_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::newRow("1") << 1 << 900;
    QTest::newRow("2") << 2 << 700;
    QTest::newRow("3") << 3 << 500;
    QTest::newRow("4") << 4 << 300;
    QTest::newRow("5") << 5 << 100;
}

void FrmColonnesTest::speeds()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    frmColonnes* w = openWindow();
    w->mnuSpeed[1]->trigger();
    w->mnuSpeed[speed]->trigger();
    QCOMPARE(speedState(w),
             QStringLiteral("%1 %2 ms, \"Vitesse : %1\", checked %1").arg(speed).arg(interval));
    QVERIFY(!w->tmrCase->isActive());

    w->mnuNouveau->trigger();
    QVERIFY(w->tmrCase->isActive());
    QCOMPARE(w->tmrCase->interval(), interval);
    QCOMPARE(w->tmrCase->timerType(), Qt::PreciseTimer);
    QVERIFY(!w->mnuVitesse->menuAction()->isEnabled());

    // The speed is the window's own: a reopened window is back at speed 3.
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!frmColonnes::instance());
    w = openWindow();
    QCOMPARE(speedState(w), QStringLiteral("3 500 ms, \"Vitesse : 3\", checked 3"));
    QCOMPARE(fake->random.reseeds, 2); // seeded again at each opening
}

// Rule: before the first new game keys change nothing and no tick comes; then
// they reach the game whichever control they are sent to, and Q acts with Shift.
void FrmColonnesTest::keysReachTheGameFromAnyControl()
{
    frmColonnes* w = openWindow();
    GameField& f = w->field();
    const auto before = f.Grille;
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                        Qt::Key_Q})
        QTest::keyClick(w, key);
    QVERIFY(!f.Perdu);
    QCOMPARE(f.YPos, 0);
    QVERIFY(f.Grille == before);
    QVERIFY(!w->tmrCase->isActive());

    queuePiece(fake->random, "RGB", 3);
    w->mnuNouveau->trigger();
    QTest::keyClick(w->lblScore, Qt::Key_Down);
    QCOMPARE(f.YPos, 1);
    QTest::keyClick(w->picZone, Qt::Key_Right);
    QCOMPARE(f.XPos, 4);
    QTest::keyClick(w->centralWidget(), Qt::Key_Left);
    QCOMPARE(f.XPos, 3);
    QTest::keyClick(w, Qt::Key_Up);
    QCOMPARE(pieceText(f), QStringLiteral("GBR"));
    QTest::keyClick(w->lblNom, Qt::Key_Space);
    QCOMPARE(f.YPos, 18);
    QVERIFY(f.EnBas);
    QTest::keyClick(w->lbl[2], Qt::Key_Q, Qt::ShiftModifier);
    QVERIFY(f.Perdu);
}

// Rule: F2 starts a game and Ctrl+Q quits, wherever the focus is; Ctrl+Q does
// not count as the game's Q.
void FrmColonnesTest::menuShortcuts()
{
    frmColonnes* w = openWindow();
    // The menu's shortcuts act in the active window only: activate it, as a
    // click on it would, and make sure it is, so that this test always runs.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::activeWindow(), w);
    QTest::keyClick(w->lblScore, Qt::Key_F2);
    QVERIFY(w->tmrCase->isActive());
    QCOMPARE(w->field().NbBlocs, 1);
    QTest::keyClick(w->picZone, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(fake->application.quits, 1);
    QVERIFY(!w->field().Perdu);
}

// Rule: a key handed to the window after a menu opened (a screen reader hands
// each key on once it has heard it) goes to the focused control: the Alt of
// Alt+V leaves open the menu that V opened, and the menu still takes its digit.
void FrmColonnesTest::lateKeyLeavesTheMenuOpen()
{
    frmColonnes* w = openWindow();
    w->mnuVitesse->popup(w->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(QApplication::activePopupWidget(), w->mnuVitesse);
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(w->windowHandle(), &alt);
    QVERIFY(w->mnuVitesse->isVisible());
    QTest::keyClick(w->mnuVitesse, Qt::Key_5);
    QCOMPARE(w->lblVitesse->text(), QStringLiteral("Vitesse : 5"));
}

// Rule: each tick moves the piece one row, and the screen shows it.
void FrmColonnesTest::ticksMoveThePieceOnScreen()
{
    frmColonnes* w = openWindow();
    const QColor background = w->picZone->palette().color(QPalette::Base);
    QCOMPARE(shownAt(w, 2, 1), background); // nothing drawn before a game
    queuePiece(fake->random, "RGB", 2);
    w->mnuNouveau->trigger();
    QCOMPARE(w->lblBlocs->text(), QStringLiteral("1"));
    QCOMPARE(shownAt(w, 2, 1), QColor(Qt::white));
    for (int i = 0; i < 5; ++i)
        w->tmrCase_Timer();
    QCOMPARE(w->field().YPos, 5);
    const QColor column[] = {Qt::white, qcolour(kBleu), qcolour(kVert), qcolour(kRouge)};
    for (int r = 2; r <= 5; ++r)
        QCOMPARE(shownAt(w, 2, r), column[r - 2]);
    // Covered and shown again, the picture is still there.
    w->hide();
    w->show();
    QCOMPARE(shownAt(w, 2, 5), qcolour(kRouge));
    QCOMPARE(w->picZone->colourAt(240 + 120, 4 * 240 + 120), qcolour(kRouge));
}

// Rule: the flash is seen phase by phase, repainted at once with the timer
// stopped, and the timer runs again afterwards.
void FrmColonnesTest::flashShownWithTimerStopped()
{
    frmColonnes* w = openWindow();
    queuePiece(fake->random, "YYY", 4);
    w->mnuNouveau->trigger();
    QTest::keyClick(w, Qt::Key_Space);
    QVERIFY(w->field().EnBas);

    struct PaintWatch : QObject {
        frmColonnes* w;
        QString phases;
        bool timerRan = false;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) {
                const QColor shown = w->picZone->colourAt(3 * 240 + 120, 17 * 240 + 120);
                phases += shown == qcolour(kCyan) ? QLatin1Char('C') : QLatin1Char('.');
                timerRan = timerRan || w->tmrCase->isActive();
            }
            return false;
        }
    } watch;
    watch.w = w;
    queuePiece(fake->random, "RGB", 1);
    w->picZone->installEventFilter(&watch);
    w->tmrCase_Timer();
    w->picZone->removeEventFilter(&watch);

    QVERIFY2(watch.phases.startsWith(QStringLiteral("C.C.C.C.C.C.C.C.")), qPrintable(watch.phases));
    QVERIFY(!watch.timerRan);
    QVERIFY(w->tmrCase->isActive());
    QCOMPARE(w->tmrCase->interval(), 500);
    QCOMPARE(w->lblScore->text(), QStringLiteral("1"));
    QCOMPARE(w->lblCarres->text(), QStringLiteral("3"));
    QCOMPARE(w->lblBlocs->text(), QStringLiteral("2"));
    QCOMPARE(shownAt(w, 4, 18), QColor(Qt::white));
    QCOMPARE(shownAt(w, 1, 1), qcolour(kRouge));
}

// Rule: the tick after the game is lost paints the well white, asks for a name
// only for a score above the best, stores "Nom" then "Score", opens a fresh
// main window and closes the game window.
void FrmColonnesTest::endOfGame_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("name"); // stored and shown; empty when nothing is asked
    QTest::newRow("equal to the best") << 10 << QStringList{} << QString();
    QTest::newRow("below the best") << 3 << QStringList{} << QString();
    QTest::newRow("new best") << 11 << QStringList{"Zoé"} << "Zoé";
    QTest::newRow("new best, name in blanks") << 42 << QStringList{"   Zoé Martin  "}
                                              << "Zoé Martin";
    QTest::newRow("new best, cancelled") << 12 << QStringList{} << "Anonyme";
    QTest::newRow("new best, blanks only") << 12 << QStringList{"    "} << "Anonyme";
}

void FrmColonnesTest::endOfGame()
{
    QFETCH(int, score);
    QFETCH(QStringList, answers);
    QFETCH(QString, name);
    fake->settings.values[stored(settings::kName)] = QStringLiteral("Léo");
    fake->dialogs.answers = answers;
    QPointer<frmColonnes> w = openWindow();
    w->mnuNouveau->trigger();
    for (int i = 0; i < 4; ++i)
        w->tmrCase_Timer();
    w->field().ScoreCourant = score;
    QTest::keyClick(w, Qt::Key_Q);
    QVERIFY(w->field().Perdu);
    QVERIFY(!Form1::instance());

    w->tmrCase_Timer();

    QVERIFY(!w->tmrCase->isActive());
    QVERIFY(w->mnuVitesse->menuAction()->isEnabled());
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r)
            QCOMPARE(shownAt(w, c, r), QColor(Qt::white));
    if (name.isEmpty()) {
        QVERIFY(fake->dialogs.inputs.isEmpty());
        QVERIFY(fake->settings.writes.isEmpty());
        QCOMPARE(w->lblNom->text(), QStringLiteral("Léo"));
    } else {
        QCOMPARE(fake->dialogs.inputs.size(), 1);
        const auto& box = fake->dialogs.inputs.first();
        QCOMPARE(box.prompt, QStringLiteral("Bravo! vous avez le meilleur score, votre nom : "));
        QCOMPARE(box.title, QStringLiteral("HIGH SCORE"));
        QCOMPARE(box.defaultText, QStringLiteral("Léo"));
        QCOMPARE(fake->settings.writes,
                 (QStringList{stored(settings::kName) + "=" + name,
                              stored(settings::kScore) + "=" + QString::number(score)}));
        QCOMPARE(w->lblNom->text(), name);
        QCOMPARE(w->field().MeilleurScore, score);
    }
    // Back to a fresh main window; the game window goes once the handler is over.
    QVERIFY(Form1::instance() && Form1::instance()->isVisible());
    QVERIFY(!frmColonnes::instance());
    QVERIFY(w && !w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QCoreApplication::processEvents();
    QCOMPARE(fake->application.quits, 0);
}

// Rule: the piece whose landing loses the game, or that has landed when Q is
// pressed, is not searched: the lines it completes do not score.
void FrmColonnesTest::landingThatEndsTheGameNotSearched_data()
{
    QTest::addColumn<bool>("byQ");
    QTest::newRow("landing on row 2") << false;
    QTest::newRow("landed, then Q") << true;
}

void FrmColonnesTest::landingThatEndsTheGameNotSearched()
{
    QFETCH(bool, byQ);
    fake->settings.values[stored(settings::kScore)] = QStringLiteral("0");
    frmColonnes* w = openWindow();
    queuePiece(fake->random, "RRR", 1);
    w->mnuNouveau->trigger();
    GameField& f = w->field();
    if (!byQ) {
        // Columns of squares that hold no line, with red on row 2 of columns 2
        // and 3: the piece's bottom square lands beside them on row 2.
        for (int r = 3; r <= 18; ++r)
            f.Grille[1][r] = r % 2 ? kVert : kBleu;
        for (int r = 2; r <= 18; ++r) {
            f.Grille[2][r] = r % 2 ? kMagenta : kJaune;
            f.Grille[3][r] = r % 2 ? kNoir : kVert;
        }
        f.Grille[2][2] = kRouge;
        f.Grille[3][2] = kRouge;
    }
    for (int tick = 0; tick < 30 && !f.EnBas; ++tick)
        w->tmrCase_Timer();
    QVERIFY(f.EnBas);
    QCOMPARE(f.YPos, byQ ? 18 : 2);
    QCOMPARE(f.Perdu, !byQ);
    if (byQ)
        QTest::keyClick(w, Qt::Key_Q);
    w->tmrCase_Timer();
    QCOMPARE(f.ScoreCourant, 0);
    QCOMPARE(w->lblScore->text(), QStringLiteral("0"));
    QVERIFY(fake->dialogs.inputs.isEmpty());
    QVERIFY(fake->settings.writes.isEmpty());
    QVERIFY(Form1::instance());
}

// Rule: the close box and Quitter end the game where it is: no name, nothing
// stored, no main window. The close box destroys the window and, with no other
// window left, ends the program; Quitter ends it at once.
void FrmColonnesTest::endsWithoutSaving_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("close box") << true;
    QTest::newRow("Quitter") << false;
}

void FrmColonnesTest::endsWithoutSaving()
{
    QFETCH(bool, closeBox);
    QPointer<frmColonnes> w = openWindow();
    w->mnuNouveau->trigger();
    w->field().ScoreCourant = 50;
    w->tmrCase_Timer();
    if (closeBox) {
        w->close();
        QVERIFY(!frmColonnes::instance());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w);
        QCoreApplication::processEvents();
    } else {
        w->mnuQuitter->trigger();
    }
    QVERIFY(fake->dialogs.inputs.isEmpty());
    QVERIFY(fake->settings.writes.isEmpty());
    QVERIFY(!Form1::instance());
    QCOMPARE(fake->application.quits, 1);
}

// Rule: the score labels, laid out for one digit, keep their right edge and
// widen to the left for longer numbers.
void FrmColonnesTest::scoresGrowToTheLeft_data()
{
    QTest::addColumn<int>("score");
    QTest::newRow("1 digit") << 7;
    QTest::newRow("2 digits") << 42;
    QTest::newRow("5 digits") << 12345;
    QTest::newRow("10 digits") << 2147483647;
}

void FrmColonnesTest::scoresGrowToTheLeft()
{
    QFETCH(int, score);
    fake->settings.values[stored(settings::kScore)] = QString::number(score);
    frmColonnes* w = openWindow();
    // lblMeilleur ends at 3195 twips (213 px), lblScore at 3390 (226 px).
    const QString text = QString::number(score);
    QCOMPARE(w->lblMeilleur->text(), text);
    QCOMPARE(w->lblMeilleur->geometry().right() + 1, 213);
    QVERIFY(w->lblMeilleur->width() >= w->lblMeilleur->fontMetrics().horizontalAdvance(text));
    QVERIFY(w->lblMeilleur->geometry().left() <= 205);

    queuePiece(fake->random, "KKK", 2);
    w->mnuNouveau->trigger();
    const QRect zeroPlace = w->lblScore->geometry();
    w->field().ScoreCourant = score - 1;
    QTest::keyClick(w, Qt::Key_Space);
    w->tmrCase_Timer(); // settles the black line
    QCOMPARE(w->lblScore->text(), text);
    QCOMPARE(w->lblScore->geometry().right() + 1, 226);
    QVERIFY(w->lblScore->width() >= w->lblScore->fontMetrics().horizontalAdvance(text));
    // The score's digits, as drawn, stay right of the caption "SCORE :" as drawn.
    const auto [captionLeft, captionRight] = inkColumns(w->lbl[2]);
    const auto [scoreLeft, scoreRight] = inkColumns(w->lblScore);
    QVERIFY(captionLeft >= 120 && captionRight > captionLeft);
    QVERIFY2(scoreLeft > captionRight,
             qPrintable(QStringLiteral("caption drawn to %1, score from %2").arg(captionRight).arg(scoreLeft)));
    QVERIFY(scoreRight < 226);
    // Too long for the room beside the caption, it is drawn smaller; the next
    // game's 0 comes back in the laid-out size and place.
    QCOMPARE(w->lblScore->font().pointSizeF() < 9.75, score == 2147483647);
    w->mnuNouveau->trigger();
    QCOMPARE(w->lblScore->text(), QStringLiteral("0"));
    QCOMPARE(w->lblScore->font().pointSizeF(), 9.75);
    QCOMPARE(w->lblScore->geometry(), zeroPlace);
}

QTEST_MAIN(FrmColonnesTest)
#include "frmcolonnes_test.moc"
