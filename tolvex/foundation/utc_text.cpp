#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/digit_pairs_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace utc_text {

namespace {

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
