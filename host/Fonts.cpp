// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace host {

namespace {

// The window's face where the system has it, else plain sans-serif faces. Only the faces the
// system has are named: each face looked for in vain costs the font system a search.
QStringList families()
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const char *family :
        {"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans", "Liberation Sans", "Arial"}) {
        if (installed.contains(QLatin1String(family)))
            found << QString::fromLatin1(family);
    }
    return found;
}

} // namespace

QFont sansSerif(qreal points, bool bold)
{
    static const QStringList faces = families();
    QFont font;
    font.setFamilies(faces);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace host
