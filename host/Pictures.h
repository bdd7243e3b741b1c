// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace host {

/// The stored Windows bitmap at @p path. Read as a bitmap only, so that start-up does not load
/// the image format plugins to guess what the file might be.
QPixmap readBitmap(const QString &path);

} // namespace host
