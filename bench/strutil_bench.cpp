// Speed of join, split and separator normalisation against hand-written
// single-pass baselines in the same binary. Run on request:
//   build/linux/bench/strutil_bench
// and compare each function's time with its baseline at the same size.
#include <benchmark/benchmark.h>

#include <string>

#include "pathutil/path_helpers.h"
#include "strutil/join.h"
#include "strutil/split.h"

namespace {

using pickpath::StringList;

StringList oneCharacterElements(std::size_t count) { return StringList(count, "x"); }

// A text of `size` bytes: short words between single delimiters.
std::string delimitedText(std::size_t size, char delimiter) {
    std::string text;
    while (text.size() < size) text += std::string("word") + delimiter;
    text.resize(size);
    return text;
}

// A path of `size` bytes: folder names of 3 to 13 characters behind mixed and
// sometimes doubled separators.
std::string messyPath(std::size_t size) {
    std::string path = "C:";
    const char* pieces[] = {"\\Documents", "/src", "\\\\project-alpha", "//build", "\\Users",
                            "/release-notes"};
    for (std::size_t i = 0; path.size() < size; ++i) path += pieces[i % 6];
    path.resize(size);
    return path;
}

void BM_JoinStrings(benchmark::State& state) {
    const StringList list = oneCharacterElements(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(pickpath::joinStrings(list, '/'));
    state.SetComplexityN(state.range(0));
}

void BM_JoinBaseline(benchmark::State& state) {
    const StringList list = oneCharacterElements(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string joined;
        joined.reserve(list.size() * 2);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i != 0) joined += '/';
            joined += list[i];
        }
        benchmark::DoNotOptimize(joined);
    }
    state.SetComplexityN(state.range(0));
}

void BM_SplitString(benchmark::State& state) {
    const std::string text = delimitedText(static_cast<std::size_t>(state.range(0)), '/');
    for (auto _ : state) benchmark::DoNotOptimize(pickpath::splitString(text, '/'));
    state.SetComplexityN(state.range(0));
}

void BM_SplitBaseline(benchmark::State& state) {
    const std::string text = delimitedText(static_cast<std::size_t>(state.range(0)), '/');
    for (auto _ : state) {
        StringList pieces;
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '/') {
                pieces.emplace_back(text, start, i - start);
                start = i + 1;
            }
        }
        if (start < text.size()) pieces.emplace_back(text, start, text.size() - start);
        benchmark::DoNotOptimize(pieces);
    }
    state.SetComplexityN(state.range(0));
}

void BM_NormalizeSeparators(benchmark::State& state) {
    const std::string path = messyPath(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(pickpath::normalizeSeparators(path, '\\'));
    state.SetComplexityN(state.range(0));
}

// One pass: map separators, collapse runs after the first two components,
// drop one trailing separator (valid for paths without quotes).
void BM_NormalizeBaseline(benchmark::State& state) {
    const std::string path = messyPath(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string out;
        out.reserve(path.size());
        std::size_t component = 0;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const bool separator = path[i] == '/' || path[i] == '\\';
            if (!separator) {
                out += path[i];
            } else if (++component < 2 || out.back() != '\\') {
                out += '\\';
            }
        }
        if (!out.empty() && out.back() == '\\') out.pop_back();
        benchmark::DoNotOptimize(out);
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_JoinStrings)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN);
BENCHMARK(BM_JoinBaseline)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN);
BENCHMARK(BM_SplitString)->Arg(1 << 20);
BENCHMARK(BM_SplitBaseline)->Arg(1 << 20);
// A path of the classic length limit, and one of the long form's.
BENCHMARK(BM_NormalizeSeparators)->Arg(260)->Arg(32768);
BENCHMARK(BM_NormalizeBaseline)->Arg(260)->Arg(32768);

}  // namespace

BENCHMARK_MAIN();
