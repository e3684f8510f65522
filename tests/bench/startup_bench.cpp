// Start-up, from the process start to its main window shown and painted: the program and the
// programs it is measured against (a minimal window from the same toolchain first), started in
// turn, each `runs` times.
//
//   startup_bench RUNS PROGRAM FLOOR [OTHER...]
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

void Report(const std::string& name, const std::vector<double>& seconds) {
    std::printf("startup %s: median %.1f ms, fastest %.1f ms, slowest %.1f ms over %u runs\n",
                name.c_str(), Median(seconds) * 1000,
                *std::min_element(seconds.begin(), seconds.end()) * 1000,
                *std::max_element(seconds.begin(), seconds.end()) * 1000,
                static_cast<unsigned>(seconds.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM FLOOR [OTHER...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> paths(argv + 2, argv + argc);
    std::vector<std::vector<double>> seconds(paths.size());
    // One untimed start of each first: the file cache and Wine's own start-up state warm up.
    for (const std::string& path : paths) {
        TimeOneStart(path);
    }
    for (int run = 0; run < runs; ++run) {
        for (std::size_t which = 0; which < paths.size(); ++which) {
            const double elapsed = TimeOneStart(paths[which]);
            if (elapsed < 0) {
                std::fprintf(stderr, "%s did not start, paint and close\n", paths[which].c_str());
                return 1;
            }
            seconds[which].push_back(elapsed);
        }
    }
    for (std::size_t which = 0; which < paths.size(); ++which) {
        Report(paths[which], seconds[which]);
    }
    for (std::size_t which = 1; which < paths.size(); ++which) {
        std::printf("startup ratio %s / %s: %.2f (medians)\n", paths[0].c_str(),
                    paths[which].c_str(), Median(seconds[0]) / Median(seconds[which]));
    }
    return 0;
}
