// Helpers of the game tests: wells written as text, one string per row, the
// bottom row (18) last; "." is an empty cell, R K G B Y M the six colours.
#pragma once

#include "fakes/fakeplatform.h"
#include "game/gamefield.h"

#include <QString>
#include <QStringList>

#include <utility>

namespace wellhelpers {

using colonnes::Couleur;

// Each letter and its colour; cyan is the flash.
inline constexpr std::pair<char, Couleur> kLetters[] = {
    {'R', colonnes::kRouge}, {'K', colonnes::kNoir},    {'G', colonnes::kVert},
    {'B', colonnes::kBleu},  {'Y', colonnes::kJaune},   {'M', colonnes::kMagenta},
    {'C', colonnes::kCyan},  {'.', colonnes::kBlanc}};

inline Couleur colourOf(QChar ch)
{
    for (const auto& [letter, colour] : kLetters)
        if (ch == QLatin1Char(letter))
            return colour;
    return colonnes::kBlanc;
}

inline QChar letterOf(Couleur c)
{
    for (const auto& [letter, colour] : kLetters)
        if (c == colour)
            return QLatin1Char(letter);
    return QLatin1Char('?');
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

// The lowest n rows of a well as text.
inline QStringList gridRows(const decltype(colonnes::GameField::Grille)& grid, int n)
{
    QStringList rows;
    for (int r = colonnes::kLignes - n + 1; r <= colonnes::kLignes; ++r) {
        QString row;
        for (int c = 1; c <= colonnes::kColonnes; ++c)
            row += letterOf(grid[c][r]);
        rows.append(row);
    }
    return rows;
}

inline QStringList wellRows(const colonnes::GameField& f, int n) { return gridRows(f.Grille, n); }

// Row 0 and column 0 hold the 0 they start with.
inline bool borderUntouched(const colonnes::GameField& f)
{
    for (int c = 0; c <= colonnes::kColonnes; ++c)
        if (f.Grille[c][0] != 0)
            return false;
    for (int r = 0; r <= colonnes::kLignes; ++r)
        if (f.Grille[0][r] != 0)
            return false;
    return true;
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
