// The rules of the column game, driven without a window: the drawing of the
// piece, the draws of pieces and columns, the moves, the search for lines and
// the fall of a piece tick by tick.
#include "fakes/fakeplatform.h"
#include "game/gamefield.h"
#include "recordingview.h"
#include "wellhelpers.h"

#include <QtTest>

using namespace colonnes;
using namespace wellhelpers;

namespace {

QString column(const GameField& f, int c)
{
    QString s;
    for (int r = 1; r <= kLignes; ++r)
        s += letterOf(f.Grille[c][r]);
    return s;
}

bool borderUntouched(const GameField& f)
{
    for (int c = 0; c <= kColonnes; ++c)
        if (f.Grille[c][0] != 0)
            return false;
    for (int r = 0; r <= kLignes; ++r)
        if (f.Grille[0][r] != 0)
            return false;
    return true;
}

QRect cellRect(int c, int r) { return QRect((c - 1) * 240, (r - 1) * 240, 240, 240); }

// The cells drawn, as "c,r=letter", in order.
QStringList drawn(const RecordingView& v)
{
    QStringList out;
    for (const auto& fill : v.fills)
        out.append(QStringLiteral("%1,%2=%3")
                       .arg(fill.rect.x() / 240 + 1)
                       .arg(fill.rect.y() / 240 + 1)
                       .arg(letterOf(fill.colour)));
    return out;
}

// A new game whose first piece has the colours given (bottom first) and starts
// in the column given; the view's record starts after it.
void newGame(GameField& f, RecordingView& v, fake::Random& random, const char* piece, int col)
{
    queuePiece(random, piece, col);
    f.NouvellePartie();
    v.clear();
}

} // namespace

class GameFieldTest : public QObject {
    Q_OBJECT

private slots:
    // ---- drawing ----------------------------------------------------------
    void dessine_data();
    void dessine();
    void newGameResetsWell();
    void genBlocCounts_data();
    void genBlocCounts();
    void colourDrawsUniform();
    void columnDrawsUniform();

    // ---- moves ------------------------------------------------------------
    void keys_data();
    void keys();
    void keysIgnoredWithoutInterval();
    void rotationGivesColoursRoundTheRing();

    // ---- lines ------------------------------------------------------------
    void lines_data();
    void lines();
    void bestScoreLabels_data();
    void bestScoreLabels();
    void flashPhases();
    void attendre_data();
    void attendre();

    // ---- the fall ---------------------------------------------------------
    void fallsSeventeenTicks();
    void landingHigh_data();
    void landingHigh();
    void countersBackToZeroAtNewGame();
};

// Rule: DessineBloc stores and draws Bloc(1..3) on rows YPos, YPos-1, YPos-2 and
// white on YPos-3, only rows 1 and below; DessineBlanc clears rows YPos..YPos-2.
void GameFieldTest::dessine_data()
{
    QTest::addColumn<int>("ypos");
    QTest::addColumn<QString>("afterBloc");  // column 2, rows 1..18
    QTest::addColumn<QString>("afterBlanc");
    QTest::newRow("0") << 0 << "MMMMMMMMMMMMMMMMMM" << "MMMMMMMMMMMMMMMMMM";
    QTest::newRow("1") << 1 << "RMMMMMMMMMMMMMMMMM" << ".MMMMMMMMMMMMMMMMM";
    QTest::newRow("2") << 2 << "GRMMMMMMMMMMMMMMMM" << "..MMMMMMMMMMMMMMMM";
    QTest::newRow("3") << 3 << "BGRMMMMMMMMMMMMMMM" << "...MMMMMMMMMMMMMMM";
    QTest::newRow("4") << 4 << ".BGRMMMMMMMMMMMMMM" << "M...MMMMMMMMMMMMMM";
    QTest::newRow("18") << 18 << "MMMMMMMMMMMMMM.BGR" << "MMMMMMMMMMMMMMM...";
}

void GameFieldTest::dessine()
{
    QFETCH(int, ypos);
    QFETCH(QString, afterBloc);
    QFETCH(QString, afterBlanc);
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    for (const bool bloc : {true, false}) {
        for (int r = 1; r <= kLignes; ++r)
            f.Grille[2][r] = kMagenta;
        f.Bloc = {kNoir, kRouge, kVert, kBleu, kBlanc};
        f.XPos = 2;
        f.YPos = ypos;
        view.clear();
        if (bloc)
            f.DessineBloc();
        else
            f.DessineBlanc();
        const QString expected = bloc ? afterBloc : afterBlanc;
        QCOMPARE(column(f, 2), expected);
        // What is drawn is exactly what changed in the grid, cell by cell.
        QStringList expectedDraws;
        for (int r = kLignes; r >= 1; --r)
            if (expected[r - 1] != QLatin1Char('M'))
                expectedDraws.append(QStringLiteral("2,%1=%2").arg(r).arg(expected[r - 1]));
        QStringList draws = drawn(view);
        draws.sort();
        expectedDraws.sort();
        QCOMPARE(draws, expectedDraws);
        for (const auto& fill : view.fills)
            QCOMPARE(fill.rect.size(), QSize(240, 240));
        QVERIFY(borderUntouched(f));
        for (int c : {1, 3})
            QCOMPARE(column(f, c), QString(18, QLatin1Char('.')));
    }
}

// Rule: a new game empties the well cell by cell and draws it white, and the
// border keeps its 0.
void GameFieldTest::newGameResetsWell()
{
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    setWell(f, {"RGBYMK", "KMYBGR"});
    queuePiece(fake.random, "RGB", 4);
    f.NouvellePartie();
    for (int c = 1; c <= kColonnes; ++c)
        QCOMPARE(column(f, c), QString(18, QLatin1Char('.')));
    QVERIFY(borderUntouched(f));
    int whiteCells = 0;
    for (const auto& fill : view.fills)
        if (fill.colour == kBlanc && fill.rect.size() == QSize(240, 240))
            ++whiteCells;
    QCOMPARE(whiteCells, 108);
    QCOMPARE(pieceText(f), QStringLiteral("RGB"));
    QCOMPARE(f.XPos, 4);
    QCOMPARE(f.YPos, 0);
    QCOMPARE(f.Bloc[4], kBlanc);
}

// Rule: after n pieces NbBlocs is n, the six counters add up to 3n and their
// labels show them.
void GameFieldTest::genBlocCounts_data()
{
    QTest::addColumn<int>("pieces");
    QTest::newRow("1") << 1;
    QTest::newRow("7") << 7;
    QTest::newRow("250") << 250;
}

void GameFieldTest::genBlocCounts()
{
    QFETCH(int, pieces);
    fake::Platform fake;
    fake.random.cycle = {0.05, 0.93, 0.41, 0.27, 0.66, 0.12, 0.78, 0.50, 0.35};
    RecordingView view;
    GameField f(view);
    for (int i = 0; i < pieces; ++i)
        f.GenBloc();
    QCOMPARE(f.NbBlocs, pieces);
    QCOMPARE(view.captions.value("Blocs"), QString::number(pieces));
    int sum = 0;
    for (int k = 1; k <= 6; ++k) {
        sum += f.StatCouleur[k];
        QCOMPARE(view.captions.value(QStringLiteral("StatCouleur%1").arg(k - 1), "0"),
                 QString::number(f.StatCouleur[k]));
    }
    QCOMPARE(sum, 3 * pieces);
    QCOMPARE(f.StatCouleur[0], 0);
    QCOMPARE(f.Bloc[4], kBlanc);
}

// Rule: ⌊6u⌋ + 1 over evenly spread u gives each colour equally often, from
// the lowest draw to the highest.
void GameFieldTest::colourDrawsUniform()
{
    fake::Platform fake;
    for (int i = 0; i < 600; ++i)
        fake.random.cycle.push_back((i + 0.5) / 600.0);
    fake.random.queued = {0.0, 0.9999999, 0.17};
    RecordingView view;
    GameField f(view);
    f.GenBloc();
    QCOMPARE(pieceText(f), QStringLiteral("RMK"));
    f.StatCouleur = {};
    for (int i = 0; i < 200; ++i)
        f.GenBloc();
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(f.StatCouleur[k], 100);
}

// Rule: ⌊5u⌋ + 1: the five start columns equally often, column 6 never.
void GameFieldTest::columnDrawsUniform()
{
    fake::Platform fake;
    for (int i = 0; i < 500; ++i)
        fake.random.cycle.push_back((i + 0.5) / 500.0);
    RecordingView view;
    GameField f(view);
    std::array<int, 8> count{};
    fake.random.queued = {0.0, 0.9999999};
    f.GenXPos();
    QCOMPARE(f.XPos, 1);
    f.GenXPos();
    QCOMPARE(f.XPos, 5);
    for (int i = 0; i < 500; ++i) {
        f.GenXPos();
        QVERIFY(f.XPos >= 1 && f.XPos <= 7);
        ++count[f.XPos];
    }
    for (int c = 1; c <= 5; ++c)
        QCOMPARE(count[c], 100);
    QCOMPARE(count[6], 0);
}

// Rule: each key acts on the piece as its move says; a move that cannot be made
// changes nothing.
void GameFieldTest::keys_data()
{
    QTest::addColumn<QStringList>("well");
    QTest::addColumn<int>("xpos");
    QTest::addColumn<int>("ypos");
    QTest::addColumn<bool>("enBas");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("expectX");
    QTest::addColumn<int>("expectY");
    QTest::addColumn<bool>("expectEnBas");
    QTest::addColumn<QString>("expectPiece");
    QTest::addColumn<bool>("expectPerdu");

    const QStringList empty;
    const QList<int> left{37}, up{38}, right{39}, down{40}, space{32};
    QTest::newRow("left in column 1") << empty << 1 << 5 << false << left << 1 << 5 << false
                                      << "RGB" << false;
    QTest::newRow("right in column 6") << empty << 6 << 5 << false << right << 6 << 5 << false
                                       << "RGB" << false;
    QTest::newRow("left") << empty << 3 << 5 << false << left << 2 << 5 << false << "RGB"
                          << false;
    QTest::newRow("right") << empty << 3 << 5 << false << right << 4 << 5 << false << "RGB"
                           << false;
    QTest::newRow("left against a square beside the bottom")
        << QStringList{"K.....", "K.....", "K....."} << 2 << 16 << false << left << 2 << 16
        << false << "RGB" << false;
    QTest::newRow("right against a square beside the bottom")
        << QStringList{"..Y...", "..K..."} << 2 << 17 << false << right << 2 << 17 << false
        << "RGB" << false;
    QTest::newRow("left at YPos 0") << empty << 3 << 0 << false << left << 3 << 0 << false
                                    << "RGB" << false;
    QTest::newRow("right at YPos 0") << empty << 3 << 0 << false << right << 3 << 0 << false
                                     << "RGB" << false;
    QTest::newRow("down at YPos 0") << empty << 3 << 0 << false << down << 3 << 1 << false
                                    << "RGB" << false;
    QTest::newRow("space at YPos 0") << empty << 3 << 0 << false << space << 3 << 18 << true
                                     << "RGB" << false;
    QTest::newRow("down") << empty << 3 << 7 << false << down << 3 << 8 << false << "RGB"
                          << false;
    QTest::newRow("down lands on a column")
        << QStringList{"..Y...", "..K..."} << 3 << 15 << false << down << 3 << 16 << true
        << "RGB" << false;
    QTest::newRow("down on a resting piece") << empty << 3 << 18 << true << down << 3 << 18
                                             << true << "RGB" << false;
    QTest::newRow("space on a resting piece") << empty << 3 << 18 << true << space << 3 << 18
                                              << true << "RGB" << false;
    QTest::newRow("up on a resting piece rotates") << empty << 3 << 18 << true << up << 3 << 18
                                                   << true << "GBR" << false;
    QTest::newRow("space over an empty column") << empty << 4 << 5 << false << space << 4 << 18
                                                << true << "RGB" << false;
    QTest::newRow("space onto a column")
        << QStringList{"...Y..", "...K.."} << 4 << 2 << false << space << 4 << 16 << true
        << "RGB" << false;
    QTest::newRow("resting piece pushed over a lower column falls on")
        << QStringList{"..K...", "..Y...", "..K...", "..Y...", "..K..."} << 3 << 13 << true
        << right << 4 << 13 << false << "RGB" << false;
    QTest::newRow("falling piece pushed over a higher column lands")
        << QStringList{"...K..", "...Y..", "...K..", "...Y..", "...K.."} << 3 << 13 << false
        << right << 4 << 13 << true << "RGB" << false;
    QTest::newRow("rotation of a piece partly in the well")
        << empty << 3 << 1 << false << up << 3 << 1 << false << "GBR" << false;
    QTest::newRow("Q then every key ignored")
        << empty << 3 << 5 << false << QList<int>{81, 37, 39, 40, 32, 38} << 3 << 5 << false
        << "RGB" << true;
    QTest::newRow("another key") << empty << 3 << 5 << false << QList<int>{65, 113, 0, 41}
                                 << 3 << 5 << false << "RGB" << false;
}

void GameFieldTest::keys()
{
    QFETCH(QStringList, well);
    QFETCH(int, xpos);
    QFETCH(int, ypos);
    QFETCH(bool, enBas);
    QFETCH(QList<int>, keys);
    QFETCH(int, expectX);
    QFETCH(int, expectY);
    QFETCH(bool, expectEnBas);
    QFETCH(QString, expectPiece);
    QFETCH(bool, expectPerdu);

    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    setWell(f, well);
    f.Bloc = {kNoir, kRouge, kVert, kBleu, kBlanc};
    f.XPos = xpos;
    f.YPos = ypos;
    f.DessineBloc();
    f.EnBas = enBas;
    const auto before = f.Grille;
    for (int key : keys)
        f.KeyDown(key);
    QCOMPARE(f.XPos, expectX);
    QCOMPARE(f.YPos, expectY);
    QCOMPARE(f.EnBas, expectEnBas);
    QCOMPARE(pieceText(f), expectPiece);
    QCOMPARE(f.Perdu, expectPerdu);
    QVERIFY(borderUntouched(f));

    // The piece stands in the grid where it now is, and nowhere else; the
    // settled squares are where they were.
    for (int c = 1; c <= kColonnes; ++c) {
        for (int r = 1; r <= kLignes; ++r) {
            const int i = expectY + 1 - r; // 1 bottom square .. 3 top
            Couleur expected = before[c][r];
            if (c == xpos && r <= ypos && r >= ypos - 3)
                expected = kBlanc; // the piece's old cells and the white above
            if (c == expectX && i >= 1 && i <= 3)
                expected = f.Bloc[i];
            else if (c == expectX && i == 4)
                expected = kBlanc;
            QVERIFY2(f.Grille[c][r] == expected, qPrintable(QStringLiteral("cell %1,%2").arg(c).arg(r)));
        }
    }
}

// Rule: keys act only once a game has given the timer an interval.
void GameFieldTest::keysIgnoredWithoutInterval()
{
    fake::Platform fake;
    RecordingView view;
    view.interval = 0;
    GameField f(view);
    f.Bloc = {kNoir, kRouge, kVert, kBleu, kBlanc};
    f.XPos = 3;
    f.YPos = 5;
    for (int key : {37, 39, 40, 32, 38, 81})
        f.KeyDown(key);
    QCOMPARE(f.XPos, 3);
    QCOMPARE(f.YPos, 5);
    QCOMPARE(pieceText(f), QStringLiteral("RGB"));
    QVERIFY(!f.Perdu);
    QVERIFY(view.fills.isEmpty());
}

// Rule: red, green, blue from bottom to top rotates to green, blue, red; three
// rotations give the piece back.
void GameFieldTest::rotationGivesColoursRoundTheRing()
{
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    f.Bloc = {kNoir, kRouge, kVert, kBleu, kRouge};
    f.XPos = 2;
    f.YPos = 10;
    const QStringList expected{"GBR", "BRG", "RGB"};
    for (const QString& e : expected) {
        f.Rotation();
        QCOMPARE(pieceText(f), e);
        QCOMPARE(f.Bloc[4], kBlanc);
        QCOMPARE(column(f, 2).mid(6, 4), QStringLiteral(".") + e.at(2) + e.at(1) + e.at(0));
    }
}

// Rule: every line of three of one colour, in four directions, scores 1 at its
// anchor; the marked squares go, the rest close up, and passes repeat.
void GameFieldTest::lines_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QStringList>("after");

    const QString e = QStringLiteral("......");
    QTest::newRow("three vertical") << QStringList{"R.....", "R.....", "R....."} << 1 << 3 << 1
                                    << QStringList{e, e, e};
    QTest::newRow("four vertical") << QStringList{"G.....", "G.....", "G.....", "G....."} << 2
                                   << 4 << 1 << QStringList{e, e, e, e};
    QTest::newRow("vertical over other squares")
        << QStringList{".B....", ".B....", ".B....", ".Y....", ".K...."} << 1 << 3 << 1
        << QStringList{e, e, e, ".Y....", ".K...."};
    QTest::newRow("three in a row") << QStringList{"RRR..."} << 1 << 3 << 1 << QStringList{e};
    QTest::newRow("three in a row at the right edge") << QStringList{"...YYY"} << 1 << 3 << 1
                                                      << QStringList{e};
    QTest::newRow("four in a row") << QStringList{"RRRR.."} << 2 << 4 << 1 << QStringList{e};
    QTest::newRow("five in a row") << QStringList{".MMMMM"} << 3 << 5 << 1 << QStringList{e};
    QTest::newRow("six in a row") << QStringList{"BBBBBB"} << 4 << 6 << 1 << QStringList{e};
    QTest::newRow("cross") << QStringList{".R....", "RRR...", "GRG..."} << 2 << 5 << 1
                           << QStringList{e, e, "G.G..."};
    QTest::newRow("L") << QStringList{"R.....", "R.....", "RRR..."} << 2 << 5 << 1
                       << QStringList{e, e, e};
    QTest::newRow("diagonal up and to the right")
        << QStringList{"..R...", ".RY...", "RGB..."} << 1 << 3 << 1
        << QStringList{e, "..Y...", ".GB..."};
    QTest::newRow("diagonal up and to the left")
        << QStringList{"R.....", "YR....", "BGR..."} << 1 << 3 << 1
        << QStringList{e, "Y.....", "BG...."};
    QTest::newRow("diagonal up-left anchored in column 6")
        << QStringList{"...G..", "...YG.", "...BYG"} << 1 << 3 << 1
        << QStringList{e, "...Y..", "...BY."};
    QTest::newRow("diagonal up-right anchored in column 4")
        << QStringList{".....M", "....MY", "...MYB"} << 1 << 3 << 1
        << QStringList{e, ".....Y", "....YB"};
    QTest::newRow("black squares") << QStringList{"KKK..."} << 1 << 3 << 1 << QStringList{e};
    QTest::newRow("chain reaction over two passes")
        << QStringList{"BGG...", "RRRG.."} << 2 << 6 << 2 << QStringList{e, "B....."};
    QTest::newRow("no line") << QStringList{"RGBRGB", "GBRGBR"} << 0 << 0 << 0
                             << QStringList{"RGBRGB", "GBRGBR"};
    QTest::newRow("two of a colour, then another") << QStringList{"RRGRRG", "GGRGGR"} << 0 << 0
                                                   << 0 << QStringList{"RRGRRG", "GGRGGR"};
    QTest::newRow("empty cells never make lines") << QStringList{e, e, e} << 0 << 0 << 0
                                                  << QStringList{e, e, e};
}

void GameFieldTest::lines()
{
    QFETCH(QStringList, before);
    QFETCH(int, score);
    QFETCH(int, removed);
    QFETCH(int, passes);
    QFETCH(QStringList, after);

    fake::Platform fake;
    RecordingView view;
    view.running = true;
    GameField f(view);
    f.MeilleurScore = 100;
    f.ScoreCourant = 5;
    f.NbCarres = 7;
    setWell(f, before);
    f.ChercheSol();

    QCOMPARE(f.ScoreCourant, 5 + score);
    QCOMPARE(f.NbCarres, 7 + removed);
    QCOMPARE(wellRows(f, int(after.size())), after);
    for (int r = 1; r <= kLignes - int(after.size()); ++r)
        for (int c = 1; c <= kColonnes; ++c)
            QCOMPARE(f.Grille[c][r], kBlanc);
    QVERIFY(borderUntouched(f));
    // The timer is stopped for the search and started again after it.
    QCOMPARE(view.stops, 1);
    QCOMPARE(view.starts, 1);
    QVERIFY(view.running);
    QCOMPARE(view.repaints, 16 * passes);

    if (passes == 0) {
        QVERIFY(view.fills.isEmpty());
        QVERIFY(view.captionLog.isEmpty());
        return;
    }
    QCOMPARE(view.captions.value("Score"), QString::number(5 + score));
    QCOMPARE(view.captions.value("Carres"), QString::number(7 + removed));
    QVERIFY(!view.captions.contains("Meilleur"));
    QVERIFY(!view.captions.contains("Nom"));
    int cyan = 0;
    for (const auto& fill : view.fills)
        if (fill.colour == kCyan)
            ++cyan;
    QCOMPARE(cyan, 8 * removed);
    // Each column is drawn from the grid after the fall: the last draw of every
    // cell is what the grid holds.
    QMap<QPair<int, int>, Couleur> last;
    for (const auto& fill : view.fills)
        last[{fill.rect.x() / 240 + 1, fill.rect.y() / 240 + 1}] = fill.colour;
    QCOMPARE(last.size(), 108);
    for (auto it = last.cbegin(); it != last.cend(); ++it)
        QCOMPARE(it.value(), f.Grille[it.key().first][it.key().second]);
}

// Rule: once the score passes the best, the best-score label follows it and the
// name label shows "???"; the best score itself is not changed.
void GameFieldTest::bestScoreLabels_data()
{
    QTest::addColumn<int>("best");
    QTest::addColumn<QStringList>("bestCaptions");
    QTest::newRow("passed in the second pass") << 1 << QStringList{"Meilleur=2", "Nom=???"};
    QTest::newRow("passed in the first pass")
        << 0 << QStringList{"Meilleur=1", "Nom=???", "Meilleur=2", "Nom=???"};
    QTest::newRow("reached, not passed") << 2 << QStringList{};
    QTest::newRow("far above") << 10 << QStringList{};
}

void GameFieldTest::bestScoreLabels()
{
    QFETCH(int, best);
    QFETCH(QStringList, bestCaptions);
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    f.MeilleurScore = best;
    setWell(f, {"BGG...", "RRRG.."});
    f.ChercheSol();
    QCOMPARE(f.ScoreCourant, 2);
    QCOMPARE(f.MeilleurScore, best);
    QStringList got;
    for (const QString& entry : view.captionLog)
        if (entry.startsWith("Meilleur") || entry.startsWith("Nom"))
            got.append(entry);
    QCOMPARE(got, bestCaptions);
}

// Rule: eight flashes, cyan then white, each phase shown by a repaint of its
// own after a wait of more than 20 ms, with the timer stopped.
void GameFieldTest::flashPhases()
{
    fake::Platform fake;
    fake.clock.step = 3;
    RecordingView view;
    view.running = true;
    GameField f(view);
    setWell(f, {"R.....", "R.....", "R....."});
    QString phases;
    QList<qint64> times;
    view.onRepaint = [&] {
        QVERIFY(!view.running);
        // The last colour drawn on a marked cell, and that no other cell was drawn.
        const auto& fill = view.fills.last();
        QCOMPARE(fill.rect.x(), 0);
        phases += letterOf(fill.colour);
        times.append(fake.clock.now);
    };
    f.ChercheSol();
    QCOMPARE(phases, QStringLiteral("C.C.C.C.C.C.C.C."));
    for (qsizetype i = 1; i < times.size(); ++i)
        QVERIFY(times[i] - times[i - 1] > 20);
    // Before the first repaint, only the three marked cells were drawn.
    QCOMPARE(drawn(view).mid(0, 3), (QStringList{"1,16=C", "1,17=C", "1,18=C"}));
}

// Rule: Attendre reads the counter until it exceeds the first reading by more than 20.
void GameFieldTest::attendre_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("reads");
    QTest::newRow("1 ms") << 1 << 22;
    QTest::newRow("7 ms") << 7 << 4;
    QTest::newRow("20 ms") << 20 << 3;
    QTest::newRow("21 ms") << 21 << 2;
    QTest::newRow("a long pause") << 5000 << 2;
}

void GameFieldTest::attendre()
{
    QFETCH(int, step);
    QFETCH(int, reads);
    fake::Platform fake;
    fake.clock.step = step;
    RecordingView view;
    GameField f(view);
    f.Attendre();
    QCOMPARE(fake.clock.reads, reads);
}

// Rule: in an empty column a piece enters on row 1 at the first tick, reaches
// row 18 seventeen ticks later, and is settled at the tick after that, which
// brings the next piece onto row 1.
void GameFieldTest::fallsSeventeenTicks()
{
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    newGame(f, view, fake.random, "RGB", 3);
    queuePiece(fake.random, "YMK", 5);
    f.Tombe();
    QCOMPARE(f.YPos, 1);
    QCOMPARE(column(f, 3), QStringLiteral("R................."));
    for (int tick = 1; tick <= 17; ++tick) {
        QVERIFY(!f.EnBas);
        f.Tombe();
        QCOMPARE(f.YPos, 1 + tick);
        // The piece alone in its column: the white cell above it erased its trail.
        int squares = 0;
        for (int r = 1; r <= kLignes; ++r)
            squares += f.Grille[3][r] != kBlanc;
        QCOMPARE(squares, qMin(3, f.YPos));
    }
    QVERIFY(f.EnBas);
    QVERIFY(!f.Perdu);
    QCOMPARE(view.stops, 0);
    f.Tombe();
    QCOMPARE(view.stops, 1); // searched once, on settling
    QCOMPARE(view.starts, 1);
    QCOMPARE(column(f, 3), QStringLiteral("...............BGR"));
    QCOMPARE(f.XPos, 5);
    QCOMPARE(f.YPos, 1);
    QCOMPARE(pieceText(f), QStringLiteral("YMK"));
    QCOMPARE(column(f, 5), QStringLiteral("Y................."));
    QCOMPARE(f.NbBlocs, 2);
    QVERIFY(!f.EnBas);
}

// Rule: a piece that lands during a tick with its bottom on row 1 or 2 loses
// the game; on row 3 it does not. A new piece is drawn on row 1 even over a
// square.
void GameFieldTest::landingHigh_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("landsAt");
    QTest::addColumn<bool>("perdu");
    QTest::newRow("column of 15") << 15 << 3 << false;
    QTest::newRow("column of 16") << 16 << 2 << true;
    QTest::newRow("column of 17") << 17 << 1 << true;
    QTest::newRow("full column") << 18 << 1 << true;
}

void GameFieldTest::landingHigh()
{
    QFETCH(int, height);
    QFETCH(int, landsAt);
    QFETCH(bool, perdu);
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    newGame(f, view, fake.random, "MMM", 2);
    // A column of alternating squares, which holds no line.
    for (int i = 0; i < height; ++i)
        f.Grille[2][kLignes - i] = i % 2 ? kJaune : kBleu;
    for (int tick = 0; tick < 20 && !f.EnBas; ++tick)
        f.Tombe();
    QVERIFY(f.EnBas);
    QCOMPARE(f.YPos, landsAt);
    QCOMPARE(f.Perdu, perdu);
    QCOMPARE(f.Grille[2][landsAt], kMagenta);
    if (height == 18)
        QCOMPARE(f.Grille[2][2], kBleu); // only row 1 was written over
}

// Rule: every game starts with the counters, the score and the well reset.
void GameFieldTest::countersBackToZeroAtNewGame()
{
    fake::Platform fake;
    fake.random.cycle = {0.1, 0.3, 0.5, 0.7, 0.9, 0.2, 0.4};
    RecordingView view;
    GameField f(view);
    f.NouvellePartie();
    for (int i = 0; i < 200 && !f.Perdu; ++i) {
        f.KeyDown(32);
        f.Tombe();
    }
    QVERIFY(f.NbBlocs > 3);
    queuePiece(fake.random, "KKG", 1);
    view.clear();
    f.NouvellePartie();
    QCOMPARE(f.NbBlocs, 1);
    QCOMPARE(f.ScoreCourant, 0);
    QCOMPARE(f.NbCarres, 0);
    QVERIFY(!f.Perdu);
    QVERIFY(!f.EnBas);
    const std::array<int, 7> expected{0, 0, 2, 1, 0, 0, 0};
    QCOMPARE(f.StatCouleur, expected);
    QCOMPARE(view.captions.value("StatCouleur0"), QStringLiteral("0"));
    QCOMPARE(view.captions.value("StatCouleur1"), QStringLiteral("2"));
    QCOMPARE(view.captions.value("StatCouleur2"), QStringLiteral("1"));
    QCOMPARE(view.captions.value("StatCouleur5"), QStringLiteral("0"));
    QCOMPARE(view.captions.value("Score"), QStringLiteral("0"));
    QCOMPARE(view.captions.value("Carres"), QStringLiteral("0"));
    QCOMPARE(view.captions.value("Blocs"), QStringLiteral("1"));
    for (int c = 1; c <= kColonnes; ++c)
        QCOMPARE(column(f, c), QString(18, QLatin1Char('.')));
}

QTEST_GUILESS_MAIN(GameFieldTest)
#include "gamefield_test.moc"
