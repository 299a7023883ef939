// The reader drives rapidjson's SAX parser (iterative, so deep input cannot
// exhaust the stack) and builds the group as the events arrive: no document
// tree is made. Numbers arrive as their text and are converted here with
// std::from_chars, which is exact and reports a value out of range.
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"
#include "tolvex/text/base64_internal.h"
#include "tolvex/text/json.h"

namespace {

// In the order of kKinds.
enum class Kind { kInt, kLong, kDouble, kText, kBinary, kList, kNone };

struct KindName {
  const char* name;
  Kind kind;
  const char* expected;  // the JSON value the kind holds
};
constexpr KindName kKinds[] = {
    {"int", Kind::kInt, "an integer"},
    {"long", Kind::kLong, "an integer"},
    {"double", Kind::kDouble,
     "a number or \"NaN\", \"Infinity\", \"-Infinity\""},
    {"text", Kind::kText, "a string"},
    {"binary", Kind::kBinary, "a base64 string"},
    {"list", Kind::kList, "an array of groups"},
    {"none", Kind::kNone, "null"},
};
constexpr const char* kKindList =
    "int, long, double, text, binary, list or none";

// One open JSON container. A group object receives fields; a field object
// names the kind of the field `name` and holds its value; a list array
// receives the groups of the list field `name`.
struct Frame {
  enum Type { kGroup, kField, kList };
  Frame(Type type, IFieldGroup* group, std::string name = {})
      : type(type), group(group), name(std::move(name)) {}

  Type type;
  IFieldGroup* group;  // the group the fields go in (kField: the owner's)
  std::string name;    // kField and kList: the field's name
  bool hasKind = false;
  Kind kind = Kind::kNone;
  bool hasValue = false;
  int sizeBefore = 0;  // the group's size before the value was stored
  IFieldGroupList* list = nullptr;  // kList: the field's list
};

// Undoes the surrogate escapes of bytes that were not UTF-8: rapidjson
// decodes \udc80-\udcff to the three bytes ED B2 80 - ED B3 BF, which valid
// UTF-8 never holds (the reader refuses raw surrogates), so each stands for
// one byte 0x80-0xff. Returns the new length; the text is rewritten in place.
std::size_t restoreEscapedBytes(char* text, std::size_t length) {
  const void* first = std::memchr(text, 0xed, length);
  if (first == nullptr) return length;
  std::size_t out =
      static_cast<std::size_t>(static_cast<const char*>(first) - text);
  for (std::size_t i = out; i < length; ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto second =
        i + 2 < length ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (lead == 0xed && (second == 0xb2 || second == 0xb3)) {
      const auto third = static_cast<unsigned char>(text[i + 2]);
      text[out++] =
          static_cast<char>(0x80 | ((second & 1) << 6) | (third & 0x3f));
      i += 2;
    } else {
      text[out++] = text[i];
    }
  }
  return out;
}

class GroupBuilder
    : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, GroupBuilder> {
 public:
  explicit GroupBuilder(IFieldGroup& root) : root_(root) { frames_.reserve(8); }

  const std::string& problem() const { return problem_; }

  bool StartObject() {
    if (frames_.empty()) {
      frames_.emplace_back(Frame::kGroup, &root_);
      return true;
    }
    Frame& top = frames_.back();
    if (top.type == Frame::kList) {
      // The list's own new group is filled in place, not copied: put()
      // leaves the cursor where it was, on the group put before (or at the
      // end of an empty list), and one step from there reaches the new one.
      static const UniversalFieldGroup kEmptyGroup;
      top.list->put(&kEmptyGroup);
      frames_.emplace_back(Frame::kGroup, top.list->getNext());
      return true;
    }
    if (top.type == Frame::kField) return wrongValue(top);
    frames_.emplace_back(Frame::kField, top.group, std::move(key_));
    key_.clear();
    return true;
  }

  bool Key(const char* text, rapidjson::SizeType length, bool) {
    Frame& top = frames_.back();
    if (top.type == Frame::kGroup) {
      key_.assign(text, length);
      key_.resize(restoreEscapedBytes(key_.data(), key_.size()));
      if (key_.find('\0') != std::string::npos) {
        return fail("a field name may not hold a NUL character");
      }
      return true;
    }
    if (top.hasKind) return fail(field(top) + " has two kinds; expected one");
    for (const KindName& kind : kKinds) {
      if (std::strcmp(kind.name, text) == 0) {
        top.hasKind = true;
        top.kind = kind.kind;
        return true;
      }
    }
    return fail("unknown kind \"" + std::string(text, length) +
                "\"; expected " + kKindList);
  }

  bool EndObject(rapidjson::SizeType) {
    Frame& top = frames_.back();
    if (top.type == Frame::kField && !top.hasValue) {
      return fail(field(top) + " has no kind; expected one of " + kKindList);
    }
    frames_.pop_back();
    return true;
  }

  bool StartArray() {
    Frame* top = valueFrame(Kind::kList);
    if (top == nullptr) return false;
    if (++listDepth_ > kJsonMaxListDepth) {
      return fail("lists nested deeper than " +
                  std::to_string(kJsonMaxListDepth));
    }
    static const UniversalFieldGroupList kEmpty;
    top->group->setValue(top->name.c_str(), &kEmpty);
    if (!stored(*top)) return false;
    IFieldGroupList* list = top->group->getValueList(top->name.c_str());
    frames_.emplace_back(Frame::kList, top->group, top->name);
    frames_.back().list = list;
    return true;
  }

  bool EndArray(rapidjson::SizeType) {
    frames_.pop_back();
    --listDepth_;
    return true;
  }

  bool Null() {
    Frame* top = valueFrame(Kind::kNone);
    if (top == nullptr) return false;
    top->group->setValue(top->name.c_str(), static_cast<const char*>(nullptr));
    return stored(*top);
  }

  bool RawNumber(const char* text, rapidjson::SizeType length, bool) {
    Frame* top = currentField();
    if (top == nullptr) return false;
    const char* end = text + length;
    const char* name = top->name.c_str();
    switch (top->kind) {
      case Kind::kInt: {
        int value = 0;
        if (!parseInteger(text, end, value, *top)) return false;
        top->group->setValueInt(name, value);
        return stored(*top);
      }
      case Kind::kLong: {
        long long value = 0;
        if (!parseInteger(text, end, value, *top)) return false;
        top->group->setValueLong(name, value);
        return stored(*top);
      }
      case Kind::kDouble: {
        double value = 0;
        const auto result = std::from_chars(text, end, value);
        if (result.ec != std::errc() || result.ptr != end) {
          return fail(field(*top) + ": double out of range");
        }
        top->group->setValueDouble(name, value);
        return stored(*top);
      }
      default:
        return wrongValue(*top);
    }
  }

  bool String(const char* text, rapidjson::SizeType length, bool) {
    Frame* top = currentField();
    if (top == nullptr) return false;
    const char* name = top->name.c_str();
    switch (top->kind) {
      case Kind::kText: {
        if (std::strlen(text) != length) {
          return fail(field(*top) + ": a text may not hold a NUL character");
        }
        // The parser's copy of the string is ours to rewrite.
        char* bytes = const_cast<char*>(text);
        bytes[restoreEscapedBytes(bytes, length)] = '\0';
        top->group->setValue(name, bytes);
        return stored(*top);
      }
      case Kind::kBinary:
        if (!text_forms::decodeBase64({text, length}, bytes_)) {
          return fail(field(*top) + ": expected standard base64");
        }
        top->group->setValueBinary(name, bytes_.data(),
                                   static_cast<int>(bytes_.size()));
        return stored(*top);
      case Kind::kDouble:
        if (std::strcmp(text, "NaN") == 0) {
          top->group->setValueDouble(name,
                                     std::numeric_limits<double>::quiet_NaN());
        } else if (std::strcmp(text, "Infinity") == 0 ||
                   std::strcmp(text, "-Infinity") == 0) {
          const double infinity = std::numeric_limits<double>::infinity();
          top->group->setValueDouble(name, *text == '-' ? -infinity : infinity);
        } else {
          return wrongValue(*top);
        }
        return stored(*top);
      default:
        return wrongValue(*top);
    }
  }

  // Booleans: no kind holds one.
  bool Default() {
    if (frames_.empty() || frames_.back().type != Frame::kField) {
      return unexpected("a value");
    }
    return wrongValue(frames_.back());
  }

 private:
  static std::string field(const Frame& frame) {
    return "field \"" + frame.name + "\"";
  }

  bool fail(std::string problem) {
    problem_ = std::move(problem);
    return false;
  }

  // Something other than a group where a group was due.
  bool unexpected(const char* what) {
    if (frames_.empty())
      return fail(std::string("expected an object, not ") + what);
    const Frame& top = frames_.back();
    if (top.type == Frame::kList) {
      return fail("expected a group object in the list " + field(top));
    }
    return fail("expected an object naming the kind of field \"" + key_ + "\"");
  }

  // The field object awaiting its value, or null (and the problem set).
  Frame* currentField() {
    if (frames_.empty() || frames_.back().type != Frame::kField) {
      unexpected("a value");
      return nullptr;
    }
    Frame& top = frames_.back();
    if (top.hasValue) {
      fail(field(top) + " has two kinds; expected one");
      return nullptr;
    }
    top.hasValue = true;
    top.sizeBefore = top.group->size();
    return &top;
  }

  // After a value is stored: a group's setters store nothing new under a
  // name it already has (or replace the text), so a size that did not grow
  // means a duplicate key, found without a lookup of its own.
  bool stored(const Frame& frame) {
    if (frame.group->size() > frame.sizeBefore) return true;
    return fail("duplicate " + field(frame));
  }

  Frame* valueFrame(Kind kind) {
    Frame* top = currentField();
    if (top == nullptr) return nullptr;
    if (top->kind != kind) {
      wrongValue(*top);
      return nullptr;
    }
    return top;
  }

  bool wrongValue(const Frame& frame) {
    const KindName& kind = kKinds[static_cast<int>(frame.kind)];
    return fail(field(frame) + ": expected " + kind.expected + " for \"" +
                kind.name + "\"");
  }

  template <typename Integer>
  bool parseInteger(const char* text, const char* end, Integer& value,
                    const Frame& frame) {
    const auto result = std::from_chars(text, end, value);
    if (result.ec == std::errc::result_out_of_range) {
      return fail(field(frame) + ": value out of range for \"" +
                  (sizeof(Integer) == sizeof(int) ? "int" : "long") + "\"");
    }
    if (result.ec != std::errc() || result.ptr != end) return wrongValue(frame);
    return true;
  }

  IFieldGroup& root_;
  std::vector<Frame> frames_;
  std::string key_;
  std::string bytes_;
  std::string problem_;
  int listDepth_ = 0;
};

void locate(std::string_view json, std::size_t offset, JsonError& error) {
  if (offset > json.size()) offset = json.size();
  error.line = 1;
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    if (json[i] == '\n') {
      ++error.line;
      lineStart = i + 1;
    }
  }
  error.column = static_cast<int>(offset - lineStart) + 1;
}

// Parses `json` into `target`; false with `error` filled when refused.
bool read(std::string_view json, IFieldGroup& target, JsonError* error) {
  // The parser takes a NUL byte for the end of the text.
  const std::size_t nul = json.find('\0');
  if (nul != std::string_view::npos) {
    if (error != nullptr) {
      locate(json, nul, *error);
      error->what = "unexpected NUL byte";
    }
    return false;
  }
  GroupBuilder builder(target);
  rapidjson::Reader reader;
  rapidjson::MemoryStream stream(json.data(), json.size());
  constexpr unsigned kFlags = rapidjson::kParseIterativeFlag |
                              rapidjson::kParseValidateEncodingFlag |
                              rapidjson::kParseNumbersAsStringsFlag;
  const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, builder);
  if (!result.IsError()) return true;
  if (error != nullptr) {
    locate(json, result.Offset(), *error);
    error->what = result.Code() == rapidjson::kParseErrorTermination
                      ? builder.problem()
                      : rapidjson::GetParseError_En(result.Code());
  }
  return false;
}

template <typename Group>
std::unique_ptr<Group> readInto(std::string_view json, JsonError* error) {
  auto group = std::make_unique<Group>();
  if (!read(json, *group, error)) group.reset();
  return group;
}

}  // namespace

std::unique_ptr<UniversalMessage> messageFromJson(std::string_view json,
                                                  JsonError* error) {
  return readInto<UniversalMessage>(json, error);
}

std::unique_ptr<UniversalFieldGroup> groupFromJson(std::string_view json,
                                                   JsonError* error) {
  return readInto<UniversalFieldGroup>(json, error);
}
