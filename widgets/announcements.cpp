#include "announcements.h"

#include <QStringList>

namespace announcements {

QString picked(const QString& number) { return QStringLiteral("%1 pris").arg(number); }

QString dropped(const QString& number, int slot)
{
    return QStringLiteral("%1 posé dans la case %2").arg(number).arg(slot + 1);
}

QString drawn() { return QStringLiteral("Huit nouveaux nombres"); }

QString score(const QString& successes, const QString& failures, const QString& mark)
{
    QStringList parts;
    if (!successes.isEmpty())
        parts << QStringLiteral("Réussites : ") + successes;
    if (!failures.isEmpty())
        parts << QStringLiteral("Échecs : ") + failures;
    if (!mark.isEmpty()) {
        QString spoken = mark;
        if (spoken.endsWith(QLatin1String("/10")))
            spoken = spoken.chopped(3) + QStringLiteral(" sur 10");
        parts << QStringLiteral("Note : ") + spoken;
    }
    return parts.join(QStringLiteral(". "));
}

QString success() { return QStringLiteral("Réussi ! Bravo !"); }

QString solution()
{
    return QStringLiteral("Voici la solution, dans la rangée des nombres proposés. "
                          "Elle compte comme un échec.");
}

QString rewardComes()
{
    return QStringLiteral("Dix réussites ! Voici le jeu des colonnes.");
}

QString tileNote(TileUse use)
{
    switch (use) {
    case TileUse::Used: return QStringLiteral(", déjà posé");
    case TileUse::Solution: return QStringLiteral(", solution");
    case TileUse::Fresh: break;
    }
    return QString();
}

QString gameOpened() { return QStringLiteral("Colonnes. Pour commencer : Jeu, Nouveau : F2"); }

QString speedChosen(int speed) { return QStringLiteral("Vitesse : %1").arg(speed); }

QString gameScore(const QString& score, bool best)
{
    return QStringLiteral("Score : %1").arg(score)
           + (best ? QStringLiteral(", meilleur score") : QString());
}

QString gameOver(const QString& score) { return QStringLiteral("Partie terminée, score %1").arg(score); }

} // namespace announcements
