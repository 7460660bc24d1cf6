// The exercise's reading rule for numbers, its score state and its mark.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Turns a label's text into a number: blanks (spaces, tabs, line feeds) are
// ignored wherever they stand, then an optional sign and digits with at most
// one "." are read up to the first character that cannot continue the number.
// A comma therefore ends the number; a text with no leading number reads as 0.
double CaptionValue(const QString& text);

// The main window's score, kept for the whole run: it outlives the window,
// which is destroyed and created again around the reward game.
struct ScoreState {
    qint16 Successes = 0;
    // Unset until the first failure of the run: shown as empty, counted as 0.
    std::optional<qint32> Failures;
    qint32 Mark = 0;

    qint32 failuresOrZero() const { return Failures.value_or(0); }
    void addFailure() { Failures = failuresOrZero() + 1; }
};

// Successes out of all checks, times ten, rounded half to even; nothing when
// there was no check at all.
std::optional<qint32> markOutOfTen(qint32 successes, qint32 failures);
// The mark with one decimal place and "/10": 8 gives "8.0/10" or "8,0/10".
QString formatMark(qint32 mark, const QString& decimalSeparator);
