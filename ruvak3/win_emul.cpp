#include "ruvak3/win_emul.h"

#include <cerrno>
#include <cstring>

namespace ruvak3 {
namespace win_emul {

namespace {

// Length of s, or size when s holds no NUL in its first size bytes.
std::size_t boundedLength(const char* s, std::size_t size) {
  const void* nul = std::memchr(s, '\0', size);
  return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - s)
             : size;
}

// Copies the first length characters of src and a NUL when they fit in
// size bytes; empties dest otherwise.
int copyWhole(char* dest, std::size_t size, const char* src,
              std::size_t length) {
  if (length >= size) {
    dest[0] = '\0';
    return ERANGE;
  }
  std::memmove(dest, src, length);
  dest[length] = '\0';
  return 0;
}

}  // namespace

int strcpy_s(char* dest, std::size_t size, const char* src) {
  if (dest == nullptr || size == 0) return EINVAL;
  if (src == nullptr) {
    dest[0] = '\0';
    return EINVAL;
  }
  return copyWhole(dest, size, src, std::strlen(src));
}

int strncpy_s(char* dest, std::size_t size, const char* src,
              std::size_t count) {
  if (dest == nullptr || size == 0) return EINVAL;
  if (src == nullptr) {
    dest[0] = '\0';
    return count == 0 ? 0 : EINVAL;
  }
  // strnlen reads no further than count characters, nor past a NUL.
  const std::size_t length = ::strnlen(src, count);
  if (count == _TRUNCATE && length >= size) {
    std::memmove(dest, src, size - 1);
    dest[size - 1] = '\0';
    return STRUNCATE;
  }
  return copyWhole(dest, size, src, length);
}

int strcat_s(char* dest, std::size_t size, const char* src) {
  if (dest == nullptr || size == 0) return EINVAL;
  if (src == nullptr) {
    dest[0] = '\0';
    return EINVAL;
  }
  const std::size_t used = boundedLength(dest, size);
  if (used == size) {
    dest[0] = '\0';
    return EINVAL;
  }
  const std::size_t length = std::strlen(src);
  if (length >= size - used) {
    dest[0] = '\0';
    return ERANGE;
  }
  std::memmove(dest + used, src, length + 1);
  return 0;
}

int _strlwr_s(char* str, std::size_t size) {
  if (str == nullptr || size == 0) return EINVAL;
  const std::size_t length = boundedLength(str, size);
  if (length == size) {
    str[0] = '\0';
    return EINVAL;
  }
  for (std::size_t i = 0; i < length; ++i) {
    if (str[i] >= 'A' && str[i] <= 'Z')
      str[i] = static_cast<char>(str[i] + ('a' - 'A'));
  }
  return 0;
}

}  // namespace win_emul
}  // namespace ruvak3
