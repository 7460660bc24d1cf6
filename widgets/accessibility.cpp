#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPointer>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace accessibility {
namespace {

const char kPrefix[] = "accessibleNamePrefix";
const char kWhenEmpty[] = "accessibleNameWhenEmpty";
const char kNote[] = "accessibleNameNote";
const char kGroupName[] = "accessibleGroupName";

// A notice: an object of its own, not a widget, so that nothing of it is seen
// and it outlives the window it tells about (the main window closes as the
// game opens, and a screen reader asks for the notice's words a moment after
// it was shown). Each notice is a new object: one object whose text changed
// would be read with its latest words as often as it was shown.
class Notice : public QObject {
public:
    Notice(QWidget* window, const QString& text) : window(window), text(text) {}
    QPointer<QWidget> window;
    const QString text;
};

class NoticeAccessible : public QAccessibleObject {
public:
    explicit NoticeAccessible(Notice* notice) : QAccessibleObject(notice) {}
    Notice* notice() const { return static_cast<Notice*>(object()); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? notice()->text : QString();
    }
    QAccessible::State state() const override { return {}; }
    QAccessibleInterface* parent() const override
    {
        QObject* owner = notice()->window ? static_cast<QObject*>(notice()->window.data()) : qApp;
        return QAccessible::queryAccessibleInterface(owner);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A frame that only groups options, read once with the option that has the
// focus. The options of a titled group box are already labelled by its title
// (Qt says so): the box itself is then a mere container, not read again. Any
// other frame is read as a named group around them.
class GroupAccessible : public QAccessibleWidget {
public:
    explicit GroupAccessible(QWidget* group)
        : QAccessibleWidget(group, qobject_cast<QGroupBox*>(group) ? QAccessible::Client
                                                                    : QAccessible::Grouping)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->property(kGroupName).toString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLabel") && object->property(kPrefix).isValid())
        return new LabelAccessible(static_cast<QLabel*>(object));
    if (className == QLatin1String("QObject"))
        if (auto* notice = dynamic_cast<Notice*>(object))
            return new NoticeAccessible(notice);
    if (object->isWidgetType() && object->property(kGroupName).isValid())
        return new GroupAccessible(static_cast<QWidget*>(object));
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
    remakeAccessible<LabelAccessible>(label);
}

QString labelName(const QLabel* label)
{
    const QString text = label->text();
    return label->property(kPrefix).toString()
           + (text.isEmpty() ? label->property(kWhenEmpty).toString() : text)
           + label->property(kNote).toString();
}

void setNameNote(QLabel* label, const QString& note, bool tell)
{
    if (label->property(kNote).toString() == note)
        return;
    label->setProperty(kNote, note);
    if (!tell)
        return;
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void nameGroup(QWidget* group, const QString& name)
{
    installFactory();
    group->setProperty(kGroupName, name);
    remakeAccessible<GroupAccessible>(group);
}

void announce(QWidget* window, const QString& text)
{
    installFactory();
    // The last few notices are kept, for a screen reader that reads them late.
    static QList<QPointer<Notice>> kept;
    auto* notice = new Notice(window, text);
    notice->setParent(qApp);
    kept.append(notice);
    while (kept.size() > 8)
        delete kept.takeFirst().data();
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
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
