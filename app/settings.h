// The per-user settings store: GetSetting and SaveSetting, under the running
// executable's base name, over the platform's settings medium.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace settings {

// The stored text of the key, or the default when it is absent or unreadable.
QString GetSetting(const QString& section, const QString& key, const QString& defaultText);
QString GetSetting(const QString& section, const QString& key, qint32 defaultValue);
// Stores the text at once; a store that refuses it is ignored.
void SaveSetting(const QString& section, const QString& key, const QString& text);

// A setting read as a 32-bit signed integer: decimal digits with an optional
// sign, blanks around allowed. Any other text ("oui", "1.5", "3000000000")
// gives the default, so that a damaged value cannot stop the program.
qint32 GetIntSetting(const QString& section, const QString& key, qint32 defaultValue);
// The strict reading itself; nothing when the text is not such an integer.
std::optional<qint32> toInt32(const QString& text);

// Section and key names, spelled as they are stored.
inline const QString kOptions = QStringLiteral("Options");
inline const QString kShowTips = QStringLiteral("Show Tips at Startup");
inline const QString kBestScore = QStringLiteral("Meilleur Score");
inline const QString kName = QStringLiteral("Nom");
inline const QString kScore = QStringLiteral("Score");

} // namespace settings
