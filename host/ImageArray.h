// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/ImageElement.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

namespace host {

/// An image control array: image elements addressed by a 16-bit index. Element 0, when stored,
/// is the template that every element created at run time copies.
class ImageArray : public QObject
{
    Q_OBJECT

public:
    /// An empty array whose elements @p area places on its window, which owns them.
    explicit ImageArray(ClientArea &area);

    /// Adds an element that belongs to the window's stored layout, shown unless hidden later.
    ImageElement &addStored(qint16 index);

    /// The existing element @p index; throws HostError when there is none.
    ImageElement &operator[](qint16 index) const;
    bool contains(qint16 index) const { return m_elements.count(index) != 0; }
    /// The indices of the existing elements, in rising order.
    std::vector<qint16> indices() const;

    /// Creates element @p index as a hidden copy of element 0: its size and picture stretching.
    /// Throws HostError when the index exists already or there is no element 0.
    ImageElement &create(qint16 index);
    /// Takes element @p index off the window and frees its index at once; throws HostError when
    /// there is no such element. Safe from inside the element's own event.
    void remove(qint16 index);

    /// The handlers raised, by name, for a click and a double click on an element.
    void setClickHandler(const char *name, std::function<void(qint16)> handler);
    void setDoubleClickHandler(const char *name, std::function<void(qint16)> handler);

Q_SIGNALS:
    /// An element was created at run time or removed.
    void created(qint16 index);
    void removed(qint16 index);
    /// An element was shown, with its picture and in its place.
    void shown(qint16 index);

private:
    ImageElement &add(qint16 index);

    ClientArea &m_area;
    std::map<qint16, ImageElement *> m_elements;
    const char *m_clickName = "";
    const char *m_doubleClickName = "";
    std::function<void(qint16)> m_onClick;
    std::function<void(qint16)> m_onDoubleClick;
};

} // namespace host
