// What the two harnesses share: the first paint watch, CPU clocks, and the
// idle measurement taken from a thread of its own so that the measured
// thread is woken by nothing of the harness.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace bench {

qint64 monotonicNs();     // CLOCK_MONOTONIC, comparable across processes
qint64 threadCpuNs();     // CPU time of the calling thread
qint64 processCpuNs();    // CPU time of the whole process

void say(const QString& line);

// Calls then() once, when the first paint of any window has been done and
// control is back in the event loop (so the frame has been flushed).
class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_then;
    bool m_seen = false;
};

// Over `seconds`, from a helper thread: the CPU time of the process and of
// its main thread, and how often the main thread and the whole process were
// put on a CPU. Then calls report(text) on the main thread.
void measureIdle(int seconds, std::function<void(const QString&)> report);

// The median of the values.
double median(std::vector<double> values);

} // namespace bench
