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
#include <typeinfo>

#include <langinfo.h>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/digit_pairs_internal.h"
#include "tolvex/model/dump_writer_internal.h"
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

// A double whose binary fraction has at most 60 bits and whose integer part
// fits 64 bits (every price and quantity does): its "%.60f" text is exact,
// the fraction having at most 60 decimals, each one the next multiple of ten
// shifted out of it, with nothing to round.
struct ShortFraction {
  bool negative;
  std::uint64_t integer;
  std::uint64_t fraction;  // the bits below the binary point
  int shift;               // the number of those bits
};

// Splits value into `parts` and returns true when it is a short fraction.
bool splitShortFraction(double value, ShortFraction& parts) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>(bits >> 52 & 0x7ff);
  if (biased == 0x7ff) return false;  // infinity, NaN
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;  // subnormals
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  if (exponent > 11 || exponent < -kDecimals) return false;
  parts.negative = bits >> 63 != 0;
  parts.shift = exponent < 0 ? -exponent : 0;
  parts.integer = exponent < 0 ? mantissa >> parts.shift : mantissa << exponent;
  parts.fraction =
      exponent < 0 ? mantissa & ((std::uint64_t{1} << parts.shift) - 1) : 0;
  return true;
}

// The most characters writeShortFraction writes: a sign, the 20 digits of
// 2^64 - 1, the point and the decimals.
constexpr std::size_t kShortFractionBound = 1 + 20 + 1 + kDecimals;

// The length of the text writeShortFraction makes, without a terminator.
std::size_t shortFractionLength(const ShortFraction& parts) {
  std::size_t digits = 1;
  for (std::uint64_t rest = parts.integer; rest >= 10; rest /= 10) ++digits;
  return parts.negative + digits + 1 + kDecimals;
}

// Writes the text of `parts` with `point` as the decimal point to dest,
// which has room for kShortFractionBound characters, and returns its
// end; no terminator.
char* writeShortFraction(const ShortFraction& parts, char point, char* dest) {
  char* p = dest;
  if (parts.negative) *p++ = '-';
  p = std::to_chars(p, p + 20, parts.integer).ptr;
  *p++ = point;
  // The decimals leave two at a time, the next multiple of 100 shifted out
  // of the fraction (one at a time for the few fractions of more than 57
  // bits, where 100 times the fraction would pass 2^64). Every price's
  // fraction runs out of bits well before the 60th decimal; the zeros after
  // it are written at once.
  const int shift = parts.shift;
  const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
  std::uint64_t fraction = parts.fraction;
  char* const end = p + kDecimals;
  if (shift <= 57) {
    while (p != end && fraction != 0) {
      fraction *= 100;
      p = digit_pairs::put(p, static_cast<unsigned>(fraction >> shift));
      fraction &= mask;
    }
  } else {
    while (p != end && fraction != 0) {
      fraction *= 10;
      *p++ = static_cast<char>('0' + (fraction >> shift));
      fraction &= mask;
    }
  }
  std::memset(p, '0', end - p);
  return end;
}

// The decimal point printf uses, that of the thread's LC_NUMERIC, read
// without localeconv()'s copying; '\0' when it is longer than one byte.
char singleBytePoint() {
  const char* point = nl_langinfo(RADIXCHAR);
  return point[0] != '\0' && point[1] == '\0' ? point[0] : '\0';
}

// Writes the "%.60f" text of value and a terminator into [dest, dest + size)
// and returns true, or returns false when it does not fit. std::to_chars gives
// the same digits as printf several times faster, but always with a '.', so
// the locale's decimal point is put in its place (or printf does the work
// when that point is longer than one byte).
bool formatDouble(double value, char* dest, std::size_t size) {
  const char point = singleBytePoint();
  if (point != '\0') {
    ShortFraction parts;
    if (splitShortFraction(value, parts)) {
      if (shortFractionLength(parts) >= size) return false;
      *writeShortFraction(parts, point, dest) = '\0';
      return true;
    }
    const std::to_chars_result result = std::to_chars(
        dest, dest + size - 1, value, std::chars_format::fixed, kDecimals);
    if (result.ec != std::errc()) return false;
    *result.ptr = '\0';
    if (point != '.') {
      char* dot = static_cast<char*>(std::memchr(dest, '.', result.ptr - dest));
      if (dot != nullptr) *dot = point;
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

DumpWriter::DumpWriter(std::string& out)
    : out_(out),
      p_(&out[0] + out.size()),
      end_(p_),
      point_(singleBytePoint()) {}

DumpWriter::~DumpWriter() {
  out_.resize(p_ - &out_[0]);
}

// Doubling, or more: every step zero-fills and may move the text, and a dump
// takes few of them.
void DumpWriter::grow(std::size_t length) {
  const std::size_t used = p_ - &out_[0];
  out_.resize(std::max({used + length, 2 * out_.size(), out_.capacity()}));
  p_ = &out_[0] + used;
  end_ = &out_[0] + out_.size();
}

void DumpWriter::put(const char* text, std::size_t length) {
  p_ = std::copy_n(text, length, room(length));
}

char* DumpWriter::openLine(const std::string& name, std::size_t valueLength) {
  char* p = room(7 + name.size() + 3 + valueLength + 1);
  p = std::copy_n("field: ", 7, p);
  p = std::copy_n(name.data(), name.size(), p);
  return std::copy_n(" = ", 3, p);
}

// Numbers skip the text buffer; a double's text is written straight into
// the line.
void DumpWriter::line(const UniversalField& field) {
  ShortFraction parts;
  char* p;
  if (field.type_ == IField::DT_DOUBLE && point_ != '\0' &&
      splitShortFraction(field.double_, parts)) {
    p = writeShortFraction(parts, point_,
                           openLine(field.name_, kShortFractionBound));
  } else {
    char number[24];
    const char* text = number;
    std::size_t length = 0;
    switch (field.type_) {
      case IField::DT_INT:
      case IField::DT_LONG: {
        // One conversion for both: the digits of an int are the same as a
        // long long's.
        const long long value = field.type_ == IField::DT_INT
                                    ? static_cast<long long>(field.int_)
                                    : field.long_;
        length =
            std::to_chars(number, number + sizeof number, value).ptr - number;
        break;
      }
      case IField::DT_STRING:
        text = field.text_;
        length = std::strlen(text);
        break;
      case IField::DT_LIST:
      case IField::DT_DOUBLE:
        text = field.getValueString();
        length = std::strlen(text);
        break;
    }
    p = std::copy_n(text, length, openLine(field.name_, length));
  }
  *p++ = '\n';
  p_ = p;
}

void DumpWriter::line(const std::string& name, const char* text) {
  const std::size_t length = text != nullptr ? std::strlen(text) : 0;
  char* p = std::copy_n(text, length, openLine(name, length));
  *p++ = '\n';
  p_ = p;
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
