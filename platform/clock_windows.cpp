// The millisecond counter on Windows: the system's tick count since it
// started, in its 64-bit form that never wraps around.
#include "system.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform::system {
namespace {

class TickClock final : public Clock {
public:
    qint64 milliseconds() override { return qint64(::GetTickCount64()); }
    void sleep(qint64 ms) override
    {
        if (ms > 0)
            ::Sleep(DWORD(ms));
    }
};

} // namespace

Clock& clock()
{
    static TickClock ticks;
    return ticks;
}

} // namespace platform::system
