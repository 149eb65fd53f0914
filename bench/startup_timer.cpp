// Starts the start-up probe repeatedly, the bare window and the program in
// turn, and reports the median time from process start to first paint.
//   startup_timer PROBE [RUNS]
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

// One run: the probe's own report of start to first paint, in milliseconds.
double RunOnce(const char* probe, const char* kind) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return -1;
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
    waitpid(child, nullptr, 0);
    return n > 0 ? std::atoll(buffer) / 1e6 : -1;
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
    std::vector<double> bare;
    std::vector<double> program;
    for (int i = 0; i < runs; ++i) {  // interleaved, so both see the same machine
        bare.push_back(RunOnce(argv[1], "bare"));
        program.push_back(RunOnce(argv[1], "program"));
    }
    const double b = Median(bare);
    const double p = Median(program);
    std::printf("start to first paint, median of %d: bare %.1f ms, program %.1f ms, ratio %.2f\n",
                runs, b, p, p / b);
    return 0;
}
