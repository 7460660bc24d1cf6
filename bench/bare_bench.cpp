// bench_bare MODE: a bare Qt Widgets window (a main window with a menu and a
// label), measured the same way as the program.
//   startup  prints paint_ns at its first painted frame, ends 1 s later
//   idle     ten idle seconds
//   timer5   ten seconds of a 100 ms timer that paints one square a tick
//            (what a game tick at speed 5 needs at the least)
//   micro    CPU time of one such tick, one scan of a plain 6 x 18 grid for
//            lines of three, and one resize
#include "common.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <array>
#include <cstdlib>

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

// A widget that keeps its picture and fills one square a tick.
class Square : public QWidget {
public:
    Square(QWidget* parent) : QWidget(parent), m_image(96, 288, QImage::Format_RGB32)
    {
        m_image.fill(Qt::white);
        setFixedSize(m_image.size());
    }
    void tick()
    {
        const QRect old(0, (m_row % 18) * 16, 16, 16);
        ++m_row;
        const QRect now(0, (m_row % 18) * 16, 16, 16);
        QPainter p(&m_image);
        p.fillRect(old, Qt::white);
        p.fillRect(now, Qt::red);
        update(old.united(now));
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        p.drawImage(e->rect(), m_image, e->rect());
    }

private:
    QImage m_image;
    int m_row = 0;
};

double plainScanMicros()
{
    // A plain grid and the same four directions, with no line in it.
    static std::array<std::array<int, 19>, 7> grid{};
    static std::array<std::array<int, 19>, 7> mark{};
    for (int c = 1; c <= 6; ++c)
        for (int r = 1; r <= 18; ++r)
            grid[c][r] = 1 + (c + 2 * r) % 5;
    std::vector<double> perCall;
    int found = 0;
    for (int batch = 0; batch < 50; ++batch) {
        const qint64 t0 = threadCpuNs();
        for (int i = 0; i < 1000; ++i) {
            for (auto& col : mark)
                col.fill(0);
            for (int c = 1; c <= 6; ++c)
                for (int r = 1; r <= 18; ++r)
                    for (auto [dc, dr] : {std::pair{1, 0}, {0, 1}, {1, 1}, {1, -1}}) {
                        const int c2 = c + 2 * dc, r2 = r + 2 * dr;
                        if (c2 < 1 || c2 > 6 || r2 < 1 || r2 > 18)
                            continue;
                        const int v = grid[c][r];
                        if (grid[c + dc][r + dr] == v && grid[c2][r2] == v) {
                            mark[c][r] = mark[c + dc][r + dr] = mark[c2][r2] = 1;
                            ++found;
                        }
                    }
            asm volatile("" ::: "memory");
        }
        perCall.push_back((threadCpuNs() - t0) / 1000.0 / 1000.0);
    }
    if (found)
        say(QStringLiteral("warning: the plain grid has lines"));
    return median(perCall);
}

} // namespace

int main(int argc, char** argv)
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Fenêtre nue"));
    window.menuBar()->addMenu(QStringLiteral("&Fichier"))->addAction(QStringLiteral("&Quitter"));
    auto* central = new QWidget(&window);
    auto* label = new QLabel(QStringLiteral("Bonjour"), central);
    label->move(20, 20);
    auto* square = new Square(central);
    square->move(20, 60);
    window.setCentralWidget(central);
    window.resize(640, 480);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, square, &Square::tick);

    FirstPaint firstPaint([&] {
        if (mode == QLatin1String("startup")) {
            say(QStringLiteral("paint_ns %1").arg(monotonicNs()));
            QTimer::singleShot(1000, [] { end(); });
        } else if (mode == QLatin1String("idle")) {
            QTimer::singleShot(1000, [] { measureIdle(10, reportAndEnd); });
        } else if (mode == QLatin1String("timer5")) {
            QTimer::singleShot(1000, [&] {
                timer.start(100);
                measureIdle(10, reportAndEnd);
            });
        } else if (mode == QLatin1String("micro")) {
            QTimer::singleShot(500, [&] {
                std::vector<double> resizes;
                const QSize base = window.size();
                for (int i = 0; i < 200; ++i) {
                    const qint64 t0 = threadCpuNs();
                    window.resize(i % 2 ? base + QSize(64, 48) : base);
                    QCoreApplication::sendPostedEvents();
                    QCoreApplication::processEvents();
                    resizes.push_back((threadCpuNs() - t0) / 1000.0);
                }
                std::vector<double> ticks;
                for (int i = 0; i < 1000; ++i) {
                    const qint64 t0 = threadCpuNs();
                    square->tick();
                    QCoreApplication::sendPostedEvents();
                    QCoreApplication::processEvents();
                    ticks.push_back((threadCpuNs() - t0) / 1000.0);
                }
                reportAndEnd(QStringLiteral("resize_us %1 tick_us %2 scan_us %3")
                                 .arg(median(resizes), 0, 'f', 1)
                                 .arg(median(ticks), 0, 'f', 1)
                                 .arg(plainScanMicros(), 0, 'f', 2));
            });
        }
    });
    app.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
}
