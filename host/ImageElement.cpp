// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ImageElement.h"
#include "host/ClientArea.h"
#include "host/Window.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <mutex>

namespace host {

namespace {

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

QAccessibleInterface *imageInterface(const QString & /*className*/, QObject *object)
{
    if (auto *element = qobject_cast<ImageElement *>(object))
        return new AccessibleImage(element);
    return nullptr;
}

} // namespace

ImageElement::ImageElement(qint16 index, ClientArea &area)
    : QLabel(area.window()), m_index(index), m_area(area)
{
    // Before anything can ask for the element's interface, which the toolkit then keeps; once
    // for the process.
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(imageInterface); });
}

void ImageElement::setTwipsLeft(float twips)
{
    m_left = twips;
    reposition();
}

void ImageElement::setTwipsTop(float twips)
{
    m_top = twips;
    reposition();
}

void ImageElement::setTwipsSize(float width, float height)
{
    m_width = width;
    m_height = height;
    reposition();
}

void ImageElement::reposition()
{
    m_area.put(this, m_left, m_top, m_width, m_height);
}

void ImageElement::setPicture(const Picture &picture)
{
    m_picture = picture;
    setPixmap(picture.stored());
}

void ImageElement::setVisible(bool visible)
{
    const bool wasShown = !isHidden();
    QLabel::setVisible(visible);
    if (!wasShown && visible)
        Q_EMIT shown(m_index);
    announceVisibility(this, wasShown);
}

void ImageElement::press()
{
    deliver(&ImageElement::clicked);
}

void ImageElement::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ImageElement::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release of the left button over the element.
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        deliver(&ImageElement::clicked);
}

void ImageElement::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The first press of a double click has already made a click; the second makes the
    // double click alone, so its release must not click again.
    m_pressed = false;
    if (event->button() == Qt::LeftButton)
        deliver(&ImageElement::doubleClicked);
}

void ImageElement::paintEvent(QPaintEvent *event)
{
    // At one device pixel to a pixel the label stretches the bitmap as it always has. Stretched
    // onto more pixels it would blur, so there the picture is drawn for them instead. The ratio
    // is that of the pixels this paint fills, read at each paint, so that a window moved to
    // another screen follows it; the widget's own can differ for a while after the scale of
    // its screen changed (Qt 6.4 on Wayland).
    QPainter painter(this);
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatio();
    if (ratio == 1.0 || !stretch() || m_picture.isNull()) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }
    // The device pixels the element covers where it stands, whole ones: at a fractional ratio
    // one more or one fewer than its size times the ratio, which the picture fills exactly.
    const QSize pixels = painter.deviceTransform().mapRect(QRectF(rect())).toRect().size();
    painter.drawPixmap(QPointF(0, 0), m_picture.at(pixels, ratio));
}

void ImageElement::deliver(void (ImageElement::*signal)(qint16))
{
    m_delivering = true;
    Q_EMIT(this->*signal)(m_index);
    m_delivering = false;
}

} // namespace host
