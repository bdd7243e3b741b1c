// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Gives the running application its name, version, desktop entry and icon.
void setUpApplication();
