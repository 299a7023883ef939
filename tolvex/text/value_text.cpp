#include "tolvex/text/value_text_internal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "tolvex/model/i_field.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/text/base64_internal.h"

namespace text_forms {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// The length of the valid UTF-8 sequence at the start of `bytes`, or 0 when
// it does not start with one (overlong forms, surrogates and code points
// above U+10FFFF are not valid).
std::size_t utf8SequenceLength(std::string_view bytes) {
  const auto byte = [&bytes](std::size_t i) {
    return static_cast<unsigned char>(bytes[i]);
  };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xbf;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xbf) return 0;
  }
  return length;
}

void appendEscapedByte(std::string& out, const char* prefix,
                       unsigned char byte) {
  out += prefix;
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

}  // namespace

void appendShortestDouble(std::string& out, double value) {
  if (std::isnan(value)) {
    out += "NaN";
  } else if (std::isinf(value)) {
    out += value < 0 ? "-Infinity" : "Infinity";
  } else {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
    // An integral value keeps a point, so that readers that type numbers by
    // their form see a double: 2.0, -0.0.
    if (std::find_if(buffer, result.ptr, [](char c) {
          return c == '.' || c == 'e';
        }) == result.ptr) {
      out += ".0";
    }
  }
}

void appendJsonString(std::string& out, std::string_view bytes) {
  out += '"';
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Runs of plain ASCII go in one append.
    std::size_t plain = i;
    while (plain < bytes.size()) {
      const auto byte = static_cast<unsigned char>(bytes[plain]);
      if (byte < 0x20 || byte >= 0x80 || byte == '"' || byte == '\\') break;
      ++plain;
    }
    out.append(bytes.data() + i, plain - i);
    i = plain;
    if (i == bytes.size()) break;
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x80) {
      const std::size_t length = utf8SequenceLength(bytes.substr(i));
      if (length == 0) {
        appendEscapedByte(out, "\\udc", byte);
        ++i;
      } else {
        out.append(bytes.data() + i, length);
        i += length;
      }
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        appendEscapedByte(out, "\\u00", byte);
    }
    ++i;
  }
  out += '"';
}

void appendQuoted(std::string& out, std::string_view bytes) {
  out += '"';
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20 || byte == 0x7f) {
          appendEscapedByte(out, "\\x", byte);
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void appendQuotedIfNeeded(std::string& out, std::string_view name) {
  const bool plain =
      !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return c > ' ' && c < 0x7f && c != '"' && c != '\\' && c != ':';
      });
  if (plain) {
    out += name;
  } else {
    appendQuoted(out, name);
  }
}

void appendReadableValue(std::string& out, const IField& field) {
  switch (field.getDataType()) {
    case IField::DT_STRING:
      appendQuoted(out, field.getValueString());
      return;
    case IField::DT_INT:
      out += "int ";
      out += field.getValueString();
      return;
    case IField::DT_LONG:
      out += "long ";
      out += field.getValueString();
      return;
    case IField::DT_DOUBLE:
      out += "double ";
      appendShortestDouble(out, field.getValueDouble());
      return;
    case IField::DT_BINARY: {
      int length = 0;
      const void* data = field.getValueBinary(length);
      out += "binary ";
      out += std::to_string(length);
      out += length == 1 ? " byte" : " bytes";
      if (length > 0) {
        out += ' ';
        appendBase64(out, data, length);
      }
      return;
    }
    case IField::DT_LIST:
      out += "list of ";
      out += std::to_string(field.getValueList()->size());
      return;
    default:
      out += "none";
  }
}

}  // namespace text_forms
