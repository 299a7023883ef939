// Random operation sequences on two UniversalFieldGroup objects, run beside a
// reference model made of standard containers: setters with their replace or
// insert-only contracts, getters and their conversions, the cursor, fields
// changed in place, copies, nested lists walked and changed, and text dumps.
// The first difference aborts.

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tolvex/model/universal_field.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"

#include "oracle.h"

namespace {

// ---- The reference model ----

struct RefGroup;

struct RefList {
  std::vector<RefGroup> groups;
  int cursor = -1;  // index of the cursor's group; -1 is the end position
};

struct RefField {
  std::string name;
  int type = 0;
  std::string text;
  int i = 0;
  long long l = 0;
  double d = 0;
  std::vector<unsigned char> binary;
  RefList list;
};

struct RefGroup {
  std::map<std::string, RefField> fields;  // std::string orders bytes unsigned
  std::optional<std::string> cursor;       // empty at the end position
};

// Copies as the library does: every group's cursor on its first field,
// every list's on its first group.
RefGroup copyGroup(const RefGroup& source);

RefList copyList(const RefList& source) {
  RefList copy;
  for (const RefGroup& g : source.groups) copy.groups.push_back(copyGroup(g));
  copy.cursor = copy.groups.empty() ? -1 : 0;
  return copy;
}

RefField copyField(const RefField& source) {
  RefField copy = source;
  copy.list = source.type == 3 ? copyList(source.list) : RefList();
  return copy;
}

RefGroup copyGroup(const RefGroup& source) {
  RefGroup copy;
  for (const auto& [key, field] : source.fields) {
    copy.fields.emplace(key, copyField(field));
  }
  if (!copy.fields.empty()) copy.cursor = copy.fields.begin()->first;
  return copy;
}

size_t weight(const RefGroup& g);

size_t weight(const RefField& f) {
  size_t total = 1 + f.text.size() / 64 + f.binary.size() / 64;
  for (const RefGroup& g : f.list.groups) total += weight(g);
  return total;
}

size_t weight(const RefGroup& g) {
  size_t total = 1;
  for (const auto& entry : g.fields) total += weight(entry.second);
  return total;
}

int refInt(const RefField& f) {
  switch (f.type) {
    case 1:
      return f.i;
    case 2: {
      const long long v = std::strtoll(f.text.c_str(), nullptr, 10);
      return v > INT_MAX   ? INT_MAX
             : v < INT_MIN ? INT_MIN
                           : static_cast<int>(v);
    }
    case 4:
      return std::isnan(f.d)        ? 0
             : f.d >= 2147483648.0  ? INT_MAX
             : f.d <= -2147483649.0 ? INT_MIN
                                    : static_cast<int>(f.d);
    case 5:
      return static_cast<int>(static_cast<uint32_t>(f.l));
  }
  return 0;
}

long long refLong(const RefField& f) {
  switch (f.type) {
    case 1:
      return f.i;
    case 2:
      return std::strtoll(f.text.c_str(), nullptr, 10);
    case 4:
      return std::isnan(f.d)                ? 0
             : f.d >= 9223372036854775808.0 ? LLONG_MAX
             : f.d < -9223372036854775808.0 ? LLONG_MIN
                                            : static_cast<long long>(f.d);
    case 5:
      return f.l;
  }
  return 0;
}

double refDouble(const RefField& f) {
  switch (f.type) {
    case 1:
      return f.i;
    case 2:
      return std::strtod(f.text.c_str(), nullptr);
    case 4:
      return f.d;
    case 5:
      return static_cast<double>(f.l);
  }
  return 0.0;
}

// The text form, or nullopt where the field gives a null pointer.
std::optional<std::string> refString(const RefField& f) {
  char buffer[512];
  switch (f.type) {
    case 1:
      std::snprintf(buffer, sizeof buffer, "%d", f.i);
      return std::string(buffer);
    case 2:
      return f.text;
    case 3:
      return std::string("list");
    case 4:
      std::snprintf(buffer, sizeof buffer, "%.60f", f.d);
      return std::string(buffer);
    case 5:
      std::snprintf(buffer, sizeof buffer, "%lld", f.l);
      return std::string(buffer);
  }
  return std::nullopt;
}

// The dump, moving the cursor of every non-empty nested list to its end.
void refDump(RefGroup& g, std::string& out) {
  out += "<group>\n";
  for (auto& [key, f] : g.fields) {
    if (f.type == 0 || f.type == 6) continue;
    out += "field: " + f.name + " = " + *refString(f) + "\n";
    if (f.type != 3) continue;
    out += "<list>\n";
    for (RefGroup& nested : f.list.groups) refDump(nested, out);
    if (!f.list.groups.empty()) f.list.cursor = -1;
    out += "</list>\n";
  }
  out += "</group>\n";
}

// ---- Comparisons ----

void compareField(const IField* field, const RefField* ref) {
  check((field == nullptr) == (ref == nullptr), "field presence");
  if (field == nullptr) return;
  check(field->getDataType() == ref->type, "type code");
  check(field->getName() == ref->name, "field name");
  check(field->isNullValue() == (ref->type == 0), "isNullValue");
  check(field->getValueInt() == refInt(*ref), "getValueInt");
  check(field->getValueLong() == refLong(*ref), "getValueLong");
  check(sameDouble(field->getValueDouble(), refDouble(*ref)), "getValueDouble");
  const char* text = field->getValueString();
  const std::optional<std::string> expected = refString(*ref);
  check((text != nullptr) == expected.has_value(), "getValueString null");
  if (text != nullptr) check(text == *expected, "getValueString");
  int length = -7;
  const void* data = field->getValueBinary(length);
  check((data != nullptr) == (ref->type == 6), "getValueBinary null");
  if (data != nullptr) {
    check(length == static_cast<int>(ref->binary.size()), "binary length");
    check(ref->binary.empty() ||
              std::memcmp(data, ref->binary.data(), ref->binary.size()) == 0,
          "binary bytes");
  } else {
    check(length == -7, "length untouched");
  }
  IFieldGroupList* list = field->getValueList();
  check((list != nullptr) == (ref->type == 3), "getValueList null");
  if (list != nullptr) {
    check(list->size() == static_cast<int>(ref->list.groups.size()),
          "list size");
  }
}

// ---- The harness ----

struct Slot {
  UniversalFieldGroup group;
  RefGroup ref;
};

class Run {
 public:
  explicit Run(FuzzedDataProvider& in) : in_(in) {}

  void step() {
    Slot& a = slots_[in_.ConsumeBool()];
    Slot& b = slots_[in_.ConsumeBool()];
    const std::string name = pickName();
    switch (in_.ConsumeIntegralInRange(0, 17)) {
      case 0: {  // replaces whatever the name holds
        const std::string text = consumeText(80);
        a.group.setValue(name.c_str(), text.c_str());
        RefField& f = a.ref.fields[name];
        f = RefField();
        f.name = name;
        f.type = 2;
        f.text = text;
        break;
      }
      case 1: {  // a null text adds a valueless field or changes nothing
        a.group.setValue(name.c_str(), static_cast<const char*>(nullptr));
        auto [it, added] = a.ref.fields.try_emplace(name);
        it->second.name = name;
        break;
      }
      case 2:
      case 3:
      case 4:
      case 5:
      case 6:
      case 7: {  // the insert-only setters
        RefField f = makeValue(name);
        const bool absent = a.ref.fields.count(name) == 0;
        insertInto(a.group, f, b);
        // An existing name keeps its field: the setter must not touch it.
        if (absent) {
          if (f.type == 3) f.list = copyList(f.list);
          a.ref.fields.emplace(name, f);
        }
        break;
      }
      case 8:
        a.group.putField(nullptr);
        break;
      case 9:
        compareField(a.group.getField(name.c_str()), findRef(a.ref, name));
        compareGetters(a, name);
        break;
      case 10:
        compareCursor(a.group.getFirst(), first(a.ref));
        break;
      case 11:
        compareCursor(a.group.getNext(), next(a.ref));
        break;
      case 12:  // assignment, self-assignment included
        a.group = b.group;
        if (&a != &b) a.ref = copyGroup(b.ref);
        break;
      case 13: {  // copy construction
        UniversalFieldGroup copy(b.group);
        RefGroup refCopy = copyGroup(b.ref);
        compareDump(copy, refCopy);
        a.group = copy;
        a.ref = copyGroup(refCopy);
        break;
      }
      case 14:
        compareDump(a.group, a.ref);
        break;
      case 15:
        changeInPlace(a, name);
        break;
      case 16:
        changeNested(a, name);
        break;
      case 17: {  // renaming keeps the key
        IField* f = a.group.getField(name.c_str());
        RefField* r = findRef(a.ref, name);
        check((f != nullptr) == (r != nullptr), "getField presence");
        if (f != nullptr) {
          const std::string renamed = pickName();
          f->setName(renamed.c_str());
          r->name = renamed;
        }
        break;
      }
    }
    check(a.group.size() == static_cast<int>(a.ref.fields.size()), "size");
  }

  void finish() {
    for (Slot& s : slots_) compareDump(s.group, s.ref);
  }

 private:
  std::string pickName() {
    static const char kBytes[] = {'1', '0', '9', 'B', 'a', '.', '\xe9'};
    std::string name;
    const int length = in_.ConsumeIntegralInRange(0, 2);
    for (int k = 0; k < length; ++k) {
      name += kBytes[in_.ConsumeIntegralInRange<size_t>(0, sizeof kBytes - 1)];
    }
    return name;
  }

  // A text as a caller passes it: up to its first NUL.
  std::string consumeText(size_t most) {
    std::string text = in_.ConsumeRandomLengthString(most);
    return text.substr(0, text.find('\0'));
  }

  double pickDouble() {
    const uint64_t bits = in_.ConsumeIntegral<uint64_t>();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }

  // A value of a random insert-only kind for the reference; the list kind
  // is built from the other slot's group, as often as the input says.
  RefField makeValue(const std::string& name) {
    RefField f;
    f.name = name;
    switch (in_.ConsumeIntegralInRange(0, 5)) {
      case 0:
        f.type = 1;
        f.i = in_.ConsumeIntegral<int>();
        break;
      case 1:
        f.type = 5;
        f.l = in_.ConsumeIntegral<long long>();
        break;
      case 2:
        f.type = 4;
        f.d = pickDouble();
        break;
      case 3: {
        f.type = 6;
        const std::string bytes = in_.ConsumeRandomLengthString(40);
        f.binary.assign(bytes.begin(), bytes.end());
        break;
      }
      case 4:
        f.type = 3;
        list_copies_ = in_.ConsumeIntegralInRange(0, 3);
        break;
      case 5:  // putField of a field of any kind
        f.type = -1;
        break;
    }
    return f;
  }

  // Applies the insert-only setter that matches f to group; a list is made
  // of copies of the other slot's group, putField's field of a text.
  void insertInto(UniversalFieldGroup& group, RefField& f, Slot& other) {
    const char* key = f.name.c_str();
    switch (f.type) {
      case 1:
        group.setValueInt(key, f.i);
        break;
      case 5:
        group.setValueLong(key, f.l);
        break;
      case 4:
        group.setValueDouble(key, f.d);
        break;
      case 6:
        group.setValueBinary(key, f.binary.data(),
                             static_cast<int>(f.binary.size()));
        break;
      case 3: {
        if (weight(other.ref) * list_copies_ > 4000) {
          group.setValue(key, static_cast<const IFieldGroupList*>(nullptr));
          f.type = 0;
          break;
        }
        UniversalFieldGroupList list;
        for (int k = 0; k < list_copies_; ++k) {
          list.put(&other.group);
          f.list.groups.push_back(copyGroup(other.ref));
        }
        group.setValue(key, &list);
        break;
      }
      case -1: {
        const std::string text = consumeText(20);
        UniversalField field(key, text.c_str());
        group.putField(&field);
        f.type = 2;
        f.text = text;
        break;
      }
    }
  }

  static RefField* findRef(RefGroup& g, const std::string& name) {
    auto it = g.fields.find(name);
    return it == g.fields.end() ? nullptr : &it->second;
  }

  void compareGetters(Slot& s, const std::string& name) {
    const char* key = name.c_str();
    RefField none;
    RefField* r = findRef(s.ref, name);
    const RefField& ref = r != nullptr ? *r : none;
    check(s.group.getValueInt(key) == refInt(ref), "group getValueInt");
    check(s.group.getValueLong(key) == refLong(ref), "group getValueLong");
    check(sameDouble(s.group.getValueDouble(key), refDouble(ref)),
          "group getValueDouble");
    const char* text = s.group.getValueString(key);
    const std::optional<std::string> expected = refString(ref);
    check((text != nullptr) == expected.has_value(), "group getValueString");
    if (text != nullptr) check(text == *expected, "group getValueString text");
    int length = -3;
    check((s.group.getValueBinary(key, length) != nullptr) == (ref.type == 6),
          "group getValueBinary");
    check(ref.type == 6 || length == -3, "group binary length untouched");
    check((s.group.getValueList(key) != nullptr) == (ref.type == 3),
          "group getValueList");
    check(s.group.find(key) == s.group.getField(key), "find and getField");
  }

  static const RefField* first(RefGroup& g) {
    if (g.fields.empty()) return nullptr;
    g.cursor = g.fields.begin()->first;
    return &g.fields.begin()->second;
  }

  static const RefField* next(RefGroup& g) {
    if (!g.cursor) return nullptr;
    auto it = g.fields.upper_bound(*g.cursor);
    if (it == g.fields.end()) {
      g.cursor.reset();
      return nullptr;
    }
    g.cursor = it->first;
    return &it->second;
  }

  static void compareCursor(const IField* field, const RefField* ref) {
    check((field == nullptr) == (ref == nullptr), "cursor presence");
    if (field != nullptr) {
      check(field->getName() == ref->name, "cursor field");
      check(field->getDataType() == ref->type, "cursor field type");
    }
  }

  static void compareDump(const UniversalFieldGroup& group, RefGroup& ref) {
    std::string expected;
    refDump(ref, expected);
    const std::string actual = group.toString();
    if (actual != expected) {
      std::fprintf(stderr, "expected:\n%s\nactual:\n%s\n", expected.c_str(),
                   actual.c_str());
    }
    check(actual == expected, "dump");
  }

  // A setter called on the group's own field replaces its value.
  void changeInPlace(Slot& s, const std::string& name) {
    IField* f = s.group.getField(name.c_str());
    RefField* r = findRef(s.ref, name);
    check((f != nullptr) == (r != nullptr), "getField presence");
    if (f == nullptr) return;
    RefField v;
    v.name = r->name;
    switch (in_.ConsumeIntegralInRange(0, 5)) {
      case 0:
        v.type = 1;
        v.i = in_.ConsumeIntegral<int>();
        f->setValueInt(v.i);
        break;
      case 1:
        v.type = 5;
        v.l = in_.ConsumeIntegral<long long>();
        f->setValueLong(v.l);
        break;
      case 2:
        v.type = 4;
        v.d = pickDouble();
        f->setValueDouble(v.d);
        break;
      case 3: {
        v.type = 2;
        v.text = consumeText(80);
        f->setValue(v.text.c_str());
        break;
      }
      case 4: {  // the field's own text or list given back to it
        if (r->type == 2) {
          f->setValue(f->getValueString());
        } else if (r->type == 3) {
          f->setValue(f->getValueList());
          r->list = copyList(r->list);
        }
        return;
      }
      case 5: {
        const std::string bytes = in_.ConsumeRandomLengthString(40);
        v.type = 6;
        v.binary.assign(bytes.begin(), bytes.end());
        f->setValueBinary(v.binary.data(), static_cast<int>(v.binary.size()));
        break;
      }
    }
    *r = v;
  }

  // Steps the cursor of a nested list and changes the group it lands on.
  void changeNested(Slot& s, const std::string& name) {
    IFieldGroupList* list = s.group.getValueList(name.c_str());
    RefField* r = findRef(s.ref, name);
    check((list != nullptr) == (r != nullptr && r->type == 3), "nested list");
    if (list == nullptr) return;
    RefList& ref = r->list;
    const int groups = static_cast<int>(ref.groups.size());
    IFieldGroup* group;
    if (in_.ConsumeBool()) {
      group = list->getFirst();
      if (groups > 0) ref.cursor = 0;
    } else {
      group = list->getNext();
      if (groups > 0)
        ref.cursor = ref.cursor + 1 == groups ? -1 : ref.cursor + 1;
    }
    const bool expected = groups > 0 && ref.cursor >= 0;
    check((group != nullptr) == expected, "nested list cursor");
    if (group == nullptr) return;
    const std::string key = pickName();
    const std::string text = consumeText(20);
    group->setValue(key.c_str(), text.c_str());
    RefField& f = ref.groups[static_cast<size_t>(ref.cursor)].fields[key];
    f = RefField();
    f.name = key;
    f.type = 2;
    f.text = text;
  }

  FuzzedDataProvider& in_;
  Slot slots_[2];
  int list_copies_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Run run(in);
  for (int steps = 0; steps < 64 && in.remaining_bytes() > 0; ++steps) {
    run.step();
  }
  run.finish();
  return 0;
}
