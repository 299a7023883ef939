#include "tolvex/model/universal_field_group.h"

#include <cstddef>
#include <tuple>
#include <utility>

#include "tolvex/model/dump_writer_internal.h"
#include "tolvex/model/node_allocator_internal.h"
#include "tolvex/model/own_class_internal.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/value_copy_internal.h"

namespace {

// strcmp's order (bytes as unsigned values, a prefix first), written out so
// that it inlines into the map's searches: names are a few bytes long, and a
// lookup by name compares several of them.
inline bool nameLess(const char* a, const char* b) {
  const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
  while (*x == *y && *x != '\0') {
    ++x;
    ++y;
  }
  return *x < *y;
}

// The first entry whose key is not below `key`, and whether its key is `key`.
template <typename Map>
typename Map::iterator seek(Map& map, const char* key, bool& found) {
  const typename Map::iterator it = map.lower_bound(key);
  found = it != map.end() && !map.key_comp()(key, it->first);
  return it;
}

// Builds a field from `args` in a new map node under `key`, at `hint`: no
// temporary field.
template <typename Map, typename... Args>
UniversalField* emplaceAt(Map& map, typename Map::iterator hint,
                          const char* key, const Args&... args) {
  return &map.emplace_hint(hint, std::piecewise_construct,
                           std::forward_as_tuple(key),
                           std::forward_as_tuple(args...))
              ->second;
}

}  // namespace

// std::string compares through char_traits<char>, which orders bytes as
// unsigned values, as nameLess does.
bool UniversalFieldGroup::NameOrder::operator()(const std::string& a,
                                                const std::string& b) const {
  return a < b;
}

bool UniversalFieldGroup::NameOrder::operator()(const std::string& a,
                                                const char* b) const {
  return nameLess(a.c_str(), b);
}

bool UniversalFieldGroup::NameOrder::operator()(const char* a,
                                                const std::string& b) const {
  return nameLess(a, b.c_str());
}

UniversalFieldGroup::UniversalFieldGroup() {
  // The layout is part of the binary interface: the node allocator must
  // leave the map as large as with std::allocator, and the members where
  // they were on i386 and x86-64.
  static_assert(sizeof(FieldMap) ==
                    sizeof(std::map<std::string, UniversalField, NameOrder>),
                "the map's size is fixed");
  static_assert(alignof(FieldMap) ==
                    alignof(std::map<std::string, UniversalField, NameOrder>),
                "the map's alignment is fixed");
  static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "i386 or x86-64");
  constexpr std::size_t word = sizeof(void*);
  static_assert(sizeof(UniversalFieldGroup) == 8 * word, "the group's size");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
  static_assert(offsetof(UniversalFieldGroup, cursor_) == word, "cursor_");
  static_assert(offsetof(UniversalFieldGroup, fields_) == 2 * word, "fields_");
#pragma GCC diagnostic pop
  cursor_ = fields_.end();
}

UniversalFieldGroup::UniversalFieldGroup(const UniversalFieldGroup& other)
    : fields_(other.fields_) {
  cursor_ = fields_.begin();
}

UniversalFieldGroup& UniversalFieldGroup::operator=(
    const UniversalFieldGroup& other) {
  if (&other == this) return *this;
  // Copied aside first: a copy that runs out of memory leaves this group,
  // and its cursor, as they were.
  FieldMap copy(other.fields_);
  fields_.swap(copy);
  cursor_ = fields_.begin();
  return *this;
}

UniversalFieldGroup::~UniversalFieldGroup() = default;

UniversalField* UniversalFieldGroup::find(const char* name) const {
  if (name == nullptr) return nullptr;
  const FieldMap::const_iterator it = fields_.find(name);
  if (it == fields_.end()) return nullptr;
  // Stored fields are handed out for change in place.
  return const_cast<UniversalField*>(&it->second);
}

std::string UniversalFieldGroup::toString() const {
  std::string dump;
  appendDump(dump);
  return dump;
}

void UniversalFieldGroup::appendDump(std::string& out) const {
  // Room for the whole dump from the start, and a message's closing line,
  // when the hint is right; the writer doubles it otherwise.
  out.reserve(out.size() + DumpWriter::sizeHint(*this) + 16);
  DumpWriter(out).group(*this);
}

template <typename... Args>
UniversalField* UniversalFieldGroup::emplaceIfAbsent(const char* key,
                                                     const Args&... args) {
  if (key == nullptr) return nullptr;
  bool found;
  const FieldMap::iterator hint = seek(fields_, key, found);
  return found ? nullptr : emplaceAt(fields_, hint, key, args...);
}

// One search serves both outcomes: the field found is set, or the new one is
// built where the search ended.
void UniversalFieldGroup::setValue(const char* name, const char* text) {
  if (name == nullptr) return;
  bool found;
  const FieldMap::iterator it = seek(fields_, name, found);
  if (found) {
    it->second.setName(name);
    it->second.setValue(text);
  } else {
    emplaceAt(fields_, it, name, name, text);
  }
}

const char* UniversalFieldGroup::getValueString(const char* name) const {
  const UniversalField* field = find(name);
  return field != nullptr ? field->getValueString() : nullptr;
}

void UniversalFieldGroup::setValue(const char* name,
                                   const IFieldGroupList* list) {
  emplaceIfAbsent(name, name, list);
}

IFieldGroupList* UniversalFieldGroup::getValueList(const char* name) const {
  const UniversalField* field = find(name);
  return field != nullptr ? field->getValueList() : nullptr;
}

void UniversalFieldGroup::setValueLong(const char* name, long long value) {
  emplaceIfAbsent(name, name, value);
}

long long UniversalFieldGroup::getValueLong(const char* name) const {
  const UniversalField* field = find(name);
  return field != nullptr ? field->getValueLong() : 0;
}

void UniversalFieldGroup::setValueInt(const char* name, int value) {
  emplaceIfAbsent(name, name, value);
}

int UniversalFieldGroup::getValueInt(const char* name) const {
  const UniversalField* field = find(name);
  return field != nullptr ? field->getValueInt() : 0;
}

void UniversalFieldGroup::setValueDouble(const char* name, double value) {
  emplaceIfAbsent(name, name, value);
}

double UniversalFieldGroup::getValueDouble(const char* name) const {
  const UniversalField* field = find(name);
  return field != nullptr ? field->getValueDouble() : 0.0;
}

void UniversalFieldGroup::setValueBinary(const char* name, const void* data,
                                         int length) {
  UniversalField* field = emplaceIfAbsent(name, name);
  if (field == nullptr) return;
  try {
    field->setValueBinary(data, length);
  } catch (...) {
    // Out of memory: the group keeps no half-made field.
    fields_.erase(fields_.find(name));
    throw;
  }
}

const void* UniversalFieldGroup::getValueBinary(const char* name,
                                                int& length) const {
  const UniversalField* field = find(name);
  return field != nullptr ? field->getValueBinary(length) : nullptr;
}

void UniversalFieldGroup::putField(const IField* field) {
  if (field == nullptr) return;
  if (const auto* own = asOwnClass<UniversalField>(field)) {
    emplaceIfAbsent(own->getName(), *own);
    return;
  }
  // Another implementation: rebuild it through the interface.
  const char* name = field->getName();
  if (name == nullptr || find(name) != nullptr) return;
  UniversalField copy(name);
  copyValue(*field, copy);
  fields_.emplace(name, copy);
}

IField* UniversalFieldGroup::getField(const char* name) const {
  return find(name);
}

IField* UniversalFieldGroup::getFirst() const {
  if (fields_.empty()) return nullptr;
  cursor_ = fields_.begin();
  return const_cast<UniversalField*>(&cursor_->second);
}

IField* UniversalFieldGroup::getNext() const {
  if (cursor_ == fields_.end() || ++cursor_ == fields_.end()) return nullptr;
  return const_cast<UniversalField*>(&cursor_->second);
}

int UniversalFieldGroup::size() const {
  return static_cast<int>(fields_.size());
}
