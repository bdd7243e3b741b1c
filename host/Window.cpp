// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Window.h"

#include <QAccessibleWidget>
#include <QMetaObject>

namespace host {

namespace {

// The window as assistive technology sees it: with a reading order, its children are its shown
// controls in that order; without one, its child widgets.
class OrderedWindow : public QAccessibleWidget
{
public:
    explicit OrderedWindow(Window *window) : QAccessibleWidget(window, QAccessible::Window) { }

    int childCount() const override
    {
        return ordered() ? static_cast<int>(controls().size()) : QAccessibleWidget::childCount();
    }

    QAccessibleInterface *child(int index) const override
    {
        if (!ordered())
            return QAccessibleWidget::child(index);
        const QList<QWidget *> shown = controls();
        if (index < 0 || index >= shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!ordered())
            return QAccessibleWidget::indexOfChild(child);
        if (child == nullptr)
            return -1;
        return static_cast<int>(controls().indexOf(child->object()));
    }

private:
    // A window being destroyed lists nothing: the controls that its order names may be gone.
    bool ordered() const
    {
        return !isValid() || static_cast<const Window *>(widget())->hasReadingOrder();
    }
    QList<QWidget *> controls() const
    {
        return isValid() ? static_cast<const Window *>(widget())->shownControls()
                         : QList<QWidget *>();
    }
};

QAccessibleInterface *windowInterface(const QString & /*className*/, QObject *object)
{
    if (auto *window = qobject_cast<Window *>(object))
        return new OrderedWindow(window);
    return nullptr;
}

} // namespace

Window::Window(QWidget *parent) : QWidget(parent), m_client(this)
{
    // Before anything can ask for the window's interface: the toolkit makes it once, on the
    // first question, and keeps it. Setting the window's title already asks, on some versions.
    QAccessible::installFactory(windowInterface);
}

void Window::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Qt's Wayland platform takes the size the compositor offers, in Qt 6.8 even one below the
    // window's minimum; the window asks for its minimum back once the offer is taken.
    const QSize bounded = size().expandedTo(minimumSize());
    if (bounded != size())
        QMetaObject::invokeMethod(
            this, [this] { resize(size().expandedTo(minimumSize())); }, Qt::QueuedConnection);
}

void Window::setReadingOrder(std::function<QList<QWidget *>()> order)
{
    m_readingOrder = std::move(order);
}

QList<QWidget *> Window::shownControls() const
{
    QList<QWidget *> shown;
    if (m_readingOrder)
        for (QWidget *control : m_readingOrder())
            if (!control->isHidden())
                shown.append(control);
    return shown;
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
