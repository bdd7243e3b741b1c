// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game, a plain window with the game window's captioned controls and an empty window
// of the same size in turn, many times, and compares the time each takes from its spawn to its
// first painted frame, and the memory each holds then. The targets are set against the window
// with the same controls; the empty window is shown for information.
//
// Usage: startup_driver [runs]   (40 of each by default; the platform is QT_QPA_PLATFORM's,
// offscreen when unset, and all three start at the device pixel ratio QT_SCALE_FACTOR gives)
#include "Measure.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

/// One start of a probe: its phases in nanoseconds since its spawn, and its peak memory.
using Figures = std::map<std::string, double>;

/// Every start of one probe, figure by figure.
using Samples = std::map<std::string, std::vector<double>>;

const char *const Phases[] = {"main", "application", "window", "shown", "frame"};

Figures parse(const std::string &line)
{
    Figures figures;
    std::istringstream words(line);
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals != std::string::npos)
            figures[word.substr(0, equals)] = std::stod(word.substr(equals + 1));
    }
    if (!figures.count("frame") || !figures.count("file_kib"))
        throw std::runtime_error("a probe printed no figures: \"" + line + '"');
    return figures;
}

std::vector<char *> environmentWith(std::string &variable)
{
    std::vector<char *> environment;
    for (char **entry = environ; *entry; ++entry)
        environment.push_back(*entry);
    environment.push_back(variable.data());
    environment.push_back(nullptr);
    return environment;
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[512];
    ssize_t count = 0;
    while ((count = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(count));
    return text;
}

void waitFor(pid_t child, const std::string &program)
{
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed");
}

/// Spawns @p program with its standard output on the pipe end it returns and its errors
/// dropped; the clock is read right before the spawn and handed to the child.
int spawn(const std::string &program, pid_t &child)
{
    int output[2];
    if (pipe(output) != 0)
        throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::string spawned = "VORN_BENCH_SPAWNED_NS=" + std::to_string(bench::monotonicNs());
    std::vector<char *> environment = environmentWith(spawned);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    const int failed
        = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (failed) {
        close(output[0]);
        throw std::runtime_error("cannot start " + program);
    }
    return output[0];
}

/// Starts @p program once and reads what it measured.
Figures start(const std::string &program)
{
    pid_t child = 0;
    const int output = spawn(program, child);
    const std::string line = readAll(output);
    close(output);
    waitFor(child, program);
    return parse(line);
}

void add(Samples &samples, const Figures &figures)
{
    for (const auto &[name, value] : figures)
        samples[name].push_back(value);
}

double ms(double ns)
{
    return ns / 1e6;
}

/// One program started many times, and what each start measured.
struct Probe
{
    const char *title;
    std::string program;
    Samples samples;

    double median(const char *figure) { return bench::median(samples[figure]); }
    double mib(const char *figure) { return bench::toMib(median(figure)); }
};

void printProbe(Probe &probe)
{
    std::printf("%-16s", probe.title);
    for (const char *phase : Phases)
        std::printf("%12.1f", ms(probe.median(phase)));
    std::printf("%10.1f", ms(bench::quantile(probe.samples["frame"], 0.9)));
    std::printf("%10.1f%10.1f%10.1f\n", probe.mib("peak_kib"), probe.mib("anon_kib"),
        probe.mib("file_kib"));
}

void printTable(std::vector<Probe> &probes, int runs)
{
    std::printf("\nMedians of %d starts each: times in ms since spawn, memory in MiB at the "
                "first frame\n\n",
        runs);
    std::printf("%-16s", "");
    for (const char *phase : Phases)
        std::printf("%12s", phase);
    std::printf("%10s%10s%10s%10s\n", "frame p90", "peak", "anon", "file");
    for (Probe &probe : probes)
        printProbe(probe);
}

void printComparison(
    Probe &game, Probe &floor, const char *platform, const char *time, const char *memory)
{
    std::printf("| Start-up to first frame, %s: game / %s | %.2f (%.1f ms / %.1f ms) | %s |\n",
        platform, floor.title, game.median("frame") / floor.median("frame"),
        ms(game.median("frame")), ms(floor.median("frame")), time);
    std::printf("| Peak memory at first frame, %s: game - %s | %+.1f MiB (%.1f / %.1f MiB) | %s "
                "|\n",
        platform, floor.title, game.mib("peak_kib") - floor.mib("peak_kib"), game.mib("peak_kib"),
        floor.mib("peak_kib"), memory);
}

void run(std::vector<Probe> &probes, int runs)
{
    // Warm the page cache and the font cache; these starts are not counted.
    for (int i = 0; i < 3; ++i) {
        for (const Probe &probe : probes)
            start(probe.program);
    }
    // Turn by turn, each going first in its round, so that drift hits all alike.
    for (int i = 0; i < runs; ++i) {
        for (std::size_t j = 0; j < probes.size(); ++j) {
            Probe &probe = probes[(i + j) % probes.size()];
            add(probe.samples, start(probe.program));
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 40;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The targets hold at a device pixel ratio of 1; at any other the figures are for
    // information.
    std::string platform = std::getenv("QT_QPA_PLATFORM");
    const char *ratio = std::getenv("QT_SCALE_FACTOR");
    if (ratio)
        platform += std::string(" at ratio ") + ratio;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    std::vector<Probe> probes {{"game", folder / "startup_vorn", {}},
        {"same controls", folder / "startup_controls", {}},
        {"empty window", folder / "startup_floor", {}}};

    try {
        run(probes, runs);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup_driver: %s\n", error.what());
        return 1;
    }
    std::printf("Start-up on %s\n", platform.c_str());
    printTable(probes, runs);
    std::printf("\n");
    printComparison(probes[0], probes[1], platform.c_str(),
        ratio ? "for information" : "at most 1.10", ratio ? "for information" : "at most +1.5 MiB");
    printComparison(probes[0], probes[2], platform.c_str(), "for information", "for information");
    return 0;
}
