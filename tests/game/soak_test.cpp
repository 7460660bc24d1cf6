// Whole games of random keys and ticks, checking after every step what must
// always hold: the border untouched, the settled squares of each column
// contiguous from row 18, the counters adding up, and no line left after a
// piece has been settled.
#include "fakes/fakeplatform.h"
#include "game/gamefield.h"
#include "recordingview.h"
#include "wellhelpers.h"

#include <QtTest>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

using namespace colonnes;

namespace {

bool isPieceColour(Couleur c)
{
    return std::find(kCouleurs.begin() + 1, kCouleurs.end(), c) != kCouleurs.end();
}

bool isPieceCell(const GameField& f, int c, int r)
{
    return c == f.XPos && r >= 1 && r <= f.YPos && r >= f.YPos - 2;
}

// Lines of three outside the falling piece, found by walking every run of
// equal squares along the four axes (independently of the game's anchors).
int linesOutsidePiece(const GameField& f)
{
    auto at = [&](int c, int r) -> Couleur {
        if (c < 1 || c > kColonnes || r < 1 || r > kLignes || isPieceCell(f, c, r))
            return kBlanc;
        return f.Grille[c][r];
    };
    int lines = 0;
    const int axes[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (int c = 1; c <= kColonnes; ++c)
        for (int r = 1; r <= kLignes; ++r)
            for (const auto& a : axes) {
                const Couleur v = at(c, r);
                if (v != kBlanc && at(c + a[0], r + a[1]) == v && at(c + 2 * a[0], r + 2 * a[1]) == v)
                    ++lines;
            }
    return lines;
}

QString checkInvariants(const GameField& f)
{
    if (!wellhelpers::borderUntouched(f))
        return QStringLiteral("border written");
    if (f.XPos < 1 || f.XPos > kColonnes)
        return QStringLiteral("XPos %1").arg(f.XPos);
    if (f.YPos < 0 || f.YPos > kLignes)
        return QStringLiteral("YPos %1").arg(f.YPos);
    int occupied = 0;
    for (int c = 1; c <= kColonnes; ++c) {
        bool emptySeen = false;
        for (int r = kLignes; r >= 1; --r) {
            const Couleur v = f.Grille[c][r];
            if (v != kBlanc && !isPieceColour(v))
                return QStringLiteral("cell %1,%2 holds %3").arg(c).arg(r).arg(v, 0, 16);
            if (isPieceCell(f, c, r))
                continue;
            if (v == kBlanc) {
                emptySeen = true;
            } else {
                ++occupied;
                if (emptySeen)
                    return QStringLiteral("column %1 has a gap below row %2").arg(c).arg(r);
            }
        }
    }
    const int sum = std::accumulate(f.StatCouleur.begin() + 1, f.StatCouleur.end(), 0);
    if (sum != 3 * f.NbBlocs)
        return QStringLiteral("counters %1 for %2 pieces").arg(sum).arg(f.NbBlocs);
    // Every square in the well or removed came from a piece.
    if (occupied + f.NbCarres > 3 * f.NbBlocs)
        return QStringLiteral("%1 squares in the well and %2 removed from %3 pieces")
            .arg(occupied).arg(f.NbCarres).arg(f.NbBlocs);
    // Three squares go for each line at least, at most three for each.
    if (f.NbCarres < 3 * (f.ScoreCourant > 0) || f.NbCarres > 3 * f.ScoreCourant)
        return QStringLiteral("%1 squares removed for %2 lines").arg(f.NbCarres).arg(f.ScoreCourant);
    return QString();
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomGames_data();
    void randomGames();
};

void SoakTest::randomGames_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("colours"); // how many of the six colours the pieces use
    QTest::newRow("seed 1, six colours") << 1u << 6;
    QTest::newRow("seed 2, six colours") << 2u << 6;
    QTest::newRow("seed 3, three colours (many lines)") << 3u << 3;
    QTest::newRow("seed 4, two colours (chains)") << 4u << 2;
}

void SoakTest::randomGames()
{
    QFETCH(quint32, seed);
    QFETCH(int, colours);
    fake::Platform fake;
    fake.clock.step = 11; // the flashes' waits end after a few readings
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Each piece takes four draws: its three colours, drawn among the first
    // `colours` ones, then its start column, drawn among all five.
    for (int piece = 0; piece < 1250; ++piece) {
        for (int i = 0; i < 3; ++i)
            fake.random.cycle.push_back(unit(gen) * colours / 6.0);
        fake.random.cycle.push_back(unit(gen));
    }

    RecordingView view;
    view.recordFills = false;
    GameField f(view);
    f.MeilleurScore = 1000000;
    f.NouvellePartie();

    const int kSteps = 20000;
    const int keys[] = {37, 38, 39, 40, 32, 37, 39, 38, 65};
    int games = 1;
    int settled = 0;
    int maxScore = 0;
    std::set<int> startColumns;
    std::set<Couleur> pieceColours;
    qint32 pieces = -1;
    // A piece is made by a tick (or a new game): where it starts and its colours.
    auto notePiece = [&] {
        if (f.NbBlocs == pieces)
            return;
        pieces = f.NbBlocs;
        startColumns.insert(f.XPos);
        for (int i = 1; i <= 3; ++i)
            pieceColours.insert(f.Bloc[i]);
    };
    notePiece();
    for (int step = 0; step < kSteps; ++step) {
        const int action = int(gen() % 100);
        QString what;
        if (action < 45) {
            const int key = keys[gen() % std::size(keys)];
            what = QStringLiteral("key %1").arg(key);
            f.KeyDown(key);
        } else if (action == 45 && gen() % 20 == 0) {
            what = QStringLiteral("Q");
            f.KeyDown(81);
        } else {
            what = QStringLiteral("tick");
            if (f.Perdu) {
                // The end of a game: the next one starts at once.
                maxScore = qMax(maxScore, f.ScoreCourant);
                f.NouvellePartie();
                ++games;
                pieces = -1;
                notePiece();
            } else {
                const int searchesBefore = view.stops;
                const qint32 scoreBefore = f.ScoreCourant;
                f.Tombe();
                notePiece();
                if (view.stops != searchesBefore) {
                    ++settled;
                    QVERIFY2(view.running, "timer restarted after the search");
                    QVERIFY(f.ScoreCourant >= scoreBefore);
                    if (!f.Perdu)
                        QVERIFY2(linesOutsidePiece(f) == 0,
                                 qPrintable(QStringLiteral("step %1: a line left").arg(step)));
                }
            }
        }
        const QString broken = checkInvariants(f);
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("step %1 (%2): %3").arg(step).arg(what, broken)));
    }
    // The run went through games, settled pieces and lines, not a stuck state.
    QVERIFY(games >= 5);
    QVERIFY(settled >= 200);
    maxScore = qMax(maxScore, f.ScoreCourant);
    QVERIFY(maxScore > 0);
    // Pieces started in each of the five start columns, in the colours asked.
    QCOMPARE(startColumns, (std::set<int>{1, 2, 3, 4, 5}));
    QCOMPARE(pieceColours, std::set<Couleur>(kCouleurs.begin() + 1, kCouleurs.begin() + 1 + colours));
    qInfo("%d games, %d pieces settled, best score %d", games, settled, maxScore);
}

QTEST_GUILESS_MAIN(SoakTest)
#include "soak_test.moc"
