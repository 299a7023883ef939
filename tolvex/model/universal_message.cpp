#include "tolvex/model/universal_message.h"

const char* UniversalMessage::TAG_MSGTYPE = "35";

UniversalMessage::UniversalMessage() = default;

UniversalMessage::UniversalMessage(const char* sessionId, const char* msgType) {
  if (sessionId != nullptr) UniversalMessage::setSessionId(sessionId);
  if (msgType != nullptr) UniversalMessage::setMsgType(msgType);
}

UniversalMessage::UniversalMessage(const UniversalFieldGroup& group)
    : group_(group) {}

UniversalMessage::UniversalMessage(const UniversalMessage& other)
    : IMessage(other), group_(other.group_) {}

UniversalMessage& UniversalMessage::operator=(const UniversalMessage& other) {
  group_ = other.group_;
  return *this;
}

UniversalMessage::~UniversalMessage() = default;

const UniversalFieldGroup& UniversalMessage::getGroup() const {
  return group_;
}

std::string UniversalMessage::toString() const {
  std::string dump("<message>\n");
  group_.appendDump(dump);
  dump.append("</message>\n", 11);
  return dump;
}

void UniversalMessage::setValue(const char* name, const char* text) {
  group_.setValue(name, text);
}

const char* UniversalMessage::getValueString(const char* name) const {
  return group_.getValueString(name);
}

void UniversalMessage::setValue(const char* name, const IFieldGroupList* list) {
  group_.setValue(name, list);
}

IFieldGroupList* UniversalMessage::getValueList(const char* name) const {
  return group_.getValueList(name);
}

void UniversalMessage::setValueLong(const char* name, long long value) {
  group_.setValueLong(name, value);
}

long long UniversalMessage::getValueLong(const char* name) const {
  return group_.getValueLong(name);
}

void UniversalMessage::setValueInt(const char* name, int value) {
  group_.setValueInt(name, value);
}

int UniversalMessage::getValueInt(const char* name) const {
  return group_.getValueInt(name);
}

void UniversalMessage::setValueDouble(const char* name, double value) {
  group_.setValueDouble(name, value);
}

double UniversalMessage::getValueDouble(const char* name) const {
  return group_.getValueDouble(name);
}

void UniversalMessage::setValueBinary(const char* name, const void* data,
                                      int length) {
  group_.setValueBinary(name, data, length);
}

const void* UniversalMessage::getValueBinary(const char* name,
                                             int& length) const {
  return group_.getValueBinary(name, length);
}

void UniversalMessage::putField(const IField* field) {
  group_.putField(field);
}

IField* UniversalMessage::getField(const char* name) const {
  return group_.getField(name);
}

IField* UniversalMessage::getFirst() const {
  return group_.getFirst();
}

IField* UniversalMessage::getNext() const {
  return group_.getNext();
}

int UniversalMessage::size() const {
  return group_.size();
}

const char* UniversalMessage::getSessionId() const {
  return group_.getValueString(IMessage::TAG_SID);
}

const char* UniversalMessage::getMsgType() const {
  return group_.getValueString(TAG_MSGTYPE);
}

bool UniversalMessage::setSessionId(const char* id) {
  group_.setValue(IMessage::TAG_SID, id);
  return true;
}

bool UniversalMessage::setMsgType(const char* type) {
  group_.setValue(TAG_MSGTYPE, type);
  return true;
}

void UniversalMessage::printState(std::ostream& out) const {
  const std::string dump = toString();
  out.write(dump.data(), static_cast<std::streamsize>(dump.size()));
  out.flush();
}
