// The call behind the program's sounds on Windows, in a variable so that a
// test can see what the system is asked (the file's name, the flags).
#pragma once

namespace platform::system {

using WavePlayer = bool (*)(const wchar_t* file, unsigned flags);
// PlaySoundW by default.
extern WavePlayer wavePlayer;

} // namespace platform::system
