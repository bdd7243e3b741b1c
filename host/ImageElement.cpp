// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ImageElement.h"
#include "host/Accessible.h"
#include "host/ClientArea.h"

#include <QMouseEvent>
#include <QPainter>

namespace host {

ImageElement::ImageElement(qint16 index, QWidget *window)
    : QLabel(window), m_index(index), m_area(ClientArea::of(window))
{ }

void ImageElement::setLeft(float twips)
{
    m_left = twips;
    reposition();
}

void ImageElement::setTop(float twips)
{
    m_top = twips;
    reposition();
}

void ImageElement::setSize(float width, float height)
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
    // onto more pixels it would blur, so there the picture is drawn for them instead; the
    // ratio is read at each paint, so that a window moved to another screen follows it.
    const qreal ratio = devicePixelRatio();
    if (ratio == 1.0 || !stretch() || m_picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(QPointF(0, 0), m_picture.at(size(), ratio));
}

void ImageElement::deliver(void (ImageElement::*signal)(qint16))
{
    m_delivering = true;
    Q_EMIT(this->*signal)(m_index);
    m_delivering = false;
}

} // namespace host
