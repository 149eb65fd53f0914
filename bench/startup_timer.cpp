// Starts the floor (a bare Qt main window) and the program in turn, each with
// the first-paint probe preloaded, and reports for each target the medians of
// both and their ratio: the wall time from process start to first paint, the
// CPU time the whole process took (start, first paint, exit) and its peak
// memory; and the machine's load before and after.
//   startup_timer PROBE FLOOR PROGRAM [RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

long long NowNs() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

struct Run {
    double wallMs = -1;  // start to first paint
    double cpuMs = -1;   // user and system time of the whole process
    double peakMiB = -1;
};

Run RunOnce(const char* probe, const char* program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const std::string start = std::to_string(NowNs());
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], 1);
        close(pipeFds[0]);
        setenv("PARABEL_PROBE_START_NS", start.c_str(), 1);
        setenv("LD_PRELOAD", probe, 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer - 1);
    // Whatever else the process prints is read too, so that it never dies
    // writing to a closed pipe.
    for (char rest[256]; read(pipeFds[0], rest, sizeof rest) > 0;) {
    }
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.wallMs = n > 0 ? std::atoll(buffer) / 1e6 : -1;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.peakMiB = usage.ru_maxrss / 1024.0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || n <= 0) {
        std::fprintf(stderr, "startup_timer: %s did not paint and exit cleanly\n", program);
        std::exit(1);
    }
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Load() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    std::string five;
    std::string fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_timer PROBE FLOOR PROGRAM [RUNS]\n");
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 30;
    std::printf("load average before: %s\n", Load().c_str());
    std::vector<Run> floor;
    std::vector<Run> program;
    for (int i = 0; i < runs; ++i) {  // interleaved, so both see the same machine
        floor.push_back(RunOnce(argv[1], argv[2]));
        program.push_back(RunOnce(argv[1], argv[3]));
    }
    const auto report = [&](const char* what, const char* unit, double Run::*field) {
        std::vector<double> f;
        std::vector<double> p;
        for (int i = 0; i < runs; ++i) {
            f.push_back(floor[i].*field);
            p.push_back(program[i].*field);
        }
        std::printf(
            "%-20s median of %d: floor %6.1f %s, Parabel %6.1f %s, ratio %.2f (target 1.20)\n",
            what, runs, Median(f), unit, Median(p), unit, Median(p) / Median(f));
    };
    report("start to first paint", "ms", &Run::wallMs);
    report("CPU time of the run", "ms", &Run::cpuMs);
    report("peak memory", "MiB", &Run::peakMiB);
    std::printf("load average after:  %s\n", Load().c_str());
    return 0;
}
