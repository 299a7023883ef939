#pragma once

// GenericSessionStatus: the library's session status snapshot, filled by a
// transport through its setters and read by listeners through
// ISessionStatus; and the two tables that turn status and message codes into
// display texts.
//
//   GenericSessionStatus::initMessageTable();  // once, before any lookup
//   GenericSessionStatus status;
//   status.setStatusCode(ISessionStatus::STATUSCODE_CONNECTING);
//   status.setStatusName(GenericSessionStatus::getStatusName(
//       ISessionStatus::STATUSCODE_CONNECTING));
//   status.setStatusMessageID(ISessionStatus::MSGCODE_CONNECTING);
//   status.setStatusMessage(GenericSessionStatus::getStatusMessage(
//       ISessionStatus::MSGCODE_CONNECTING));

#include "tolvex/errors/generic_exception.h"
#include "tolvex/session/i_session_status.h"

/// A status value that owns copies of its texts and of its exception. The
/// display texts are independent of the codes: setting a code changes no
/// text. Text getters return the object's own copies (null when unset),
/// valid until the member is set again or the object dies; the caller must
/// not free them.
/// Thread-safety: not safe for concurrent use; fill it, then publish it for
/// reading. The static lookups are safe from any thread once the first
/// initMessageTable() has returned.
class TOLVEX_API GenericSessionStatus : public ISessionStatus {
 public:
  /// Code STATUSCODE_READY, message MSGCODE_NONE, queue 0, no texts and no
  /// exception.
  GenericSessionStatus();
  /// Copies every member of `other`, taking own copies of its texts and its
  /// own clone of its exception whatever its status code. `other` is only
  /// read.
  GenericSessionStatus(GenericSessionStatus& other);
  /// The same copy, for a const source.
  GenericSessionStatus(const GenericSessionStatus& other);
  GenericSessionStatus& operator=(const GenericSessionStatus&) = delete;
  ~GenericSessionStatus() override;

  // ISessionStatus
  const char* getConnectionName() const override;
  const char* getProtocolName() const override;
  const char* getSecureProtocolString() const override;
  int getStatusCode() const override;
  const char* getStatusName() const override;
  const char* getStatusMessage() const override;
  int getStatusMessageID() const override;
  long getQueueSize() const override;
  /// The held exception copy while the code is STATUSCODE_CRITICAL_ERROR,
  /// null otherwise. Owned by the status; valid until the exception is
  /// replaced or the status dies.
  GenericException* getErrorException() const override;

  /// The string setters store a copy of the text; null clears the member.
  /// The caller keeps its string.
  ///@{
  void setConnectionName(const char* name);
  void setProtocolName(const char* name);
  void setSecureProtocolString(const char* mark);
  void setStatusName(const char* name);
  void setStatusMessage(const char* text);
  ///@}

  /// The number setters store the value as given, unchecked; no text
  /// changes with it.
  ///@{
  void setStatusCode(int code);
  void setStatusMessageID(int code);
  void setQueueSize(long size);
  ///@}
  /// Deletes the copy held so far and holds `e->clone()`, or nothing when `e`
  /// is null. The caller keeps `e`.
  void setErrorException(GenericException* e);

  /// The display name of a status code: "Unknown" for codes without a name
  /// of their own and for codes outside the table. A literal; never null.
  static const char* getStatusName(int code);
  /// The display text of a message code, or null before initMessageTable().
  /// Codes outside the table give the text of MSGCODE_NONE (""). A literal.
  static const char* getStatusMessage(int code);
  /// Fills the message table; returns true. Nothing in the library calls
  /// it: call it once, before relying on getStatusMessage(int) and before
  /// any concurrent lookup. Calling it again stores the same texts.
  static bool initMessageTable();
  /// Does nothing: the table holds literals, which need no release.
  static void clearMessageTable();

 private:
  long queueSize;
  char* connectionName;
  char* protocolName;
  char* secureProtocolString;
  int statusCode;
  char* statusName;
  char* statusMessage;
  int statusMessageID;
  GenericException* errorException;
};
