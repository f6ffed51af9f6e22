#include "BenchSummary.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

std::vector<TBenchLine>& Lines()
{
    static std::vector<TBenchLine> lines;
    return lines;
}

// Keeps the console output and collects every repetition's value.
class TCollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
                continue;
            Sample& sample = FSamples[run.benchmark_name()];
            // CPU time: the benchmarks are single-threaded, and on a shared machine
            // the wall clock mostly measures the other processes.
            sample.Nanoseconds.push_back(run.cpu_accumulated_time * 1e9 / static_cast<double>(run.iterations));
            for (const auto& [name, counter] : run.counters)
                sample.Counters[name].push_back(counter.value);
        }
    }

    // The median of the values, or a negative number when the run is missing.
    double Value(const std::string& name, TBenchValue kind, const std::string& counter) const
    {
        const auto it = FSamples.find(name);
        if (it == FSamples.end())
            return -1;
        std::vector<double> values;
        double scale = 1;
        switch (kind) {
        case TBenchValue::Counter: {
            const auto c = it->second.Counters.find(counter);
            if (c == it->second.Counters.end())
                return -1;
            values = c->second;
            break;
        }
        case TBenchValue::Milliseconds:
            scale = 1e-6;
            values = it->second.Nanoseconds;
            break;
        case TBenchValue::Microseconds:
            scale = 1e-3;
            values = it->second.Nanoseconds;
            break;
        case TBenchValue::Nanoseconds:
            values = it->second.Nanoseconds;
            break;
        }
        if (values.empty())
            return -1;
        std::sort(values.begin(), values.end());
        const size_t n = values.size();
        const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
        return median * scale;
    }

private:
    struct Sample {
        std::vector<double> Nanoseconds;
        std::map<std::string, std::vector<double>> Counters;
    };
    std::map<std::string, Sample> FSamples;
};

void WriteSummary(const TCollectingReporter& reporter, const char* path)
{
    FILE* out = std::fopen(path, "a");
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return;
    }
    for (const TBenchLine& line : Lines()) {
        const double ours = reporter.Value(line.Ours, line.Value, line.Counter) / line.Per;
        if (ours < 0)
            continue;  // filtered out of this run
        if (line.Reference.empty()) {
            std::fprintf(out, "%s %.4g - -\n", line.Name.c_str(), ours);
            continue;
        }
        const double reference =
            reporter.Value(line.Reference, line.Value, line.Counter) * line.ReferenceScale / line.Per;
        if (reference <= 0)
            std::fprintf(out, "%s %.4g - -\n", line.Name.c_str(), ours);
        else
            std::fprintf(out, "%s %.4g %.4g %.3f\n", line.Name.c_str(), ours, reference, ours / reference);
    }
    std::fclose(out);
}

}  // namespace

bool XLBenchLine(TBenchLine line)
{
    Lines().push_back(std::move(line));
    return true;
}

long long XLHeapInUse()
{
    return static_cast<long long>(mallinfo2().uordblks);
}

int XLBenchMain(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TCollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const char* path = std::getenv("CALORIX_BENCH_SUMMARY"))
        WriteSummary(reporter, path);
    benchmark::Shutdown();
    return 0;
}

int main(int argc, char** argv)
{
    return XLBenchMain(argc, argv);
}
