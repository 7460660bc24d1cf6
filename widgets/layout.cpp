#include "layout.h"

#include "fonts.h"
#include "twips.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace layout {

void add(QWidget* root, const Control& row)
{
    QWidget* parent = row.parent ? root->findChild<QWidget*>(QString::fromUtf8(row.parent)) : root;
    Q_ASSERT(parent);
    QWidget* control = row.kind(parent);
    control->setObjectName(row.name);
    if (!row.text.isNull()) {
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(row.text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(row.text);
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            frame->setTitle(row.text);
    }
    if (row.font.family)
        control->setFont(fonts::named(QString::fromUtf8(row.font.family), row.font.points,
                                      row.font.bold));
    if (row.alignment) {
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setAlignment(row.alignment);
    }
    twips::place(control, row.twips);
    row.member(control);
}

void build(QWidget* root, std::span<const Control> table)
{
    for (const Control& row : table)
        add(root, row);
}

} // namespace layout
