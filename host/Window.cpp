// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Window.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QMetaObject>

#include <algorithm>
#include <iterator>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace host {

// The reading order, kept as controls are placed, shown, hidden and destroyed: a screen reader
// asks for it child by child, so it is never worked out again at a question.
class Window::Reading : public QObject
{
public:
    void place(QWidget *control, ReadingPlace place)
    {
        m_ordered = true;
        const auto known = m_places.find(control);
        if (known == m_places.end()) {
            m_places.emplace(control, place);
            control->installEventFilter(this);
            connect(control, &QObject::destroyed, this, [this](QObject *gone) { forget(gone); });
        } else {
            unlist(control);
            known->second = place;
        }
        listIfShown(control);
    }

    bool ordered() const { return m_ordered; }
    const std::vector<QWidget *> &shown() const { return m_shown; }

    int indexOf(const QObject *control) const
    {
        const auto at = find(control);
        return at ? static_cast<int>(*at) : -1;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Being shown or hidden, or moved to another widget, which may hide it.
        const QEvent::Type type = event->type();
        if (type == QEvent::ShowToParent || type == QEvent::HideToParent
            || type == QEvent::ParentChange)
            listIfShown(static_cast<QWidget *>(watched));
        return false;
    }

private:
    // Lists @p control while it is shown, and only then.
    void listIfShown(QWidget *control)
    {
        const bool listed = find(control).has_value();
        if (control->isHidden()) {
            if (listed)
                unlist(control);
            return;
        }
        if (listed)
            return;
        const ReadingPlace place = m_places.at(control);
        const auto at = std::ranges::upper_bound(m_listedPlaces, place);
        const auto index = std::distance(m_listedPlaces.begin(), at);
        m_listedPlaces.insert(at, place);
        m_shown.insert(m_shown.begin() + index, control);
    }

    // Where @p control is listed, looked up by its place.
    std::optional<std::size_t> find(const QObject *control) const
    {
        const auto known = m_places.find(control);
        if (known == m_places.end())
            return std::nullopt;
        const auto first = std::ranges::lower_bound(m_listedPlaces, known->second);
        auto index = static_cast<std::size_t>(std::distance(m_listedPlaces.begin(), first));
        for (; index < m_shown.size() && m_listedPlaces[index] == known->second; ++index)
            if (m_shown[index] == control)
                return index;
        return std::nullopt;
    }

    void unlist(const QObject *control)
    {
        if (const auto index = find(control)) {
            m_listedPlaces.erase(m_listedPlaces.begin() + static_cast<std::ptrdiff_t>(*index));
            m_shown.erase(m_shown.begin() + static_cast<std::ptrdiff_t>(*index));
        }
    }

    void forget(const QObject *gone)
    {
        unlist(gone);
        m_places.erase(gone);
    }

    bool m_ordered = false;
    std::unordered_map<const QObject *, ReadingPlace> m_places;
    // The shown controls and their places, side by side in reading order.
    std::vector<ReadingPlace> m_listedPlaces;
    std::vector<QWidget *> m_shown;
};

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
        const std::vector<QWidget *> &shown = controls();
        if (index < 0 || index >= static_cast<int>(shown.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!ordered())
            return QAccessibleWidget::indexOfChild(child);
        if (child == nullptr || !isValid())
            return -1;
        return ownWindow()->readingIndex(child->object());
    }

private:
    const Window *ownWindow() const { return static_cast<const Window *>(widget()); }

    // A window being destroyed lists nothing: the controls that its order names may be gone.
    bool ordered() const { return !isValid() || ownWindow()->hasReadingOrder(); }
    const std::vector<QWidget *> &controls() const
    {
        static const std::vector<QWidget *> none;
        return isValid() ? ownWindow()->shownControls() : none;
    }
};

QAccessibleInterface *windowInterface(const QString & /*className*/, QObject *object)
{
    if (auto *window = qobject_cast<Window *>(object))
        return new OrderedWindow(window);
    return nullptr;
}

} // namespace

Window::Window(QWidget *parent)
    : QWidget(parent), m_client(this), m_reading(std::make_unique<Reading>())
{
    // Before anything can ask for the window's interface: the toolkit makes it once, on the
    // first question, and keeps it. Setting the window's title already asks, on some versions.
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(windowInterface); });
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

Window::~Window()
{
    // Gone before the controls, which the toolkit destroys last, and told of none of them.
    m_reading.reset();
}

void Window::setReadingPlace(QWidget *control, ReadingPlace place)
{
    m_reading->place(control, place);
}

bool Window::hasReadingOrder() const
{
    return m_reading && m_reading->ordered();
}

const std::vector<QWidget *> &Window::shownControls() const
{
    static const std::vector<QWidget *> none;
    return m_reading ? m_reading->shown() : none;
}

int Window::readingIndex(const QObject *control) const
{
    return m_reading ? m_reading->indexOf(control) : -1;
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
