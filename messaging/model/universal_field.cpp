#include "tolvex/model/universal_field.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <type_traits>

#include <langinfo.h>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/model/universal_field_group_list.h"

const int IField::DT_NULL;
const int IField::DT_INT;
const int IField::DT_STRING;
const int IField::DT_LIST;
const int IField::DT_DOUBLE;
const int IField::DT_LONG;
const int IField::DT_BINARY;

namespace {

// The longest "%.60f" text: a sign, the 309 integer digits of DBL_MAX, a
// decimal point of up to a few bytes in exotic locales, 60 decimals and the
// terminator.
constexpr std::size_t kDoubleTextCapacity = 400;
constexpr int kDecimals = 60;

// strtol/strtoll with base 10 and no end pointer: white space as the current
// locale defines it, an optional sign, then digits; saturates at the limits
// of T. Written out because the standard functions are slower and strtol
// saturates at the limits of long, which is wider than int on 64-bit.
template <typename T>
T parseDecimal(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (std::isspace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  using Unsigned = typename std::make_unsigned<T>::type;
  const Unsigned limit =
      static_cast<Unsigned>(std::numeric_limits<T>::max()) + (negative ? 1 : 0);
  Unsigned value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    const unsigned digit = *p - '0';
    if (value > (limit - digit) / 10) {
      return negative ? std::numeric_limits<T>::min()
                      : std::numeric_limits<T>::max();
    }
    value = value * 10 + digit;
  }
  if (!negative) return static_cast<T>(value);
  if (value == limit) return std::numeric_limits<T>::min();
  return -static_cast<T>(value);
}

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

// The exact "%.60f" text of value, with `point` as the decimal point, when
// its binary fraction has at most 60 bits and its integer part fits 64 bits
// (every price and quantity does): the fraction then has at most 60 decimals,
// each one the next multiple of ten shifted out of it, and nothing needs
// rounding. Returns null when value is not of that kind; otherwise the end
// of the text written to dest, or dest itself when the text does not fit.
char* formatShortFraction(double value, char point, char* dest,
                          std::size_t size) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>(bits >> 52 & 0x7ff);
  if (biased == 0x7ff) return nullptr;  // infinity, NaN
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;  // subnormals
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  if (exponent > 11 || exponent < -kDecimals) return nullptr;
  const int shift = exponent < 0 ? -exponent : 0;
  const std::uint64_t integer =
      exponent < 0 ? mantissa >> shift : mantissa << exponent;
  std::uint64_t fraction =
      exponent < 0 ? mantissa & ((std::uint64_t{1} << shift) - 1) : 0;

  char digits[20];
  const char* digitsEnd = std::to_chars(digits, digits + 20, integer).ptr;
  const std::size_t length =
      (bits >> 63) + (digitsEnd - digits) + 1 + kDecimals;
  if (length >= size) return dest;
  char* p = dest;
  if (bits >> 63) *p++ = '-';
  p = std::copy(static_cast<const char*>(digits), digitsEnd, p);
  *p++ = point;
  // The decimals leave `width` at a time, the next multiple of 10^width
  // shifted out of the fraction; the widest step whose product stays below
  // 2^64 shortens the chain of dependent multiplications. Every width divides
  // the 60 decimals.
  const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
  int width = 1;
  std::uint64_t scale = 10;
  while (width < 4 && scale * 10 <= (~std::uint64_t{0} >> shift)) {
    scale *= 10;
    ++width;
  }
  char* const end = p + kDecimals;
  while (p != end && fraction != 0) {
    fraction *= scale;
    unsigned group = static_cast<unsigned>(fraction >> shift);
    fraction &= mask;
    for (int i = width - 1; i >= 0; --i) {
      p[i] = static_cast<char>('0' + group % 10);
      group /= 10;
    }
    p += width;
  }
  std::memset(p, '0', end - p);  // a fraction that ran out of bits
  *end = '\0';
  return end;
}

// Writes the "%.60f" text of value and a terminator into [dest, dest + size)
// and returns true, or returns false when it does not fit. std::to_chars gives
// the same digits as printf several times faster, but always with a '.', so
// the locale's decimal point is put in its place (or printf does the work
// when that point is longer than one byte). The point is the one printf
// uses, that of the thread's LC_NUMERIC, read without localeconv()'s copying.
bool formatDouble(double value, char* dest, std::size_t size) {
  const char* point = nl_langinfo(RADIXCHAR);
  if (point[0] != '\0' && point[1] == '\0') {
    if (const char* end = formatShortFraction(value, point[0], dest, size)) {
      return end != dest;
    }
    const std::to_chars_result result = std::to_chars(
        dest, dest + size - 1, value, std::chars_format::fixed, kDecimals);
    if (result.ec != std::errc()) return false;
    *result.ptr = '\0';
    if (point[0] != '.') {
      char* dot = static_cast<char*>(std::memchr(dest, '.', result.ptr - dest));
      if (dot != nullptr) *dot = point[0];
    }
    return true;
  }
  const int length = std::snprintf(dest, size, "%.*f", kDecimals, value);
  return length >= 0 && static_cast<std::size_t>(length) < size;
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
  switch (other.type_) {
    case DT_INT:
      setValueInt(other.int_);
      break;
    case DT_STRING:
      setValue(other.text_);
      break;
    case DT_LIST:
      setValue(static_cast<const IFieldGroupList*>(other.list_));
      break;
    case DT_DOUBLE:
      setValueDouble(other.double_);
      break;
    case DT_LONG:
      setValueLong(other.long_);
      break;
    case DT_BINARY:
      setValueBinary(other.binary_, other.binary_length_);
      break;
  }
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

// The line is sized once and its pieces copied in: a dump is mostly these
// lines, and one growth step per line costs less than one per piece.
void UniversalField::appendLine(std::string& out) const {
  const char* text = getValueString();
  const std::size_t textLength = text != nullptr ? std::strlen(text) : 0;
  const std::size_t start = out.size();
  out.resize(start + 7 + name_.size() + 3 + textLength + 1);
  char* p = &out[start];
  p = std::copy_n("field: ", 7, p);
  p = std::copy_n(name_.data(), name_.size(), p);
  p = std::copy_n(" = ", 3, p);
  p = std::copy_n(text != nullptr ? text : "", textLength, p);
  *p = '\n';
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

void UniversalField::setName(const char* name) {
  if (name != nullptr) name_ = name;
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
      if (formatDouble(double_, text_buffer_, kTextBufferSize)) {
        return text_buffer_;
      }
      if (text_ == nullptr) text_ = new char[kDoubleTextCapacity];
      formatDouble(double_, text_, kDoubleTextCapacity);
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
      return parseDecimal<long long>(text_);
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
      return parseDecimal<int>(text_);
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
  if (const auto* own = dynamic_cast<const UniversalFieldGroupList*>(list)) {
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
