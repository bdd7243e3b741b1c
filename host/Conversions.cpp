// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Conversions.h"
#include "host/HostError.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace host {

double toNumber(const QString &text)
{
    bool ok = false;
    const double number = QLocale::c().toDouble(text.trimmed(), &ok);
    // "inf" and "nan" parse, but no counter or setting can hold them.
    if (!ok || !std::isfinite(number))
        throw HostError("type mismatch: \"" + text.toStdString() + "\" is not a number");
    return number;
}

QString toText(double number)
{
    if (number == std::trunc(number) && std::abs(number) < 1e15)
        return QString::number(static_cast<qint64>(number));
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

qint16 toIndex(double number)
{
    const double rounded = std::nearbyint(number);
    if (!(rounded >= std::numeric_limits<qint16>::min()
            && rounded <= std::numeric_limits<qint16>::max()))
        throw HostError("overflow: " + toText(number).toStdString() + " is no 16-bit index");
    return static_cast<qint16>(rounded);
}

} // namespace host
