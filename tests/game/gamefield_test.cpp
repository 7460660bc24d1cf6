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

// The cells drawn, as "c,r=letter", in order; a fill that is not one cell says so.
QStringList drawn(const RecordingView& v)
{
    QStringList out;
    for (const auto& fill : v.fills)
        out.append(fill.rect.size() != QSize(kCase, kCase)
                       ? QStringLiteral("not a cell")
                       : QStringLiteral("%1,%2=%3")
                             .arg(fill.rect.x() / kCase + 1)
                             .arg(fill.rect.y() / kCase + 1)
                             .arg(letterOf(fill.colour)));
    return out;
}

// The rows given at the bottom of an otherwise empty well, all 18 rows.
QStringList padded(QStringList rows)
{
    while (rows.size() < kLignes)
        rows.prepend(QStringLiteral("......"));
    return rows;
}

// "x,y", " bas" when resting, " perdu" when lost, then the piece bottom first.
QString stateText(const GameField& f)
{
    return QStringLiteral("%1,%2").arg(f.XPos).arg(f.YPos) + (f.EnBas ? " bas" : "")
        + (f.Perdu ? " perdu" : "") + " " + pieceText(f);
}

} // namespace

class GameFieldTest : public QObject {
    Q_OBJECT

private slots:
    void dessine_data();
    void dessine();
    void newGameResets();
    void colourDraws();
    void columnDraws();
    void keys_data();
    void keys();
    void lines_data();
    void lines();
    void bestScoreLabels_data();
    void bestScoreLabels();
    void flashPhases();
    void attendre_data();
    void attendre();
    void fallsSeventeenTicks();
    void landingHigh_data();
    void landingHigh();
};

// Rule: DessineBloc stores and draws Bloc(1..3) on rows YPos, YPos-1, YPos-2 and
// white on YPos-3, only rows 1 and below; DessineBlanc clears rows YPos..YPos-2.
// Exactly the cells that change are drawn.
void GameFieldTest::dessine_data()
{
    QTest::addColumn<int>("ypos");
    QTest::addColumn<QString>("afterBloc"); // column 2, rows 1..18
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
        bloc ? f.DessineBloc() : f.DessineBlanc();
        const QString expected = bloc ? afterBloc : afterBlanc;
        QCOMPARE(column(f, 2), expected);
        QStringList expectedDraws;
        for (int r = 1; r <= kLignes; ++r)
            if (expected[r - 1] != QLatin1Char('M'))
                expectedDraws.append(QStringLiteral("2,%1=%2").arg(r).arg(expected[r - 1]));
        QStringList draws = drawn(view);
        draws.sort();
        QCOMPARE(draws, expectedDraws);
        QVERIFY(borderUntouched(f));
        QCOMPARE(column(f, 1) + column(f, 3), QString(36, QLatin1Char('.')));
    }
}

// Rule: a new game empties the well and draws it white, keeps the border's 0,
// puts the counters, the score and their labels back to 0 and makes the first
// piece, waiting above the well.
void GameFieldTest::newGameResets()
{
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    setWell(f, {"RGBYMK", "KMYBGR"});
    f.StatCouleur = {0, 5, 5, 5, 5, 5, 5};
    f.NbBlocs = 10;
    f.ScoreCourant = 4;
    f.NbCarres = 12;
    f.Perdu = f.EnBas = true;
    f.YPos = 9;
    queuePiece(fake.random, "KKG", 4);
    f.NouvellePartie();
    QCOMPARE(wellRows(f, kLignes), padded({}));
    QVERIFY(borderUntouched(f));
    QCOMPARE(drawn(view).filter(QStringLiteral("=.")).size(), kColonnes * kLignes);
    QCOMPARE(stateText(f), QStringLiteral("4,0 KKG"));
    QCOMPARE(f.Bloc[4], kBlanc);
    QCOMPARE(f.StatCouleur, (std::array<qint32, 7>{0, 0, 2, 1, 0, 0, 0}));
    QCOMPARE(f.NbBlocs, 1);
    QCOMPARE(f.ScoreCourant, 0);
    QCOMPARE(f.NbCarres, 0);
    const QMap<QString, QString> labels{
        {"StatCouleur0", "0"}, {"StatCouleur1", "2"}, {"StatCouleur2", "1"},
        {"StatCouleur3", "0"}, {"StatCouleur4", "0"}, {"StatCouleur5", "0"},
        {"Blocs", "1"},        {"Score", "0"},        {"Carres", "0"}};
    QCOMPARE(view.captions, labels);
}

// Rule: colour ⌊6u⌋ + 1, from the lowest draw to the highest; over evenly spread
// draws each colour comes equally often. NbBlocs and the counters' labels follow.
void GameFieldTest::colourDraws()
{
    fake::Platform fake;
    for (int i = 0; i < 600; ++i)
        fake.random.cycle.push_back((i + 0.5) / 600.0);
    fake.random.queued = {0.0, 0.9999999, 0.17};
    RecordingView view;
    GameField f(view);
    f.GenBloc();
    QCOMPARE(pieceText(f), QStringLiteral("RMK"));
    for (int i = 0; i < 200; ++i)
        f.GenBloc();
    QCOMPARE(f.StatCouleur, (std::array<qint32, 7>{0, 101, 101, 100, 100, 100, 101}));
    QCOMPARE(f.NbBlocs, 201);
    QCOMPARE(view.captions.value("Blocs"), QStringLiteral("201"));
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(view.captions.value(QStringLiteral("StatCouleur%1").arg(k - 1)),
                 QString::number(f.StatCouleur[k]));
}

// Rule: start column ⌊5u⌋ + 1: the five columns equally often, column 6 never.
void GameFieldTest::columnDraws()
{
    fake::Platform fake;
    for (int i = 0; i < 500; ++i)
        fake.random.cycle.push_back((i + 0.5) / 500.0);
    fake.random.queued = {0.0, 0.9999999};
    RecordingView view;
    GameField f(view);
    f.GenXPos();
    QCOMPARE(f.XPos, 1);
    f.GenXPos();
    QCOMPARE(f.XPos, 5);
    std::array<int, 8> count{};
    for (int i = 0; i < 500; ++i) {
        f.GenXPos();
        QVERIFY(f.XPos >= 1 && f.XPos <= 7);
        ++count[f.XPos];
    }
    QCOMPARE(count, (std::array<int, 8>{0, 100, 100, 100, 100, 100, 0, 0}));
}

// Rule: each key acts on the piece as its move says; a move that cannot be made
// changes and draws nothing; without a timer interval no key acts.
// States are "column,row", " bas" when resting, " perdu", then the piece.
void GameFieldTest::keys_data()
{
    QTest::addColumn<QStringList>("well");
    QTest::addColumn<QString>("start"); // " no timer": the timer has no interval
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("expect");

    const QStringList e;
    const QList<int> left{37}, up{38}, right{39}, down{40}, space{32};
    const QStringList col3Higher{"...K..", "...Y..", "...K..", "...Y..", "...K.."};
    const QStringList col2Higher{"..K...", "..Y...", "..K...", "..Y...", "..K..."};
    QTest::newRow("left in column 1") << e << "1,5" << left << "1,5 RGB";
    QTest::newRow("right in column 6") << e << "6,5" << right << "6,5 RGB";
    QTest::newRow("left") << e << "3,5" << left << "2,5 RGB";
    QTest::newRow("right") << e << "3,5" << right << "4,5 RGB";
    QTest::newRow("left against a square beside the bottom")
        << QStringList{"K.....", "K.....", "K....."} << "2,16" << left << "2,16 RGB";
    QTest::newRow("right against a square beside the bottom")
        << QStringList{"..Y...", "..K..."} << "2,17" << right << "2,17 RGB";
    QTest::newRow("left at YPos 0") << e << "3,0" << left << "3,0 RGB";
    QTest::newRow("right at YPos 0") << e << "3,0" << right << "3,0 RGB";
    QTest::newRow("down at YPos 0") << e << "3,0" << down << "3,1 RGB";
    QTest::newRow("space at YPos 0") << e << "3,0" << space << "3,18 bas RGB";
    QTest::newRow("down") << e << "3,7" << down << "3,8 RGB";
    QTest::newRow("down lands on a column")
        << QStringList{"..Y...", "..K..."} << "3,15" << down << "3,16 bas RGB";
    QTest::newRow("down on a resting piece") << e << "3,18 bas" << down << "3,18 bas RGB";
    QTest::newRow("space on a resting piece") << e << "3,18 bas" << space << "3,18 bas RGB";
    QTest::newRow("up on a resting piece rotates") << e << "3,18 bas" << up << "3,18 bas GBR";
    QTest::newRow("two rotations") << e << "3,10" << QList<int>{38, 38} << "3,10 BRG";
    QTest::newRow("rotation partly in the well") << e << "3,1" << up << "3,1 GBR";
    QTest::newRow("space over an empty column") << e << "4,5" << space << "4,18 bas RGB";
    QTest::newRow("space onto a column")
        << QStringList{"...Y..", "...K.."} << "4,2" << space << "4,16 bas RGB";
    QTest::newRow("resting piece pushed over a lower column falls on")
        << col2Higher << "3,13 bas" << right << "4,13 RGB";
    QTest::newRow("resting piece pushed left over a lower column falls on")
        << col3Higher << "4,13 bas" << left << "3,13 RGB";
    QTest::newRow("falling piece pushed over a higher column lands")
        << col3Higher << "3,13" << right << "4,13 bas RGB";
    QTest::newRow("Q then every key ignored")
        << e << "3,5" << QList<int>{81, 37, 39, 40, 32, 38} << "3,5 perdu RGB";
    QTest::newRow("another key") << e << "3,5" << QList<int>{65, 113, 0, 41} << "3,5 RGB";
    QTest::newRow("no timer interval")
        << e << "3,5 no timer" << QList<int>{37, 39, 40, 32, 38, 81} << "3,5 RGB";
}

void GameFieldTest::keys()
{
    QFETCH(QStringList, well);
    QFETCH(QString, start);
    QFETCH(QList<int>, keys);
    QFETCH(QString, expect);

    fake::Platform fake;
    RecordingView view;
    if (start.contains("no timer"))
        view.interval = 0;
    GameField f(view);
    setWell(f, well);
    f.Bloc = {kNoir, kRouge, kVert, kBleu, kBlanc};
    const QStringList at = start.section(' ', 0, 0).split(',');
    const int x0 = at[0].toInt(), y0 = at[1].toInt();
    f.XPos = x0;
    f.YPos = y0;
    f.DessineBloc();
    f.EnBas = start.contains("bas");
    // A rotation makes the cell above the piece white whatever Bloc(4) held.
    if (keys.contains(38))
        f.Bloc[4] = kRouge;
    const QString before = stateText(f);
    auto grid = f.Grille;
    view.clear();
    for (int key : keys)
        f.KeyDown(key);
    QCOMPARE(stateText(f), expect);
    QVERIFY(borderUntouched(f));
    if (before.section(' ', 0, 0) == expect.section(' ', 0, 0) && before.right(3) == expect.right(3))
        QCOMPARE(drawn(view), QStringList());

    // The piece stands in the grid where it now is, with white above it, and
    // nowhere else; the settled squares are where they were.
    for (int r = qMax(1, y0 - 3); r <= y0; ++r)
        grid[x0][r] = kBlanc;
    for (int i = 1; i <= 4 && f.YPos + 1 - i >= 1; ++i)
        grid[f.XPos][f.YPos + 1 - i] = i <= 3 ? f.Bloc[i] : kBlanc;
    QCOMPARE(wellRows(f, kLignes), gridRows(grid, kLignes));
}

// Rule: every line of three of one colour, in four directions, scores 1 at its
// anchor; the marked squares go, the rest close up, and passes repeat. The timer
// is stopped for the search, each pass flashes eight times, and the screen ends
// up showing the grid.
void GameFieldTest::lines_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("passes");
    QTest::addColumn<QStringList>("after"); // the bottom rows; those above are empty

    const QString e = QStringLiteral("......");
    QTest::newRow("three vertical") << QStringList{"R.....", "R.....", "R....."} << 1 << 3 << 1
                                    << QStringList{};
    QTest::newRow("four vertical") << QStringList{"G.....", "G.....", "G.....", "G....."} << 2
                                   << 4 << 1 << QStringList{};
    QTest::newRow("vertical over other squares")
        << QStringList{".B....", ".B....", ".B....", ".Y....", ".K...."} << 1 << 3 << 1
        << QStringList{".Y....", ".K...."};
    QTest::newRow("three in a row") << QStringList{"RRR..."} << 1 << 3 << 1 << QStringList{};
    QTest::newRow("three in a row at the right edge")
        << QStringList{"...YYY"} << 1 << 3 << 1 << QStringList{};
    QTest::newRow("four in a row") << QStringList{"RRRR.."} << 2 << 4 << 1 << QStringList{};
    QTest::newRow("five in a row") << QStringList{".MMMMM"} << 3 << 5 << 1 << QStringList{};
    QTest::newRow("six in a row") << QStringList{"BBBBBB"} << 4 << 6 << 1 << QStringList{};
    QTest::newRow("cross") << QStringList{".R....", "RRR...", "GRG..."} << 2 << 5 << 1
                           << QStringList{"G.G..."};
    QTest::newRow("L") << QStringList{"R.....", "R.....", "RRR..."} << 2 << 5 << 1
                       << QStringList{};
    QTest::newRow("diagonal up and to the right")
        << QStringList{"..R...", ".RY...", "RGB..."} << 1 << 3 << 1
        << QStringList{"..Y...", ".GB..."};
    QTest::newRow("diagonal up and to the left")
        << QStringList{"R.....", "YR....", "BGR..."} << 1 << 3 << 1
        << QStringList{"Y.....", "BG...."};
    QTest::newRow("diagonal up-left anchored in column 6")
        << QStringList{"...G..", "...YG.", "...BYG"} << 1 << 3 << 1
        << QStringList{"...Y..", "...BY."};
    QTest::newRow("diagonal up-right anchored in column 4")
        << QStringList{".....M", "....MY", "...MYB"} << 1 << 3 << 1
        << QStringList{".....Y", "....YB"};
    QTest::newRow("black squares") << QStringList{"KKK..."} << 1 << 3 << 1 << QStringList{};
    QTest::newRow("chain reaction over two passes")
        << QStringList{"BGG...", "RRRG.."} << 2 << 6 << 2 << QStringList{"B....."};
    QTest::newRow("no line") << QStringList{"RGBRGB", "GBRGBR"} << 0 << 0 << 0
                             << QStringList{"RGBRGB", "GBRGBR"};
    QTest::newRow("two of a colour, then another")
        << QStringList{"RRGRRG", "GGRGGR"} << 0 << 0 << 0 << QStringList{"RRGRRG", "GGRGGR"};
    QTest::newRow("empty cells never make lines") << QStringList{e, e, e} << 0 << 0 << 0
                                                  << QStringList{};
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
    QCOMPARE(wellRows(f, kLignes), padded(after));
    QVERIFY(borderUntouched(f));
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
    QCOMPARE(drawn(view).filter(QStringLiteral("=C")).size(), 8 * removed);
    // The last draw of every cell is what the grid holds.
    QMap<QPair<int, int>, Couleur> last;
    for (const auto& fill : view.fills)
        last[{fill.rect.x() / kCase + 1, fill.rect.y() / kCase + 1}] = fill.colour;
    QCOMPARE(last.size(), kColonnes * kLignes);
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
    const QStringList got = view.captionLog.filter(QRegularExpression("^(Meilleur|Nom)="));
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
        QCOMPARE(view.fills.last().rect.x(), 0); // only the marked column is drawn
        phases += letterOf(view.fills.last().colour);
        times.append(fake.clock.now);
    };
    f.ChercheSol();
    QCOMPARE(phases, QStringLiteral("C.C.C.C.C.C.C.C."));
    for (qsizetype i = 1; i < times.size(); ++i)
        QVERIFY(times[i] - times[i - 1] > 20);
    QCOMPARE(drawn(view).mid(0, 3), (QStringList{"1,16=C", "1,17=C", "1,18=C"}));
}

// Rule: Attendre lasts until the counter exceeds its first reading by more than
// 20, and sleeps for what is left instead of reading the counter over and over:
// each reading after the second follows a sleep. A sleep that ends early (half
// of the time asked, here) is followed by another one.
void GameFieldTest::attendre_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("sleepShare");
    QTest::addColumn<QList<qint64>>("sleeps");
    QTest::newRow("1 ms a reading") << 1 << 1.0 << QList<qint64>{20};
    QTest::newRow("7 ms a reading") << 7 << 1.0 << QList<qint64>{14};
    QTest::newRow("20 ms a reading") << 20 << 1.0 << QList<qint64>{1};
    QTest::newRow("21 ms a reading") << 21 << 1.0 << QList<qint64>{};
    QTest::newRow("a long pause") << 5000 << 1.0 << QList<qint64>{};
    QTest::newRow("sleeps end half-way") << 1 << 0.5 << QList<qint64>{20, 9, 4, 1};
}

void GameFieldTest::attendre()
{
    QFETCH(int, step);
    QFETCH(double, sleepShare);
    QFETCH(QList<qint64>, sleeps);
    fake::Platform fake;
    fake.clock.step = step;
    fake.clock.sleepShare = sleepShare;
    RecordingView view;
    GameField(view).Attendre();
    QCOMPARE(fake.clock.sleeps, sleeps);
    const QList<qint64>& read = fake.clock.readings;
    QCOMPARE(read.size(), sleeps.size() + 2);
    QVERIFY(read.last() > read.first() + 20);
    // Not ended any later than the first reading past t0 + 20.
    for (qsizetype i = 1; i + 1 < read.size(); ++i)
        QVERIFY(read[i] <= read.first() + 20);
}

// Rule: in an empty column a piece enters on row 1 at the first tick, reaches
// row 18 seventeen ticks later, and is settled (and searched, once) at the tick
// after that, which brings the next piece onto row 1.
void GameFieldTest::fallsSeventeenTicks()
{
    fake::Platform fake;
    RecordingView view;
    GameField f(view);
    queuePiece(fake.random, "RGB", 3);
    f.NouvellePartie();
    queuePiece(fake.random, "YMK", 5);
    f.Tombe();
    QCOMPARE(column(f, 3), QStringLiteral("R................."));
    for (int tick = 1; tick <= 17; ++tick) {
        QVERIFY(!f.EnBas);
        f.Tombe();
        QCOMPARE(f.YPos, 1 + tick);
        // The white cell above the piece erased its trail.
        QCOMPARE(column(f, 3).count(QLatin1Char('.')), kLignes - qMin(3, f.YPos));
    }
    QCOMPARE(stateText(f), QStringLiteral("3,18 bas RGB"));
    QCOMPARE(view.stops, 0);
    f.Tombe();
    QCOMPARE(view.stops, 1);
    QCOMPARE(view.starts, 1);
    QCOMPARE(column(f, 3), QStringLiteral("...............BGR"));
    QCOMPARE(stateText(f), QStringLiteral("5,1 YMK"));
    QCOMPARE(column(f, 5), QStringLiteral("Y................."));
    QCOMPARE(f.NbBlocs, 2);
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
    queuePiece(fake.random, "MMM", 2);
    f.NouvellePartie();
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

QTEST_GUILESS_MAIN(GameFieldTest)
#include "gamefield_test.moc"
