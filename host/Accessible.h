// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include <functional>

class QWidget;

/// What assistive technology, such as a screen reader, sees of a window: its controls in the
/// order the program gives, the image elements with a press action that clicks them, and the
/// events that tell it when a control comes or goes. Nothing here changes what is drawn.
namespace host {

/// Installs the accessible interfaces of the image elements and of windows with a reading order.
/// Call it before anything reads the window: an interface, once made, is kept.
void installAccessibleInterfaces();

/// Lists the controls of @p window to assistive technology in the order @p order gives, leaving
/// out the hidden ones, whatever widget holds each control. Replaces any earlier order.
void setReadingOrder(QWidget *window, std::function<QList<QWidget *>()> order);

/// Tells assistive technology that @p control, shown before or not as @p wasShown says, has
/// joined its window's reading order or left it. Call it after every change of visibility.
void announceVisibility(QWidget *control, bool wasShown);

} // namespace host
