// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/Pictures.h"

#include <QImageReader>

namespace host {

QPixmap readBitmap(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace host
