// One copy per user on Linux: a lock file in a folder that only the user can
// write (lockfolder.h).
#include "lockfolder.h"
#include "system.h"

#include <QLockFile>

#include <memory>

namespace platform::system {
namespace {

class LockFileSingleCopy final : public SingleCopy {
public:
    bool anotherCopyRunning() override
    {
        if (!m_decided) {
            m_decided = true;
            // A folder that only this user can write: a lock in a shared folder
            // could be planted by another account and stop every start. When
            // there is none, the program runs without the test rather than not
            // at all.
            const QString folder = userLockFolder();
            if (!folder.isEmpty()) {
                m_lock = std::make_unique<QLockFile>(folder + QLatin1String("/montivant.lock"));
                // A lock left by a crashed or killed copy is recognised as stale
                // (its process is gone) and taken over at once.
                const bool locked = m_lock->tryLock(0);
                m_another = !locked && m_lock->error() == QLockFile::LockFailedError;
            }
        }
        return m_another;
    }

private:
    bool m_decided = false;
    bool m_another = false;
    std::unique_ptr<QLockFile> m_lock; // held for the whole run
};

} // namespace

SingleCopy& singleCopy()
{
    static LockFileSingleCopy single;
    return single;
}

} // namespace platform::system
