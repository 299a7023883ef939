// The workloads of timestamp_bench.cpp with the peer's UTC convertors, at
// millisecond precision for the timestamp. Built as C++14 with the peer.
#include <benchmark/benchmark.h>
#include <quickfix/FieldConvertors.h>

#include <string>

#include "alloc_counter.h"

namespace {

const std::string kTimestamp = "20240131-23:59:59.123";
const std::string kDate = "20240131";
const std::string kTime = "23:59:59";

template <typename Convertor>
void parseBench(benchmark::State& state, const std::string& text) {
  const HeapCounts before = heapCounts();
  for (auto _ : state) benchmark::DoNotOptimize(Convertor::convert(text));
  reportAllocations(state, before);
}

template <typename Convertor, typename... Precision>
void formatBench(benchmark::State& state, const std::string& text,
                 Precision... precision) {
  const auto value = Convertor::convert(text);
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string formatted = Convertor::convert(value, precision...);
    benchmark::DoNotOptimize(formatted);
  }
  reportAllocations(state, before);
}

void timestampParse(benchmark::State& state) {
  parseBench<FIX::UtcTimeStampConvertor>(state, kTimestamp);
}
void dateParse(benchmark::State& state) {
  parseBench<FIX::UtcDateConvertor>(state, kDate);
}
void timeParse(benchmark::State& state) {
  parseBench<FIX::UtcTimeOnlyConvertor>(state, kTime);
}
void timestampFormat(benchmark::State& state) {
  formatBench<FIX::UtcTimeStampConvertor>(state, kTimestamp, 3);
}
void dateFormat(benchmark::State& state) {
  formatBench<FIX::UtcDateConvertor>(state, kDate);
}
void timeFormat(benchmark::State& state) {
  formatBench<FIX::UtcTimeOnlyConvertor>(state, kTime, 0);
}

void timestampRoundTrip(benchmark::State& state) {
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string formatted = FIX::UtcTimeStampConvertor::convert(
        FIX::UtcTimeStampConvertor::convert(kTimestamp), 3);
    benchmark::DoNotOptimize(formatted);
  }
  reportAllocations(state, before);
}

BENCHMARK(timestampParse)->Name("timestamp_parse/quickfix");
BENCHMARK(timestampFormat)->Name("timestamp_format/quickfix");
BENCHMARK(timestampRoundTrip)->Name("timestamp_roundtrip/quickfix");
BENCHMARK(dateParse)->Name("date_parse/quickfix");
BENCHMARK(dateFormat)->Name("date_format/quickfix");
BENCHMARK(timeParse)->Name("time_parse/quickfix");
BENCHMARK(timeFormat)->Name("time_format/quickfix");

}  // namespace
