// The sound player, in a module of its own that the program loads at its first
// sound: Qt Multimedia and the sound server's libraries it brings along then
// cost nothing at start-up, and a machine without them still runs the program.
#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void montivant_play_sound(const QString& path)
{
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(path));
    }
    // Asynchronous: returns at once; a sound still loading plays once loaded.
    // Its end is never waited for (without an audio device it never comes).
    effect->stop();
    effect->play();
}
