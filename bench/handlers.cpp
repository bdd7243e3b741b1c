// SPDX-License-Identifier: GPL-3.0-or-later
// How long the two busiest handlers take: the palette click that completes and scores a row of
// six places, and a new game over a full board. Each is timed alone, and again together with a
// full repaint of the window. The board is set up outside the timed region.
//
// Usage: bench_handlers [samples]   (1000 clicks and 200 new games by default)
#include "BenchWindow.h"
#include "Measure.h"
#include "app/Form1.h"
#include "game/Settings.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

/// Clicks into places @p first to @p last of the unfinished row the symbols of the secret code:
/// the row, once full, scores six hits, the most markers a row can lay.
void guessSecret(Form1 &form, int first, int last)
{
    for (int place = first; place <= last; ++place)
        form.Znak_Click(static_cast<qint16>(form.SecretCode[place]));
}

void fillBoard(Form1 &form)
{
    for (int row = 1; row < game::FirstClosedRow; ++row)
        guessSecret(form, 1, game::MaxPlaces);
    if (form.Label1->caption() != QString::number(game::FirstClosedRow))
        throw std::logic_error("the board did not fill");
}

struct Timing
{
    std::function<void()> prepare;
    std::function<void()> act;
    bool repaint;
};

/// Milliseconds of @p timing's act, and the repaint after it when asked, over @p count samples.
std::vector<double> measure(Form1 &form, const Timing &timing, int count)
{
    const int warmUp = count / 10;
    std::vector<double> samples;
    for (int i = 0; i < warmUp + count; ++i) {
        timing.prepare();
        bench::settle();
        const auto start = Clock::now();
        timing.act();
        if (timing.repaint)
            form.repaint();
        const std::chrono::duration<double, std::milli> took = Clock::now() - start;
        if (i >= warmUp)
            samples.push_back(took.count());
    }
    return samples;
}

void report(const char *what, const std::vector<double> &samples)
{
    std::printf("| %s | %.3f ms (p95 %.3f ms) | far below one 60 Hz frame, 16.7 ms |\n", what,
        bench::median(samples), bench::quantile(samples, 0.95));
    std::printf("    %zu samples, ms: min %.3f, quartiles %.3f %.3f %.3f, p99 %.3f, max %.3f\n",
        samples.size(), bench::quantile(samples, 0), bench::quantile(samples, 0.25),
        bench::median(samples), bench::quantile(samples, 0.75), bench::quantile(samples, 0.99),
        bench::quantile(samples, 1));
}

void scoringClick(Form1 &form, int count)
{
    const auto prepare = [&form] {
        form.Command1_Click();
        guessSecret(form, 1, game::MaxPlaces - 1);
    };
    const auto act = [&form] { guessSecret(form, game::MaxPlaces, game::MaxPlaces); };
    report("Palette click that fills and scores a six-place row (six markers)",
        measure(form, {prepare, act, false}, count));
    report("The same click and a full repaint of the window",
        measure(form, {prepare, act, true}, count));
}

void newGame(Form1 &form, int count)
{
    const auto prepare = [&form] {
        form.Command1_Click();
        fillBoard(form);
    };
    const auto act = [&form] { form.Command1_Click(); };
    report("New game on a full board (29 rows of six, 174 markers)",
        measure(form, {prepare, act, false}, count));
    report("The same new game and a full repaint of the window",
        measure(form, {prepare, act, true}, count));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 1000;
    QApplication application(argc, argv);

    const std::unique_ptr<Form1> window = bench::sixPlaceWindow();
    Form1 &form = *window;

    std::printf(
        "Handlers on %s; median and 95th percentile\n\n", qgetenv("QT_QPA_PLATFORM").data());
    scoringClick(form, clicks);
    newGame(form, clicks / 5);
    return 0;
}
