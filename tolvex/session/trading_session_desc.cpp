#include "tolvex/session/trading_session_desc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "tolvex/errors/generic_exception.h"
#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/owned_text_internal.h"

namespace {

const char kDefaultID[] = "QELB";

// The name and text of the property under the table's cursor when both are
// non-null and the entry is a string; false otherwise. A reading that throws
// counts as no property.
bool currentProperty(StdHashTable* table, const char*& name,
                     const char*& value) {
  try {
    name = table->getName();
    value = table->getString();
    return name != nullptr && value != nullptr;
  } catch (GenericException* e) {
    delete e;
    return false;
  }
}

}  // namespace

const char* TradingSessionDesc::PIN_REQUIRED = "PIN_REQUIRED";

TradingSessionDesc::TradingSessionDesc() {
  init("", kDefaultID, nullptr, nullptr);
}

TradingSessionDesc::TradingSessionDesc(const char* subID, const char* id,
                                       const char* name, const char* desc) {
  init(subID, id, name, desc);
}

TradingSessionDesc::TradingSessionDesc(const char* text) {
  init(nullptr, nullptr, nullptr, nullptr);
  try {
    parse(text);
  } catch (...) {
    releaseContents();
    throw;
  }
}

TradingSessionDesc::TradingSessionDesc(const TradingSessionDesc& other) {
  copyFrom(other);
}

TradingSessionDesc& TradingSessionDesc::operator=(
    const TradingSessionDesc& other) {
  if (this == &other) return *this;
  // Copy, then swap: should the copy fail, this descriptor is as it was.
  TradingSessionDesc copy(other);
  std::swap(id, copy.id);
  std::swap(subID, copy.subID);
  std::swap(name, copy.name);
  std::swap(desc, copy.desc);
  std::swap(properties, copy.properties);
  errorCode = copy.errorCode;
  if (!other.errorMessage.empty()) errorMessage.swap(copy.errorMessage);
  return *this;
}

TradingSessionDesc::~TradingSessionDesc() {
  releaseContents();
}

void TradingSessionDesc::init(const char* subID, const char* id,
                              const char* name, const char* desc) {
  this->subID = nullptr;
  this->id = nullptr;
  this->name = nullptr;
  this->desc = nullptr;
  properties = nullptr;
  errorCode = 0;
  try {
    properties = new StdHashTable();
    setSubID(subID);
    setID(id);
    setName(name);
    setDesc(desc);
  } catch (...) {
    releaseContents();
    throw;
  }
}

void TradingSessionDesc::releaseContents() {
  std::free(subID);
  std::free(id);
  std::free(name);
  std::free(desc);
  delete properties;
}

void TradingSessionDesc::copyFrom(const TradingSessionDesc& other) {
  init(other.getSubID(), other.getID(), other.getName(), other.getDesc());
  try {
    properties->copy(*other.properties);
    if (!other.errorMessage.empty()) errorMessage = other.errorMessage;
  } catch (...) {
    releaseContents();
    throw;
  }
  errorCode = other.errorCode;
}

const char* TradingSessionDesc::getID() const {
  return id != nullptr ? id : kDefaultID;
}

const char* TradingSessionDesc::getSubID() const {
  return subID;
}

const char* TradingSessionDesc::getName() const {
  return name != nullptr ? name : subID;
}

const char* TradingSessionDesc::getDesc() const {
  if (desc != nullptr) return desc;
  return subID != nullptr ? getName() : nullptr;
}

void TradingSessionDesc::setID(const char* id) {
  owned_text::replace(this->id, id);
}

void TradingSessionDesc::setSubID(const char* subID) {
  owned_text::replace(this->subID, subID);
}

void TradingSessionDesc::setName(const char* name) {
  owned_text::replace(this->name, name);
}

void TradingSessionDesc::setDesc(const char* desc) {
  owned_text::replace(this->desc, desc);
}

const char* TradingSessionDesc::getProperty(const char* name) const {
  return properties->getString(name);
}

void TradingSessionDesc::setProperty(const char* name, const char* value) {
  if (name != nullptr && value != nullptr) properties->put(name, value);
}

StdHashTable* TradingSessionDesc::getProperties() const {
  return properties;
}

bool TradingSessionDesc::pinRequired() const {
  const char* value = getProperty(PIN_REQUIRED);
  return value != nullptr && (value[0] == 'Y' || value[0] == 'y') &&
         value[1] == '\0';
}

void TradingSessionDesc::setErrorCode(int code) {
  errorCode = code;
}

int TradingSessionDesc::getErrorCode() const {
  return errorCode;
}

void TradingSessionDesc::setErrorMessage(const char* text) {
  if (text != nullptr) {
    errorMessage = text;
  } else {
    errorMessage.clear();
  }
}

const char* TradingSessionDesc::getErrorMessage() const {
  return errorMessage.c_str();
}

void TradingSessionDesc::parse(const char* text) {
  setSubID(nullptr);
  setID(nullptr);
  setName(nullptr);
  setDesc(nullptr);
  if (text == nullptr) return;

  const std::size_t workSize = std::strlen(text) + 1;
  const std::unique_ptr<char[]> work(new char[workSize]);
  void (TradingSessionDesc::*const setters[])(const char*) = {
      &TradingSessionDesc::setSubID, &TradingSessionDesc::setID,
      &TradingSessionDesc::setName};
  const char* field = text;
  for (auto setter : setters) {
    const char* separator = std::strchr(field, ';');
    if (separator == nullptr || separator == field) {
      // No separator follows, or the field is empty: the rest of the text,
      // separators included, is the last field.
      base_library::strcpy_s(work.get(), workSize, field);
      (this->*setter)(work.get());
      break;
    }
    base_library::strncpy_s(work.get(), workSize, field,
                            static_cast<std::size_t>(separator - field));
    (this->*setter)(work.get());
    if (separator[1] == '\0') break;
    field = separator + 1;
  }
}

void TradingSessionDesc::toString(char* buffer, int size) const {
  if (buffer == nullptr || size < 1) return;
  const std::size_t bufferSize = static_cast<std::size_t>(size);
  std::memset(buffer, 0, bufferSize);
  if (getSubID() == nullptr) return;

  // With a sub-ID, the name and description fall back to it, so none of the
  // four values is null.
  std::size_t length = std::strlen(getSubID()) + std::strlen(getID()) +
                       std::strlen(getName()) + std::strlen(getDesc()) + 3;
  const char* propertyName;
  const char* value;
  for (bool more = properties->firstElement() != nullptr; more;
       more = properties->nextElement() != nullptr) {
    if (currentProperty(properties, propertyName, value)) {
      length += std::strlen(propertyName) + std::strlen(value) + 2;
    }
  }

  const std::size_t workSize = length + 1;
  const std::unique_ptr<char[]> work(new char[workSize]());
  std::snprintf(work.get(), workSize, "%s;%s;%s;%s", getSubID(), getID(),
                getName(), getDesc());
  for (bool more = properties->firstElement() != nullptr; more;
       more = properties->nextElement() != nullptr) {
    if (currentProperty(properties, propertyName, value)) {
      base_library::strcat_s(work.get(), workSize, ";");
      base_library::strcat_s(work.get(), workSize, propertyName);
      base_library::strcat_s(work.get(), workSize, "=");
      base_library::strcat_s(work.get(), workSize, value);
    }
  }
  // The stand-in's bounded copy leaves "" when the text and its NUL do not
  // fit in the buffer.
  base_library::strncpy_s(buffer, bufferSize, work.get(), bufferSize);
}
