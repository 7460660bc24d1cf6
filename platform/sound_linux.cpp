// Sounds on Linux: Qt Multimedia, in the module montivant_sound beside the
// executable (soundmodule.cpp), loaded at the first sound.
#include "system.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace platform::system {
namespace {

class SoundEffects final : public Sound {
public:
    void play(const QString& path) override
    {
        using Player = void (*)(const QString&);
        if (!m_tried) {
            m_tried = true;
            QLibrary module(platform::joinPath(QCoreApplication::applicationDirPath(),
                                               QStringLiteral("montivant_sound")));
            m_player = module.resolve("montivant_play_sound");
        }
        // A missing file, or no sound module, gives the desktop's short beep.
        if (!m_player || !QFileInfo::exists(path)) {
            QApplication::beep();
            return;
        }
        reinterpret_cast<Player>(m_player)(path);
    }

private:
    bool m_tried = false;
    QFunctionPointer m_player = nullptr;
};

} // namespace

Sound& sound()
{
    static SoundEffects effects;
    return effects;
}

} // namespace platform::system
