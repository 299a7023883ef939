#include "tolvex/text/base64_internal.h"

#include <array>
#include <cstdint>

namespace text_forms {
namespace {

constexpr char kAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t kInvalid = 0xff;

constexpr std::array<std::uint8_t, 256> decodingTable() {
  std::array<std::uint8_t, 256> table{};
  for (auto& entry : table) entry = kInvalid;
  for (std::uint8_t i = 0; i < 64; ++i) {
    table[static_cast<unsigned char>(kAlphabet[i])] = i;
  }
  return table;
}
constexpr std::array<std::uint8_t, 256> kDecoding = decodingTable();

}  // namespace

char* writeBase64(char* out, const void* data, int length) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  int i = 0;
  for (; i + 3 <= length; i += 3) {
    const std::uint32_t triple =
        (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
    *out++ = kAlphabet[triple >> 18];
    *out++ = kAlphabet[(triple >> 12) & 63];
    *out++ = kAlphabet[(triple >> 6) & 63];
    *out++ = kAlphabet[triple & 63];
  }
  if (i < length) {
    const bool two = i + 1 < length;
    const std::uint32_t triple =
        (bytes[i] << 16) | (two ? bytes[i + 1] << 8 : 0);
    *out++ = kAlphabet[triple >> 18];
    *out++ = kAlphabet[(triple >> 12) & 63];
    *out++ = two ? kAlphabet[(triple >> 6) & 63] : '=';
    *out++ = '=';
  }
  return out;
}

void appendBase64(std::string& out, const void* data, int length) {
  const std::size_t start = out.size();
  out.resize(start + base64Length(length));
  writeBase64(&out[start], data, length);
}

bool decodeBase64(std::string_view text, std::string& bytes) {
  if (text.size() % 4 != 0) return false;
  bytes.clear();
  bytes.reserve(text.size() / 4 * 3);
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const int padding = !last                ? 0
                        : text[i + 3] != '=' ? 0
                        : text[i + 2] != '=' ? 1
                                             : 2;
    std::uint32_t quad = 0;
    for (int j = 0; j < 4 - padding; ++j) {
      const std::uint8_t sextet =
          kDecoding[static_cast<unsigned char>(text[i + j])];
      if (sextet == kInvalid) return false;
      quad |= static_cast<std::uint32_t>(sextet) << (18 - 6 * j);
    }
    // Canonical form only: the bits a padded group does not carry are zero.
    if ((padding == 1 && (quad & 0xff) != 0) ||
        (padding == 2 && (quad & 0xffff) != 0)) {
      return false;
    }
    bytes += static_cast<char>(quad >> 16);
    if (padding < 2) bytes += static_cast<char>((quad >> 8) & 0xff);
    if (padding < 1) bytes += static_cast<char>(quad & 0xff);
  }
  return true;
}

}  // namespace text_forms
