// Starts two commands in turn, RUNS times each, and prints the medians of
// each one's wall time (fork to exit), CPU time (user and system) and peak
// memory, and their ratios second / first; on a busy machine the CPU time
// is the steadier figure. Each run must exit 0 with the expected text in its
// output, so a command that failed fast is never timed as a fast one.
//   process_timer RUNS FLOOR_TEXT FLOOR_PROGRAM [ARGS...] -- TEXT PROGRAM [ARGS...]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Command {
    std::string expected;     // text its output must hold
    std::vector<char*> argv;  // program and arguments, then nullptr
};

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    double peakKiB = 0;
};

double NowMs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// One run, its output read through a pipe; exits the timer when the run
// fails or prints something else.
Run RunOnce(const Command& command) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], 1);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(command.argv[0], command.argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double end = NowMs();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        output.find(command.expected) == std::string::npos) {
        std::fprintf(stderr, "%s: exit status %d, output without \"%s\":\n%s\n", command.argv[0],
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1, command.expected.c_str(),
                     output.c_str());
        std::exit(1);
    }
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return {end - start, cpuMs, static_cast<double>(usage.ru_maxrss)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Line(const Command& command) {
    std::string line;
    for (const char* arg : command.argv) {
        if (arg != nullptr) {
            line += line.empty() ? "" : " ";
            line += arg;
        }
    }
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Command> commands(1);
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--") {
            commands.emplace_back();
        } else if (commands.back().expected.empty() && commands.back().argv.empty()) {
            commands.back().expected = argv[i];
        } else {
            commands.back().argv.push_back(argv[i]);
        }
    }
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    if (runs < 1 || commands.size() != 2 || commands[0].argv.empty() || commands[1].argv.empty()) {
        std::fprintf(
            stderr, "usage: process_timer RUNS TEXT PROGRAM [ARGS...] -- TEXT PROGRAM [ARGS...]\n");
        return 2;
    }
    for (Command& command : commands) {
        command.argv.push_back(nullptr);
    }
    std::vector<double> wall[2];
    std::vector<double> cpu[2];
    std::vector<double> peak[2];
    for (int i = 0; i < runs; ++i) {  // interleaved, the first alternating
        for (int k = 0; k < 2; ++k) {
            const int which = (i + k) % 2;
            const Run run = RunOnce(commands[which]);
            wall[which].push_back(run.wallMs);
            cpu[which].push_back(run.cpuMs);
            peak[which].push_back(run.peakKiB);
        }
    }
    std::printf("median of %d interleaved runs   wall ms    CPU ms   peak KiB\n", runs);
    const char* const names[2] = {"floor", "Parabel"};
    for (int k = 0; k < 2; ++k) {
        std::printf("  %-26s %9.3f %9.3f %10.0f   %s\n", names[k], Median(wall[k]), Median(cpu[k]),
                    Median(peak[k]), Line(commands[k]).c_str());
    }
    std::printf("  %-26s %9.2f %9.2f %10.2f\n", "ratio", Median(wall[1]) / Median(wall[0]),
                Median(cpu[1]) / Median(cpu[0]), Median(peak[1]) / Median(peak[0]));
    return 0;
}
