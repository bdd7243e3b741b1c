// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ImageArray.h"
#include "host/Events.h"
#include "host/HostError.h"

#include <string>

namespace host {

namespace {

std::string describe(qint16 index)
{
    return "image element " + std::to_string(index);
}

} // namespace

ImageArray::ImageArray(ClientArea &area) : m_area(area) { }

ImageElement &ImageArray::add(qint16 index)
{
    auto *element = new ImageElement(index, m_area);
    connect(element, &ImageElement::clicked, this, [this](qint16 i) {
        if (m_onClick)
            runHandler(m_clickName, [&] { m_onClick(i); });
    });
    connect(element, &ImageElement::doubleClicked, this, [this](qint16 i) {
        if (m_onDoubleClick)
            runHandler(m_doubleClickName, [&] { m_onDoubleClick(i); });
    });
    connect(element, &ImageElement::shown, this, &ImageArray::shown);
    m_elements.emplace(index, element);
    return *element;
}

ImageElement &ImageArray::addStored(qint16 index)
{
    if (contains(index))
        throw HostError(describe(index) + " is stored twice");
    return add(index);
}

ImageElement &ImageArray::operator[](qint16 index) const
{
    const auto found = m_elements.find(index);
    if (found == m_elements.end())
        throw HostError(describe(index) + " does not exist");
    return *found->second;
}

std::vector<qint16> ImageArray::indices() const
{
    std::vector<qint16> result;
    result.reserve(m_elements.size());
    for (const auto &[index, element] : m_elements)
        result.push_back(index);
    return result;
}

ImageElement &ImageArray::create(qint16 index)
{
    if (contains(index))
        throw HostError(describe(index) + " exists already");
    const ImageElement &original = (*this)[0];
    ImageElement &element = add(index);
    element.setVisible(false);
    element.setStretch(original.stretch());
    element.setTwipsSize(original.twipsWidth(), original.twipsHeight());
    Q_EMIT created(index);
    return element;
}

void ImageArray::remove(qint16 index)
{
    ImageElement *element = &(*this)[index];
    m_elements.erase(index);
    element->hide();
    // An element removed by its own click is still inside its event: it goes once that event
    // has returned to the event loop. Any other is freed at once.
    if (element->isDelivering())
        element->deleteLater();
    else
        delete element;
    Q_EMIT removed(index);
}

void ImageArray::setClickHandler(const char *name, std::function<void(qint16)> handler)
{
    m_clickName = name;
    m_onClick = std::move(handler);
}

void ImageArray::setDoubleClickHandler(const char *name, std::function<void(qint16)> handler)
{
    m_doubleClickName = name;
    m_onDoubleClick = std::move(handler);
}

} // namespace host
