// Contrast measured from a window's pixels, as a person sees it: for a text,
// the colour that fills most of the text's place (what is behind it) against
// the colour that stands out most from it (the text's own strokes); for a
// mark, the mark's strongest colour against the control's background.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;

namespace pixelcontrast {

// WCAG's contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b);

// The most frequent colour of `area` in `image` (device pixels).
QColor dominant(const QImage& image, const QRect& area);
// The colour of `area` that stands out most from `behind`, among colours
// that cover at least two pixels (a lone pixel of a neighbour's edge does
// not count).
QColor strongest(const QImage& image, const QRect& area, const QColor& behind);

// What a case measures of a control.
enum class Part { Text, Mark };

struct Case {
    QString window; // object name of the top-level window
    QString control; // object name of the control inside it
    Part part = Part::Text;
    double minimum() const { return part == Part::Text ? 4.5 : 3.0; }
};

// The texts and marks of the four windows, as the tool and the tests check
// them.
QList<Case> windowCases();

struct Measure {
    QColor behind, front;
    double ratio = 0;
    bool found = false;
};
// Measures `c` in `shot`, a picture of `top` at the device pixel ratio of
// `shot`.
Measure measure(const QImage& shot, QWidget* top, const Case& c);

// Opens `window` (Form1, frmTip, frmAbout or frmColonnes) as a child sees it:
// eight numbers drawn and one placed, a score, the tip, a game under way. The
// platform's fakes must be installed.
QWidget* openWindow(const QString& window);

// The palettes the checks run under besides the style's own light one.
QPalette darkPalette(); // as the gtk3 platform theme makes Adwaita-dark
QPalette highContrastPalette(); // white on black

} // namespace pixelcontrast

Q_DECLARE_METATYPE(pixelcontrast::Case)
