#pragma once

// IMessage: the interface of a message, a field group with a session id and
// a message type, and the message-level tag names.

#include <ostream>

#include "tolvex/export.h"
#include "tolvex/model/i_field_group.h"

/// A field group whose fields include the session id (field TAG_SID) and the
/// message type (field "35"); both are ordinary text fields of the group.
/// Not safe for concurrent use, not even const calls: getters move built-in
/// cursors and rewrite scratch text.
class TOLVEX_API IMessage : public IFieldGroup {
 public:
  /// Request id tag, "RID".
  static const char* TAG_RID;
  /// Ping tag, "U21".
  static const char* TAG_PING;
  /// Name of the session-id field, "SID".
  static const char* TAG_SID;
  /// Name of the message interface, "IMessage".
  static const char* TAG_IMESSAGE;

  /// The session id's text, or null when the message has none. Points into
  /// the message; valid until the field's value is replaced.
  virtual const char* getSessionId() const = 0;
  /// The message type's text, or null when the message has none. Points into
  /// the message; valid until the field's value is replaced.
  virtual const char* getMsgType() const = 0;
  /// Makes the session-id field the text `id`, whatever it held; a null id
  /// keeps an existing one. Returns true.
  virtual bool setSessionId(const char* id) = 0;
  /// Makes the message-type field the text `type`, whatever it held; a null
  /// type keeps an existing one. Returns true.
  virtual bool setMsgType(const char* type) = 0;
  /// Writes the text dump to `out` and flushes it; stream errors stay in
  /// the stream's state. Moves the cursor of every list inside the message
  /// to its end: inside a walk of one of them, dump a copy (see
  /// IFieldGroupList).
  virtual void printState(std::ostream& out) const = 0;
};
