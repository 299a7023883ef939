// The message workloads of model_bench.cpp with the peer library's own API,
// written two ways: "quickfix" is the fastest its public API allows (plain
// fields, one entry object reused, groups reached through the group map,
// values read as the stored strings, one dump string reused), and
// "quickfix_typical" is how its documentation writes it (generated field
// classes, a new entry per repetition, typed field objects for the reads).
// The targets are against the fastest. Built as C++14, which the peer's
// headers need.
#include <benchmark/benchmark.h>
#include <quickfix/FieldConvertors.h>
#include <quickfix/fix44/MarketDataSnapshotFullRefresh.h>

#include <string>

#include "alloc_counter.h"
#include "snapshot_workload.h"

namespace {

using Snapshot = FIX44::MarketDataSnapshotFullRefresh;

void setHeadFields(Snapshot& message) {
  message.getHeader().setField(
      FIX::StringField(FIX::FIELD::SenderCompID, snapshot::kSessionId));
  message.setField(FIX::StringField(FIX::FIELD::Symbol, snapshot::kSymbol));
  message.setField(FIX::StringField(FIX::FIELD::MDReqID, snapshot::kRequestId));
}

// The fields both ways write as plain fields: the size as an int, the date
// and time as texts (their generated classes are a quantity and date and
// time types).
void setPlainFields(FIX::FieldMap& entry, int i) {
  entry.setField(
      FIX::IntField(FIX::FIELD::MDEntrySize, snapshot::entrySize(i)));
  entry.setField(
      FIX::StringField(FIX::FIELD::MDEntryDate, snapshot::kEntryDate));
  entry.setField(
      FIX::StringField(FIX::FIELD::MDEntryTime, snapshot::kEntryTime));
}

// One entry object takes every entry's values (setField overwrites) and is
// copied into the message; the copy is the only group the message makes.
Snapshot buildFast(int entries) {
  Snapshot message;
  setHeadFields(message);
  Snapshot::NoMDEntries entry;
  for (int i = 0; i < entries; ++i) {
    entry.setField(
        FIX::CharField(FIX::FIELD::MDEntryType, *snapshot::entryType(i)));
    entry.setField(
        FIX::DoubleField(FIX::FIELD::MDEntryPx, snapshot::entryPrice(i)));
    setPlainFields(entry, i);
    message.addGroup(entry);
  }
  return message;
}

Snapshot buildTypical(int entries) {
  Snapshot message;
  message.getHeader().setField(FIX::SenderCompID(snapshot::kSessionId));
  message.set(FIX::Symbol(snapshot::kSymbol));
  message.set(FIX::MDReqID(snapshot::kRequestId));
  for (int i = 0; i < entries; ++i) {
    Snapshot::NoMDEntries entry;
    entry.set(FIX::MDEntryType(*snapshot::entryType(i)));
    entry.set(FIX::MDEntryPx(snapshot::entryPrice(i)));
    setPlainFields(entry, i);
    message.addGroup(entry);
  }
  return message;
}

// The stored strings read in place, numbers through the peer's own
// convertors, the entries walked in the group map's vector.
double readFast(const Snapshot& message) {
  double sum = 0;
  sum += message.getHeader().getField(FIX::FIELD::SenderCompID)[0];
  sum += message.getHeader().getField(FIX::FIELD::MsgType)[0];
  sum += message.getField(FIX::FIELD::Symbol)[0] +
         message.getField(FIX::FIELD::MDReqID)[0];
  for (auto groups = message.g_begin(); groups != message.g_end(); ++groups) {
    if (groups->first != FIX::FIELD::NoMDEntries) continue;
    for (const FIX::FieldMap* entry : groups->second) {
      sum += entry->getField(FIX::FIELD::MDEntryType)[0];
      sum +=
          FIX::DoubleConvertor::convert(entry->getField(FIX::FIELD::MDEntryPx));
      sum +=
          FIX::IntConvertor::convert(entry->getField(FIX::FIELD::MDEntrySize));
      sum += entry->getField(FIX::FIELD::MDEntryDate)[0] +
             entry->getField(FIX::FIELD::MDEntryTime)[0];
    }
  }
  return sum;
}

// Typed field objects, the group reached by index.
double readTypical(const Snapshot& message) {
  double sum = 0;
  FIX::SenderCompID sender;
  FIX::MsgType type;
  message.getHeader().getField(sender);
  message.getHeader().getField(type);
  sum += sender.getValue()[0] + type.getValue()[0];
  FIX::Symbol symbol;
  FIX::MDReqID requestId;
  sum +=
      message.get(symbol).getValue()[0] + message.get(requestId).getValue()[0];
  FIX::NoMDEntries count;
  message.get(count);
  Snapshot::NoMDEntries entry;
  for (int i = 1; i <= count.getValue(); ++i) {
    message.getGroup(i, entry);
    FIX::MDEntryType entryType;
    FIX::MDEntryPx price;
    FIX::IntField size(FIX::FIELD::MDEntrySize);
    FIX::StringField date(FIX::FIELD::MDEntryDate);
    FIX::StringField time(FIX::FIELD::MDEntryTime);
    entry.get(entryType);
    entry.get(price);
    entry.getField(size);
    entry.getField(date);
    entry.getField(time);
    sum += entryType.getValue() + price.getValue() + size.getValue() +
           date.getValue()[0] + time.getValue()[0];
  }
  return sum;
}

template <Snapshot (*build)(int)>
void messageBuild(benchmark::State& state) {
  const int entries = static_cast<int>(state.range(0));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    Snapshot message = build(entries);
    benchmark::DoNotOptimize(message);
  }
  reportAllocations(state, before);
}

void messageCopy(benchmark::State& state) {
  const Snapshot source = buildFast(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    Snapshot copy(source);
    benchmark::DoNotOptimize(copy);
  }
  reportAllocations(state, before);
}

template <double (*read)(const Snapshot&)>
void messageRead(benchmark::State& state) {
  const Snapshot message = buildFast(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) benchmark::DoNotOptimize(read(message));
  reportAllocations(state, before);
}

// The fast dump writes into one string kept across repetitions.
void messageDumpFast(benchmark::State& state) {
  const Snapshot message = buildFast(static_cast<int>(state.range(0)));
  std::string dump;
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    message.toString(dump);
    benchmark::DoNotOptimize(dump);
  }
  reportAllocations(state, before);
}

void messageDumpTypical(benchmark::State& state) {
  const Snapshot message = buildFast(static_cast<int>(state.range(0)));
  const HeapCounts before = heapCounts();
  for (auto _ : state) {
    std::string dump = message.toString();
    benchmark::DoNotOptimize(dump);
  }
  reportAllocations(state, before);
}

// Heap held by one entry (per field) and by each entry of a message.
template <Snapshot (*build)(int)>
void messageHeap(benchmark::State& state) {
  double perField = 0;
  double perEntry = 0;
  for (auto _ : state) {
    const HeapCounts empty = heapCounts();
    {
      const Snapshot one = build(1);
      const HeapCounts withOne = heapCounts();
      Snapshot::NoMDEntries entry;
      one.getGroup(1, entry);
      perField = static_cast<double>((heapCounts() - withOne).liveBytes) /
                 snapshot::kFieldsPerEntry;
    }
    const HeapCounts start = heapCounts();
    const Snapshot one = build(1);
    const HeapCounts middle = heapCounts();
    const Snapshot hundred = build(101);
    perEntry = (static_cast<double>((heapCounts() - middle).liveBytes) -
                static_cast<double>((middle - start).liveBytes)) /
               100;
    benchmark::DoNotOptimize(empty);
  }
  state.counters["bytes_per_field"] = perField;
  state.counters["bytes_per_entry"] = perEntry;
}

void entryCounts(benchmark::internal::Benchmark* b) {
  b->ArgName("entries");
  for (int entries : snapshot::kEntryCounts) b->Arg(entries);
}

BENCHMARK(messageBuild<buildFast>)
    ->Name("message_build/quickfix")
    ->Apply(entryCounts);
BENCHMARK(messageBuild<buildTypical>)
    ->Name("message_build/quickfix_typical")
    ->Apply(entryCounts);
BENCHMARK(messageCopy)->Name("message_copy/quickfix")->Apply(entryCounts);
BENCHMARK(messageRead<readFast>)
    ->Name("message_read/quickfix")
    ->Apply(entryCounts);
BENCHMARK(messageRead<readTypical>)
    ->Name("message_read/quickfix_typical")
    ->Apply(entryCounts);
BENCHMARK(messageDumpFast)->Name("message_dump/quickfix")->Apply(entryCounts);
BENCHMARK(messageDumpTypical)
    ->Name("message_dump/quickfix_typical")
    ->Apply(entryCounts);
BENCHMARK(messageHeap<buildFast>)->Name("message_heap/quickfix")->Iterations(1);
BENCHMARK(messageHeap<buildTypical>)
    ->Name("message_heap/quickfix_typical")
    ->Iterations(1);

}  // namespace
