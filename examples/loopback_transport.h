#pragma once

// A transport written against the library's interfaces that talks to a
// market-data server living in the same process: no sockets, no threads.
// Examples use it to walk the road of a connection without a network.
//
//   LoopbackProvider provider;
//   provider.initialize();
//   ITransportSession* session = provider.createSession(&params);
//   session->connect();
//   session->login(nullptr, nullptr);
//   IMessage* answer = session->sendAndWait(request, 0);
//   delete answer;
//   session->release();
//   provider.shutdown();
//
// The server it stands in for:
// - answers a market-data request (IFixDefs::MSGTYPE_MARKETDATAREQUEST) for
//   the symbol of its first related-symbol entry (FLDTAG_NORELATEDSYM) with
//   a full snapshot of a bid and an ask entry, or with a reject for a symbol
//   it does not quote (it quotes "EUR/USD" and "USD/JPY");
// - answers a test request with a heartbeat; other messages get no answer;
// - refuses the host "unreachable.invalid" (the connection fails with a
//   critical error) and the password "wrong";
// - gives the session id "<user>-<n>", n counting the provider's sessions;
// - lists two trading sessions, "DAY" and "NIGHT"; the night session asks
//   for a PIN, and takes "1234". Answers after a selection carry its sub-ID
//   (FLDTAG_TRADINGSESSIONSUBID).
//
// Every step publishes its statuses to the session's listeners and then to
// the provider's. Thread-safety: none beyond the reference count; use a
// provider and its sessions from one thread.

#include <deque>
#include <string>
#include <vector>

#include "tolvex/tolvex.h"

/// Makes UniversalMessage, UniversalFieldGroup and UniversalFieldGroupList
/// objects; knows the three message types the loopback server handles.
class LoopbackMessageFactory : public IMessageFactory {
 public:
  IMessage* createMessage(const char* sessionId, const char* msgType) override;
  IMessage* copyMessage(const IMessage* source) override;
  IFieldGroup* createGroup() override;
  IFieldGroupList* createGroupList() override;
  bool supportsMessageType(const char* msgType) const override;
};

class LoopbackSession;

/// The transport "HTTP" over the loopback: HTTP and TCP, secure or not, no
/// proxy. Must outlive every session it created.
class LoopbackProvider : public ITransportProvider {
 public:
  LoopbackProvider();
  ~LoopbackProvider() override;

  const char* getName() const override;
  const char* getVersion() const override;
  const char* getVendor() const override;
  const char* getDescription() const override;
  void initialize() override;
  void shutdown() override;
  bool isInitialized() const override;
  bool supportsConnection(const ConParams* params) const override;
  ITransportSession* createSession(const ConParams* params) override;
  int getSessionCount() const override;
  ITransportSession* findSession(const char* sessionId) override;
  void closeAllSessions() override;
  IMessageFactory* getMessageFactory() override;
  bool supportsHttp() const override;
  bool supportsTcp() const override;
  bool supportsSecure() const override;
  bool supportsProxy() const override;
  int getDefaultPort(bool secure) const override;
  /// Knows one option, "greeting", the text of the heartbeat's field 58.
  bool setOption(const char* name, const char* value) override;
  const char* getOption(const char* name) const override;
  void addStatusListener(ISessionStatusListener* listener) override;
  void removeStatusListener(ISessionStatusListener* listener) override;

 private:
  friend class LoopbackSession;
  void forget(LoopbackSession* session);

  bool initialized_ = false;
  bool hasGreeting_ = false;
  std::string greeting_;
  int nextSessionNumber_ = 1;
  std::vector<LoopbackSession*> sessions_;  // live ones, not referenced
  std::vector<ISessionStatusListener*> listeners_;
  LoopbackMessageFactory factory_;
};

/// One session of the loopback; see the file comment for its server.
class LoopbackSession : public ITransportSession {
 public:
  LoopbackSession(LoopbackProvider* provider, const ConParams& params,
                  int number);
  ~LoopbackSession() override;

  const char* getSessionId() const override;
  const ConParams* getConParams() const override;
  ITransportProvider* getProvider() const override;
  void connect() override;
  void disconnect() override;
  bool isConnected() const override;
  void login(const char* user, const char* password) override;
  void loginWithToken(IOpenToken* token) override;
  void logout() override;
  bool isLoggedIn() const override;
  ISessionStatus* getStatus() const override;
  void addStatusListener(ISessionStatusListener* listener) override;
  void removeStatusListener(ISessionStatusListener* listener) override;
  IMessageFactory* getMessageFactory() override;
  void send(IMessage* message) override;
  IMessage* sendAndWait(IMessage* request, int timeoutMillis) override;
  IMessage* receive(int timeoutMillis) override;
  int getPendingCount() const override;
  long getQueueSize() const override;
  void addMessageListener(IMessageListener* listener) override;
  void removeMessageListener(IMessageListener* listener) override;
  void refreshTradingSessions() override;
  int getTradingSessionCount() const override;
  const TradingSessionDesc* getTradingSession(int index) const override;
  void selectTradingSession(const TradingSessionDesc* desc,
                            const char* pin) override;
  IOpenToken* getOpenToken() override;
  void setTimeout(int timeoutMillis) override;
  int getTimeout() const override;
  void setHeartbeatInterval(int seconds) override;
  int getHeartbeatInterval() const override;
  bool ping() override;

 private:
  friend class LoopbackProvider;
  /// Sets the snapshot's codes and texts and hands it to every listener.
  void publish(int statusCode, int messageCode,
               GenericException* error = nullptr);
  void requireLogin() const;
  /// The server's answer to `request`, new for the caller; null for none.
  IMessage* answer(const IMessage& request) const;

  LoopbackProvider* provider_;
  ConParams params_;
  std::string number_;
  std::string sessionId_;
  bool connected_ = false;
  bool loggedIn_ = false;
  int timeoutMillis_;
  int heartbeatSeconds_ = 0;
  std::vector<TradingSessionDesc> tradingSessions_;
  std::string tradingSession_;  // sub-ID of the selected one
  GenericSessionStatus status_;
  std::deque<IMessage*> pending_;
  std::vector<ISessionStatusListener*> statusListeners_;
  std::vector<IMessageListener*> messageListeners_;
};
