// The settings store on Windows: the user's registry hive, one key per
// executable name, HKEY_CURRENT_USER\Software\montivant\<name>\<section>, each
// setting a text value named as its key. Written through Qt's registry
// settings, which write each value at once.
#include "system.h"

#include <QSettings>

namespace platform::system {
namespace {

const char kOrganisation[] = "montivant";

class RegistrySettings final : public SettingsMedium {
public:
    std::optional<QString> read(const QString& app, const QString& section,
                                const QString& key) override
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, app);
        store.beginGroup(section);
        if (!store.contains(key) || store.status() != QSettings::NoError)
            return std::nullopt;
        // A number entered by hand as a DWORD reads back as its decimal text.
        return store.value(key).toString();
    }

    bool write(const QString& app, const QString& section, const QString& key,
               const QString& value) override
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, app);
        store.beginGroup(section);
        store.setValue(key, value);
        store.endGroup();
        store.sync();
        return store.status() == QSettings::NoError;
    }
};

} // namespace

SettingsMedium& settings()
{
    static RegistrySettings medium;
    return medium;
}

} // namespace platform::system
