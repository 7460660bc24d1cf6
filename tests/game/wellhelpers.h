// Helpers of the game tests: wells written as text, one string per row, the
// bottom row (18) last; "." is an empty cell, R K G B Y M the six colours.
#pragma once

#include "fakes/fakeplatform.h"
#include "game/gamefield.h"

#include <QString>
#include <QStringList>

namespace wellhelpers {

using colonnes::Couleur;

inline Couleur colourOf(QChar ch)
{
    switch (ch.toLatin1()) {
    case 'R': return colonnes::kRouge;
    case 'K': return colonnes::kNoir;
    case 'G': return colonnes::kVert;
    case 'B': return colonnes::kBleu;
    case 'Y': return colonnes::kJaune;
    case 'M': return colonnes::kMagenta;
    case 'C': return colonnes::kCyan;
    default: return colonnes::kBlanc;
    }
}

inline QChar letterOf(Couleur c)
{
    switch (c) {
    case colonnes::kRouge: return QLatin1Char('R');
    case colonnes::kNoir: return QLatin1Char('K');
    case colonnes::kVert: return QLatin1Char('G');
    case colonnes::kBleu: return QLatin1Char('B');
    case colonnes::kJaune: return QLatin1Char('Y');
    case colonnes::kMagenta: return QLatin1Char('M');
    case colonnes::kBlanc: return QLatin1Char('.');
    case colonnes::kCyan: return QLatin1Char('C');
    default: return QLatin1Char('?');
    }
}

// Empties the well, then writes the rows given, the last one on row 18.
inline void setWell(colonnes::GameField& f, const QStringList& rows)
{
    for (int c = 1; c <= colonnes::kColonnes; ++c)
        for (int r = 1; r <= colonnes::kLignes; ++r)
            f.Grille[c][r] = colonnes::kBlanc;
    const int top = colonnes::kLignes - int(rows.size()) + 1;
    for (int i = 0; i < rows.size(); ++i)
        for (int c = 1; c <= colonnes::kColonnes && c <= rows[i].size(); ++c)
            f.Grille[c][top + i] = colourOf(rows[i][c - 1]);
}

// The lowest n rows of the well as text.
inline QStringList wellRows(const colonnes::GameField& f, int n)
{
    QStringList rows;
    for (int r = colonnes::kLignes - n + 1; r <= colonnes::kLignes; ++r) {
        QString row;
        for (int c = 1; c <= colonnes::kColonnes; ++c)
            row += letterOf(f.Grille[c][r]);
        rows.append(row);
    }
    return rows;
}

// The random draw that gives choice k of n (k from 1).
inline double drawFor(int k, int n) { return (k - 1 + 0.5) / n; }

inline int colourNumber(QChar ch) { return QStringLiteral("RKGBYM").indexOf(ch) + 1; }

// Queues the draws of one piece: its colours bottom, middle, top (as letters)
// and its start column.
inline void queuePiece(fake::Random& random, const char* colours, int column)
{
    for (int i = 0; i < 3; ++i)
        random.queued.push_back(drawFor(colourNumber(QLatin1Char(colours[i])), 6));
    random.queued.push_back(drawFor(column, 5));
}

inline QString pieceText(const colonnes::GameField& f)
{
    return QString(letterOf(f.Bloc[1])) + letterOf(f.Bloc[2]) + letterOf(f.Bloc[3]);
}

} // namespace wellhelpers
