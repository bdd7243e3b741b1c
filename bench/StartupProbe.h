// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace bench {

/// Notes under @p phase the time since startup_driver spawned this process.
void notePhase(const char *phase);

/// Watches @p window until its first frame has been painted, then notes the phase "frame",
/// prints every phase and the peak resident memory on one line, and quits the application.
void reportFirstFrame(QWidget *window);

/// Names the application as the program names itself, for the reference windows.
void nameApplication();

/// Notes the phase "window", shows @p window and runs the application until its first frame.
int runToFirstFrame(QWidget &window);

} // namespace bench
