#include "settings.h"

#include "platform/platform.h"

#include <limits>

namespace settings {
namespace {
QString appName() { return platform::environment().executableBaseName(); }
} // namespace

QString GetSetting(const QString& section, const QString& key, const QString& defaultText)
{
    return platform::settings().read(appName(), section, key).value_or(defaultText);
}

QString GetSetting(const QString& section, const QString& key, qint32 defaultValue)
{
    return GetSetting(section, key, QString::number(defaultValue));
}

void SaveSetting(const QString& section, const QString& key, const QString& text)
{
    platform::settings().write(appName(), section, key, text);
}

std::optional<qint32> toInt32(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= t.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > qint64(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

qint32 GetIntSetting(const QString& section, const QString& key, qint32 defaultValue)
{
    return toInt32(GetSetting(section, key, defaultValue)).value_or(defaultValue);
}

} // namespace settings
