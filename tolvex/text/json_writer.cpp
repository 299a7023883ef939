// The writer fills the text through a raw pointer: before each field it makes
// room for the most that field can take (every byte of a text escaped), then
// writes without further checks, and the text is cut to what was written at
// the end. Lists are written as their groups come, each making its own room.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "tolvex/model/i_field.h"
#include "tolvex/model/i_field_group.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/text/base64_internal.h"
#include "tolvex/text/json.h"
#include "tolvex/text/value_text_internal.h"

namespace {

// The bytes a JSON string holds as they are: printable ASCII but the quote
// and the backslash.
constexpr std::array<bool, 256> plainJsonBytes() {
  std::array<bool, 256> plain{};
  for (int byte = 0x20; byte < 0x80; ++byte) plain[byte] = true;
  plain['"'] = false;
  plain['\\'] = false;
  return plain;
}
constexpr std::array<bool, 256> kPlainJson = plainJsonBytes();

// The most one byte of a text takes in a JSON string (\udcXX, \u00XX).
constexpr std::size_t kEscapedByteRoom = 6;

// The length of the valid UTF-8 sequence at `bytes`, of which `left` remain,
// or 0 when none starts there (overlong forms, surrogates and code points
// above U+10FFFF are not valid, as for the reader).
std::size_t utf8SequenceLength(const unsigned char* bytes, std::size_t left) {
  const unsigned char lead = bytes[0];
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
  if (left < length || bytes[1] < low || bytes[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (bytes[i] < 0x80 || bytes[i] > 0xbf) return 0;
  }
  return length;
}

template <std::size_t N>
char* put(char* out, const char (&literal)[N]) {
  std::memcpy(out, literal, N - 1);
  return out + N - 1;
}

char* putEscape(char* out, const char* prefix, unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out = put(out, "\\u");
  *out++ = prefix[0];
  *out++ = prefix[1];
  *out++ = kHex[byte >> 4];
  *out++ = kHex[byte & 15];
  return out;
}

// Writes `length` bytes as a JSON string, quotes included: valid UTF-8 as
// it is, any other byte as the lone surrogate escape \udcXX, which the reader
// turns back into the byte.
char* putJsonString(char* out, const char* text, std::size_t length) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  *out++ = '"';
  std::size_t i = 0;
  while (i < length) {
    std::size_t plain = i;
    while (plain < length && kPlainJson[bytes[plain]]) ++plain;
    std::memcpy(out, bytes + i, plain - i);
    out += plain - i;
    i = plain;
    if (i == length) break;
    const unsigned char byte = bytes[i];
    if (byte >= 0x80) {
      const std::size_t sequence = utf8SequenceLength(bytes + i, length - i);
      if (sequence == 0) {
        out = putEscape(out, "dc", byte);
        ++i;
      } else {
        std::memcpy(out, bytes + i, sequence);
        out += sequence;
        i += sequence;
      }
      continue;
    }
    switch (byte) {
      case '"':
        out = put(out, "\\\"");
        break;
      case '\\':
        out = put(out, "\\\\");
        break;
      case '\n':
        out = put(out, "\\n");
        break;
      case '\r':
        out = put(out, "\\r");
        break;
      case '\t':
        out = put(out, "\\t");
        break;
      default:
        out = putEscape(out, "00", byte);
    }
    ++i;
  }
  *out++ = '"';
  return out;
}

class JsonWriter {
 public:
  JsonWriter(std::string& out, const Redaction& redaction)
      : out_(out), redaction_(redaction) {
    out_.resize(256);
  }

  ~JsonWriter() { out_.resize(used_); }

  void group(const IFieldGroup& group) {
    char* out = room(1);
    *out++ = '{';
    bool first = true;
    for (const IField* field = group.getFirst(); field != nullptr;
         field = group.getNext()) {
      out = this->field(*field, out, first);
      first = false;
    }
    out = roomAt(out, 1);
    *out++ = '}';
    used_ = static_cast<std::size_t>(out - out_.data());
  }

 private:
  // Room for `count` more characters after what was written; where they go.
  char* room(std::size_t count) {
    if (used_ + count > out_.size()) {
      out_.resize(std::max(out_.size() * 2, used_ + count));
    }
    return &out_[used_];
  }
  char* roomAt(char* out, std::size_t count) {
    used_ = static_cast<std::size_t>(out - out_.data());
    return room(count);
  }

  // Writes one member, after a separator unless it is the first; returns
  // the end. The room made covers the separator, the name, the kind and the
  // longest form of the value.
  char* field(const IField& field, char* out, bool first) {
    const char* name = field.getName();
    const std::size_t nameLength = std::strlen(name);
    const int type = field.getDataType();
    const char* text = nullptr;
    std::size_t textLength = 0;
    const void* data = nullptr;
    int length = 0;
    std::size_t valueRoom = 24;  // integers and the literals
    if (redaction_.masks(name)) {
      const std::size_t maskLength = std::strlen(Redaction::MASK);
      out = roomAt(out, 4 + nameLength * kEscapedByteRoom + 16 + maskLength);
      if (!first) out = put(out, ", ");
      out = putJsonString(out, name, nameLength);
      out = put(out, ": {\"text\": \"");
      out = std::copy_n(Redaction::MASK, maskLength, out);
      return put(out, "\"}");
    }
    if (type == IField::DT_STRING) {
      text = field.getValueString();
      textLength = std::strlen(text);
      valueRoom = 2 + textLength * kEscapedByteRoom;
    } else if (type == IField::DT_BINARY) {
      data = field.getValueBinary(length);
      valueRoom = 2 + text_forms::base64Length(length);
    } else if (type == IField::DT_DOUBLE) {
      valueRoom = 2 + text_forms::kShortestDoubleRoom;
    }
    // The separator, 2 quotes, ": {\"binary\": " (the longest kind) and the
    // closing "}".
    out = roomAt(out, 4 + nameLength * kEscapedByteRoom + 16 + valueRoom + 1);
    if (!first) out = put(out, ", ");
    out = putJsonString(out, name, nameLength);
    switch (type) {
      case IField::DT_INT:
        out = put(out, ": {\"int\": ");
        out = std::to_chars(out, out + 24, field.getValueInt()).ptr;
        break;
      case IField::DT_LONG:
        out = put(out, ": {\"long\": ");
        out = std::to_chars(out, out + 24, field.getValueLong()).ptr;
        break;
      case IField::DT_DOUBLE: {
        const double value = field.getValueDouble();
        const bool finite = std::isfinite(value);
        out = put(out, ": {\"double\": ");
        if (!finite) *out++ = '"';
        out = text_forms::writeShortestDouble(out, value);
        if (!finite) *out++ = '"';
        break;
      }
      case IField::DT_STRING:
        out = put(out, ": {\"text\": ");
        out = putJsonString(out, text, textLength);
        break;
      case IField::DT_BINARY:
        out = put(out, ": {\"binary\": \"");
        out = text_forms::writeBase64(out, data, length);
        *out++ = '"';
        break;
      case IField::DT_LIST:
        out = put(out, ": {\"list\": [");
        out = list(*field.getValueList(), out);
        out = roomAt(out, 2);
        *out++ = ']';
        break;
      default:
        out = put(out, ": {\"none\": null");
    }
    *out++ = '}';
    return out;
  }

  char* list(const IFieldGroupList& list, char* out) {
    used_ = static_cast<std::size_t>(out - out_.data());
    bool first = true;
    for (const IFieldGroup* entry = list.getFirst(); entry != nullptr;
         entry = list.getNext()) {
      if (!first) {
        out = put(room(2), ", ");
        used_ += 2;
      }
      first = false;
      group(*entry);
    }
    return &out_[used_];
  }

  std::string& out_;
  const Redaction& redaction_;
  std::size_t used_ = 0;
};

}  // namespace

std::string toJson(const IFieldGroup& group, const Redaction& redaction) {
  std::string out;
  JsonWriter(out, redaction).group(group);
  return out;
}
