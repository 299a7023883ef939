// The JSON forms of the market-data snapshot against their yardsticks:
// reading it from JSON against building it through the setters, writing it
// as JSON against its text dump; and the readable description beside them.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "alloc_counter.h"
#include "snapshot_message.h"
#include "tolvex/text/describe.h"
#include "tolvex/text/json.h"

namespace {

int entriesOf(const benchmark::State& state) {
  return static_cast<int>(state.range(0));
}

void buildWithSetters(benchmark::State& state) {
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    UniversalMessage message = buildSnapshotMessage(entriesOf(state));
    benchmark::DoNotOptimize(message);
  }
  reportAllocations(state, before);
}

void readJson(benchmark::State& state) {
  const std::string json = toJson(buildSnapshotMessage(entriesOf(state)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    auto message = messageFromJson(json);
    benchmark::DoNotOptimize(message);
  }
  reportAllocations(state, before);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(json.size()));
}

void writeDump(benchmark::State& state) {
  const UniversalMessage message = buildSnapshotMessage(entriesOf(state));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string dump = message.toString();
    benchmark::DoNotOptimize(dump);
  }
  reportAllocations(state, before);
}

void writeJson(benchmark::State& state) {
  const UniversalMessage message = buildSnapshotMessage(entriesOf(state));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string json = toJson(message);
    benchmark::DoNotOptimize(json);
  }
  reportAllocations(state, before);
}

void writeDescription(benchmark::State& state) {
  const UniversalMessage message = buildSnapshotMessage(entriesOf(state));
  for (auto _ : state) {
    std::string text = describe(message);
    benchmark::DoNotOptimize(text);
  }
}

void entryCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("entries");
  for (int entries : snapshot::kEntryCounts) b->Arg(entries);
}

BENCHMARK(readJson)->Name("json_read/tolvex")->Apply(entryCounts);
BENCHMARK(buildWithSetters)->Name("json_read/setters")->Apply(entryCounts);
BENCHMARK(writeJson)->Name("json_write/tolvex")->Apply(entryCounts);
BENCHMARK(writeDump)->Name("json_write/dump")->Apply(entryCounts);
BENCHMARK(writeDescription)->Name("describe/tolvex")->Apply(entryCounts);

}  // namespace
