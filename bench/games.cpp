// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory over many games played through the handlers. Each game is a new game, then
// ten rows of six random symbols, with the third symbol of each row taken back and placed anew.
//
// Usage: bench_games [games]   (10000 by default)
#include "BenchWindow.h"
#include "Measure.h"
#include "app/Form1.h"
#include "game/Board.h"
#include "game/Settings.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <stdexcept>

namespace {

/// The game counted from, once the caches of the toolkit and of the allocator have filled.
constexpr int SettledGame = 100;
constexpr int Rows = 10;

void playRow(Form1 &form, int row, std::mt19937 &engine)
{
    std::uniform_int_distribution<int> symbol(1, game::StartSymbols);
    for (int place = 1; place <= game::MaxPlaces; ++place) {
        form.Znak_Click(static_cast<qint16>(symbol(engine)));
        if (place == 3) {
            form.Znak_Click(static_cast<qint16>(game::guessIndex(row, place)));
            form.Znak_Click(static_cast<qint16>(symbol(engine)));
        }
    }
}

void playGame(Form1 &form, std::mt19937 &engine)
{
    form.Command1_Click();
    for (int row = 1; row <= Rows; ++row)
        playRow(form, row, engine);
    if (form.Label1->caption() != QString::number(Rows + 1))
        throw std::logic_error("a game did not reach its last row");
}

double rssMib()
{
    return bench::toMib(static_cast<double>(bench::statusKib("VmRSS")));
}

/// Resident memory once the caches have filled, and after the last game.
struct Growth
{
    double settled = 0;
    double last = 0;
};

Growth playGames(Form1 &form, int games)
{
    std::mt19937 engine(7);
    Growth growth;
    const int reportEvery = std::max(games / 10, 1);
    for (int played = 1; played <= games; ++played) {
        playGame(form, engine);
        bench::settle();
        if (played % reportEvery != 0 && played != SettledGame)
            continue;
        growth.last = rssMib();
        growth.settled = played == SettledGame ? growth.last : growth.settled;
        std::printf("after game %6d: %.2f MiB\n", played, growth.last);
    }
    return growth;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int games = argc > 1 ? std::atoi(argv[1]) : 10'000;
    QApplication application(argc, argv);

    const std::unique_ptr<Form1> window = bench::sixPlaceWindow();
    Form1 &form = *window;

    std::printf(
        "Resident memory over %d games on %s\n\n", games, qgetenv("QT_QPA_PLATFORM").data());
    const auto start = std::chrono::steady_clock::now();
    const Growth growth = playGames(form, games);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("\n%d games in %.1f s; peak %.2f MiB\n", games, took.count(),
        bench::toMib(static_cast<double>(bench::statusKib("VmHWM"))));
    std::printf("\n| Resident memory growth, game %d to game %d | %+.2f MiB (%.2f to %.2f MiB) | "
                "at most +1 MiB |\n",
        SettledGame, games, growth.last - growth.settled, growth.settled, growth.last);
    return 0;
}
