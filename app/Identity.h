// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Gives the running application its name, version and desktop entry. The icon is the window's.
void setIdentity();
