// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game, a plain window with the game window's captioned controls and an empty window
// of the same size in turn, many times, and compares the time each takes from its spawn to its
// first painted frame, and the memory each holds then. The targets are set against the window
// with the same controls; the empty window is shown for information.
//
// Usage: startup_driver [runs [TITLE=PROGRAM...]]
//   runs      starts of each program, 40 by default
//   PROGRAM   a probe to start instead of the three beside the driver; the first is compared
//             with each of the others
// The platform is QT_QPA_PLATFORM's, offscreen when unset, and every probe starts at the device
// pixel ratio QT_SCALE_FACTOR gives. VORN_BENCH_LAUNCHER, when set, is a command that starts each
// probe (its words split at spaces), such as the wine runner for Windows programs, and
// VORN_BENCH_PLATFORM the name the table gives the platform.
#include "Measure.h"

#include <fcntl.h>
#include <signal.h>
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

/// One start of a probe: its phases in nanoseconds since its spawn, the moment its report
/// reached the driver ("seen", the first frame as the driver sees it), and its memory.
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
    if (!figures.count("frame") || !figures.count("peak_kib"))
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

/// The words of VORN_BENCH_LAUNCHER, then @p program.
std::vector<std::string> commandFor(const std::string &program)
{
    std::vector<std::string> command;
    if (const char *launcher = std::getenv("VORN_BENCH_LAUNCHER")) {
        std::istringstream words(launcher);
        std::string word;
        while (words >> word)
            command.push_back(word);
    }
    command.push_back(program);
    return command;
}

/// Waits for @p child to end, however it ends: its report is all the driver reads, and a probe
/// that printed none fails in parse(). One still there two seconds later is stopped: Qt 6.4's
/// Wayland platform can deadlock closing its connection, after the report.
void waitFor(pid_t child)
{
    int status = 0;
    for (int tries = 0; waitpid(child, &status, WNOHANG) == 0; ++tries) {
        if (tries == 200) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return;
        }
        usleep(10'000);
    }
}

/// Spawns @p program with its standard output on the pipe end it returns and its errors
/// dropped; the clock is read right before the spawn, handed to the child and kept in
/// @p spawnedNs.
int spawn(const std::string &program, pid_t &child, std::int64_t &spawnedNs)
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

    std::vector<std::string> command = commandFor(program);
    std::vector<char *> argv;
    for (std::string &word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    spawnedNs = bench::monotonicNs();
    std::string spawned = "VORN_BENCH_SPAWNED_NS=" + std::to_string(spawnedNs);
    std::vector<char *> environment = environmentWith(spawned);
    const int failed
        = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (failed) {
        close(output[0]);
        throw std::runtime_error("cannot start " + program);
    }
    return output[0];
}

/// Starts @p program once and reads what it measured, noting when its report arrived.
Figures start(const std::string &program)
{
    pid_t child = 0;
    std::int64_t spawnedNs = 0;
    const int output = spawn(program, child, spawnedNs);
    std::string text;
    std::int64_t seenNs = 0;
    char buffer[512];
    ssize_t count = 0;
    // The report is one line; a probe may hang once it has printed it (see waitFor).
    while (seenNs == 0 && (count = read(output, buffer, sizeof buffer)) > 0) {
        text.append(buffer, static_cast<std::size_t>(count));
        if (text.find('\n') != std::string::npos)
            seenNs = bench::monotonicNs();
    }
    close(output);
    waitFor(child);
    Figures figures = parse(text);
    figures["seen"] = static_cast<double>(seenNs - spawnedNs);
    return figures;
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
    std::string title;
    std::string program;
    Samples samples;

    double median(const char *figure) { return bench::median(samples[figure]); }
    double mib(const char *figure) { return bench::toMib(median(figure)); }
};

void printProbe(Probe &probe)
{
    std::printf("%-16s", probe.title.c_str());
    for (const char *phase : Phases)
        std::printf("%12.1f", ms(probe.median(phase)));
    std::printf(
        "%10.1f%10.1f", ms(probe.median("seen")), ms(bench::quantile(probe.samples["seen"], 0.9)));
    std::printf("%10.1f%10.1f%10.1f\n", probe.mib("peak_kib"), probe.mib("anon_kib"),
        probe.mib("file_kib"));
}

void printTable(std::vector<Probe> &probes, int runs)
{
    std::printf("\nMedians of %d starts each: times in ms since spawn (the phases of a probe under "
                "wine since its main), memory in MiB at the first frame (-0.0: not read)\n\n",
        runs);
    std::printf("%-16s", "");
    for (const char *phase : Phases)
        std::printf("%12s", phase);
    std::printf("%10s%10s%10s%10s%10s\n", "seen", "seen p90", "peak", "anon", "file");
    for (Probe &probe : probes)
        printProbe(probe);
}

/// The start-up of @p game against @p reference, as the driver saw their first frames, and their
/// peak memory.
void printComparison(Probe &game, Probe &reference, const std::string &platform, bool targets)
{
    std::printf("| Start-up to first frame, %s: %s / %s | %.2f (%.1f ms / %.1f ms) | %s |\n",
        platform.c_str(), game.title.c_str(), reference.title.c_str(),
        game.median("seen") / reference.median("seen"), ms(game.median("seen")),
        ms(reference.median("seen")), targets ? "at most 1.10" : "for information");
    std::printf("| Peak memory at first frame, %s: %s - %s | ", platform.c_str(),
        game.title.c_str(), reference.title.c_str());
    if (game.median("peak_kib") < 0 || reference.median("peak_kib") < 0)
        std::printf("not read");
    else
        std::printf("%+.1f MiB (%.1f / %.1f MiB)", game.mib("peak_kib") - reference.mib("peak_kib"),
            game.mib("peak_kib"), reference.mib("peak_kib"));
    std::printf(" | %s |\n", targets ? "at most +1.5 MiB" : "for information");
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

/// The probes named on the command line, or the three built beside the driver.
std::vector<Probe> probesFrom(int argc, char *argv[])
{
    std::vector<Probe> probes;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto equals = argument.find('=');
        if (equals == std::string::npos)
            throw std::runtime_error("a probe is TITLE=PROGRAM, not \"" + argument + '"');
        probes.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}});
    }
    if (probes.empty()) {
        const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        probes = {{"game", folder / "startup_vorn", {}},
            {"same controls", folder / "startup_controls", {}},
            {"empty window", folder / "startup_floor", {}}};
    }
    if (probes.size() < 2)
        throw std::runtime_error("name at least two probes to compare");
    return probes;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 40;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The targets hold at a device pixel ratio of 1, against the window with the same controls;
    // at any other ratio the figures are for information.
    const char *name = std::getenv("VORN_BENCH_PLATFORM");
    std::string platform = name ? name : std::getenv("QT_QPA_PLATFORM");
    const char *ratio = std::getenv("QT_SCALE_FACTOR");
    if (ratio)
        platform += std::string(" at ratio ") + ratio;

    std::vector<Probe> probes;
    try {
        probes = probesFrom(argc, argv);
        run(probes, runs);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup_driver: %s\n", error.what());
        return 1;
    }
    std::printf("Start-up on %s\n", platform.c_str());
    printTable(probes, runs);
    std::printf("\n");
    for (std::size_t i = 1; i < probes.size(); ++i)
        printComparison(
            probes[0], probes[i], platform, !ratio && probes[i].title == "same controls");
    return 0;
}
