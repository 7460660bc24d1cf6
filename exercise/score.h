// The exercise's reading rule for numbers, the same doubles on every machine,
// its score state and its mark.
#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Turns a label's text into a number: blanks (spaces, tabs, line feeds) are
// ignored wherever they stand, then an optional sign and digits with at most
// one "." are read up to the first character that cannot continue the number.
// A comma therefore ends the number; a text with no leading number reads as 0.
double CaptionValue(const QString& text);

// The value rounded to a 64-bit double. Debian's i386 computes on the x87 unit,
// whose registers keep more bits: without the store a sum or product could
// stay more precise than the same value on amd64 or arm64, and a comparison or
// a floor give another answer there. (A program that links it also has the
// unit round each operation to a double's 53 bits; see score.cpp.)
double roundedToDouble(double value);

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
