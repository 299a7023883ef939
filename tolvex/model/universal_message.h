#pragma once

// UniversalMessage: the message model's message, one field group with the
// session id under "SID" and the message type under "35".
//
//   UniversalMessage request("S1", "V");
//   request.setValue("262", "req-1");
//   request.printState(std::cout);  // "<message>\n<group>\n..."
//
// Every IFieldGroup operation is forwarded to the message's group, so the
// session id and the message type are counted, walked, dumped and copied as
// the group's fields they are.

#include <ostream>
#include <string>

#include "tolvex/export.h"
#include "tolvex/model/i_message.h"
#include "tolvex/model/universal_field_group.h"

/// The only IMessage implementation.
/// Not safe for concurrent use, not even const calls: getters move built-in
/// cursors and rewrite scratch text.
class TOLVEX_API UniversalMessage : public IMessage {
 public:
  /// Name of the message-type field, "35".
  static const char* TAG_MSGTYPE;

  /// No fields.
  UniversalMessage();
  /// setSessionId(sessionId) and setMsgType(msgType), each only when not
  /// null.
  UniversalMessage(const char* sessionId, const char* msgType);
  /// A copy of `group`; its "SID" and "35" fields become the session id and
  /// message type.
  explicit UniversalMessage(const UniversalFieldGroup& group);
  /// A deep copy of `other`'s group.
  UniversalMessage(const UniversalMessage& other);
  /// Assigns `other`'s group to this message's group.
  UniversalMessage& operator=(const UniversalMessage& other);
  ~UniversalMessage() override;

  /// The message's own group; lives as long as the message.
  const UniversalFieldGroup& getGroup() const;
  /// The text dump: "<message>\n", the group's dump, "</message>\n". Moves
  /// the cursor of every list inside the message to its end: inside a walk
  /// of one of them, dump a copy (see IFieldGroupList).
  std::string toString() const;

  // IFieldGroup
  void setValue(const char* name, const char* text) override;
  const char* getValueString(const char* name) const override;
  void setValue(const char* name, const IFieldGroupList* list) override;
  IFieldGroupList* getValueList(const char* name) const override;
  void setValueLong(const char* name, long long value) override;
  long long getValueLong(const char* name) const override;
  void setValueInt(const char* name, int value) override;
  int getValueInt(const char* name) const override;
  void setValueDouble(const char* name, double value) override;
  double getValueDouble(const char* name) const override;
  void setValueBinary(const char* name, const void* data, int length) override;
  const void* getValueBinary(const char* name, int& length) const override;
  void putField(const IField* field) override;
  IField* getField(const char* name) const override;
  IField* getFirst() const override;
  IField* getNext() const override;
  int size() const override;

  // IMessage
  const char* getSessionId() const override;
  const char* getMsgType() const override;
  bool setSessionId(const char* id) override;
  bool setMsgType(const char* type) override;
  void printState(std::ostream& out) const override;

 private:
  UniversalFieldGroup group_;
};
