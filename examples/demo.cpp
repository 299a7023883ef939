// The road of one connection and one request: describe a server with a URL
// element, fill connection parameters from it, connect through a transport
// (here the in-process loopback of loopback_transport.h) while a listener
// prints each status, send a market-data request, and read the snapshot
// that answers it. Last, a connection that fails shows how a critical error
// travels in a status.
#include <cstdio>
#include <cstring>
#include <iostream>

#include "loopback_transport.h"
#include "tolvex/tolvex.h"

namespace {

void section(const char* title, const char* what) {
  std::printf("\n== %s ==\n%s\n", title, what);
}

// Prints each status as its name and message text from the tables.
class StatusPrinter : public ISessionStatusListener {
 public:
  void onSessionStatus(const ISessionStatus* status) override {
    std::printf("  status %-13s \"%s\"\n", status->getStatusName(),
                status->getStatusMessage());
    GenericException* error = status->getErrorException();
    if (error != nullptr) {
      std::printf("  critical error (status code %d), exception %d: %s\n",
                  status->getStatusCode(), error->getErrorCode(),
                  error->getMessage());
    }
  }
};

const char* orNone(const char* text) {
  return text != nullptr ? text : "-";
}

// Fills `params` from a URL element with this URL text and secure attribute.
void fillParams(ConParams& params, const char* urlText, const char* secure) {
  UrlElement url;
  url.addAttribute("urlString", urlText);
  url.addAttribute("secure", secure);
  url.addAttribute("params", "CHECK_SSL_ERROR=N; region = eu");
  params.setUrl(&url);
  params.setUid("alice");
  params.setUpwd("secret");
}

// A market-data request for one symbol: its id, a snapshot, and the symbol
// in a repeating group of related symbols.
IMessage* makeRequest(ITransportSession* session) {
  IMessageFactory* factory = session->getMessageFactory();
  IMessage* request = factory->createMessage(
      session->getSessionId(), IFixDefs::MSGTYPE_MARKETDATAREQUEST);
  request->setValue(IFixDefs::FLDTAG_MDREQID, "req-1");
  request->setValue(IFixDefs::FLDTAG_SUBSCRIPTIONREQUESTTYPE,
                    IFixDefs::SUBSCRIPTIONREQUESTTYPE_SNAPSHOT);
  request->setValueInt(IFixDefs::FLDTAG_MARKETDEPTH, 1);
  UniversalFieldGroup symbol;
  symbol.setValue(IFixDefs::FLDTAG_SYMBOL, "EUR/USD");
  UniversalFieldGroupList symbols;
  symbols.put(&symbol);                                        // copied
  request->setValue(IFixDefs::FLDTAG_NORELATEDSYM, &symbols);  // copied
  return request;
}

}  // namespace

int main() {
  std::printf(
      "libtolvex demo: one connection and one request, over an in-process\n"
      "loopback transport that answers like a market-data server.\n");
  GenericSessionStatus::initMessageTable();  // once, before any status text

  section("1. Describe the server",
          "A URL element holds the URL text, the secure flag and parameters.");
  ConParams params;
  fillParams(params, "HTTP:https://md.example.net/feed/v2", "true");
  std::printf("  urlString HTTP:https://md.example.net/feed/v2\n");
  std::printf("  secure    true\n");
  std::printf("  params    CHECK_SSL_ERROR=N; region = eu\n");

  section("2. Fill the connection parameters",
          "ConParams::setUrl splits the URL and copies the parameters.");
  std::printf("  provider %s, host %s, port %d\n",
              orNone(params.transportProvider), orNone(params.host),
              params.port);
  std::printf("  http %s, secure %s, app %s, script %s\n",
              params.useHttp ? "yes" : "no", params.secure ? "yes" : "no",
              orNone(params.app), orNone(params.script));
  std::printf("  CHECK_SSL_ERROR=%s region=%s\n",
              params.getOptionalParameter(
                  COptionalParametersConst::CHECK_SSL_ERROR,
                  COptionalParametersConst::CHECK_SSL_ERROR_DEFAULT),
              params.getOptionalParameter("region", "-"));

  section("3. Connect and log in",
          "The transport publishes each step; a listener prints it.");
  LoopbackProvider provider;
  StatusPrinter printer;
  provider.addStatusListener(&printer);
  provider.initialize();
  ITransportSession* session = provider.createSession(&params);
  session->connect();
  session->login(nullptr, nullptr);  // credentials from the parameters
  std::printf("  session id %s\n", session->getSessionId());

  section("4. Send a market-data request",
          "Message type V with its request id (262) and a repeating group.");
  IMessage* request = makeRequest(session);
  std::printf("  request id %s, %d related symbol\n",
              request->getValueString(IFixDefs::FLDTAG_MDREQID),
              request->getValueList(IFixDefs::FLDTAG_NORELATEDSYM)->size());
  IMessage* snapshot = session->sendAndWait(request, 0);
  delete request;

  section("5. Read the snapshot",
          "Typed getters read fields by tag; the cursor walks the entries.");
  std::printf("  type %s for %s, request id %s\n", snapshot->getMsgType(),
              snapshot->getValueString(IFixDefs::FLDTAG_SYMBOL),
              snapshot->getValueString(IFixDefs::FLDTAG_MDREQID));
  IFieldGroupList* entries =
      snapshot->getValueList(IFixDefs::FLDTAG_NOMDENTRIES);
  for (IFieldGroup* entry = entries->getFirst(); entry != nullptr;
       entry = entries->getNext()) {
    const char* type = entry->getValueString(IFixDefs::FLDTAG_MDENTRYTYPE);
    std::printf(
        "  %-3s %d at %.4f\n",
        std::strcmp(type, IFixDefs::MDENTRYTYPE_BID) == 0 ? "bid" : "ask",
        entry->getValueInt(IFixDefs::FLDTAG_ENTRYSIZE),
        entry->getValueDouble(IFixDefs::FLDTAG_MDENTRYPX));
  }

  section("6. Dump the snapshot", "printState writes the message as text.");
  snapshot->printState(std::cout);
  delete snapshot;

  section("7. Log out and disconnect", "Each step is published again.");
  session->disconnect();  // logs out first
  session->release();     // the last reference deletes the session

  section("8. A connection that fails",
          "A critical error status carries a clone of the exception.");
  ConParams unreachable;
  fillParams(unreachable, "HTTP:http://unreachable.invalid/feed", "false");
  session = provider.createSession(&unreachable);
  try {
    session->connect();
  } catch (GenericException* e) {
    std::printf("  connect threw: %s\n", e->getMessage());
    delete e;  // the catcher deletes what was thrown
  }
  session->release();
  provider.shutdown();
  return 0;
}
