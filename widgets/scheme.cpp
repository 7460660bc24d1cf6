#include "scheme.h"

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include <cmath>

namespace scheme {

namespace {

double luminance(const QColor& c)
{
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF())
           + 0.0722 * channel(rgb.blueF());
}

// A little above the minimum, so that a colour found by steps does not fall
// under it by rounding.
constexpr double kMargin = 0.1;

// The text colour of the light scheme, for which the fixed colours were made.
QColor lightSchemeText() { return QColor(Qt::black); }

// Sets `role` to a colour readable on `behind` in the groups where it is not.
bool mend(QPalette& palette, QPalette::ColorRole role, const QColor& behind, bool fixed, bool dark)
{
    bool changed = false;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor now = palette.color(group, role);
        // Disabled texts are left as the desktop draws them on a light one.
        if (group == QPalette::Disabled && !dark)
            continue;
        if (contrast(now, behind) >= 4.5)
            continue;
        QColor better;
        const QColor desktopText = QApplication::palette().color(group, role);
        if (group != QPalette::Disabled && !fixed && contrast(lightSchemeText(), behind) >= 4.5)
            better = lightSchemeText();
        else if (fixed && now.hslSaturationF() < 0.05 && contrast(desktopText, behind) >= 4.5)
            better = desktopText; // a black or grey text: the desktop's own
        else
            // Thin disabled captions are drawn a little fainter than their
            // colour: some room above the minimum.
            better = readableOn(now, behind, group == QPalette::Disabled ? 5.6 : 4.5);
        palette.setColor(group, role, better);
        changed = true;
    }
    return changed;
}

} // namespace

double contrast(const QColor& a, const QColor& b)
{
    double la = luminance(a), lb = luminance(b);
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

QColor readableOn(const QColor& colour, const QColor& background, double minimum)
{
    if (contrast(colour, background) >= minimum)
        return colour;
    // Towards white on a dark background, towards black on a light one.
    const bool lighter = luminance(background) < 0.18;
    float h, s, l, a;
    colour.toHsl().getHslF(&h, &s, &l, &a);
    for (int step = 0; step <= 100; ++step) {
        const float t = lighter ? l + (1.0f - l) * float(step) / 100.0f : l * (1.0f - float(step) / 100.0f);
        const QColor c = QColor::fromHslF(h < 0 ? 0 : h, s, t).toRgb();
        if (contrast(c, background) >= minimum + kMargin)
            return c;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

bool isDark(const QPalette& palette)
{
    return luminance(palette.color(QPalette::Window)) < luminance(palette.color(QPalette::WindowText));
}

QColor backgroundBehind(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return QApplication::palette().color(QPalette::Window);
}

void adjust(QWidget* widget)
{
    const bool dark = isDark(QApplication::palette());
    QPalette p = widget->palette();
    bool changed = false;
    if (qobject_cast<QPushButton*>(widget)) {
        // The desktop's own pair; only its disabled text can be too faint.
        // The face is drawn a little lighter than the palette's colour.
        if (dark)
            changed = mend(p, QPalette::ButtonText, p.color(QPalette::Button).lighter(140), false, true);
    } else {
        const QColor behind = backgroundBehind(widget);
        // A menu bar draws its items' captions in the button text colour.
        if (dark && qobject_cast<QMenuBar*>(widget))
            changed = mend(p, QPalette::ButtonText, behind, false, true);
        for (auto role : {QPalette::WindowText, QPalette::Text}) {
            const bool fixed = p.isBrushSet(QPalette::Active, role)
                               && p.color(role) != QApplication::palette().color(role);
            changed |= mend(p, role, behind, fixed, dark);
        }
    }
    if (changed)
        widget->setPalette(p);
}

} // namespace scheme
