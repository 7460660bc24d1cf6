// Who made the program and where to reach them: the texts of the About
// window's credits line, mail label and web label. A packager who ships the
// program under another name changes them here, and only here.
#pragma once

#include <QString>

namespace maker {

inline const QString kCredits =
    QStringLiteral("Programme, dessins, sons et astuces réalisés par l'équipe montivant.");
inline const QString kMail = QStringLiteral("equipe@example.org");
// The web label opens "http://" followed by its text unless the text already
// begins with "http://"; an "https://" address would become
// "http://https://...", so keep a bare host or an "http://" address here.
inline const QString kWeb = QStringLiteral("http://montivant.example.org");

} // namespace maker
