#include "accessibility.h"

#include <QAccessible>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace accessibility {
namespace {

const char kPrefix[] = "accessibleNamePrefix";
const char kWhenEmpty[] = "accessibleNameWhenEmpty";
const char kNoticeName[] = "annonce";

// An invisible one-pixel child of a window that carries the notices: a screen
// reader speaks a notification as it comes into view.
class Notice : public QWidget {
public:
    explicit Notice(QWidget* window) : QWidget(window)
    {
        setObjectName(QString::fromLatin1(kNoticeName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }
    QString text;
};

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<Notice*>(widget())->text;
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLabel") && object->property(kPrefix).isValid())
        return new LabelAccessible(static_cast<QLabel*>(object));
    if (object->objectName() == QLatin1String(kNoticeName))
        if (auto* notice = dynamic_cast<Notice*>(object))
            return new NoticeAccessible(notice);
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

void nameAfterText(QLabel* label, const QString& prefix, const QString& whenEmpty)
{
    installFactory();
    label->setProperty(kPrefix, prefix);
    label->setProperty(kWhenEmpty, whenEmpty);
    // Qt may already have made the label's accessible side (a label tells
    // of its first text as it is built): that one would not know the prefix.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    if (iface && !dynamic_cast<LabelAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

QString labelName(const QLabel* label)
{
    const QString text = label->text();
    return label->property(kPrefix).toString()
           + (text.isEmpty() ? label->property(kWhenEmpty).toString() : text);
}

void announce(QWidget* window, const QString& text)
{
    installFactory();
    Notice* notice = nullptr;
    for (QObject* child : window->children())
        if (child->objectName() == QLatin1String(kNoticeName))
            notice = dynamic_cast<Notice*>(child);
    if (!notice)
        notice = new Notice(window);
    // Hidden and shown again, so that the same notice twice is spoken twice.
    notice->hide();
    notice->text = text;
    notice->show();
}

LabelAccessible::LabelAccessible(QLabel* label, QAccessible::Role role)
    : QAccessibleWidget(label, role)
{
}

QString LabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return labelName(label());
    return QAccessibleWidget::text(t);
}

QLabel* LabelAccessible::label() const { return static_cast<QLabel*>(widget()); }

} // namespace accessibility
