// The settings store on Linux: an INI file per executable name in the user's
// configuration folder ($XDG_CONFIG_HOME/montivant/<name>.ini).
#include "system.h"

#include <QSettings>
#include <QStringList>

namespace platform::system {
namespace {

// The organisation folder of the INI files; the file itself is named after the
// running executable, so a renamed copy keeps its own values.
const char kOrganisation[] = "montivant";

class IniSettings final : public SettingsMedium {
public:
    std::optional<QString> read(const QString& app, const QString& section,
                                const QString& key) override
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, kOrganisation, app);
        store.beginGroup(section);
        const bool present = store.contains(key);
        if (store.status() != QSettings::NoError || !present)
            return std::nullopt;
        const QVariant value = store.value(key);
        if (store.status() != QSettings::NoError)
            return std::nullopt;
        // A hand-edited value with a comma comes back as a list of texts.
        if (value.typeId() == QMetaType::QStringList)
            return value.toStringList().join(QLatin1String(", "));
        return value.toString();
    }

    bool write(const QString& app, const QString& section, const QString& key,
               const QString& value) override
    {
        QSettings store(QSettings::IniFormat, QSettings::UserScope, kOrganisation, app);
        // The file is parsed at the first access: a store that cannot be read is
        // never overwritten, so a damaged file stays for the user to look at.
        store.contains(QStringLiteral("-"));
        if (store.status() != QSettings::NoError)
            return false;
        store.beginGroup(section);
        store.setValue(key, value);
        store.endGroup();
        store.sync(); // atomic: temporary file, flush, rename
        return store.status() == QSettings::NoError;
    }
};

} // namespace

SettingsMedium& settings()
{
    static IniSettings medium;
    return medium;
}

} // namespace platform::system
