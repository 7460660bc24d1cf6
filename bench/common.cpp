#include "common.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace bench {
namespace {
qint64 clockNs(clockid_t id)
{
    timespec ts{};
    clock_gettime(id, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct TaskStats {
    qint64 runNs = 0;   // time on a CPU
    qint64 slices = 0;  // times put on a CPU
};

TaskStats taskStats(const QString& tid)
{
    QFile f(QStringLiteral("/proc/self/task/%1/schedstat").arg(tid));
    TaskStats s;
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> parts = f.readAll().simplified().split(' ');
        if (parts.size() >= 3) {
            s.runNs = parts[0].toLongLong();
            s.slices = parts[2].toLongLong();
        }
    }
    return s;
}

// Every thread but the measuring one.
TaskStats allTasks(const QString& except)
{
    TaskStats total;
    for (const QString& tid : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (tid == except)
            continue;
        const TaskStats s = taskStats(tid);
        total.runNs += s.runNs;
        total.slices += s.slices;
    }
    return total;
}
} // namespace

qint64 monotonicNs() { return clockNs(CLOCK_MONOTONIC); }
qint64 threadCpuNs() { return clockNs(CLOCK_THREAD_CPUTIME_ID); }
qint64 processCpuNs() { return clockNs(CLOCK_PROCESS_CPUTIME_ID); }

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

FirstPaint::FirstPaint(std::function<void()> then) : m_then(std::move(then)) {}

bool FirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
        m_seen = true;
        QTimer::singleShot(0, [this] { m_then(); });
    }
    return false;
}

void measureIdle(int seconds, std::function<void(const QString&)> report)
{
    const QString mainTid = QString::number(gettid());
    std::thread([=] {
        const QString self = QString::number(gettid());
        const TaskStats main0 = taskStats(mainTid);
        const TaskStats all0 = allTasks(self);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        const TaskStats main1 = taskStats(mainTid);
        const TaskStats all1 = allTasks(self);
        const QString text = QStringLiteral("idle_cpu_ms %1 main_cpu_ms %2 main_wakeups %3 all_wakeups %4")
                                 .arg((all1.runNs - all0.runNs) / 1e6, 0, 'f', 2)
                                 .arg((main1.runNs - main0.runNs) / 1e6, 0, 'f', 2)
                                 .arg(main1.slices - main0.slices)
                                 .arg(all1.slices - all0.slices);
        QMetaObject::invokeMethod(qApp, [=] { report(text); }, Qt::QueuedConnection);
    }).detach();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace bench
