#pragma once

// The market-data snapshot that the message benchmarks build, copy, read and
// dump, with both libraries: a session id, a message type, a symbol, a
// request id and a repeating group of entries. Shared by translation units
// built as C++14 (the peer's) and as C++17.

namespace snapshot {

constexpr const char* kSessionId = "SESSION-1";
constexpr const char* kMsgType = "W";
constexpr const char* kSymbol = "EUR/USD";
constexpr const char* kRequestId = "req-0042";
constexpr const char* kEntryDate = "20240131";
constexpr const char* kEntryTime = "12:30:15";

// Entry i of the repeating group.
inline const char* entryType(int i) {
  return i % 2 == 0 ? "0" : "1";
}
inline double entryPrice(int i) {
  return 1.0825 + 0.0001 * i;
}
inline int entrySize(int i) {
  return 100000 * (i % 7 + 1);
}

// Fields in one entry, and the entry counts every message workload runs at.
constexpr int kFieldsPerEntry = 5;
constexpr int kEntryCounts[] = {1, 10, 100};

}  // namespace snapshot
