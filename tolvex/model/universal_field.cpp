#include "tolvex/model/universal_field.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <typeinfo>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/model/dump_writer_internal.h"
#include "tolvex/model/number_text_internal.h"
#include "tolvex/model/own_class_internal.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/value_copy_internal.h"

const int IField::DT_NULL;
const int IField::DT_INT;
const int IField::DT_STRING;
const int IField::DT_LIST;
const int IField::DT_DOUBLE;
const int IField::DT_LONG;
const int IField::DT_BINARY;

namespace {

// Truncation toward zero, saturating outside the range of T; NaN gives 0.
template <typename T>
T truncateDouble(double value) {
  if (value != value) return 0;
  // 2^(digits) is exact as a double; every double below it truncates into T.
  const double bound = std::ldexp(1.0, std::numeric_limits<T>::digits);
  if (value >= bound) return std::numeric_limits<T>::max();
  if (value < -bound) return std::numeric_limits<T>::min();
  return static_cast<T>(value);
}

template <typename T>
const char* formatInteger(T value, char* dest, std::size_t size) {
  *std::to_chars(dest, dest + size - 1, value).ptr = '\0';
  return dest;
}

}  // namespace

UniversalField::UniversalField()
    : type_(DT_NULL),
      text_(nullptr),
      int_(0),
      long_(0),
      double_(0.0),
      list_(nullptr),
      binary_length_(0),
      binary_(nullptr) {}

UniversalField::UniversalField(const char* name) : UniversalField() {
  if (name != nullptr) name_ = name;
}

UniversalField::UniversalField(const char* name, const char* text)
    : UniversalField(name) {
  setValue(text);
}

UniversalField::UniversalField(const char* name, int value)
    : UniversalField(name) {
  setValueInt(value);
}

UniversalField::UniversalField(const char* name, long long value)
    : UniversalField(name) {
  setValueLong(value);
}

UniversalField::UniversalField(const char* name, double value)
    : UniversalField(name) {
  setValueDouble(value);
}

UniversalField::UniversalField(const char* name, const IFieldGroupList* list)
    : UniversalField(name) {
  setValue(list);
}

// Member by member: the setters would first release a value this field does
// not have yet. A text in other's buffer fits this one's; the buffer is
// copied whole, its bytes past the text being scratch.
UniversalField::UniversalField(const UniversalField& other)
    : IField(other),
      name_(other.name_),
      type_(other.type_),
      text_(nullptr),
      int_(other.int_),
      long_(other.long_),
      double_(other.double_),
      list_(nullptr),
      binary_length_(0),
      binary_(nullptr) {
  switch (type_) {
    case DT_STRING:
      if (other.text_ == other.text_buffer_) {
        std::memcpy(text_buffer_, other.text_buffer_, kTextBufferSize);
        text_ = text_buffer_;
      } else {
        const std::size_t size = std::strlen(other.text_) + 1;
        text_ = new char[size];
        std::memcpy(text_, other.text_, size);
      }
      break;
    case DT_LIST:
      list_ = new UniversalFieldGroupList(*other.list_);
      break;
    case DT_BINARY:
      type_ = DT_NULL;  // until the block is made
      setValueBinary(other.binary_, other.binary_length_);
      break;
  }
}

UniversalField& UniversalField::operator=(const UniversalField& other) {
  if (&other != this) copy(other);
  return *this;
}

UniversalField::~UniversalField() {
  free();
}

void UniversalField::copy(const UniversalField& other) {
  if (&other == this) return;
  // The name is taken last, so that a copy that runs out of memory leaves
  // this field as it was.
  std::string name(other.name_);
  copyValue(StoredValue{other}, *this);
  name_.swap(name);
}

void UniversalField::free() {
  switch (type_) {
    case DT_STRING:
    case DT_DOUBLE:  // the spilled rendering of a long double text
      if (text_ != text_buffer_) delete[] text_;
      text_ = nullptr;
      break;
    case DT_LIST:
      delete list_;
      list_ = nullptr;
      break;
    case DT_BINARY:
      std::free(binary_);
      binary_ = nullptr;
      break;
  }
}

std::string UniversalField::toString() const {
  std::string line;
  appendLine(line);
  return line;
}

// The writer reads the library's own field directly; a derived class may
// override getValueString(), so its line takes the text from that override.
void UniversalField::appendLine(std::string& out) const {
  DumpWriter writer(out);
  if (typeid(*this) == typeid(UniversalField)) {
    writer.line(*this);
  } else {
    writer.line(name_, getValueString());
  }
}

// Every setter makes the new storage before releasing the old one, so that
// a value taken from the field's own storage is read while it still lives.
void UniversalField::replaceKind(int type) {
  free();
  type_ = type;
}

int UniversalField::getDataType() const {
  return type_;
}

// A group's setValue renames its field to the name it is stored under, which
// it almost always has already: an equal name is left as it is.
void UniversalField::setName(const char* name) {
  if (name == nullptr) return;
  const char* own = name_.c_str();
  std::size_t i = 0;
  while (own[i] == name[i] && name[i] != '\0') ++i;
  if (own[i] != name[i]) name_ = name;
}

const char* UniversalField::getName() const {
  return name_.c_str();
}

bool UniversalField::isNullValue() const {
  return type_ == DT_NULL;
}

// A text that fits the text buffer lives there: the buffer only serves
// number kinds otherwise, so it stays as it is until the value is replaced,
// and a short text costs no allocation. Longer texts get their own array.
void UniversalField::setValue(const char* text) {
  if (text == nullptr) return;
  const std::size_t size = std::strlen(text) + 1;
  if (size <= kTextBufferSize) {
    // The text may be this field's own, inline or not: move it in first
    // (memmove, as it may overlap the buffer), release the old value after.
    std::memmove(text_buffer_, text, size);
    if (type_ == DT_STRING && text_ == text_buffer_) return;
    replaceKind(DT_STRING);
    text_ = text_buffer_;
    return;
  }
  char* copy = new char[size];
  base_library::strcpy_s(copy, size, text);
  replaceKind(DT_STRING);
  text_ = copy;
}

const char* UniversalField::getValueString() const {
  switch (type_) {
    case DT_INT:
      return formatInteger(int_, text_buffer_, kTextBufferSize);
    case DT_STRING:
      return text_;
    case DT_LIST:
      base_library::strcpy_s(text_buffer_, kTextBufferSize, "list");
      return text_buffer_;
    case DT_DOUBLE:
      if (number_text::formatDouble(double_, text_buffer_, kTextBufferSize)) {
        return text_buffer_;
      }
      if (text_ == nullptr) text_ = new char[number_text::kDoubleTextCapacity];
      number_text::formatDouble(double_, text_,
                                number_text::kDoubleTextCapacity);
      return text_;
    case DT_LONG:
      return formatInteger(long_, text_buffer_, kTextBufferSize);
    default:
      return nullptr;
  }
}

void UniversalField::setValueLong(long long value) {
  replaceKind(DT_LONG);
  long_ = value;
}

long long UniversalField::getValueLong() const {
  switch (type_) {
    case DT_INT:
      return int_;
    case DT_STRING:
      return number_text::parseDecimal<long long>(text_);
    case DT_DOUBLE:
      return truncateDouble<long long>(double_);
    case DT_LONG:
      return long_;
    default:
      return 0;
  }
}

void UniversalField::setValueInt(int value) {
  replaceKind(DT_INT);
  int_ = value;
}

int UniversalField::getValueInt() const {
  switch (type_) {
    case DT_INT:
      return int_;
    case DT_STRING:
      return number_text::parseDecimal<int>(text_);
    case DT_DOUBLE:
      return truncateDouble<int>(double_);
    case DT_LONG:
      return static_cast<int>(static_cast<unsigned int>(long_));
    default:
      return 0;
  }
}

void UniversalField::setValueDouble(double value) {
  replaceKind(DT_DOUBLE);
  double_ = value;
}

double UniversalField::getValueDouble() const {
  switch (type_) {
    case DT_INT:
      return int_;
    case DT_STRING:
      return std::strtod(text_, nullptr);
    case DT_DOUBLE:
      return double_;
    case DT_LONG:
      return static_cast<double>(long_);
    default:
      return 0.0;
  }
}

void UniversalField::setValue(const IFieldGroupList* list) {
  if (list == nullptr) return;
  UniversalFieldGroupList* copy;
  if (const auto* own = asOwnClass<UniversalFieldGroupList>(list)) {
    copy = new UniversalFieldGroupList(*own);
  } else {
    // Another implementation: copy what its cursor delivers.
    std::unique_ptr<UniversalFieldGroupList> built(new UniversalFieldGroupList);
    for (const IFieldGroup* group = list->getFirst(); group != nullptr;
         group = list->getNext()) {
      built->put(group);
    }
    built->getFirst();  // the cursor stands on the first group, as in a copy
    copy = built.release();
  }
  replaceKind(DT_LIST);
  list_ = copy;
}

IFieldGroupList* UniversalField::getValueList() const {
  return type_ == DT_LIST ? list_ : nullptr;
}

void UniversalField::setValueBinary(const void* data, int length) {
  if (length < 0 || (data == nullptr && length > 0)) return;
  // One byte at least, so that an empty block still has its own address.
  void* block = std::malloc(length > 0 ? static_cast<std::size_t>(length) : 1);
  if (block == nullptr) throw std::bad_alloc();
  if (length > 0) std::memcpy(block, data, static_cast<std::size_t>(length));
  replaceKind(DT_BINARY);
  binary_ = block;
  binary_length_ = length;
}

const void* UniversalField::getValueBinary(int& length) const {
  if (type_ != DT_BINARY) return nullptr;
  length = binary_length_;
  return binary_;
}
