#pragma once

// ISessionStatus: the read-only view of a session status snapshot that a
// transport publishes to its listeners, and the published status codes,
// message codes and connection words.
//
//   void onSessionStatus(const ISessionStatus* status) {
//     if (status->getStatusCode() == ISessionStatus::STATUSCODE_CRITICAL_ERROR)
//       report(status->getErrorException()->getMessage());
//   }

#include "tolvex/export.h"

class GenericException;

/// A status snapshot: connection, status code and name, message code and
/// text, outgoing queue length, and the exception of a critical failure.
/// Integer constants are defined in the library, so they are not constant
/// expressions; text constants point to literals that live as long as the
/// library is loaded, and nothing may assign to them.
/// Thread-safety: the constants are safe to read from any thread; an object
/// is filled by its producer before it is published and only read after.
class TOLVEX_API ISessionStatus {
 public:
  /// Status codes, with GenericSessionStatus::getStatusName(int) names.
  ///@{
  static const int STATUSCODE_ERROR;              ///< -2 "Error"
  static const int STATUSCODE_DISCONNECTED;       ///< -1 "Disconnected"
  static const int STATUSCODE_READY;              ///< 0 "Ready"
  static const int STATUSCODE_CONNECTING;         ///< 1 "Connecting"
  static const int STATUSCODE_SENDING;            ///< 2 "Sending"
  static const int STATUSCODE_RECIEVING;          ///< 3 "Receiving"
  static const int STATUSCODE_PROCESSING;         ///< 4 "Processing"
  static const int STATUSCODE_DISCONNECTING;      ///< 5 "Disconnecting"
  static const int STATUSCODE_LOGGEDIN;           ///< 6 "Logged In"
  static const int STATUSCODE_WAIT;               ///< 7 "Waiting"
  static const int STATUSCODE_EXPIRED;            ///< 8 "Expired"
  static const int STATUSCODE_SHUTDOWN;           ///< 9 "Shutdown"
  static const int STATUSCODE_FORCED_RELOGIN;     ///< 10 "Forced relogin"
  static const int STATUSCODE_CONNECTED;          ///< 11 "Connected"
  static const int STATUSCODE_LOGGINGIN;          ///< 12 "Logging in"
  static const int STATUSCODE_ATTACHING;          ///< 13 "Attaching"
  static const int STATUSCODE_EXTRA_AUTH_PASSED;  ///< 14, no name of its own
  static const int STATUSCODE_CRITICAL_ERROR;     ///< 15, no name of its own
  static const int STATUSCODE_RELOGIN_FAILED;     ///< 16, no name of its own
  ///@}

  /// Message codes, with GenericSessionStatus::getStatusMessage(int) texts.
  ///@{
  static const int MSGCODE_NONE;                ///< 0
  static const int MSGCODE_SENDINGREQUEST;      ///< 1
  static const int MSGCODE_COMMBROKEN;          ///< 2
  static const int MSGCODE_TIMEOUT;             ///< 3
  static const int MSGCODE_REQFAILED;           ///< 4
  static const int MSGCODE_REQSENT;             ///< 5
  static const int MSGCODE_CMDFAILED;           ///< 6
  static const int MSGCODE_COMMRESTORE;         ///< 7
  static const int MSGCODE_COMMRESTORED;        ///< 8
  static const int MSGCODE_CONNECTING;          ///< 9
  static const int MSGCODE_CONNFAILED;          ///< 10
  static const int MSGCODE_LOGINFAILED;         ///< 11
  static const int MSGCODE_CONNECTED;           ///< 12
  static const int MSGCODE_DISCONNECTING;       ///< 13
  static const int MSGCODE_SESSNCLOSED;         ///< 14
  static const int MSGCODE_COMMNOTINIT;         ///< 15
  static const int MSGCODE_ASYNCFAILD;          ///< 16
  static const int MSGCODE_SESSIONEXPIRED;      ///< 17
  static const int MSGCODE_WRONGSEQNO;          ///< 18
  static const int MSGCODE_EXTRA_AUTH_FAILED;   ///< 19
  static const int MSGCODE_EXTRA_AUTH_STARTED;  ///< 20
  static const int MSGCODE_RECONNETING;         ///< 21
  ///@}

  /// Connection words: the two protocols and the two security marks. The
  /// library publishes them and reads none of them itself.
  ///@{
  static const char* CONNECT_HTTP;       ///< "HTTP"
  static const char* CONNECT_TCP;        ///< "TCP"
  static const char* CONNECT_SECURE;     ///< "S"
  static const char* CONNECT_NONSECURE;  ///< " "
  ///@}

  virtual ~ISessionStatus();

  /// The name of the connection, or null. Points into the status.
  virtual const char* getConnectionName() const = 0;
  /// The protocol word (such as CONNECT_HTTP), or null.
  virtual const char* getProtocolName() const = 0;
  /// The security mark (such as CONNECT_SECURE), or null.
  virtual const char* getSecureProtocolString() const = 0;
  /// One of the STATUSCODE_ values.
  virtual int getStatusCode() const = 0;
  /// The display name of the status, or null.
  virtual const char* getStatusName() const = 0;
  /// The display text of the message, or null.
  virtual const char* getStatusMessage() const = 0;
  /// One of the MSGCODE_ values.
  virtual int getStatusMessageID() const = 0;
  /// The number of messages waiting to be sent.
  virtual long getQueueSize() const = 0;
  /// The exception behind a STATUSCODE_CRITICAL_ERROR status, null for any
  /// other code. Owned by the status; the caller must not delete it.
  virtual GenericException* getErrorException() const = 0;
};
