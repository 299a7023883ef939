// The message workloads of model_bench.cpp with the peer library's own API:
// a snapshot message with a NoMDEntries group, its copy constructor, typed
// field reads and toString(). Built as C++14, which the peer's headers need.
#include <benchmark/benchmark.h>
#include <quickfix/FieldConvertors.h>
#include <quickfix/fix44/MarketDataSnapshotFullRefresh.h>

#include <string>

#include "alloc_counter.h"
#include "snapshot_workload.h"

namespace {

using Snapshot = FIX44::MarketDataSnapshotFullRefresh;

Snapshot buildSnapshot(int entries) {
  Snapshot message;
  message.getHeader().setField(FIX::SenderCompID(snapshot::kSessionId));
  message.set(FIX::Symbol(snapshot::kSymbol));
  message.set(FIX::MDReqID(snapshot::kRequestId));
  for (int i = 0; i < entries; ++i) {
    Snapshot::NoMDEntries entry;
    entry.set(FIX::MDEntryType(*snapshot::entryType(i)));
    entry.set(FIX::MDEntryPx(snapshot::entryPrice(i)));
    entry.setField(
        FIX::IntField(FIX::FIELD::MDEntrySize, snapshot::entrySize(i)));
    entry.setField(
        FIX::StringField(FIX::FIELD::MDEntryDate, snapshot::kEntryDate));
    entry.setField(
        FIX::StringField(FIX::FIELD::MDEntryTime, snapshot::kEntryTime));
    message.addGroup(entry);
  }
  return message;
}

// The reads of model_bench.cpp: typed field objects, the group walked by
// index without copying its entries.
double readSnapshot(const Snapshot& message) {
  double sum = 0;
  sum += message.getHeader().getField(FIX::FIELD::SenderCompID)[0];
  sum += message.getHeader().getField(FIX::FIELD::MsgType)[0];
  FIX::Symbol symbol;
  FIX::MDReqID requestId;
  sum +=
      message.get(symbol).getValue()[0] + message.get(requestId).getValue()[0];
  FIX::NoMDEntries count;
  message.get(count);
  for (int i = 1; i <= count.getValue(); ++i) {
    const FIX::FieldMap& entry =
        message.getGroupRef(i, FIX::FIELD::NoMDEntries);
    FIX::MDEntryType type;
    FIX::MDEntryPx price;
    FIX::IntField size(FIX::FIELD::MDEntrySize);
    FIX::StringField date(FIX::FIELD::MDEntryDate);
    FIX::StringField time(FIX::FIELD::MDEntryTime);
    entry.getField(type);
    entry.getField(price);
    entry.getField(size);
    entry.getField(date);
    entry.getField(time);
    sum += type.getValue() + price.getValue() + size.getValue() +
           date.getValue()[0] + time.getValue()[0];
  }
  return sum;
}

void messageBuild(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    Snapshot message = buildSnapshot(entries);
    benchmark::DoNotOptimize(message);
  }
  reportAllocations(state, before);
}

void messageCopy(benchmark::State& state) {
  const Snapshot source = buildSnapshot(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    Snapshot copy(source);
    benchmark::DoNotOptimize(copy);
  }
  reportAllocations(state, before);
}

void messageRead(benchmark::State& state) {
  const Snapshot message = buildSnapshot(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) benchmark::DoNotOptimize(readSnapshot(message));
  reportAllocations(state, before);
}

void messageDump(benchmark::State& state) {
  const Snapshot message = buildSnapshot(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string dump = message.toString();
    benchmark::DoNotOptimize(dump);
  }
  reportAllocations(state, before);
}

void messageHeap(benchmark::State& state) {
  double perField = 0;
  double perEntry = 0;
  for (auto _ : state) {
    const HeapCounts empty = heapCounts();
    {
      Snapshot::NoMDEntries entry;
      entry.set(FIX::MDEntryType(*snapshot::entryType(0)));
      entry.set(FIX::MDEntryPx(snapshot::entryPrice(0)));
      entry.setField(
          FIX::IntField(FIX::FIELD::MDEntrySize, snapshot::entrySize(0)));
      entry.setField(
          FIX::StringField(FIX::FIELD::MDEntryDate, snapshot::kEntryDate));
      entry.setField(
          FIX::StringField(FIX::FIELD::MDEntryTime, snapshot::kEntryTime));
      perField = static_cast<double>((heapCounts() - empty).liveBytes) /
                 snapshot::kFieldsPerEntry;
    }
    const HeapCounts start = heapCounts();
    const Snapshot one = buildSnapshot(1);
    const HeapCounts middle = heapCounts();
    const Snapshot hundred = buildSnapshot(101);
    perEntry = (static_cast<double>((heapCounts() - middle).liveBytes) -
                static_cast<double>((middle - start).liveBytes)) /
               100;
  }
  state.counters["bytes_per_field"] = perField;
  state.counters["bytes_per_entry"] = perEntry;
}

void entryCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("entries");
  for (int entries : snapshot::kEntryCounts) b->Arg(entries);
}

BENCHMARK(messageBuild)->Name("message_build/quickfix")->Apply(entryCounts);
BENCHMARK(messageCopy)->Name("message_copy/quickfix")->Apply(entryCounts);
BENCHMARK(messageRead)->Name("message_read/quickfix")->Apply(entryCounts);
BENCHMARK(messageDump)->Name("message_dump/quickfix")->Apply(entryCounts);
BENCHMARK(messageHeap)->Name("message_heap/quickfix")->Iterations(1);

}  // namespace
