#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/digit_pairs_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace utc_text {

namespace {

// The most numbers a text form holds: the timestamp's seven.
constexpr int kMaxFields = 7;

// Where a text form keeps one number: `width` characters from `at`, for the
// member `member` of the time record.
struct Field {
  int at;
  int width;
  unsigned short _SYSTEMTIME::*member;
};

// The numbers of a text form, in order. The first `fixed` fields have their
// full widths in every text, which therefore holds at least length()
// characters. A last field beyond those (the timestamp's milliseconds) is
// optional: it is read only when the character before it is not the NUL,
// and then up to `width` characters or the NUL; absent, it reads as 0.
// The characters between fields are separators: any but the NUL.
struct Layout {
  int fixed;
  int count;
  Field fields[kMaxFields];

  constexpr int length() const {
    return fields[fixed - 1].at + fields[fixed - 1].width;
  }
};

constexpr Layout kTimestampLayout = {6,
                                     7,
                                     {{0, 4, &_SYSTEMTIME::wYear},
                                      {4, 2, &_SYSTEMTIME::wMonth},
                                      {6, 2, &_SYSTEMTIME::wDay},
                                      {9, 2, &_SYSTEMTIME::wHour},
                                      {12, 2, &_SYSTEMTIME::wMinute},
                                      {15, 2, &_SYSTEMTIME::wSecond},
                                      {18, 3, &_SYSTEMTIME::wMilliseconds}}};
constexpr Layout kDateLayout = {3,
                                3,
                                {{0, 4, &_SYSTEMTIME::wYear},
                                 {4, 2, &_SYSTEMTIME::wMonth},
                                 {6, 2, &_SYSTEMTIME::wDay}}};
constexpr Layout kTimeLayout = {3,
                                3,
                                {{0, 2, &_SYSTEMTIME::wHour},
                                 {3, 2, &_SYSTEMTIME::wMinute},
                                 {6, 2, &_SYSTEMTIME::wSecond}}};

// The value of a decimal digit, or a number above 9 for any other char.
unsigned digit(char c) {
  return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

// One field of the fast route, for numbers of plain digits, read as the
// scan below reads them: a fixed field is digits throughout; an optional
// field that is present begins with a digit and gives the digits before its
// first other character. False for any other field, which the scan then
// reads again. The separators before the field are read first, so no
// character is read past the NUL.
template <const Layout& kLayout, int kIndex>
bool readDigits(const char* text, _SYSTEMTIME* time) {
  constexpr const Field& field = kLayout.fields[kIndex];
  constexpr bool optional = kIndex >= kLayout.fixed;
  constexpr int previousEnd =
      kIndex == 0
          ? 0
          : kLayout.fields[kIndex - 1].at + kLayout.fields[kIndex - 1].width;
  for (int i = previousEnd; i < field.at; ++i) {
    if (text[i] == '\0') {
      time->*field.member = 0;
      return optional;
    }
  }
  unsigned value = 0;
  int k = 0;
  for (; k < field.width && digit(text[field.at + k]) <= 9; ++k) {
    value = value * 10 + digit(text[field.at + k]);
  }
  time->*field.member = static_cast<unsigned short>(value);
  if (optional) return k > 0 || text[field.at] == '\0';
  return k == field.width;
}

// Every field of the fast route, one copy of each for each form, so that
// the layout is folded into the code.
template <const Layout& kLayout, int... kIndex>
bool readDigits(const char* text, _SYSTEMTIME* time,
                std::integer_sequence<int, kIndex...>) {
  static_assert(kLayout.count <= kLayout.fixed + 1, "one optional field");
  return (readDigits<kLayout, kIndex>(text, time) && ...);
}

// True when text holds at least length characters before its NUL; reads no
// further than the first NUL or length characters.
bool hasLength(const char* text, int length) {
  for (int i = 0; i < length; ++i) {
    if (text[i] == '\0') return false;
  }
  return true;
}

// The general route, for a text of at least the layout's length: the fields
// are laid out in order over a mask, one blank after each, and sscanf reads
// integers from it, at most one per field. Blanks and signs inside a field
// are read as sscanf reads them, so a number may end early or run on into
// the next field. Returns how many it read; the fields after those read as
// 0.
int scanFields(const char* text, const Layout& layout, _SYSTEMTIME* time) {
  // Each field and its blank, and the NUL: 25 characters for a timestamp.
  char mask[32];
  char* out = mask;
  for (int i = 0; i < layout.count; ++i) {
    const Field& field = layout.fields[i];
    std::size_t width = static_cast<std::size_t>(field.width);
    if (i >= layout.fixed) {
      width = text[field.at - 1] != '\0' ? strnlen(text + field.at, width) : 0;
    }
    std::memcpy(out, text + field.at, width);
    out += width;
    *out++ = ' ';
  }
  *out = '\0';
  int count = 0;
  for (const char* rest = mask; count < layout.count; ++count) {
    int number = 0;
    int used = 0;
    if (std::sscanf(rest, "%d%n", &number, &used) != 1) break;
    time->*layout.fields[count].member = static_cast<unsigned short>(number);
    rest += used;
  }
  for (int i = count; i < layout.count; ++i) time->*layout.fields[i].member = 0;
  return count;
}

// Reads the numbers of a text into their members of time; false, with time
// in an unspecified state, when the text is null, too short, or its fields
// do not read.
template <const Layout& kLayout>
bool readLayout(const char* text, _SYSTEMTIME* time) {
  if (text == nullptr) return false;
  return readDigits<kLayout>(
             text, time, std::make_integer_sequence<int, kLayout.count>()) ||
         (hasLength(text, kLayout.length()) &&
          scanFields(text, kLayout, time) >= kLayout.fixed);
}

// Every text form, any year included, fits with room to spare.
constexpr std::size_t kBlockSize = 64;

// Whether every field prints in exactly its format width, so that the
// digits can be written without sprintf.
bool fitsWidths(const _SYSTEMTIME& t) {
  return t.wYear <= 9999 && t.wMonth <= 99 && t.wDay <= 99 && t.wHour <= 99 &&
         t.wMinute <= 99 && t.wSecond <= 99 && t.wMilliseconds <= 999;
}

void writeFast(const _SYSTEMTIME& t, Form form, char* out) {
  if (form != Form::kTime) {
    out = digit_pairs::put(out, t.wYear / 100u);
    out = digit_pairs::put(out, t.wYear % 100u);
    out = digit_pairs::put(out, t.wMonth);
    out = digit_pairs::put(out, t.wDay);
    if (form == Form::kDate) return;
    *out++ = '-';
  }
  out = digit_pairs::put(out, t.wHour);
  *out++ = ':';
  out = digit_pairs::put(out, t.wMinute);
  *out++ = ':';
  out = digit_pairs::put(out, t.wSecond);
  if (form == Form::kTime) return;
  *out++ = '.';
  *out++ = static_cast<char>('0' + t.wMilliseconds / 100u);
  digit_pairs::put(out, t.wMilliseconds % 100u);
}

void writePrintf(const _SYSTEMTIME& t, Form form, char* out) {
  switch (form) {
    case Form::kTimestamp:
      std::sprintf(out, "%04i%02i%02i-%02i:%02i:%02i.%03i", t.wYear, t.wMonth,
                   t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
      break;
    case Form::kDate:
      std::sprintf(out, "%04i%02i%02i", t.wYear, t.wMonth, t.wDay);
      break;
    case Form::kTime:
      std::sprintf(out, "%02i:%02i:%02i", t.wHour, t.wMinute, t.wSecond);
      break;
  }
}

}  // namespace

double parse(const char* text, Form form, _SYSTEMTIME start) {
  bool read = false;
  switch (form) {
    case Form::kTimestamp:
      read = readLayout<kTimestampLayout>(text, &start);
      break;
    case Form::kDate:
      read = readLayout<kDateLayout>(text, &start);
      break;
    case Form::kTime:
      read = readLayout<kTimeLayout>(text, &start);
      break;
  }
  double value = 0.0;
  return read && base_library::WindowsTimeToOleTime(&start, &value) != 0 ? value
                                                                         : 0.0;
}

char* format(double value, Form form) {
  _SYSTEMTIME t{};
  if (base_library::OleTimeToWindowsTime(value, &t) == 0) return nullptr;
  // The text is printed into a zero-filled local block that is then copied
  // whole: a malloc followed by a memset of zeros would be compiled into
  // calloc, which misses the allocator's fast per-thread cache.
  char block[kBlockSize] = {};
  if (fitsWidths(t)) {
    writeFast(t, form, block);
  } else {
    writePrintf(t, form, block);
  }
  char* text = static_cast<char*>(std::malloc(kBlockSize));
  if (text != nullptr) std::memcpy(text, block, kBlockSize);
  return text;
}

}  // namespace utc_text
