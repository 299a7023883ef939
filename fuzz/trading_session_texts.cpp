// Trading-session texts through TradingSessionDesc::parse, judged by a plain
// reading of the field rules; then toString() into exact-size heap buffers of
// every size, and copies and assignments of the parsed descriptor.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tolvex/session/trading_session_desc.h"

#include "oracle.h"

namespace {

const char* orNull(const Text& text) {
  return text ? text->c_str() : nullptr;
}

// The reference descriptor: raw members, string properties in name order and
// the names that hold entries of other types.
struct Model {
  Text subID, id, name, desc;
  std::map<std::string, std::string> strings;
  std::map<std::string, int> others;
  int errorCode = 0;
  std::string errorMessage;

  std::string effectiveID() const { return id ? *id : "QELB"; }
  Text effectiveName() const { return name ? name : subID; }
  Text effectiveDesc() const {
    if (desc) return desc;
    return subID ? effectiveName() : std::nullopt;
  }

  std::string text() const {
    if (!subID) return "";
    std::string out = *subID + ";" + effectiveID() + ";" + *effectiveName() +
                      ";" + *effectiveDesc();
    for (const auto& [key, value] : strings) out += ";" + key + "=" + value;
    return out;
  }
};

// Reads at most three fields: each runs up to the next ';'; an empty field or
// one with no ';' after it takes the rest of the text and is the last, as is
// a field whose ';' ends the text.
std::vector<std::string> fieldsOf(const std::string& text) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (fields.size() < 3) {
    const std::size_t separator = text.find(';', at);
    if (separator == std::string::npos || separator == at) {
      fields.push_back(text.substr(at));
      break;
    }
    fields.push_back(text.substr(at, separator - at));
    if (separator + 1 == text.size()) break;
    at = separator + 1;
  }
  return fields;
}

void parseModel(Model& model, const Text& text) {
  model.subID = model.id = model.name = model.desc = std::nullopt;
  if (!text) return;
  const std::vector<std::string> fields = fieldsOf(*text);
  Text* members[] = {&model.subID, &model.id, &model.name};
  for (std::size_t i = 0; i < fields.size(); ++i) *members[i] = fields[i];
}

void checkAgainst(TradingSessionDesc& desc, const Model& model) {
  check(same(desc.getSubID(), model.subID), "sub-ID");
  check(same(desc.getID(), model.effectiveID()), "ID");
  check(same(desc.getName(), model.effectiveName()), "name");
  check(same(desc.getDesc(), model.effectiveDesc()), "description");
  check(desc.getErrorCode() == model.errorCode, "error code");
  check(model.errorMessage == desc.getErrorMessage(), "error text");
  for (const auto& [key, value] : model.strings) {
    check(same(desc.getProperty(key.c_str()), value), "string property");
  }
  for (const auto& [key, value] : model.others) {
    check(desc.getProperty(key.c_str()) == nullptr, "property of other type");
  }
  const auto pin = model.strings.find(TradingSessionDesc::PIN_REQUIRED);
  const bool pinY =
      pin != model.strings.end() && (pin->second == "Y" || pin->second == "y");
  check(desc.pinRequired() == pinY, "pinRequired");
}

// Every buffer is its own heap block of exactly `size` bytes, so ASan sees a
// byte written past its end.
void checkToString(const TradingSessionDesc& desc, const std::string& whole) {
  for (std::size_t size = 0; size <= whole.size() + 2; ++size) {
    std::unique_ptr<char[]> buffer(new char[size]);
    std::memset(buffer.get(), 'x', size);
    desc.toString(buffer.get(), static_cast<int>(size));
    if (size == 0) continue;
    check(std::memchr(buffer.get(), '\0', size) != nullptr,
          "toString leaves a terminated text");
    if (size > whole.size()) {
      check(whole == buffer.get(), "toString of a large room");
    } else {
      check(buffer[0] == '\0', "a text that does not fit leaves \"\"");
    }
  }
  desc.toString(nullptr, 16);
}

// A text as the descriptor sees it: up to its first NUL.
std::string consumeString(FuzzedDataProvider& input, std::size_t most) {
  return input.ConsumeRandomLengthString(most).c_str();
}

Text consumeText(FuzzedDataProvider& input) {
  if (input.ConsumeIntegralInRange(0, 15) == 0) return std::nullopt;
  return consumeString(input, 64);
}

void setProperties(FuzzedDataProvider& input, TradingSessionDesc& desc,
                   Model& model) {
  const int count = input.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < count; ++i) {
    const std::string key = consumeString(input, 12);
    const std::string value = consumeString(input, 12);
    if (input.ConsumeBool()) {
      desc.setProperty(key.c_str(), value.c_str());
      model.others.erase(key);
      model.strings[key] = value;
    } else {
      desc.getProperties()->put(key.c_str(), static_cast<int>(value.size()));
      model.strings.erase(key);
      model.others[key] = static_cast<int>(value.size());
    }
  }
  // Neither a null name nor a null value stores anything.
  desc.setProperty(nullptr, "v");
  desc.setProperty("n", nullptr);
}

// A copy holds the effective values as its own members.
Model copyOf(const Model& other) {
  Model copy = other;
  copy.id = other.effectiveID();
  copy.name = other.effectiveName();
  copy.desc = other.effectiveDesc();
  return copy;
}

void checkCopies(FuzzedDataProvider& input, TradingSessionDesc& desc,
                 const Model& model) {
  const Model expected = copyOf(model);
  TradingSessionDesc copy(desc);
  checkAgainst(copy, expected);
  checkToString(copy, expected.text());

  const Text oldMessage = consumeText(input);
  TradingSessionDesc target("a", "b", "c", "d");
  target.setProperty("old", "x");
  target.setErrorMessage(orNull(oldMessage));
  target = desc;
  Model assigned = expected;
  if (model.errorMessage.empty())
    assigned.errorMessage = oldMessage.value_or("");
  checkAgainst(target, assigned);
  check(target.getProperty("old") == nullptr || model.strings.count("old"),
        "assignment drops the old properties");
  checkToString(target, assigned.text());

  TradingSessionDesc& self = target;
  target = self;
  checkAgainst(target, assigned);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  TradingSessionDesc desc;
  Model model;
  model.subID = "";
  model.id = "QELB";

  setProperties(input, desc, model);
  model.errorCode = input.ConsumeIntegral<int>();
  desc.setErrorCode(model.errorCode);
  const Text message = consumeText(input);
  desc.setErrorMessage(orNull(message));
  model.errorMessage = message.value_or("");
  const Text other = consumeText(input);
  desc.setDesc(orNull(other));
  model.desc = other;

  const Text text = input.ConsumeBool()
                        ? Text(input.ConsumeRemainingBytesAsString().c_str())
                        : consumeText(input);
  desc.parse(orNull(text));
  parseModel(model, text);
  checkAgainst(desc, model);
  checkToString(desc, model.text());

  TradingSessionDesc fromText(orNull(text));
  Model fresh;
  parseModel(fresh, text);
  checkAgainst(fromText, fresh);

  checkCopies(input, desc, model);
  return 0;
}
