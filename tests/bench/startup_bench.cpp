// Start-up, from the process start to its main window shown and painted: the program and the
// floor (a minimal window from the same toolchain), started alternately, each `runs` times.
//
//   startup_bench RUNS PROGRAM FLOOR
#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zbw::bench;

// Seconds from the start to the painted window; negative when the program failed to get there
// or did not end with 0 when asked to close.
double TimeOneStart(const std::string& path) {
    const double start = Now();
    Program program(path);
    if (!program.Started()) {
        return -1;
    }
    const HWND window = program.WaitUntilPainted(30);
    const double elapsed = Now() - start;
    if (window == nullptr || program.Close(window, 10) != 0) {
        return -1;
    }
    return elapsed;
}

void Report(const char* name, const std::vector<double>& seconds) {
    std::printf("startup %s: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %u runs\n", name,
                Median(seconds) * 1000, *std::min_element(seconds.begin(), seconds.end()) * 1000,
                *std::max_element(seconds.begin(), seconds.end()) * 1000,
                static_cast<unsigned>(seconds.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM FLOOR\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string paths[2] = {argv[2], argv[3]};
    std::vector<double> seconds[2];
    // One untimed start of each first: the file cache and Wine's own start-up state warm up.
    for (const std::string& path : paths) {
        TimeOneStart(path);
    }
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const double elapsed = TimeOneStart(paths[which]);
            if (elapsed < 0) {
                std::fprintf(stderr, "%s did not start, paint and close\n", paths[which].c_str());
                return 1;
            }
            seconds[which].push_back(elapsed);
        }
    }
    Report("program", seconds[0]);
    Report("floor", seconds[1]);
    std::printf("startup ratio: %.2f (program median / floor median)\n",
                Median(seconds[0]) / Median(seconds[1]));
    return 0;
}
