// Random operation sequences on two StdHashTable objects beside a reference
// made of a standard map and a cursor key: puts of every type, removes,
// clears, copies, reads by name and cursor walks with the exceptions of the
// cursor getters. The first difference aborts.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "tolvex/errors/generic_exception.h"
#include "tolvex/foundation/std_hash_table.h"

#include "oracle.h"

namespace {

struct RefItem {
  DataType type = DATATYPE_NONE;
  std::optional<std::string> text;  // nullopt for a text put as null
  int i = 0;
  long long l = 0;
  double d = 0;
  void* p = nullptr;
};

struct RefTable {
  std::map<std::string, RefItem> items;  // std::string orders bytes unsigned
  std::optional<std::string> cursor;     // empty at the end
};

struct Slot {
  StdHashTable table;
  RefTable ref;
};

// Runs a cursor getter: it returns when `expected` is null, else throws a
// GenericException* with that text and code -1.
template <typename Get>
void expectCursor(Get get, const char* expected) {
  try {
    get();
  } catch (GenericException* e) {
    const bool same = expected != nullptr &&
                      std::strcmp(e->getMessage(), expected) == 0 &&
                      e->getErrorCode() == -1;
    delete e;
    check(same, "cursor getter's exception");
    return;
  }
  check(expected == nullptr, "cursor getter throws");
}

class Run {
 public:
  explicit Run(FuzzedDataProvider& in) : in_(in) {}

  void step() {
    Slot& s = slots_[in_.ConsumeBool()];
    Slot& other = slots_[in_.ConsumeBool()];
    StdHashTable& t = s.table;
    RefTable& r = s.ref;
    const std::optional<std::string> name = pickName();
    const char* key = name ? name->c_str() : nullptr;
    switch (in_.ConsumeIntegralInRange(0, 13)) {
      case 0:
      case 1: {
        RefItem item;
        switch (in_.ConsumeIntegralInRange(0, 5)) {
          case 0: {
            std::string text = in_.ConsumeRandomLengthString(40);
            text = text.substr(0, text.find('\0'));
            t.put(key, text.c_str());
            item.type = DATATYPE_STRING;
            item.text = text;
            break;
          }
          case 1:
            t.put(key, static_cast<const char*>(nullptr));
            item.type = DATATYPE_STRING;
            break;
          case 2:
            item.type = DATATYPE_INT;
            item.i = in_.ConsumeIntegral<int>();
            t.put(key, item.i);
            break;
          case 3:
            item.type = DATATYPE_LONG;
            item.l = in_.ConsumeIntegral<long long>();
            t.put(key, item.l);
            break;
          case 4: {
            item.type = DATATYPE_DOUBLE;
            const uint64_t bits = in_.ConsumeIntegral<uint64_t>();
            std::memcpy(&item.d, &bits, sizeof item.d);
            t.put(key, item.d);
            break;
          }
          case 5:
            item.type = DATATYPE_POINTER;
            item.p = reinterpret_cast<void*>(
                static_cast<uintptr_t>(in_.ConsumeIntegral<uint16_t>()) * 8);
            t.put(key, item.p);
            break;
        }
        if (name) {
          // A new name ends a walk; a new value for an old name does not.
          if (r.items.count(*name) == 0) r.cursor.reset();
          r.items[*name] = item;
        }
        break;
      }
      case 2:
        t.remove(key);
        if (name && r.items.erase(*name) > 0) r.cursor.reset();
        break;
      case 3:
        t.clear();
        r.items.clear();
        r.cursor.reset();
        break;
      case 4:  // from the other table, itself included
        t.copy(other.table);
        if (&s != &other) {
          r.items = other.ref.items;
          r.cursor.reset();
        }
        break;
      case 5:
      case 6:
        compareByName(t, r, name);
        break;
      case 7:
        r.cursor = r.items.empty() ? std::nullopt
                                   : std::optional(r.items.begin()->first);
        check((t.firstElement() != nullptr) == r.cursor.has_value(),
              "firstElement");
        break;
      case 8:
      case 9:
        if (r.cursor) {
          auto it = r.items.upper_bound(*r.cursor);
          r.cursor =
              it == r.items.end() ? std::nullopt : std::optional(it->first);
        }
        check((t.nextElement() != nullptr) == r.cursor.has_value(),
              "nextElement");
        break;
      case 10:
      case 11:
      case 12:
        compareCursor(t, r);
        break;
      case 13:
        check(t.size() == static_cast<int>(r.items.size()), "size");
        break;
    }
  }

  void finish() {
    for (Slot& s : slots_) {
      check(s.table.size() == static_cast<int>(s.ref.items.size()), "size");
      for (auto& entry : s.ref.items) {
        compareByName(s.table, s.ref, entry.first);
      }
    }
  }

 private:
  // Mostly short names from a few bytes; sometimes null.
  std::optional<std::string> pickName() {
    static const char kBytes[] = {'a', 'B', '1', '\xe9'};
    if (in_.ConsumeIntegralInRange(0, 15) == 0) return std::nullopt;
    std::string name;
    const int length = in_.ConsumeIntegralInRange(0, 2);
    for (int k = 0; k < length; ++k) {
      name += kBytes[in_.ConsumeIntegralInRange<size_t>(0, sizeof kBytes - 1)];
    }
    return name;
  }

  static void compareByName(StdHashTable& t, RefTable& r,
                            const std::optional<std::string>& name) {
    const char* key = name ? name->c_str() : nullptr;
    RefItem none;
    const RefItem* item = &none;
    if (name) {
      auto it = r.items.find(*name);
      if (it != r.items.end()) item = &it->second;
    }
    check(t.getType(key) == item->type, "getType(name)");
    check(t.exists(key) == (item->type != DATATYPE_NONE), "exists");
    check(t.getInt(key) == (item->type == DATATYPE_INT ? item->i : 0),
          "getInt(name)");
    check(t.getLong(key) == (item->type == DATATYPE_LONG ? item->l : 0),
          "getLong(name)");
    check(sameDouble(t.getDouble(key),
                     item->type == DATATYPE_DOUBLE ? item->d : 0.0),
          "getDouble(name)");
    check(t.getPointer(key) ==
              (item->type == DATATYPE_POINTER ? item->p : nullptr),
          "getPointer(name)");
    const char* text = t.getString(key);
    const bool hasText = item->type == DATATYPE_STRING && item->text;
    check((text != nullptr) == hasText, "getString(name) null");
    if (hasText) check(text == *item->text, "getString(name)");
  }

  static void compareCursor(StdHashTable& t, RefTable& r) {
    const RefItem* item = r.cursor ? &r.items.at(*r.cursor) : nullptr;
    const char* notFound = "Data not found";
    // The getter of `type` fails at the end, and on an entry of another type.
    auto failure = [&](DataType type) -> const char* {
      if (item == nullptr) return notFound;
      return item->type == type ? nullptr : "Type mismatch";
    };
    expectCursor([&] { check(t.getName() == *r.cursor, "getName()"); },
                 item ? nullptr : notFound);
    expectCursor([&] { check(t.getType() == item->type, "getType()"); },
                 item ? nullptr : notFound);
    expectCursor([&] { check(t.getInt() == item->i, "getInt()"); },
                 failure(DATATYPE_INT));
    expectCursor([&] { check(t.getLong() == item->l, "getLong()"); },
                 failure(DATATYPE_LONG));
    expectCursor(
        [&] { check(sameDouble(t.getDouble(), item->d), "getDouble()"); },
        failure(DATATYPE_DOUBLE));
    expectCursor([&] { check(t.getPointer() == item->p, "getPointer()"); },
                 failure(DATATYPE_POINTER));
    expectCursor(
        [&] {
          const char* text = t.getString();
          check((text != nullptr) == item->text.has_value(),
                "getString() null");
          if (text != nullptr) check(text == *item->text, "getString()");
        },
        failure(DATATYPE_STRING));
  }

  FuzzedDataProvider& in_;
  Slot slots_[2];
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Run run(in);
  for (int steps = 0; steps < 256 && in.remaining_bytes() > 0; ++steps) {
    run.step();
  }
  run.finish();
  return 0;
}
