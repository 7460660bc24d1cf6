// bench_montivant MODE: the program started as its entry starts it (real
// platform, Module1::Main, the event loop), measured from inside.
//   startup    prints paint_ns at its first painted frame, ends 1 s later
//   idle-main  ten idle seconds in the main window (tips off)
//   idle-game  ten idle seconds in the game window before a game
//   game5      ten seconds of a game at speed 5, nobody playing
//   micro      CPU time of one tick, one ChercheSol scan, one main window resize
//   flash      CPU and wall time of one line found (its search, flash and fall)
//              in the game window, with the flash's waits sleeping as the
//              program does and spinning as it did before; the length of
//              each wait by the millisecond counter
#include "common.h"

#include "app/application.h"
#include "app/module1.h"
#include "exercise/form1.h"
#include "game/frmcolonnes.h"
#include "game/gamefield.h"
#include "platform/platform.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace bench;

namespace {

[[noreturn]] void end()
{
    std::fflush(stdout);
    std::_Exit(0);
}

void reportAndEnd(const QString& text)
{
    say(text);
    end();
}

// A view that draws nothing: the scan alone.
class NullView final : public colonnes::FieldView {
public:
    void fillRect(const QRect&, colonnes::Couleur) override {}
    void repaintNow() override {}
    void setCaption(colonnes::Caption, int, const QString&) override {}
    bool timerHasInterval() override { return true; }
    void stopTimer() override {}
    void startTimer() override {}
};

// A full well in which no three neighbours in a row, a column or a diagonal
// share a colour, so that ChercheSol scans it once and finds nothing.
void fillWithoutLines(colonnes::GameField& field)
{
    using namespace colonnes;
    const Couleur colours[] = {kRouge, kVert, kBleu, kJaune, kMagenta};
    auto at = [&](int c, int r) -> Couleur {
        if (c < 1 || c > kColonnes || r < 1 || r > kLignes)
            return kBlanc;
        return field.Grille[c][r];
    };
    for (int c = 1; c <= kColonnes; ++c) {
        for (int r = 1; r <= kLignes; ++r) {
            for (Couleur k : colours) {
                bool line = false;
                for (auto [dc, dr] : {std::pair{-1, 0}, {0, -1}, {-1, -1}, {-1, 1}})
                    if (at(c + dc, r + dr) == k && at(c + 2 * dc, r + 2 * dr) == k)
                        line = true;
                if (!line) {
                    field.Grille[c][r] = k;
                    break;
                }
            }
        }
    }
}

double scanMicros()
{
    NullView view;
    colonnes::GameField field(view);
    fillWithoutLines(field);
    std::vector<double> perCall;
    for (int batch = 0; batch < 50; ++batch) {
        const qint64 t0 = threadCpuNs();
        for (int i = 0; i < 1000; ++i)
            field.ChercheSol();
        perCall.push_back((threadCpuNs() - t0) / 1000.0 / 1000.0);
    }
    if (field.ScoreCourant != 0)
        say(QStringLiteral("warning: the well used for the scan has lines"));
    return median(perCall);
}

double resizeMicros(QWidget* window)
{
    const QSize base = window->size();
    std::vector<double> samples;
    for (int i = 0; i < 200; ++i) {
        const QSize target = i % 2 ? base + QSize(64, 48) : base;
        const qint64 t0 = threadCpuNs();
        window->resize(target);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        samples.push_back((threadCpuNs() - t0) / 1000.0);
    }
    return median(samples);
}

// Ticks of falling pieces, each with the paint it causes; a landing starts a
// new game instead, so that no tick runs the search.
double tickMicros(frmColonnes* game)
{
    std::vector<double> samples;
    game->mnuSpeed_Click(5);
    game->mnuNouveau_Click();
    game->tmrCase->stop();
    while (samples.size() < 1000) {
        colonnes::GameField& field = game->field();
        if (field.EnBas || field.Perdu) {
            game->mnuNouveau_Click();
            game->tmrCase->stop();
            continue;
        }
        const qint64 t0 = threadCpuNs();
        game->tmrCase_Timer();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        samples.push_back((threadCpuNs() - t0) / 1000.0);
    }
    return median(samples);
}

// The real counter, whose sleeps spin on the counter instead: the flash's waits
// as they were before they slept, to measure both in one run.
class SpinningClock final : public platform::Clock {
public:
    explicit SpinningClock(platform::Clock& real) : m_real(real) {}
    qint64 milliseconds() override { return m_real.milliseconds(); }
    void sleep(qint64 ms) override
    {
        const qint64 end = m_real.milliseconds() + ms;
        while (m_real.milliseconds() < end) {
        }
    }

private:
    platform::Clock& m_real;
};

struct LineCost {
    double cpuMs;
    double wallMs;
};

// One vertical line of three in column 1 of a fresh well, found, flashed and
// removed by ChercheSol in the game window, as many times as asked: the median
// CPU (UI thread) and wall time per line found.
LineCost lineCost(frmColonnes* game, int times)
{
    using namespace colonnes;
    std::vector<double> cpu, wall;
    for (int i = 0; i < times; ++i) {
        game->mnuNouveau_Click();
        game->tmrCase->stop();
        GameField& field = game->field();
        for (int r = kLignes - 2; r <= kLignes; ++r) {
            field.Grille[1][r] = kRouge;
            field.drawCell(1, r, kRouge);
        }
        QCoreApplication::processEvents();
        const qint32 before = field.ScoreCourant;
        const qint64 c0 = threadCpuNs();
        const qint64 w0 = monotonicNs();
        field.ChercheSol();
        const qint64 c1 = threadCpuNs();
        const qint64 w1 = monotonicNs();
        const int lines = field.ScoreCourant - before;
        if (lines != 1)
            say(QStringLiteral("warning: %1 lines found instead of 1").arg(lines));
        cpu.push_back((c1 - c0) / 1e6 / std::max(lines, 1));
        wall.push_back((w1 - w0) / 1e6 / std::max(lines, 1));
    }
    game->tmrCase->stop();
    return {median(cpu), median(wall)};
}

// The flash's wait alone, many times: its length by the counter (the first
// reading before the call to the first after it), its wall time and its CPU.
QString waitLengths(int times)
{
    NullView view;
    colonnes::GameField field(view);
    platform::Clock& clock = platform::clock();
    std::vector<double> counter, wall, cpu;
    for (int i = 0; i < times; ++i) {
        const qint64 t0 = clock.milliseconds();
        const qint64 w0 = monotonicNs();
        const qint64 c0 = threadCpuNs();
        field.Attendre();
        cpu.push_back((threadCpuNs() - c0) / 1e3);
        wall.push_back((monotonicNs() - w0) / 1e6);
        counter.push_back(double(clock.milliseconds() - t0));
    }
    return QStringLiteral("wait_counter_min_ms %1 wait_counter_max_ms %2 wait_wall_median_ms %3 "
                          "wait_wall_max_ms %4 wait_cpu_median_us %5")
        .arg(*std::min_element(counter.begin(), counter.end()))
        .arg(*std::max_element(counter.begin(), counter.end()))
        .arg(median(wall), 0, 'f', 2)
        .arg(*std::max_element(wall.begin(), wall.end()), 0, 'f', 2)
        .arg(median(cpu), 0, 'f', 1);
}

} // namespace

int main(int argc, char** argv)
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    QApplication app(argc, argv);
    // Qt prepared as the program prepares it (its style, fonts and texts).
    application::prepare();

    FirstPaint firstPaint([&] {
        if (mode == QLatin1String("startup")) {
            say(QStringLiteral("paint_ns %1").arg(monotonicNs()));
            QTimer::singleShot(1000, [] { end(); });
        } else if (mode == QLatin1String("idle-main")) {
            QTimer::singleShot(1000, [] { measureIdle(10, reportAndEnd); });
        } else if (mode == QLatin1String("idle-game") || mode == QLatin1String("game5")) {
            QTimer::singleShot(500, [mode] {
                Form1::instance()->OpenRewardGame();
                QTimer::singleShot(1000, [mode] {
                    frmColonnes* game = frmColonnes::instance();
                    if (mode == QLatin1String("game5")) {
                        game->mnuSpeed_Click(5);
                        game->mnuNouveau_Click();
                    }
                    measureIdle(10, [](const QString& text) {
                        frmColonnes* g = frmColonnes::instance();
                        const bool running = g && !g->field().Perdu && g->tmrCaseInterval() > 0;
                        // Each line found costs its flash, 16 busy waits of
                        // about 21 ms: the score tells how many there were.
                        reportAndEnd(text + QStringLiteral(" game_running %1 pieces %2 lines %3")
                                                .arg(running ? 1 : 0)
                                                .arg(g ? g->field().NbBlocs : -1)
                                                .arg(g ? g->field().ScoreCourant : -1));
                    });
                });
            });
        } else if (mode == QLatin1String("flash")) {
            QTimer::singleShot(500, [] {
                Form1::instance()->OpenRewardGame();
                QTimer::singleShot(500, [] {
                    frmColonnes* game = frmColonnes::instance();
                    const QString waits = waitLengths(200);
                    const LineCost sleeping = lineCost(game, 15);
                    SpinningClock spinning(platform::clock());
                    platform::Clock& real = platform::clock();
                    platform::Services s;
                    s.clock = &spinning;
                    platform::install(s);
                    const LineCost spin = lineCost(game, 15);
                    s.clock = &real;
                    platform::install(s);
                    reportAndEnd(QStringLiteral("line_cpu_ms %1 line_wall_ms %2 line_cpu_spin_ms %3 "
                                                "line_wall_spin_ms %4 ")
                                     .arg(sleeping.cpuMs, 0, 'f', 2)
                                     .arg(sleeping.wallMs, 0, 'f', 1)
                                     .arg(spin.cpuMs, 0, 'f', 2)
                                     .arg(spin.wallMs, 0, 'f', 1)
                                 + waits);
                });
            });
        } else if (mode == QLatin1String("micro")) {
            QTimer::singleShot(500, [] {
                const double resize = resizeMicros(Form1::instance());
                Form1::instance()->OpenRewardGame();
                QCoreApplication::processEvents();
                const double tick = tickMicros(frmColonnes::instance());
                const double scan = scanMicros();
                reportAndEnd(QStringLiteral("resize_us %1 tick_us %2 scan_us %3")
                                 .arg(resize, 0, 'f', 1)
                                 .arg(tick, 0, 'f', 1)
                                 .arg(scan, 0, 'f', 2));
            });
        }
    });
    app.installEventFilter(&firstPaint);

    platform::installReal();
    Module1::Main();
    return QApplication::exec();
}
