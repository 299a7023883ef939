#pragma once

// ITransportSession: one connection of a transport to its server, created by
// ITransportProvider::createSession and shared by reference counting.
//
//   session->addMessageListener(&listener);
//   session->connect();
//   session->login("user", "password");
//   IMessage* request = session->getMessageFactory()->createMessage(
//       session->getSessionId(), IFixDefs::MSGTYPE_MARKETDATAREQUEST);
//   IMessage* answer = session->sendAndWait(request, 5000);
//   delete request;
//   delete answer;
//   session->logout();
//   session->disconnect();
//   session->removeMessageListener(&listener);
//   session->release();
//
// Failures are thrown by pointer as members of the GenericException family;
// the catcher deletes the exception. A session that is not logged in throws a
// SessionInactiveException* from the operations that need the server.

#include "tolvex/export.h"
#include "tolvex/model/i_message.h"
#include "tolvex/session/thread_safe_add_reference_impl.h"
#include "tolvex/session/trading_session_desc.h"

class ConParams;
class IMessageFactory;
class IMessageListener;
class IOpenToken;
class ISessionStatus;
class ISessionStatusListener;
class ITransportProvider;

/// A session: its connection, its login, its traffic, the trading sessions
/// of its server and its timeouts. Created with one reference; the last
/// release() deletes it, disconnecting first when needed. Texts and objects
/// that a getter returns point into the session and stay valid until the
/// session changes them or dies, unless the getter says otherwise.
/// Thread-safety: addRef() and release() are safe from any thread; the
/// rest is as the implementation states, and listeners may be called on a
/// thread of the transport.
class TOLVEX_API ITransportSession
    : public TThreadSafeAddReferenceImpl<IAddReference> {
 public:
  /// Holds one reference.
  ITransportSession();
  ~ITransportSession() override;

  // Identity.

  /// The id the server gave the session at login; null before the first
  /// login.
  virtual const char* getSessionId() const = 0;
  /// The session's own copy of the parameters it was created with.
  virtual const ConParams* getConParams() const = 0;
  /// The provider that created the session.
  virtual ITransportProvider* getProvider() const = 0;

  // Connection and login. Each step publishes its statuses to the status
  // listeners before it returns or throws.

  /// Connects to the server; does nothing when connected. Throws a
  /// CommunicationException* (or an SSLCommunicationException* or
  /// SSLHostException* for a secure connection) when it cannot.
  virtual void connect() = 0;
  /// Closes the connection, logging out first when logged in; throws
  /// nothing and does nothing when not connected.
  virtual void disconnect() = 0;
  /// True while the connection is open.
  virtual bool isConnected() const = 0;
  /// Logs in with these credentials; null takes them from the parameters
  /// (ConParams::uid and upwd). Throws an AuthenticationException* when the
  /// server refuses them, a SessionInactiveException* when not connected.
  virtual void login(const char* user, const char* password) = 0;
  /// Logs in with a token of another session; the session adds a reference
  /// when it keeps the token. Throws as login(), and an
  /// IllegalRequestException* for a null or expired token.
  virtual void loginWithToken(IOpenToken* token) = 0;
  /// Logs out, keeping the connection; throws nothing and does nothing when
  /// not logged in.
  virtual void logout() = 0;
  /// True between a successful login and logout or disconnection.
  virtual bool isLoggedIn() const = 0;

  // Status.

  /// A snapshot of the current status, new for the caller, who deletes it.
  virtual ISessionStatus* getStatus() const = 0;
  /// Adds a status listener, which the session does not own: it must stay
  /// alive until it is removed or the session dies. Null or an already
  /// added listener is ignored.
  virtual void addStatusListener(ISessionStatusListener* listener) = 0;
  /// Removes a status listener; once this returns, it is no longer called.
  /// An unknown listener is ignored.
  virtual void removeStatusListener(ISessionStatusListener* listener) = 0;

  // Messages.

  /// The factory for this session's messages; owned by the session or its
  /// provider, valid while the caller holds a reference. Never null.
  virtual IMessageFactory* getMessageFactory() = 0;
  /// Queues `message` for sending and returns; the session copies what it
  /// needs, the caller keeps `message`. Throws a SessionInactiveException*
  /// when not logged in, an IllegalRequestException* for null.
  virtual void send(IMessage* message) = 0;
  /// Sends `request` and waits up to `timeoutMillis` milliseconds (0 for
  /// getTimeout()) for its answer, which is new for the caller, who deletes
  /// it. The caller keeps `request`. Throws a SessionTimeoutException* when
  /// no answer comes in time, and as send().
  virtual IMessage* sendAndWait(IMessage* request, int timeoutMillis) = 0;
  /// The next incoming message not delivered to a listener, waiting up to
  /// `timeoutMillis` milliseconds (0 does not wait); new for the caller, who
  /// deletes it. Null when none arrives in time.
  virtual IMessage* receive(int timeoutMillis) = 0;
  /// The number of incoming messages waiting for receive().
  virtual int getPendingCount() const = 0;
  /// The number of outgoing messages not yet sent.
  virtual long getQueueSize() const = 0;
  /// Adds a listener for incoming messages; messages delivered to listeners
  /// no longer wait for receive(). Ownership and repeats as for
  /// addStatusListener.
  virtual void addMessageListener(IMessageListener* listener) = 0;
  /// Removes a message listener; once this returns, it is no longer called.
  /// An unknown listener is ignored.
  virtual void removeMessageListener(IMessageListener* listener) = 0;

  // Trading sessions of the server.

  /// Asks the server for its trading sessions and replaces the list that
  /// the two getters below read. Throws as sendAndWait().
  virtual void refreshTradingSessions() = 0;
  /// The number of trading sessions in the list; 0 before the first
  /// refresh.
  virtual int getTradingSessionCount() const = 0;
  /// The trading session at `index` (0-based), owned by the session and
  /// valid until the next refresh; null for an index out of range.
  virtual const TradingSessionDesc* getTradingSession(int index) const = 0;
  /// Makes `desc` the trading session of the following requests, with the
  /// PIN when desc->pinRequired() (null otherwise). The session copies what
  /// it needs. Throws an IllegalRequestException* for null or a missing
  /// PIN, an AuthenticationException* when the server refuses the PIN.
  virtual void selectTradingSession(const TradingSessionDesc* desc,
                                    const char* pin) = 0;

  // Tokens.

  /// A token with which another session may log in as this one, with a
  /// reference added for the caller, who releases it. Null when not logged
  /// in or when the server gives no tokens.
  virtual IOpenToken* getOpenToken() = 0;

  // Timeouts.

  /// The time in milliseconds that waiting operations wait when given 0; a
  /// value below 1 restores the transport's default.
  virtual void setTimeout(int timeoutMillis) = 0;
  /// The current default wait in milliseconds.
  virtual int getTimeout() const = 0;
  /// The interval in seconds of the keep-alive messages sent while idle; 0
  /// turns them off, a negative value is ignored.
  virtual void setHeartbeatInterval(int seconds) = 0;
  /// The current keep-alive interval in seconds; 0 when off.
  virtual int getHeartbeatInterval() const = 0;
  /// Sends a test request and waits for its answer, up to getTimeout().
  /// Returns false when none came in time; throws as send().
  virtual bool ping() = 0;
};
