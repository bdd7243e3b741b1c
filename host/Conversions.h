// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace host {

/// The number a whole text stands for; throws HostError for anything else, empty text included.
double toNumber(const QString &text);

/// The shortest decimal text of a number: 5 gives "5", 302 gives "302".
QString toText(double number);

/// A number as a 16-bit control-array index, rounded to the nearest whole number (ties to even);
/// throws HostError when it does not fit.
qint16 toIndex(double number);

} // namespace host
