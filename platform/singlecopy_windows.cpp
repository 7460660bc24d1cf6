// One copy per user session on Windows: a named mutex in the session's own
// namespace ("Local\"), held until the process ends; Windows releases it even
// when the copy is killed, so no stale claim can stop a later start.
#include "system.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform::system {
namespace {

class MutexSingleCopy final : public SingleCopy {
public:
    bool anotherCopyRunning() override
    {
        if (!m_decided) {
            m_decided = true;
            m_mutex = ::CreateMutexW(nullptr, FALSE, L"Local\\montivant.single-copy");
            // A mutex that another account made in this session and keeps from
            // us (access denied) is no copy of ours: the program runs without
            // the test rather than not at all.
            m_another = m_mutex && ::GetLastError() == ERROR_ALREADY_EXISTS;
        }
        return m_another;
    }

private:
    bool m_decided = false;
    bool m_another = false;
    HANDLE m_mutex = nullptr; // held for the whole run
};

} // namespace

SingleCopy& singleCopy()
{
    static MutexSingleCopy single;
    return single;
}

} // namespace platform::system
