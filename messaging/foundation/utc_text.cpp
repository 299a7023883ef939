#include <cstdio>
#include <cstdlib>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace utc_text {

namespace {

// Every text form, any year included, fits with room to spare.
constexpr std::size_t kBlockSize = 64;

// Writes value as width decimal digits; value must have no more digits.
char* putDigits(char* out, unsigned value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + width;
}

// Whether every field prints in exactly its format width, so that the
// digits can be written without sprintf.
bool fitsWidths(const _SYSTEMTIME& t) {
  return t.wYear <= 9999 && t.wMonth <= 99 && t.wDay <= 99 && t.wHour <= 99 &&
         t.wMinute <= 99 && t.wSecond <= 99 && t.wMilliseconds <= 999;
}

void writeFast(const _SYSTEMTIME& t, Form form, char* out) {
  if (form != Form::kTime) {
    out = putDigits(out, t.wYear, 4);
    out = putDigits(out, t.wMonth, 2);
    out = putDigits(out, t.wDay, 2);
    if (form == Form::kDate) return;
    *out++ = '-';
  }
  out = putDigits(out, t.wHour, 2);
  *out++ = ':';
  out = putDigits(out, t.wMinute, 2);
  *out++ = ':';
  out = putDigits(out, t.wSecond, 2);
  if (form == Form::kTime) return;
  *out++ = '.';
  putDigits(out, t.wMilliseconds, 3);
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
  char* text = static_cast<char*>(std::calloc(1, kBlockSize));
  if (text == nullptr) return nullptr;
  if (fitsWidths(t)) {
    writeFast(t, form, text);
  } else {
    writePrintf(t, form, text);
  }
  return text;
}

}  // namespace utc_text
