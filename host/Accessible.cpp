// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Accessible.h"
#include "host/ImageElement.h"

#include <QAccessibleWidget>

namespace host {

namespace {

// The order in which a window lists its controls, kept on the window itself.
class ReadingOrder : public QObject
{
    Q_OBJECT

public:
    explicit ReadingOrder(QWidget *window) : QObject(window) { }

    std::function<QList<QWidget *>()> order;
};

ReadingOrder *readingOrderOf(const QObject *window)
{
    return window->findChild<ReadingOrder *>(QString(), Qt::FindDirectChildrenOnly);
}

// A window whose children are its shown controls, in the program's reading order.
class OrderedWindow : public QAccessibleWidget
{
public:
    explicit OrderedWindow(QWidget *window) : QAccessibleWidget(window, QAccessible::Window) { }

    int childCount() const override { return static_cast<int>(controls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> shown = controls();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child == nullptr)
            return -1;
        return static_cast<int>(controls().indexOf(child->object()));
    }

private:
    QList<QWidget *> controls() const
    {
        QList<QWidget *> shown;
        // A window being destroyed lists nothing: the controls that the order names may be gone.
        if (!isValid())
            return shown;
        if (const ReadingOrder *reading = readingOrderOf(widget()))
            for (QWidget *control : reading->order())
                if (!control->isHidden())
                    shown.append(control);
        return shown;
    }
};

// An image element. One that the program marks pressable is a button whose press is a click.
class AccessibleImage : public QAccessibleWidget
{
public:
    explicit AccessibleImage(ImageElement *element) : QAccessibleWidget(element) { }

    QAccessible::Role role() const override
    {
        return pressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    // The window lists the elements itself, whichever widget holds them on the screen.
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(widget()->window());
    }

    QStringList actionNames() const override
    {
        return pressable() ? QStringList {pressAction()} : QStringList();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && pressable())
            element()->press();
    }

private:
    ImageElement *element() const { return static_cast<ImageElement *>(widget()); }

    // As for the mouse, a hidden element takes no clicks.
    bool pressable() const
    {
        return element()->pressable() && !element()->isHidden() && element()->isEnabled();
    }
};

QAccessibleInterface *accessibleInterface(const QString & /*className*/, QObject *object)
{
    if (auto *element = qobject_cast<ImageElement *>(object))
        return new AccessibleImage(element);
    if (object->isWidgetType() && readingOrderOf(object) != nullptr)
        return new OrderedWindow(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(accessibleInterface);
}

void setReadingOrder(QWidget *window, std::function<QList<QWidget *>()> order)
{
    ReadingOrder *reading = readingOrderOf(window);
    if (reading == nullptr)
        reading = new ReadingOrder(window);
    reading->order = std::move(order);
}

void announceVisibility(QWidget *control, bool wasShown)
{
    const bool shown = !control->isHidden();
    if (shown == wasShown)
        return;
    // The toolkit tells only that the control's showing state changed. A window's children are
    // its shown controls, so the control also became one of them or stopped being one: told as
    // the child's creation or destruction, on which a screen reader reads the window again.
    QAccessibleEvent event(
        control, shown ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&event);
}

} // namespace host

#include "Accessible.moc"
