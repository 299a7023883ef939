// Writing a transport: loopback_transport.h/.cpp implement the library's
// transport interfaces (ITransportProvider, ITransportSession,
// IMessageFactory, IOpenToken) over an in-process server. This program
// drives that transport as a client would, through the interfaces only:
// identity and capabilities, options, sessions and their reference counts,
// message listeners and receive(), tokens, and the exceptions thrown by
// pointer.
#include <cstdio>

#include "loopback_transport.h"
#include "tolvex/tolvex.h"

namespace {

// Prints the messages a session delivers to it.
class PrintingListener : public IMessageListener {
 public:
  void onMessage(IMessage* message) override {
    std::printf("  listener got type %s for %s\n", message->getMsgType(),
                message->getValueString(IFixDefs::FLDTAG_SYMBOL));
  }
};

IMessage* requestFor(ITransportSession* session, const char* id,
                     const char* symbol) {
  IMessage* request = session->getMessageFactory()->createMessage(
      session->getSessionId(), IFixDefs::MSGTYPE_MARKETDATAREQUEST);
  request->setValue(IFixDefs::FLDTAG_MDREQID, id);
  UniversalFieldGroup entry;
  entry.setValue(IFixDefs::FLDTAG_SYMBOL, symbol);
  UniversalFieldGroupList symbols;
  symbols.put(&entry);
  request->setValue(IFixDefs::FLDTAG_NORELATEDSYM, &symbols);
  return request;
}

// Runs `step` and prints the exception it throws, which the catcher deletes.
template <class Step>
void expectThrow(const char* what, Step step) {
  try {
    step();
    std::printf("  %s: no exception\n", what);
  } catch (GenericException* e) {
    std::printf("  %s: \"%s\"\n", what, e->getMessage());
    delete e;
  }
}

}  // namespace

int main() {
  GenericSessionStatus::initMessageTable();
  LoopbackProvider provider;
  ITransportProvider& transport = provider;  // a client sees the interface

  std::printf("== The provider ==\n");
  std::printf("  %s %s by %s: %s\n", transport.getName(),
              transport.getVersion(), transport.getVendor(),
              transport.getDescription());
  std::printf("  http %d, tcp %d, secure %d, proxy %d, ports %d/%d\n",
              transport.supportsHttp(), transport.supportsTcp(),
              transport.supportsSecure(), transport.supportsProxy(),
              transport.getDefaultPort(false), transport.getDefaultPort(true));
  std::printf("  option \"greeting\" accepted %d, option \"color\" %d\n",
              transport.setOption("greeting", "hello"),
              transport.setOption("color", "blue"));

  std::printf("\n== Sessions are created by parameters ==\n");
  ConParams params;
  params.setTransportProvider("HTTP");
  params.setHost("md.example.net");
  params.setUid("bob");
  params.setUpwd("secret");
  expectThrow("before initialize",
              [&] { transport.createSession(&params)->release(); });
  transport.initialize();
  ITransportSession* session = transport.createSession(&params);
  session->connect();
  session->login(nullptr, nullptr);
  std::printf("  session %s, %d live\n", session->getSessionId(),
              transport.getSessionCount());

  std::printf("\n== Answers go to listeners, or wait for receive() ==\n");
  IMessage* request = requestFor(session, "r1", "USD/JPY");
  session->send(request);  // no listener yet: the answer waits
  delete request;
  std::printf("  pending %d\n", session->getPendingCount());
  IMessage* answer = session->receive(0);
  std::printf("  received type %s for %s\n", answer->getMsgType(),
              answer->getValueString(IFixDefs::FLDTAG_SYMBOL));
  delete answer;
  PrintingListener listener;
  session->addMessageListener(&listener);
  request = requestFor(session, "r2", "EUR/USD");
  session->send(request);
  delete request;
  session->removeMessageListener(&listener);
  request = requestFor(session, "r3", "GBP/CHF");
  answer = session->sendAndWait(request, 0);
  delete request;
  std::printf("  unknown symbol: type %s, reason %s\n", answer->getMsgType(),
              answer->getValueString(IFixDefs::FLDTAG_MDREQREJREASON));
  delete answer;
  std::printf("  ping %d\n", session->ping());

  std::printf("\n== Trading sessions of the server ==\n");
  session->refreshTradingSessions();
  for (int i = 0; i < session->getTradingSessionCount(); ++i) {
    const TradingSessionDesc* desc = session->getTradingSession(i);
    std::printf("  %s (%s), PIN %s\n", desc->getSubID(), desc->getName(),
                desc->pinRequired() ? "required" : "no");
  }
  const TradingSessionDesc* night = session->getTradingSession(1);
  expectThrow("night without PIN",
              [&] { session->selectTradingSession(night, nullptr); });
  expectThrow("night with PIN",
              [&] { session->selectTradingSession(night, "1234"); });
  request = requestFor(session, "r4", "EUR/USD");
  answer = session->sendAndWait(request, 0);
  delete request;
  std::printf("  answers now carry trading session %s\n",
              answer->getValueString(IFixDefs::FLDTAG_TRADINGSESSIONSUBID));
  delete answer;

  std::printf("\n== Tokens and shared sessions ==\n");
  IOpenToken* token = session->getOpenToken();
  ITransportSession* second = transport.createSession(&params);
  second->connect();
  second->loginWithToken(token);
  token->release();  // the caller's reference
  std::printf("  second session %s logged in with a token\n",
              second->getSessionId());
  ITransportSession* found = transport.findSession("bob-2");
  std::printf("  found %s; %d live\n", found->getSessionId(),
              transport.getSessionCount());
  found->release();   // findSession added a reference
  second->release();  // the creator's: the session is gone
  std::printf("  after release: %d live\n", transport.getSessionCount());

  std::printf("\n== Failures are thrown by pointer ==\n");
  expectThrow("null message", [&] { session->send(nullptr); });
  expectThrow("no answer", [&] {
    UniversalMessage news(session->getSessionId(), IFixDefs::MSGTYPE_NEWS);
    delete session->sendAndWait(&news, 0);
  });
  session->logout();
  expectThrow("after logout", [&] { session->ping(); });
  expectThrow("wrong password", [&] { session->login("bob", "wrong"); });

  session->release();
  transport.shutdown();
  std::printf("\n%d sessions left\n", transport.getSessionCount());
  return 0;
}
