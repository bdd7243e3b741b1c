// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ImageElement.h"
#include "host/Accessible.h"
#include "host/ClientArea.h"

#include <QMouseEvent>

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

void ImageElement::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    setPixmap(picture);
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

void ImageElement::deliver(void (ImageElement::*signal)(qint16))
{
    m_delivering = true;
    Q_EMIT(this->*signal)(m_index);
    m_delivering = false;
}

} // namespace host
