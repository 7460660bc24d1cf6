#include "wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingButton::WrappingButton(QWidget* parent) : QPushButton(parent) {}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this)
                           .adjusted(2, 0, -2, 0);
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}
