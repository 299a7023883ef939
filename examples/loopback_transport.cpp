#include "loopback_transport.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace {

const int kDefaultTimeoutMillis = 5000;
const char* const kUnreachableHost = "unreachable.invalid";
const char* const kRefusedPassword = "wrong";
const char* const kNightPin = "1234";

bool same(const char* a, const char* b) {
  return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

// The server's book: a few symbols with fixed prices.
struct Quote {
  const char* symbol;
  const char* bid;
  int bidSize;
  const char* ask;
  int askSize;
};
const Quote kQuotes[] = {
    {"EUR/USD", "1.0825", 100, "1.0827", 250},
    {"USD/JPY", "151.20", 300, "151.23", 120},
};

const Quote* findQuote(const char* symbol) {
  for (const Quote& quote : kQuotes) {
    if (same(quote.symbol, symbol)) return &quote;
  }
  return nullptr;
}

void addEntry(UniversalFieldGroupList& entries, const char* type,
              const char* price, int size) {
  UniversalFieldGroup entry;
  entry.setValue(IFixDefs::FLDTAG_MDENTRYTYPE, type);
  entry.setValue(IFixDefs::FLDTAG_MDENTRYPX, price);
  entry.setValueInt(IFixDefs::FLDTAG_ENTRYSIZE, size);
  entries.put(&entry);
}

// A snapshot of `symbol` for the request `mdReqId`, or a reject when the
// server does not know the symbol.
IMessage* snapshotOf(const char* sessionId, const char* mdReqId,
                     const char* symbol) {
  const Quote* quote = findQuote(symbol);
  if (quote == nullptr) {
    auto* reject = new UniversalMessage(
        sessionId, IFixDefs::MSGTYPE_MARKETDATAREQUESTREJECT);
    reject->setValue(IFixDefs::FLDTAG_MDREQID, mdReqId);
    reject->setValue(IFixDefs::FLDTAG_MDREQREJREASON,
                     IFixDefs::MDREQREJREASON_UNKNOWNSYMBOL);
    return reject;
  }
  UniversalFieldGroupList entries;
  addEntry(entries, IFixDefs::MDENTRYTYPE_BID, quote->bid, quote->bidSize);
  addEntry(entries, IFixDefs::MDENTRYTYPE_ASK, quote->ask, quote->askSize);
  auto* snapshot = new UniversalMessage(
      sessionId, IFixDefs::MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH);
  snapshot->setValue(IFixDefs::FLDTAG_MDREQID, mdReqId);
  snapshot->setValue(IFixDefs::FLDTAG_SYMBOL, quote->symbol);
  snapshot->setValue(IFixDefs::FLDTAG_NOMDENTRIES, &entries);
  return snapshot;
}

// A token of the loopback server; it never expires.
class LoopbackToken : public IOpenToken {
 public:
  explicit LoopbackToken(std::string text) : text_(std::move(text)) {}
  const char* getToken() const override { return text_.c_str(); }
  double getExpiration() const override { return 0.0; }

 private:
  std::string text_;
};

template <class T>
void addOnce(std::vector<T*>& items, T* item) {
  if (item != nullptr &&
      std::find(items.begin(), items.end(), item) == items.end()) {
    items.push_back(item);
  }
}

template <class T>
void removeAll(std::vector<T*>& items, T* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

// LoopbackMessageFactory

IMessage* LoopbackMessageFactory::createMessage(const char* sessionId,
                                                const char* msgType) {
  return new UniversalMessage(sessionId, msgType);
}

IMessage* LoopbackMessageFactory::copyMessage(const IMessage* source) {
  auto* message = dynamic_cast<const UniversalMessage*>(source);
  return message != nullptr ? new UniversalMessage(*message) : nullptr;
}

IFieldGroup* LoopbackMessageFactory::createGroup() {
  return new UniversalFieldGroup();
}

IFieldGroupList* LoopbackMessageFactory::createGroupList() {
  return new UniversalFieldGroupList();
}

bool LoopbackMessageFactory::supportsMessageType(const char* msgType) const {
  return same(msgType, IFixDefs::MSGTYPE_MARKETDATAREQUEST) ||
         same(msgType, IFixDefs::MSGTYPE_TESTREQUEST);
}

// LoopbackProvider

LoopbackProvider::LoopbackProvider() = default;

LoopbackProvider::~LoopbackProvider() {
  // Sessions should be gone; any left keep working, without a provider.
  for (LoopbackSession* session : sessions_) session->provider_ = nullptr;
}

const char* LoopbackProvider::getName() const {
  return ISessionStatus::CONNECT_HTTP;
}
const char* LoopbackProvider::getVersion() const {
  return "1.0";
}
const char* LoopbackProvider::getVendor() const {
  return "libtolvex examples";
}
const char* LoopbackProvider::getDescription() const {
  return "In-process loopback to a market-data server";
}

void LoopbackProvider::initialize() {
  initialized_ = true;
}

void LoopbackProvider::shutdown() {
  closeAllSessions();
  initialized_ = false;
}

bool LoopbackProvider::isInitialized() const {
  return initialized_;
}

bool LoopbackProvider::supportsConnection(const ConParams* params) const {
  return params != nullptr && params->transportProvider != nullptr &&
         strcasecmp(params->transportProvider, getName()) == 0 &&
         !params->useProxy;
}

ITransportSession* LoopbackProvider::createSession(const ConParams* params) {
  if (!supportsConnection(params)) {
    throw new IllegalRequestException(
        "The loopback cannot make this connection");
  }
  if (!initialized_) throw new GenericException("Provider not initialized", 0);
  auto* session = new LoopbackSession(this, *params, nextSessionNumber_++);
  sessions_.push_back(session);
  return session;
}

int LoopbackProvider::getSessionCount() const {
  return static_cast<int>(sessions_.size());
}

ITransportSession* LoopbackProvider::findSession(const char* sessionId) {
  for (LoopbackSession* session : sessions_) {
    if (same(session->getSessionId(), sessionId)) {
      session->addRef();
      return session;
    }
  }
  return nullptr;
}

void LoopbackProvider::closeAllSessions() {
  // A listener may release a session meanwhile: walk a copy.
  std::vector<LoopbackSession*> sessions = sessions_;
  for (LoopbackSession* session : sessions) {
    bool live = std::find(sessions_.begin(), sessions_.end(), session) !=
                sessions_.end();
    if (live) session->disconnect();
  }
}

IMessageFactory* LoopbackProvider::getMessageFactory() {
  return &factory_;
}

bool LoopbackProvider::supportsHttp() const {
  return true;
}
bool LoopbackProvider::supportsTcp() const {
  return true;
}
bool LoopbackProvider::supportsSecure() const {
  return true;
}
bool LoopbackProvider::supportsProxy() const {
  return false;
}

int LoopbackProvider::getDefaultPort(bool secure) const {
  return secure ? 443 : 80;
}

bool LoopbackProvider::setOption(const char* name, const char* value) {
  if (!same(name, "greeting")) return false;
  hasGreeting_ = value != nullptr;
  greeting_ = hasGreeting_ ? value : "";
  return true;
}

const char* LoopbackProvider::getOption(const char* name) const {
  return same(name, "greeting") && hasGreeting_ ? greeting_.c_str() : nullptr;
}

void LoopbackProvider::addStatusListener(ISessionStatusListener* listener) {
  addOnce(listeners_, listener);
}

void LoopbackProvider::removeStatusListener(ISessionStatusListener* listener) {
  removeAll(listeners_, listener);
}

void LoopbackProvider::forget(LoopbackSession* session) {
  removeAll(sessions_, session);
}

// LoopbackSession

LoopbackSession::LoopbackSession(LoopbackProvider* provider,
                                 const ConParams& params, int number)
    : provider_(provider),
      params_(params),
      number_(std::to_string(number)),
      timeoutMillis_(kDefaultTimeoutMillis) {
  status_.setConnectionName(params_.name != nullptr ? params_.name
                                                    : params_.host);
  status_.setProtocolName(params_.useHttp ? ISessionStatus::CONNECT_HTTP
                                          : ISessionStatus::CONNECT_TCP);
  status_.setSecureProtocolString(params_.secure
                                      ? ISessionStatus::CONNECT_SECURE
                                      : ISessionStatus::CONNECT_NONSECURE);
}

LoopbackSession::~LoopbackSession() {
  disconnect();
  for (IMessage* message : pending_) delete message;
  if (provider_ != nullptr) provider_->forget(this);
}

const char* LoopbackSession::getSessionId() const {
  return sessionId_.empty() ? nullptr : sessionId_.c_str();
}

const ConParams* LoopbackSession::getConParams() const {
  return &params_;
}

ITransportProvider* LoopbackSession::getProvider() const {
  return provider_;
}

void LoopbackSession::connect() {
  if (connected_) return;
  publish(ISessionStatus::STATUSCODE_CONNECTING,
          ISessionStatus::MSGCODE_CONNECTING);
  if (same(params_.host, kUnreachableHost) || params_.host == nullptr) {
    CommunicationException failure("Host not found", 11001);
    publish(ISessionStatus::STATUSCODE_CRITICAL_ERROR,
            ISessionStatus::MSGCODE_CONNFAILED, &failure);
    throw new CommunicationException(failure.getMessage(),
                                     failure.getErrorCode());
  }
  connected_ = true;
  publish(ISessionStatus::STATUSCODE_CONNECTED,
          ISessionStatus::MSGCODE_CONNECTED);
}

void LoopbackSession::disconnect() {
  if (!connected_) return;
  logout();
  publish(ISessionStatus::STATUSCODE_DISCONNECTING,
          ISessionStatus::MSGCODE_DISCONNECTING);
  connected_ = false;
  publish(ISessionStatus::STATUSCODE_DISCONNECTED,
          ISessionStatus::MSGCODE_SESSNCLOSED);
}

bool LoopbackSession::isConnected() const {
  return connected_;
}

void LoopbackSession::login(const char* user, const char* password) {
  if (!connected_) throw new SessionInactiveException("Not connected");
  if (user == nullptr) user = params_.uid;
  if (password == nullptr) password = params_.upwd;
  publish(ISessionStatus::STATUSCODE_LOGGINGIN, ISessionStatus::MSGCODE_NONE);
  if (user == nullptr || same(password, kRefusedPassword)) {
    publish(ISessionStatus::STATUSCODE_ERROR,
            ISessionStatus::MSGCODE_LOGINFAILED);
    throw new AuthenticationException("Login refused", 1);
  }
  loggedIn_ = true;
  sessionId_ = std::string(user) + "-" + number_;
  publish(ISessionStatus::STATUSCODE_LOGGEDIN, ISessionStatus::MSGCODE_NONE);
}

void LoopbackSession::loginWithToken(IOpenToken* token) {
  if (token == nullptr) throw new IllegalRequestException("No token");
  // A token reads "<user>-<number>/token": log in as that user.
  std::string text = token->getToken();
  login(text.substr(0, text.find('-')).c_str(), "");
}

void LoopbackSession::logout() {
  if (!loggedIn_) return;
  loggedIn_ = false;
  publish(ISessionStatus::STATUSCODE_READY, ISessionStatus::MSGCODE_NONE);
}

bool LoopbackSession::isLoggedIn() const {
  return loggedIn_;
}

ISessionStatus* LoopbackSession::getStatus() const {
  return new GenericSessionStatus(status_);
}

void LoopbackSession::addStatusListener(ISessionStatusListener* listener) {
  addOnce(statusListeners_, listener);
}

void LoopbackSession::removeStatusListener(ISessionStatusListener* listener) {
  removeAll(statusListeners_, listener);
}

IMessageFactory* LoopbackSession::getMessageFactory() {
  return &provider_->factory_;
}

void LoopbackSession::send(IMessage* message) {
  requireLogin();
  if (message == nullptr) throw new IllegalRequestException("No message");
  IMessage* reply = answer(*message);
  if (reply == nullptr) return;
  if (messageListeners_.empty()) {
    pending_.push_back(reply);
    return;
  }
  for (IMessageListener* listener : messageListeners_) {
    listener->onMessage(reply);
  }
  delete reply;
}

IMessage* LoopbackSession::sendAndWait(IMessage* request, int) {
  requireLogin();
  if (request == nullptr) throw new IllegalRequestException("No message");
  publish(ISessionStatus::STATUSCODE_SENDING,
          ISessionStatus::MSGCODE_SENDINGREQUEST);
  IMessage* reply = answer(*request);
  if (reply == nullptr) {
    publish(ISessionStatus::STATUSCODE_LOGGEDIN,
            ISessionStatus::MSGCODE_TIMEOUT);
    throw new SessionTimeoutException("No answer");
  }
  publish(ISessionStatus::STATUSCODE_LOGGEDIN, ISessionStatus::MSGCODE_REQSENT);
  return reply;
}

IMessage* LoopbackSession::receive(int) {
  if (pending_.empty()) return nullptr;
  IMessage* message = pending_.front();
  pending_.pop_front();
  return message;
}

int LoopbackSession::getPendingCount() const {
  return static_cast<int>(pending_.size());
}

long LoopbackSession::getQueueSize() const {
  return 0;
}

void LoopbackSession::addMessageListener(IMessageListener* listener) {
  addOnce(messageListeners_, listener);
}

void LoopbackSession::removeMessageListener(IMessageListener* listener) {
  removeAll(messageListeners_, listener);
}

void LoopbackSession::refreshTradingSessions() {
  requireLogin();
  tradingSessions_.clear();
  tradingSessions_.emplace_back("DAY", "XETR", "Day session", nullptr);
  tradingSessions_.emplace_back("NIGHT", "XETR", "Night session", nullptr);
  tradingSessions_.back().setProperty(TradingSessionDesc::PIN_REQUIRED, "Y");
}

int LoopbackSession::getTradingSessionCount() const {
  return static_cast<int>(tradingSessions_.size());
}

const TradingSessionDesc* LoopbackSession::getTradingSession(int index) const {
  if (index < 0 || index >= getTradingSessionCount()) return nullptr;
  return &tradingSessions_[index];
}

void LoopbackSession::selectTradingSession(const TradingSessionDesc* desc,
                                           const char* pin) {
  requireLogin();
  if (desc == nullptr) throw new IllegalRequestException("No trading session");
  if (desc->pinRequired()) {
    if (pin == nullptr) throw new IllegalRequestException("PIN required");
    if (!same(pin, kNightPin))
      throw new AuthenticationException("Wrong PIN", 2);
  }
  tradingSession_ = desc->getSubID() != nullptr ? desc->getSubID() : "";
}

IOpenToken* LoopbackSession::getOpenToken() {
  return loggedIn_ ? new LoopbackToken(sessionId_ + "/token") : nullptr;
}

void LoopbackSession::setTimeout(int timeoutMillis) {
  timeoutMillis_ = timeoutMillis < 1 ? kDefaultTimeoutMillis : timeoutMillis;
}

int LoopbackSession::getTimeout() const {
  return timeoutMillis_;
}

void LoopbackSession::setHeartbeatInterval(int seconds) {
  if (seconds >= 0) heartbeatSeconds_ = seconds;
}

int LoopbackSession::getHeartbeatInterval() const {
  return heartbeatSeconds_;
}

bool LoopbackSession::ping() {
  UniversalMessage test(getSessionId(), IFixDefs::MSGTYPE_TESTREQUEST);
  test.setValue(IFixDefs::FLDTAG_TESTREQID, "ping");
  delete sendAndWait(&test, 0);
  return true;
}

void LoopbackSession::publish(int statusCode, int messageCode,
                              GenericException* error) {
  status_.setStatusCode(statusCode);
  status_.setStatusName(GenericSessionStatus::getStatusName(statusCode));
  status_.setStatusMessageID(messageCode);
  status_.setStatusMessage(GenericSessionStatus::getStatusMessage(messageCode));
  status_.setErrorException(error);
  for (ISessionStatusListener* listener : statusListeners_) {
    listener->onSessionStatus(&status_);
  }
  if (provider_ == nullptr) return;
  for (ISessionStatusListener* listener : provider_->listeners_) {
    listener->onSessionStatus(&status_);
  }
}

void LoopbackSession::requireLogin() const {
  if (!loggedIn_) throw new SessionInactiveException("Not logged in");
}

IMessage* LoopbackSession::answer(const IMessage& request) const {
  const char* type = request.getMsgType();
  if (same(type, IFixDefs::MSGTYPE_TESTREQUEST)) {
    auto* heartbeat =
        new UniversalMessage(getSessionId(), IFixDefs::MSGTYPE_HEARTBEAT);
    heartbeat->setValue(IFixDefs::FLDTAG_TESTREQID,
                        request.getValueString(IFixDefs::FLDTAG_TESTREQID));
    const char* greeting =
        provider_ != nullptr ? provider_->getOption("greeting") : nullptr;
    if (greeting != nullptr)
      heartbeat->setValue(IFixDefs::FLDTAG_TEXT, greeting);
    return heartbeat;
  }
  if (!same(type, IFixDefs::MSGTYPE_MARKETDATAREQUEST)) return nullptr;
  // The symbol comes from the request's first related-symbol entry.
  const char* symbol = nullptr;
  IFieldGroupList* symbols =
      request.getValueList(IFixDefs::FLDTAG_NORELATEDSYM);
  IFieldGroup* first = symbols != nullptr ? symbols->getFirst() : nullptr;
  if (first != nullptr) symbol = first->getValueString(IFixDefs::FLDTAG_SYMBOL);
  IMessage* reply = snapshotOf(
      getSessionId(), request.getValueString(IFixDefs::FLDTAG_MDREQID), symbol);
  if (!tradingSession_.empty()) {
    reply->setValue(IFixDefs::FLDTAG_TRADINGSESSIONSUBID,
                    tradingSession_.c_str());
  }
  return reply;
}
