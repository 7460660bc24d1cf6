// The sound player, in a module of its own that the program loads at its first
// sound: Qt Multimedia and the sound server's libraries it brings along then
// cost nothing at start-up, and a machine without them still runs the program.
#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QString>
#include <QTimer>
#include <QUrl>

namespace {

const char kPulseProperties[] = "PULSE_PROP_OVERRIDE";

// Qt Multimedia names its sound-server clients "QtPulseAudio:<pid>" (or after
// the executable), so the desktop's volume mixer would list the program's
// sounds under that name. The PulseAudio client library (also the one that
// talks to PipeWire) takes the properties in PULSE_PROP_OVERRIDE over the name
// Qt gives, at each connection. Qt makes them from the first effect's
// construction (Qt 6.8 connects there, 6.4 at the first play) until the first
// sound has been loaded and starts, so the variable is set before the first
// effect is made. The name and icon are those of the desktop entry. The
// variable is put back as it was once the first sound has started, so that
// programs started later (the browser, the system information tool) do not
// take the name. A user's own PULSE_PROP_OVERRIDE wins.
bool nameTheConnections()
{
    if (qEnvironmentVariableIsSet(kPulseProperties))
        return false;
    qputenv(kPulseProperties, QByteArrayLiteral("application.name='Montivant' "
                                                "application.icon_name='montivant' "
                                                "application.id='fr.montivant.montivant'"));
    return true;
}

// The stream's connection is made while the status turns Ready and the effect
// starts; the variable goes once that has returned.
void unnameOnceLoaded(QSoundEffect* first)
{
    QObject::connect(first, &QSoundEffect::statusChanged, first, [first] {
        if (first->status() == QSoundEffect::Ready || first->status() == QSoundEffect::Error) {
            QObject::disconnect(first, &QSoundEffect::statusChanged, first, nullptr);
            QTimer::singleShot(0, [] { qunsetenv(kPulseProperties); });
        }
    });
}

} // namespace

extern "C" Q_DECL_EXPORT void montivant_play_sound(const QString& path)
{
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        const bool named = effects.size() == 1 && nameTheConnections();
        effect = new QSoundEffect(QCoreApplication::instance());
        if (named)
            unnameOnceLoaded(effect);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    // Asynchronous: returns at once; a sound still loading plays once loaded.
    // Its end is never waited for (without an audio device it never comes).
    effect->stop();
    effect->play();
}
