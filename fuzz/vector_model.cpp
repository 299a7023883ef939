// Random operation sequences on two StdVector objects beside a reference made
// of a standard vector and an index cursor: every operation, walks under
// change, appends (to itself included) and the range errors of elementAt.
// The first difference aborts.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tolvex/foundation/std_vector.h"

#include "oracle.h"

namespace {

struct RefVector {
  std::vector<void*> elements;
  int cursor = -1;

  int size() const { return static_cast<int>(elements.size()); }
  int indexOf(void* p) const {
    for (int i = 0; i < size(); ++i) {
      if (elements[static_cast<size_t>(i)] == p) return i;
    }
    return -1;
  }
  void* next() {
    if (cursor < 0 || cursor >= size()) return nullptr;
    return elements[static_cast<size_t>(cursor++)];
  }
};

struct Slot {
  StdVector vector;
  RefVector ref;
};

// Few distinct values, so that duplicates and nulls are common. The vector
// never dereferences them.
void* pickPointer(FuzzedDataProvider& in) {
  return reinterpret_cast<void*>(
      static_cast<uintptr_t>(in.ConsumeIntegralInRange(0, 4)) * 16);
}

std::string rangeText(int index, int size) {
  char text[160];
  std::snprintf(text, sizeof text,
                "vector::_M_range_check: __n (which is %zu) >= this->size() "
                "(which is %zu)",
                static_cast<size_t>(index), static_cast<size_t>(size));
  return text;
}

void step(FuzzedDataProvider& in, Slot& s, Slot& other) {
  StdVector& v = s.vector;
  RefVector& r = s.ref;
  const int index = in.ConsumeIntegralInRange(-2, r.size() + 1);
  void* p = pickPointer(in);
  switch (in.ConsumeIntegralInRange(0, 12)) {
    case 0:
      v.addElement(p);
      r.elements.push_back(p);
      break;
    case 1: {
      const bool inside = index >= 0 && index < r.size();
      try {
        void* got = v.elementAt(index);
        check(inside, "elementAt in range");
        check(got == r.elements[static_cast<size_t>(index)], "elementAt");
      } catch (const std::out_of_range& e) {
        check(!inside, "elementAt throws only out of range");
        check(e.what() == rangeText(index, r.size()), "range text");
      }
      break;
    }
    case 2: {
      const int at = r.indexOf(p);
      check(v.removeElement(p) == (at >= 0), "removeElement");
      if (at >= 0) r.elements.erase(r.elements.begin() + at);
      break;
    }
    case 3:
      v.removeElementAt(index);
      if (index >= 0 && index < r.size()) {
        r.elements.erase(r.elements.begin() + index);
      }
      break;
    case 4:
      check(v.contains(p) == (r.indexOf(p) >= 0), "contains");
      check(v.indexOf(p) == r.indexOf(p), "indexOf");
      break;
    case 5:
      v.removeAllElements();
      r.elements.clear();
      r.cursor = -1;
      break;
    case 6:
      v.setElementAt(p, index);
      if (index >= 0 && index < r.size()) {
        r.elements[static_cast<size_t>(index)] = p;
      }
      break;
    case 7:
      check(v.isEmpty() == r.elements.empty(), "isEmpty");
      break;
    case 8:
      r.cursor = 0;
      check(v.firstElement() == r.next(), "firstElement");
      break;
    case 9:
    case 10:
      check(v.nextElement() == r.next(), "nextElement");
      break;
    case 11: {  // from the other vector, itself included
      if (r.size() + other.ref.size() > 4096) break;
      v.append(&other.vector);
      const std::vector<void*> added = other.ref.elements;
      r.elements.insert(r.elements.end(), added.begin(), added.end());
      break;
    }
    case 12:
      v.append(nullptr);
      break;
  }
  check(v.size() == r.size(), "size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Slot slots[2];
  for (int steps = 0; steps < 256 && in.remaining_bytes() > 0; ++steps) {
    Slot& s = slots[in.ConsumeBool()];
    Slot& other = slots[in.ConsumeBool()];
    step(in, s, other);
  }
  for (Slot& s : slots) {
    for (int i = 0; i < s.ref.size(); ++i) {
      check(s.vector.elementAt(i) == s.ref.elements[static_cast<size_t>(i)],
            "final contents");
    }
  }
  return 0;
}
