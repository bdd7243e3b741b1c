// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/Picture.h"

#include <QLabel>

namespace host {

class ClientArea;

/// One element of an image control array: a picture placed in twips, which reports clicks and
/// double clicks with its index. Assistive technology may press it, which is a click.
class ImageElement : public QLabel
{
    Q_OBJECT

public:
    /// Element @p index of an array, placed by @p area on its window.
    ImageElement(qint16 index, ClientArea &area);

    /// The element's place and size in twips, as last set.
    float twipsLeft() const { return m_left; }
    float twipsTop() const { return m_top; }
    float twipsWidth() const { return m_width; }
    float twipsHeight() const { return m_height; }
    /// Moves the element; positions are twips from the top-left of the window's client area.
    void setTwipsLeft(float twips);
    void setTwipsTop(float twips);
    /// Resizes the element, in twips.
    void setTwipsSize(float width, float height);

    /// Whether the picture is scaled to fill the element.
    bool stretch() const { return hasScaledContents(); }
    void setStretch(bool stretch) { setScaledContents(stretch); }

    /// The picture shown: on a screen of one device pixel to a pixel its bitmap, scaled like
    /// any label's; on any other screen the picture drawn for the screen's own pixels.
    Picture picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    /// Shows or hides the element; assistive technology is told when it comes or goes.
    void setVisible(bool visible) override;

    /// Whether assistive technology offers a press of the element.
    bool pressable() const { return m_pressable; }
    void setPressable(bool pressable) { m_pressable = pressable; }
    /// Clicks the element as the mouse does: the same click event, with the element's index.
    void press();

    /// Whether the element is delivering one of its own events right now.
    bool isDelivering() const { return m_delivering; }

Q_SIGNALS:
    void clicked(qint16 index);
    void doubleClicked(qint16 index);
    /// The element has been shown, with its picture and in its place.
    void shown(qint16 index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void deliver(void (ImageElement::*signal)(qint16));
    void reposition();

    const qint16 m_index;
    ClientArea &m_area;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    Picture m_picture;
    bool m_pressed = false;
    bool m_delivering = false;
    bool m_pressable = false;
};

} // namespace host
