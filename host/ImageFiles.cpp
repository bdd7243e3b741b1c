// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/ImageFiles.h"

#include <QImageReader>

namespace host {

namespace {

QImage read(const QString &path, const char *format)
{
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QPixmap readBitmap(const QString &path)
{
    return QPixmap::fromImage(read(path, "bmp"));
}

QIcon readIcon(const QStringList &paths)
{
    QIcon icon;
    for (const QString &path : paths)
        icon.addPixmap(QPixmap::fromImage(read(path, "png")));
    return icon;
}

} // namespace host
