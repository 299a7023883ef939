// The message model's workloads on a market-data snapshot: build, copy, typed
// reads and the text dump, at 1, 10 and 100 repeating entries, and the heap
// that a built message holds. model_bench_quickfix.cpp runs the same
// workloads with the peer library.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <thread>

#include "alloc_counter.h"
#include "snapshot_message.h"
#include "tolvex/tolvex.h"

namespace {

// Every field read back by name with the typed getters; the group is walked
// with the list's cursor. Returns a checksum of what was read.
double readSnapshot(const UniversalMessage& message) {
  double sum = 0;
  sum += *message.getSessionId() + *message.getMsgType();
  sum += *message.getValueString("55") + *message.getValueString("262");
  const IFieldGroupList* list = message.getValueList("268");
  for (const IFieldGroup* entry = list->getFirst(); entry != nullptr;
       entry = list->getNext()) {
    sum += *entry->getValueString("269");
    sum += entry->getValueDouble("270");
    sum += entry->getValueInt("271");
    sum += *entry->getValueString("272") + *entry->getValueString("273");
  }
  return sum;
}

void messageBuild(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    UniversalMessage message = buildSnapshotMessage(entries);
    benchmark::DoNotOptimize(message);
  }
  reportAllocations(state, before);
}

void messageCopy(benchmark::State& state) {
  const UniversalMessage source =
      buildSnapshotMessage(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    UniversalMessage copy(source);
    benchmark::DoNotOptimize(copy);
  }
  reportAllocations(state, before);
}

void messageRead(benchmark::State& state) {
  const UniversalMessage message =
      buildSnapshotMessage(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) benchmark::DoNotOptimize(readSnapshot(message));
  reportAllocations(state, before);
}

void messageDump(benchmark::State& state) {
  const UniversalMessage message =
      buildSnapshotMessage(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string dump = message.toString();
    benchmark::DoNotOptimize(dump);
  }
  reportAllocations(state, before);
}

// Heap held by what `make` returns, counted once the thread that made it has
// ended: that thread's cache of freed nodes is given back then, so only the
// blocks of the result remain.
template <typename Make>
double heldBytes(Make make) {
  // A first thread leaves what the C library keeps for later threads.
  std::thread([] {}).join();
  const HeapCounts before = heapCounts();
  decltype(make()) made;
  std::thread([&] { made = make(); }).join();
  return static_cast<double>((heapCounts() - before).liveBytes);
}

// Heap held by one entry group (per field) and by each entry of a message's
// list (its share of the list, the message's copy included).
void messageHeap(benchmark::State& state) {
  double perField = 0;
  double perEntry = 0;
  for (auto _ : state) {
    perField = heldBytes([] {
                 auto entry = std::make_unique<UniversalFieldGroup>();
                 entry->setValue("269", snapshot::entryType(0));
                 entry->setValueDouble("270", snapshot::entryPrice(0));
                 entry->setValueInt("271", snapshot::entrySize(0));
                 entry->setValue("272", snapshot::kEntryDate);
                 entry->setValue("273", snapshot::kEntryTime);
                 return entry;
               }) /
               snapshot::kFieldsPerEntry;
    const auto message = [](int entries) {
      return [entries] {
        return std::make_unique<UniversalMessage>(
            buildSnapshotMessage(entries));
      };
    };
    perEntry = (heldBytes(message(101)) - heldBytes(message(1))) / 100;
  }
  state.counters["bytes_per_field"] = perField;
  state.counters["bytes_per_entry"] = perEntry;
}

void entryCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("entries");
  for (int entries : snapshot::kEntryCounts) b->Arg(entries);
}

BENCHMARK(messageBuild)->Name("message_build/tolvex")->Apply(entryCounts);
BENCHMARK(messageCopy)->Name("message_copy/tolvex")->Apply(entryCounts);
BENCHMARK(messageRead)->Name("message_read/tolvex")->Apply(entryCounts);
BENCHMARK(messageDump)->Name("message_dump/tolvex")->Apply(entryCounts);
BENCHMARK(messageHeap)->Name("message_heap/tolvex")->Iterations(1);

}  // namespace
