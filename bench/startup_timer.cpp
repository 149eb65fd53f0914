// Starts the start-up probe repeatedly, the bare window and the program in
// turn, and reports the medians of the wall time from process start to first
// paint, of the CPU time the whole process took (start, first paint, exit)
// and of its peak memory.
//   startup_timer PROBE [RUNS]
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

Run RunOnce(const char* probe, const char* kind) {
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
        execl(probe, probe, kind, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[64] = {};
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    run.wallMs = n > 0 ? std::atoll(buffer) / 1e6 : -1;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.peakMiB = usage.ru_maxrss / 1024.0;
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_timer PROBE [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 30;
    std::vector<Run> bare;
    std::vector<Run> program;
    for (int i = 0; i < runs; ++i) {  // interleaved, so both see the same machine
        bare.push_back(RunOnce(argv[1], "bare"));
        program.push_back(RunOnce(argv[1], "program"));
    }
    const auto report = [&](const char* what, const char* unit, double Run::*field) {
        std::vector<double> b;
        std::vector<double> p;
        for (int i = 0; i < runs; ++i) {
            b.push_back(bare[i].*field);
            p.push_back(program[i].*field);
        }
        std::printf("%-22s median of %d: bare %7.1f %s, program %7.1f %s, ratio %.2f\n", what, runs,
                    Median(b), unit, Median(p), unit, Median(p) / Median(b));
    };
    report("start to first paint", "ms", &Run::wallMs);
    report("CPU time of the run", "ms", &Run::cpuMs);
    report("peak memory", "MiB", &Run::peakMiB);
    return 0;
}
