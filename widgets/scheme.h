// The program's fixed colours (the board's light yellow, light green, pink and
// light orange, the white tip panel, the dark red, purple and blue texts, the
// game's six colours) on any desktop colour scheme.
//
// The fixed colours were chosen for a light desktop, where they stay exactly
// as they are. Where a fixed colour meets a colour of the desktop and the pair
// falls under 4.5:1, the desktop's side gives way:
//  - a text of the desktop's colour on a fixed background takes the text
//    colour of the light scheme (the slots' numbers, the tip's text);
//  - a fixed text on the desktop's background takes a variant of its own hue,
//    lighter or darker, that is readable there (the order captions and the
//    links on a dark desktop).
// On a dark desktop the disabled texts are raised to 4.5:1 too, and the style
// outlines the round marks (see ProgramStyle).
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace scheme {

// WCAG's contrast ratio of two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b);

// `colour` when it stands at least `minimum` to 1 against `background`;
// otherwise the nearest colour of the same hue and saturation, lighter or
// darker, that does (black or white when none does).
QColor readableOn(const QColor& colour, const QColor& background, double minimum = 4.5);

// Whether the desktop's windows are dark (text lighter than the background).
bool isDark(const QPalette& palette);

// The colour that `widget`'s own background shows, or its nearest filled
// ancestor's, or its window's.
QColor backgroundBehind(const QWidget* widget);

// Makes the texts of `widget` readable on what is behind them, as above.
// ProgramStyle calls it for every widget as it is first polished, after the
// window has set its colours.
void adjust(QWidget* widget);

} // namespace scheme
