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

char* copy(char* out, const char* text) {
  return std::copy_n(text, std::strlen(text), out);
}

void appendEscapedByte(std::string& out, const char* prefix,
                       unsigned char byte) {
  out += prefix;
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

}  // namespace

char* writeShortestDouble(char* out, double value) {
  if (std::isnan(value)) return copy(out, "NaN");
  if (std::isinf(value)) return copy(out, value < 0 ? "-Infinity" : "Infinity");
  char* end = std::to_chars(out, out + kShortestDoubleRoom, value).ptr;
  // An integral value keeps a point, so that readers that type numbers by
  // their form see a double: 2.0, -0.0.
  if (std::find_if(out, end, [](char c) { return c == '.' || c == 'e'; }) ==
      end) {
    end = copy(end, ".0");
  }
  return end;
}

void appendShortestDouble(std::string& out, double value) {
  char buffer[kShortestDoubleRoom];
  out.append(buffer, writeShortestDouble(buffer, value));
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
