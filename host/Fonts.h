// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace host {

/// The window's plain sans-serif face at @p points, falling back to a like face where the
/// original one is missing.
QFont sansSerif(qreal points, bool bold = false);

} // namespace host
