// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupProbe.h"
#include "Measure.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace bench {

namespace {

/// The driver's clock reading right before it spawned this process. Run by hand, or under wine,
/// whose clock is not the driver's, the process counts from its first phase instead.
std::int64_t spawnedNs()
{
    static const std::int64_t spawned = [] {
#ifndef _WIN32
        if (const char *text = std::getenv("VORN_BENCH_SPAWNED_NS"))
            return static_cast<std::int64_t>(std::stoll(text));
#endif
        return monotonicNs();
    }();
    return spawned;
}

std::vector<std::pair<const char *, std::int64_t>> &phases()
{
    static std::vector<std::pair<const char *, std::int64_t>> noted;
    return noted;
}

void printPhases()
{
    for (const auto &[phase, ns] : phases())
        std::printf("%s=%lld ", phase, static_cast<long long>(ns));
    std::printf("peak_kib=%ld anon_kib=%ld file_kib=%ld\n", statusKib("VmHWM"),
        statusKib("RssAnon"), statusKib("RssFile"));
    std::fflush(stdout);
}

/// Waits for the window's first paint event. The paint of the children and the flush of the
/// frame follow within the same pass, so the frame is complete once control is back in the
/// event loop.
class FirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QMetaObject::invokeMethod(this, &FirstFrame::finish, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void finish()
    {
        notePhase("frame");
        printPhases();
        QCoreApplication::quit();
    }

    bool m_painted = false;
};

} // namespace

void notePhase(const char *phase)
{
    const std::int64_t spawned = spawnedNs();
    phases().emplace_back(phase, monotonicNs() - spawned);
}

void reportFirstFrame(QWidget *window)
{
    window->installEventFilter(new FirstFrame(window));
}

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vorn"));
    QApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vorn"));
}

int runToFirstFrame(QWidget &window)
{
    notePhase("window");
    reportFirstFrame(&window);
    window.show();
    notePhase("shown");
    return QApplication::exec();
}

} // namespace bench
