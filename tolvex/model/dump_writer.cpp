#include "tolvex/model/dump_writer_internal.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "tolvex/model/number_text_internal.h"
#include "tolvex/model/universal_field.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"

namespace {

// Room a line asks for beyond its own characters: a short name or value is
// copied as a whole block of up to this many bytes, which is one or two
// moves instead of a call, and the bytes past its end are written over
// next.
constexpr std::size_t kSlack = 16;

// Copies `length` characters of `text` to p and returns their end; when
// length <= Block, `text` can be read and p written for Block bytes.
template <std::size_t Block>
char* copyShort(const char* text, std::size_t length, char* p) {
  static_assert(Block <= kSlack, "the block fits the slack");
  if (length > Block) return std::copy_n(text, length, p);
  std::memcpy(p, text, Block);
  return p + length;
}

}  // namespace

DumpWriter::DumpWriter(std::string& out)
    : out_(out),
      p_(&out[0] + out.size()),
      end_(p_),
      point_(number_text::singleBytePoint()) {}

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

// A std::string can be read for 16 bytes: its inline buffer has 16, and it
// moves to the heap only to hold more.
char* DumpWriter::openLine(const std::string& name, std::size_t valueLength) {
  char* p = room(7 + name.size() + 3 + valueLength + 1 + kSlack);
  p = std::copy_n("field: ", 7, p);
  p = copyShort<16>(name.data(), name.size(), p);
  return std::copy_n(" = ", 3, p);
}

// Numbers skip the text buffer; a double's text is written straight into
// the line.
void DumpWriter::line(const UniversalField& field) {
  number_text::ShortFraction parts;
  char* p;
  if (field.type_ == IField::DT_DOUBLE && point_ != '\0' &&
      number_text::splitShortFraction(field.double_, parts)) {
    p = number_text::writeShortFraction(
        parts, point_, openLine(field.name_, number_text::kShortFractionBound));
  } else {
    // Every text here can be read for 16 bytes: this array, the text
    // buffer, and a heap text, which is longer than the buffer.
    char number[24] = {};
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
    p = copyShort<16>(text, length, openLine(field.name_, length));
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

// Lines of a kind are about this long; a list's groups are taken to be like
// its first, as the entries of a repeating group are.
std::size_t DumpWriter::sizeHint(const UniversalFieldGroup& group) {
  std::size_t size = 17;  // "<group>\n</group>\n"
  for (const UniversalFieldGroup::FieldMap::value_type& entry : group.fields_) {
    const UniversalField& field = entry.second;
    std::size_t value = 16;
    if (field.type_ == IField::DT_DOUBLE) {
      value = 64;
    } else if (field.type_ == IField::DT_LIST) {
      const IFieldGroup* first = field.list_->getFirst();
      if (first != nullptr) {
        value += field.list_->size() *
                 sizeHint(*static_cast<const UniversalFieldGroup*>(first));
      }
    }
    size += 11 + entry.first.size() + value;
  }
  return size;
}

void DumpWriter::group(const UniversalFieldGroup& group) {
  put("<group>\n", 8);
  // A private walk: the group's own cursor is left where it is.
  for (const UniversalFieldGroup::FieldMap::value_type& entry : group.fields_) {
    const UniversalField& field = entry.second;
    switch (field.type_) {
      case IField::DT_INT:
      case IField::DT_STRING:
      case IField::DT_DOUBLE:
      case IField::DT_LONG:
        line(field);
        break;
      case IField::DT_LIST: {
        line(field);
        put("<list>\n", 7);
        // The list's own cursor walks it, and so ends at the end position.
        const UniversalFieldGroupList& list = *field.list_;
        for (const IFieldGroup* nested = list.getFirst(); nested != nullptr;
             nested = list.getNext()) {
          // A UniversalFieldGroupList holds UniversalFieldGroup objects only.
          this->group(*static_cast<const UniversalFieldGroup*>(nested));
        }
        put("</list>\n", 8);
        break;
      }
      default:  // no value, binary: no line
        break;
    }
  }
  put("</group>\n", 9);
}
