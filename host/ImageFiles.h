// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace host {

/// The stored Windows bitmap at @p path. Read as a bitmap only, so that start-up does not load
/// the image format plugins to guess what the file might be.
QPixmap readBitmap(const QString &path);

/// An icon of the PNG pictures at @p paths, each drawn for its own size. Read as PNG only, and
/// straight into the icon, for the same reason.
QIcon readIcon(const QStringList &paths);

} // namespace host
