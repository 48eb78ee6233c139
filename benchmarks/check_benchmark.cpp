// csp-report check over a CSV of structures: rows summed up per second, the
// summary alone, as one core runs them. The selection has its own
// (selection_benchmark.cpp).
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "apps/csp-report/check_command.h"

namespace {

// A file of `rows` structures mixing shapes, profiles, sizes and methods, a
// refused row now and then.
std::string structures(int rows) {
    const char* shapes[] = {"round", "pipe-arch", "underpass"};
    const char* methods[] = {"astm-asd", "astm-lrfd", "aashto-asd", "aashto-lfd", "aashto-lrfd", "aisi"};
    std::ostringstream csv;
    csv << "id,shape,profile,method,cover,span,size,thickness\n";
    for (int i = 0; i < rows; ++i) {
        const int shape = i % 3;
        csv << "S-" << i << ',' << shapes[shape] << ',' << (shape == 2 ? 0 : i % 5) << ',' << methods[i % 6] << ','
            << (i % 97 == 0 ? "0.5"
                : i % 2     ? "4"
                            : "12")
            << ',' << (shape == 0 ? "60" : "") << ',' << (shape == 0 ? "" : std::to_string(i % 9)) << ',' << i % 3
            << '\n';
    }
    return csv.str();
}

void checkRows(benchmark::State& state) {
    const std::string csv = structures(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out, err;
        benchmark::DoNotOptimize(csp::cli::runCheck({"-", "", ""}, in, out, err));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
}
BENCHMARK(checkRows)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
