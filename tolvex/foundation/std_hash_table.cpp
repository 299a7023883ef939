#include "tolvex/foundation/std_hash_table.h"

#include <memory>
#include <utility>

#include "tolvex/errors/generic_exception.h"

namespace {

const char kDataNotFound[] = "Data not found";
const char kTypeMismatch[] = "Type mismatch";

// What firstElement() and nextElement() report: the record under the cursor,
// or null at the end.
template <typename Entries, typename Position>
void* recordAt(const Entries& entries, Position position) {
  return position == entries.end() ? nullptr : position->second;
}

}  // namespace

StdHashTable::StdHashTable() : cursor_(entries_.end()), changed_(false) {}

StdHashTable::~StdHashTable() {
  StdHashTable::clear();
}

void StdHashTable::copy(const StdHashTable& other) {
  if (&other == this) return;
  clear();
  for (const auto& [name, item] : other.entries_) {
    // Copies the eight value bytes whole, so the null marker of a text
    // travels along.
    auto record = std::make_unique<_Item>(*item);
    entries_.emplace_hint(entries_.end(), name, record.get());
    record.release();  // NOLINT(bugprone-unused-return-value): the map owns it
  }
  cursor_ = entries_.end();
  changed_ = true;
}

void StdHashTable::put(const char* name, const char* value) {
  const Entries::size_type count = entries_.size();
  const Entries::iterator cursor = cursor_;
  const bool changed = changed_;
  _Item* item = __find(name, true);
  if (item == nullptr) return;
  try {
    assign(item, value);
  } catch (...) {
    // Copying the text failed: a name entered for it leaves again, and the
    // cursor returns, so that the table is as it was.
    if (entries_.size() != count) {
      entries_.erase(entries_.find(name));
      delete item;
      cursor_ = cursor;
      changed_ = changed;
    }
    throw;
  }
}

void StdHashTable::put(const char* name, double value) {
  if (_Item* item = __find(name, true)) assign(item, value);
}

void StdHashTable::put(const char* name, int value) {
  if (_Item* item = __find(name, true)) assign(item, value);
}

void StdHashTable::put(const char* name, long long value) {
  if (_Item* item = __find(name, true)) assign(item, value);
}

void StdHashTable::put(const char* name, void* value) {
  if (_Item* item = __find(name, true)) assign(item, value);
}

const char* StdHashTable::getString(const char* name) {
  _Item* item = _find(name, DATATYPE_STRING);
  if (item == nullptr || item->value.nullMarker != 0) return nullptr;
  return item->text.c_str();
}

double StdHashTable::getDouble(const char* name) {
  _Item* item = _find(name, DATATYPE_DOUBLE);
  return item != nullptr ? item->value.doubleValue : 0.0;
}

int StdHashTable::getInt(const char* name) {
  _Item* item = _find(name, DATATYPE_INT);
  return item != nullptr ? item->value.intValue : 0;
}

long long StdHashTable::getLong(const char* name) {
  _Item* item = _find(name, DATATYPE_LONG);
  return item != nullptr ? item->value.longValue : 0;
}

void* StdHashTable::getPointer(const char* name) {
  _Item* item = _find(name, DATATYPE_POINTER);
  return item != nullptr ? item->value.pointerValue : nullptr;
}

DataType StdHashTable::getType(const char* name) {
  _Item* item = _find(name);
  return item != nullptr ? item->type : DATATYPE_NONE;
}

bool StdHashTable::exists(const char* name) {
  return _find(name) != nullptr;
}

void StdHashTable::clear() {
  for (auto& entry : entries_) delete entry.second;
  entries_.clear();
  cursor_ = entries_.end();
  changed_ = true;
}

void* StdHashTable::firstElement() {
  changed_ = false;
  cursor_ = entries_.begin();
  return recordAt(entries_, cursor_);
}

void* StdHashTable::nextElement() {
  if (cursor_ == entries_.end()) return nullptr;
  ++cursor_;
  return recordAt(entries_, cursor_);
}

const char* StdHashTable::getString() {
  _Item* item = getCurItem(DATATYPE_STRING);
  return item->value.nullMarker != 0 ? nullptr : item->text.c_str();
}

double StdHashTable::getDouble() {
  return getCurItem(DATATYPE_DOUBLE)->value.doubleValue;
}

int StdHashTable::getInt() {
  return getCurItem(DATATYPE_INT)->value.intValue;
}

long long StdHashTable::getLong() {
  return getCurItem(DATATYPE_LONG)->value.longValue;
}

void* StdHashTable::getPointer() {
  return getCurItem(DATATYPE_POINTER)->value.pointerValue;
}

const char* StdHashTable::getName() {
  getCurItem();
  return cursor_->first.c_str();
}

DataType StdHashTable::getType() {
  return getCurItem()->type;
}

int StdHashTable::size() const {
  return static_cast<int>(entries_.size());
}

void StdHashTable::remove(const char* name) {
  if (name == nullptr) return;
  auto position = entries_.find(name);
  if (position == entries_.end()) return;
  delete position->second;
  entries_.erase(position);
  cursor_ = entries_.end();
  changed_ = true;
}

StdHashTable::_Item* StdHashTable::__find(const char* name, bool create) {
  if (name == nullptr) return nullptr;
  auto position = entries_.lower_bound(name);
  if (position != entries_.end() && position->first == name) {
    return position->second;
  }
  if (!create) return nullptr;
  // A new record is an empty text until the caller's assign() gives it its
  // type and value.
  auto record = std::make_unique<_Item>();
  record->type = DATATYPE_STRING;
  record->value.longValue = 0;
  entries_.emplace_hint(position, name, record.get());
  cursor_ = entries_.end();
  changed_ = true;
  return record.release();
}

StdHashTable::_Item* StdHashTable::_find(const char* name) {
  return __find(name, false);
}

StdHashTable::_Item* StdHashTable::_find(const char* name, DataType type) {
  _Item* item = _find(name);
  return item != nullptr && item->type == type ? item : nullptr;
}

StdHashTable::_Item* StdHashTable::assign(_Item* item, const char* value) {
  // The text first: when copying it fails, the record is unchanged.
  item->text.assign(value != nullptr ? value : "");
  item->type = DATATYPE_STRING;
  item->value.longValue = 0;
  item->value.nullMarker = value == nullptr ? 1 : 0;
  return item;
}

StdHashTable::_Item* StdHashTable::assign(_Item* item, double value) {
  item->type = DATATYPE_DOUBLE;
  item->value.doubleValue = value;
  item->text.clear();
  return item;
}

StdHashTable::_Item* StdHashTable::assign(_Item* item, int value) {
  item->type = DATATYPE_INT;
  item->value.longValue = 0;
  item->value.intValue = value;
  item->text.clear();
  return item;
}

StdHashTable::_Item* StdHashTable::assign(_Item* item, long long value) {
  item->type = DATATYPE_LONG;
  item->value.longValue = value;
  item->text.clear();
  return item;
}

StdHashTable::_Item* StdHashTable::assign(_Item* item, void* value) {
  item->type = DATATYPE_POINTER;
  item->value.longValue = 0;
  item->value.pointerValue = value;
  item->text.clear();
  return item;
}

StdHashTable::_Item* StdHashTable::getCurItem() {
  if (cursor_ == entries_.end()) throw new GenericException(kDataNotFound, -1);
  return cursor_->second;
}

StdHashTable::_Item* StdHashTable::getCurItem(DataType type) {
  _Item* item = getCurItem();
  if (item->type != type) throw new GenericException(kTypeMismatch, -1);
  return item;
}
