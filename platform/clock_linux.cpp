// The millisecond counter on Linux: the monotonic clock, through Qt.
#include "system.h"

#include <QElapsedTimer>

#include <chrono>
#include <thread>

namespace platform::system {
namespace {

class MonotonicClock final : public Clock {
public:
    MonotonicClock() { m_timer.start(); }
    qint64 milliseconds() override { return m_timer.elapsed(); }
    void sleep(qint64 ms) override
    {
        if (ms > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }

private:
    QElapsedTimer m_timer;
};

} // namespace

Clock& clock()
{
    static MonotonicClock monotonic;
    return monotonic;
}

} // namespace platform::system
