// The three UTC text forms: parse, format and a timestamp round trip.
// timestamp_bench_quickfix.cpp runs the same with the peer's convertors.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "alloc_counter.h"
#include "tolvex/tolvex.h"

namespace {

constexpr const char* kTimestamp = "20240131-23:59:59.123";
constexpr const char* kDate = "20240131";
constexpr const char* kTime = "23:59:59";

template <typename Parse>
void parseBench(benchmark::State& state, Parse parse, const char* text) {
  const HeapCounts before = heapCounts();
  for (auto _ : state) benchmark::DoNotOptimize(parse(text));
  reportAllocations(state, before);
}

// format() of the value of `text`, through an object of the text's class.
template <typename Value>
void formatBench(benchmark::State& state, const char* text) {
  Value value(Value::parse(text));
  const double ole = value.toVariantTime();
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    char* formatted = value.format(ole);
    benchmark::DoNotOptimize(formatted);
    std::free(formatted);
  }
  reportAllocations(state, before);
}

void timestampParse(benchmark::State& state) {
  parseBench(state, CUTCTimestamp::parse, kTimestamp);
}
void dateParse(benchmark::State& state) {
  parseBench(state, CUTCDate::parse, kDate);
}
void timeParse(benchmark::State& state) {
  parseBench(state, CUTCTimeOnly::parse, kTime);
}
void timestampFormat(benchmark::State& state) {
  formatBench<CUTCTimestamp>(state, kTimestamp);
}
void dateFormat(benchmark::State& state) {
  formatBench<CUTCDate>(state, kDate);
}
void timeFormat(benchmark::State& state) {
  formatBench<CUTCTimeOnly>(state, kTime);
}

void timestampRoundTrip(benchmark::State& state) {
  CUTCTimestamp printer(0.0);
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    char* formatted = printer.format(CUTCTimestamp::parse(kTimestamp));
    benchmark::DoNotOptimize(formatted);
    std::free(formatted);
  }
  reportAllocations(state, before);
}

BENCHMARK(timestampParse)->Name("timestamp_parse/tolvex");
BENCHMARK(timestampFormat)->Name("timestamp_format/tolvex");
BENCHMARK(timestampRoundTrip)->Name("timestamp_roundtrip/tolvex");
BENCHMARK(dateParse)->Name("date_parse/tolvex");
BENCHMARK(dateFormat)->Name("date_format/tolvex");
BENCHMARK(timeParse)->Name("time_parse/tolvex");
BENCHMARK(timeFormat)->Name("time_format/tolvex");

}  // namespace
