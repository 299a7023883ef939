#include "tolvex/session/i_transport_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"
#include "tolvex/protocol/fix_defs.h"
#include "tolvex/session/generic_session_status.h"
#include "tolvex/session/i_message_factory.h"
#include "tolvex/session/i_message_listener.h"
#include "tolvex/session/i_open_token.h"
#include "tolvex/session/i_session_status_listener.h"
#include "tolvex/session/i_transport_provider.h"

// A transport in miniature, implementing every interface, to show that they
// can be implemented and that reference-counted objects delete themselves
// through their virtual destructors.

namespace {

int g_sessionsDestroyed = 0;
int g_tokensDestroyed = 0;

class FakeToken : public IOpenToken {
 public:
  explicit FakeToken(std::string text) : text_(std::move(text)) {}
  ~FakeToken() override { ++g_tokensDestroyed; }

  // IOpenToken
  const char* getToken() const override { return text_.c_str(); }
  double getExpiration() const override { return 0.0; }

 private:
  std::string text_;
};

class FakeFactory : public IMessageFactory {
 public:
  // IMessageFactory
  IMessage* createMessage(const char* sessionId, const char* msgType) override {
    return new UniversalMessage(sessionId, msgType);
  }
  IMessage* copyMessage(const IMessage* source) override {
    auto message = dynamic_cast<const UniversalMessage*>(source);
    return message != nullptr ? new UniversalMessage(*message) : nullptr;
  }
  IFieldGroup* createGroup() override { return new UniversalFieldGroup(); }
  IFieldGroupList* createGroupList() override {
    return new UniversalFieldGroupList();
  }
  bool supportsMessageType(const char* msgType) const override {
    return msgType != nullptr &&
           std::strcmp(msgType, IFixDefs::MSGTYPE_MARKETDATAREQUEST) == 0;
  }
};

class FakeSession : public ITransportSession {
 public:
  explicit FakeSession(ITransportProvider* provider) : provider_(provider) {}
  ~FakeSession() override { ++g_sessionsDestroyed; }

  // ITransportSession
  const char* getSessionId() const override {
    return loggedIn_ ? "S1" : nullptr;
  }
  const ConParams* getConParams() const override { return nullptr; }
  ITransportProvider* getProvider() const override { return provider_; }
  void connect() override {
    connected_ = true;
    publish(ISessionStatus::STATUSCODE_CONNECTED,
            ISessionStatus::MSGCODE_CONNECTED);
  }
  void disconnect() override {
    logout();
    connected_ = false;
    publish(ISessionStatus::STATUSCODE_DISCONNECTED,
            ISessionStatus::MSGCODE_SESSNCLOSED);
  }
  bool isConnected() const override { return connected_; }
  void login(const char*, const char*) override {
    loggedIn_ = connected_;
    publish(ISessionStatus::STATUSCODE_LOGGEDIN, ISessionStatus::MSGCODE_NONE);
  }
  void loginWithToken(IOpenToken*) override { login(nullptr, nullptr); }
  void logout() override { loggedIn_ = false; }
  bool isLoggedIn() const override { return loggedIn_; }
  ISessionStatus* getStatus() const override {
    return new GenericSessionStatus(last_);
  }
  void addStatusListener(ISessionStatusListener* listener) override {
    if (listener != nullptr) listeners_.push_back(listener);
  }
  void removeStatusListener(ISessionStatusListener* listener) override {
    listeners_.erase(
        std::remove(listeners_.begin(), listeners_.end(), listener),
        listeners_.end());
  }
  IMessageFactory* getMessageFactory() override { return &factory_; }
  // Delivers what it sends back to its own message listeners.
  void send(IMessage* message) override {
    for (IMessageListener* listener : messageListeners_) {
      listener->onMessage(message);
    }
  }
  IMessage* sendAndWait(IMessage*, int) override { return nullptr; }
  IMessage* receive(int) override { return nullptr; }
  int getPendingCount() const override { return 0; }
  long getQueueSize() const override { return 0; }
  void addMessageListener(IMessageListener* listener) override {
    messageListeners_.push_back(listener);
  }
  void removeMessageListener(IMessageListener* listener) override {
    messageListeners_.erase(std::remove(messageListeners_.begin(),
                                        messageListeners_.end(), listener),
                            messageListeners_.end());
  }
  void refreshTradingSessions() override {}
  int getTradingSessionCount() const override { return 0; }
  const TradingSessionDesc* getTradingSession(int) const override {
    return nullptr;
  }
  void selectTradingSession(const TradingSessionDesc*, const char*) override {}
  IOpenToken* getOpenToken() override {
    return loggedIn_ ? new FakeToken("T1") : nullptr;
  }
  void setTimeout(int) override {}
  int getTimeout() const override { return 0; }
  void setHeartbeatInterval(int) override {}
  int getHeartbeatInterval() const override { return 0; }
  bool ping() override { return loggedIn_; }

 private:
  void publish(int code, int message) {
    last_.setStatusCode(code);
    last_.setStatusName(GenericSessionStatus::getStatusName(code));
    last_.setStatusMessageID(message);
    for (ISessionStatusListener* listener : listeners_) {
      listener->onSessionStatus(&last_);
    }
  }

  ITransportProvider* provider_;
  FakeFactory factory_;
  GenericSessionStatus last_;
  std::vector<ISessionStatusListener*> listeners_;
  std::vector<IMessageListener*> messageListeners_;
  bool connected_ = false;
  bool loggedIn_ = false;
};

class FakeProvider : public ITransportProvider {
 public:
  // ITransportProvider
  const char* getName() const override { return ISessionStatus::CONNECT_TCP; }
  const char* getVersion() const override { return "1"; }
  const char* getVendor() const override { return "test"; }
  const char* getDescription() const override { return "in-process"; }
  void initialize() override { initialized_ = true; }
  void shutdown() override { initialized_ = false; }
  bool isInitialized() const override { return initialized_; }
  bool supportsConnection(const ConParams*) const override { return true; }
  ITransportSession* createSession(const ConParams*) override {
    return new FakeSession(this);
  }
  int getSessionCount() const override { return 0; }
  ITransportSession* findSession(const char*) override { return nullptr; }
  void closeAllSessions() override {}
  IMessageFactory* getMessageFactory() override { return &factory_; }
  bool supportsHttp() const override { return false; }
  bool supportsTcp() const override { return true; }
  bool supportsSecure() const override { return false; }
  bool supportsProxy() const override { return false; }
  int getDefaultPort(bool) const override { return -1; }
  bool setOption(const char*, const char*) override { return false; }
  const char* getOption(const char*) const override { return nullptr; }
  void addStatusListener(ISessionStatusListener*) override {}
  void removeStatusListener(ISessionStatusListener*) override {}

 private:
  FakeFactory factory_;
  bool initialized_ = false;
};

// Keeps the names of the statuses it hears.
class RecordingListener : public ISessionStatusListener {
 public:
  void onSessionStatus(const ISessionStatus* status) override {
    names.push_back(status->getStatusName());
  }
  std::vector<std::string> names;
};

// Keeps the message types of the messages it receives.
class RecordingMessageListener : public IMessageListener {
 public:
  void onMessage(IMessage* message) override {
    types.push_back(message->getMsgType());
  }
  std::vector<std::string> types;
};

}  // namespace

TEST(ITransportSessionTest, NewSessionHoldsOneReferenceAndLastReleaseDeletes) {
  FakeProvider provider;
  provider.initialize();
  g_sessionsDestroyed = 0;
  ITransportSession* session = provider.createSession(nullptr);
  EXPECT_EQ(2, session->addRef());
  EXPECT_EQ(1, session->release());
  EXPECT_EQ(0, g_sessionsDestroyed);
  EXPECT_EQ(0, session->release());
  EXPECT_EQ(1, g_sessionsDestroyed);
}

TEST(ITransportSessionTest, TokenOutlivesTheSessionThatGaveIt) {
  FakeProvider provider;
  g_sessionsDestroyed = 0;
  g_tokensDestroyed = 0;
  ITransportSession* session = provider.createSession(nullptr);
  session->connect();
  session->login(nullptr, nullptr);
  IOpenToken* token = session->getOpenToken();
  ASSERT_NE(nullptr, token);
  EXPECT_EQ(0, session->release());
  EXPECT_EQ(1, g_sessionsDestroyed);
  EXPECT_STREQ("T1", token->getToken());
  EXPECT_EQ(0, token->release());
  EXPECT_EQ(1, g_tokensDestroyed);
}

TEST(ITransportSessionTest, ListenersHearStatusesUntilRemoved) {
  FakeProvider provider;
  ITransportSession* session = provider.createSession(nullptr);
  RecordingListener listener;
  session->addStatusListener(&listener);
  session->connect();
  session->login(nullptr, nullptr);
  session->removeStatusListener(&listener);
  session->disconnect();
  EXPECT_EQ((std::vector<std::string>{"Connected", "Logged In"}),
            listener.names);

  ISessionStatus* status = session->getStatus();
  EXPECT_EQ(ISessionStatus::STATUSCODE_DISCONNECTED, status->getStatusCode());
  delete status;
  session->release();
}

TEST(ITransportSessionTest, FactoryMessagesReachMessageListeners) {
  FakeProvider provider;
  ITransportSession* session = provider.createSession(nullptr);
  IMessageFactory* factory = session->getMessageFactory();
  EXPECT_TRUE(
      factory->supportsMessageType(IFixDefs::MSGTYPE_MARKETDATAREQUEST));
  std::unique_ptr<IMessage> request(
      factory->createMessage("S1", IFixDefs::MSGTYPE_MARKETDATAREQUEST));
  request->setValue(IFixDefs::FLDTAG_MDREQID, "42");
  std::unique_ptr<IMessage> copy(factory->copyMessage(request.get()));

  RecordingMessageListener listener;
  session->addMessageListener(&listener);
  session->send(request.get());
  session->removeMessageListener(&listener);
  session->send(copy.get());
  EXPECT_EQ(std::vector<std::string>{"V"}, listener.types);
  EXPECT_STREQ("42", copy->getValueString(IFixDefs::FLDTAG_MDREQID));
  session->release();
}
