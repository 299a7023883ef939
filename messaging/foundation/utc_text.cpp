#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace utc_text {

namespace {

// Every text form, any year included, fits with room to spare.
constexpr std::size_t kBlockSize = 64;

// "00" to "99", two characters each.
constexpr char kPairs[] =
    "0001020304050607080910111213141516171819"
    "2021222324252627282930313233343536373839"
    "4041424344454647484950515253545556575859"
    "6061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes value, below 100, as two decimal digits.
char* putPair(char* out, unsigned value) {
  std::memcpy(out, kPairs + 2 * std::size_t{value}, 2);
  return out + 2;
}

// Whether every field prints in exactly its format width, so that the
// digits can be written without sprintf.
bool fitsWidths(const _SYSTEMTIME& t) {
  return t.wYear <= 9999 && t.wMonth <= 99 && t.wDay <= 99 && t.wHour <= 99 &&
         t.wMinute <= 99 && t.wSecond <= 99 && t.wMilliseconds <= 999;
}

void writeFast(const _SYSTEMTIME& t, Form form, char* out) {
  if (form != Form::kTime) {
    out = putPair(out, t.wYear / 100u);
    out = putPair(out, t.wYear % 100u);
    out = putPair(out, t.wMonth);
    out = putPair(out, t.wDay);
    if (form == Form::kDate) return;
    *out++ = '-';
  }
  out = putPair(out, t.wHour);
  *out++ = ':';
  out = putPair(out, t.wMinute);
  *out++ = ':';
  out = putPair(out, t.wSecond);
  if (form == Form::kTime) return;
  *out++ = '.';
  *out++ = static_cast<char>('0' + t.wMilliseconds / 100u);
  putPair(out, t.wMilliseconds % 100u);
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
