// Sounds on Windows: the system's own WAV player (winmm), asynchronous; a new
// sound stops the one still playing.
#include "sound_windows.h"
#include "system.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <mmsystem.h>

namespace platform::system {

WavePlayer wavePlayer = [](const wchar_t* file, unsigned flags) {
    return ::PlaySoundW(file, nullptr, flags) != FALSE;
};

namespace {

class WaveSound final : public Sound {
public:
    void play(const QString& path) override
    {
        // A missing file gives the desktop's short beep, as on the other systems.
        if (!QFileInfo::exists(path)) {
            QApplication::beep();
            return;
        }
        const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
        // Returns at once; without SND_NODEFAULT a file that cannot be played
        // would give the system's default sound instead.
        wavePlayer(file.c_str(), SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
};

} // namespace

Sound& sound()
{
    static WaveSound wave;
    return wave;
}

} // namespace platform::system
