// The program's style: the desktop's Fusion look with a few changes that the
// windows need everywhere.
//  - The keyboard focus is marked by a solid two-pixel frame in black (white on
//    a dark background): at least 3:1 against every background of the program,
//    where Fusion's pale outline is barely seen.
//  - Option buttons keep their indicator close to the caption, so that the
//    bold captions fit the buttons' widths, and their round mark within their
//    height (the level options are lower than the mark, which would be cut at
//    a screen scale of 150 %).
//  - On a dark desktop the round marks of option buttons are outlined in a
//    colour that stands out from the window by at least 3:1 (Fusion draws
//    them a little darker than the window), and the texts that meet a fixed
//    colour of the program are made readable (see scheme.h).
//  - Frames (boxes and panels) are drawn in whole device pixels at fractional
//    screen scales, inside the pixels that the control's own background
//    covers: at 125 % a one-pixel line at a control's last row would fall
//    half outside it and be lost.
//  - A check mark stands beside the chosen item of a menu of checkable items;
//    the others show nothing rather than an empty box.
#pragma once

#include <QProxyStyle>

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    // Makes the program's style the application's style (once).
    static void install();

    // Colour of the focus mark on a background of colour `background`.
    static QColor focusMarkColour(const QColor& background);
    // Draws the focus mark inside `rect`. With a valid `clearOf` (a caption's
    // strokes), the mark keeps a pixel of space from it: a side without room
    // is made thinner, or moved outwards but never beyond `bounds`.
    static void drawFocusMark(QPainter* painter, const QRect& rect, const QColor& background,
                              const QRect& clearOf = QRect(), const QRect& bounds = QRect());
    // The strokes of the caption of an option button, check box or label, in
    // its own coordinates; an invalid rectangle for other controls.
    static QRect captionInk(const QWidget* widget);

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
    // Draws a frame of `lineWidth` pixels inside `rect`, its top and left
    // lines in `topLeft`, its bottom and right ones in `bottomRight`, on whole
    // device pixels.
    static void drawWholeFrame(QPainter* painter, const QRect& rect, int lineWidth,
                               const QColor& topLeft, const QColor& bottomRight);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
