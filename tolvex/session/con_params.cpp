#include "tolvex/session/con_params.h"

#include <strings.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <string>

#include "tolvex/foundation/owned_text_internal.h"
#include "tolvex/foundation/url_element.h"
#include "tolvex/protocol/fix_defs.h"

namespace {

// Every string member the record owns, each null or a strdup copy. The copy
// constructor, clear() and so the destructor walk this list: a new string
// member is declared in the class and named here, nowhere else. clear()
// releases the first kTextsBeforeTable of them before the optional-parameter
// table, which may throw, and the rest after it.
using TextMember = char* ConParams::*;
constexpr TextMember kOwnedTexts[] = {
    &ConParams::name,
    &ConParams::transportProvider,
    &ConParams::host,
    &ConParams::script,
    &ConParams::app,
    &ConParams::uid,
    &ConParams::upwd,
    &ConParams::proxyHost,
    &ConParams::proxyUid,
    &ConParams::proxyPwd,
    &ConParams::httpUid,
    &ConParams::httpPwd,
    &ConParams::fullUrl,
    &ConParams::proxyType,
    &ConParams::CAInfoFilePath,
    &ConParams::proxyAuthenticationRealm,
    &ConParams::PACUrl,
    &ConParams::agent,
    &ConParams::clientAddress,
    &ConParams::appInfo,
};
constexpr std::size_t kTextsBeforeTable = 16;

void releaseText(char*& member) {
  free(member);
  member = nullptr;
}

// The members that setUrl() fills, back to their defaults.
void resetAddress(ConParams& params) {
  releaseText(params.transportProvider);
  releaseText(params.host);
  releaseText(params.script);
  releaseText(params.app);
  params.port = -1;
  params.useHttp = false;
  params.useHex = false;
  params.secure = false;
}

// The leading decimal number of `text` as strtol reads it (0 without
// digits), saturated to the range of int.
int readPort(const char* text) {
  const long value = strtol(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// What a URL text yields for the address members.
struct UrlParts {
  std::string provider;
  std::string fullUrl;
  std::string host;
  int port = -1;
  bool useHttp = false;
  bool hasPath = false;
  std::string path;
};

// Splits "provider:address"; false for a text without a provider or scheme
// boundary.
bool splitUrl(const std::string& url, bool secure, UrlParts& parts) {
  const std::string::size_type colon = url.find(':');
  if (colon == std::string::npos) return false;
  parts.provider = url.substr(0, colon);
  const std::string address = url.substr(colon + 1);
  parts.fullUrl = address;

  std::string rest = address;
  if (address.find("//") != std::string::npos) {
    const std::string::size_type schemeEnd = address.find(':');
    if (schemeEnd == std::string::npos) return false;
    const std::string scheme = address.substr(0, schemeEnd);
    parts.useHttp = strcasecmp(scheme.c_str(), "http") == 0 ||
                    strcasecmp(scheme.c_str(), "https") == 0;
    // Only http and https lose the "//" after the scheme's ':'.
    const std::string::size_type skip = parts.useHttp ? 3 : 1;
    rest = address.substr(std::min(schemeEnd + skip, address.size()));
  }

  const std::string::size_type portColon = rest.find(':');
  if (portColon != std::string::npos) {
    parts.port = readPort(rest.c_str() + portColon + 1);
    rest.erase(portColon);
  }
  if (parts.useHttp) {
    if (parts.port < 1) parts.port = secure ? 443 : 80;
    const std::string::size_type slash = rest.find('/');
    if (slash != std::string::npos) {
      parts.hasPath = true;
      parts.path = rest.substr(slash + 1);
      rest.erase(slash);
    }
  }
  parts.host = rest;
  return true;
}

}  // namespace

ConParams::ConParams() : optionalParameters(new StdHashTable()) {
  setMsgFlags(IFixDefs::CHANNEL_SETTING_DEFAULT);
}

ConParams::ConParams(const ConParams& other)
    : port(other.port),
      useHttp(other.useHttp),
      useHex(other.useHex),
      secure(other.secure),
      useProxy(other.useProxy),
      proxyPort(other.proxyPort),
      proxyHTTP11(other.proxyHTTP11),
      msgFlags(other.msgFlags),
      checkConnection(other.checkConnection),
      doNotHashPassword(other.doNotHashPassword),
      optionalParameters(other.optionalParameters != nullptr
                             ? cloneOptionalParameters(other.optionalParameters)
                             : new StdHashTable()) {
  // The table is made first; should a text copy fail, clear() releases what
  // was made, since every text not yet copied is still null.
  try {
    for (TextMember text : kOwnedTexts) {
      owned_text::replace(this->*text, other.*text);
    }
  } catch (...) {
    clear();
    throw;
  }
}

ConParams::~ConParams() {
  // clear() passes on the table's exception for an entry that is not a
  // pointer entry; a destructor must not throw, so such entries are dropped
  // first, with the values of the pointer entries.
  if (optionalParameters != nullptr) {
    owned_text::freeCopies(*optionalParameters);
    optionalParameters->clear();
  }
  clear();
}

void ConParams::setName(const char* value) {
  owned_text::replace(name, value);
}

void ConParams::setTransportProvider(const char* value) {
  owned_text::replace(transportProvider, value);
}

void ConParams::setHost(const char* value) {
  owned_text::replace(host, value);
}

void ConParams::setPort(int value) {
  port = value;
}

void ConParams::setUseHttp(bool value) {
  useHttp = value;
}

void ConParams::setUseHex(bool value) {
  useHex = value;
}

void ConParams::setSecure(bool value) {
  secure = value;
}

void ConParams::setScript(const char* value) {
  owned_text::replace(script, value);
}

void ConParams::setApp(const char* value) {
  owned_text::replace(app, value);
}

void ConParams::setUid(const char* value) {
  owned_text::replace(uid, value);
}

void ConParams::setUpwd(const char* value) {
  owned_text::replace(upwd, value);
}

void ConParams::setUseProxy(bool value) {
  useProxy = value;
}

void ConParams::setProxyHost(const char* value) {
  owned_text::replace(proxyHost, value);
}

void ConParams::setProxyPort(int value) {
  proxyPort = value;
}

void ConParams::setProxyUid(const char* value) {
  owned_text::replace(proxyUid, value);
}

void ConParams::setProxyPwd(const char* value) {
  owned_text::replace(proxyPwd, value);
}

void ConParams::setProxyHTTP11(bool value) {
  proxyHTTP11 = value;
}

void ConParams::setHttpUid(const char* value) {
  owned_text::replace(httpUid, value);
}

void ConParams::setHttpPwd(const char* value) {
  owned_text::replace(httpPwd, value);
}

void ConParams::setFullUrl(const char* value) {
  owned_text::replace(fullUrl, value);
}

void ConParams::setProxyType(const char* value) {
  owned_text::replace(proxyType, value);
}

void ConParams::setCAInfoFilePath(const char* value) {
  owned_text::replace(CAInfoFilePath, value);
}

void ConParams::setProxyAuthenticationRealm(const char* value) {
  owned_text::replace(proxyAuthenticationRealm, value);
}

void ConParams::setAgent(char* value) {
  owned_text::replace(agent, value);
}

void ConParams::setAgent(const char* value) {
  owned_text::replace(agent, value);
}

void ConParams::setAppInfo(char* value) {
  owned_text::replace(appInfo, value);
}

void ConParams::setAppInfo(const char* value) {
  owned_text::replace(appInfo, value);
}

void ConParams::setMsgFlags(long value) {
  msgFlags = value;
}

void ConParams::setPACUrl(const char* value) {
  owned_text::replace(PACUrl, value);
}

void ConParams::setCheckConnection(bool value) {
  checkConnection = value;
}

void ConParams::setDoNotHashPassword(bool value) {
  doNotHashPassword = value;
}

void ConParams::setClientAddress(char* value) {
  owned_text::replace(clientAddress, value);
}

void ConParams::setClientAddress(const char* value) {
  owned_text::replace(clientAddress, value);
}

bool ConParams::isEmpty() {
  return host == nullptr;
}

void ConParams::clear() {
  const TextMember* const tableTurn = kOwnedTexts + kTextsBeforeTable;
  for (const TextMember* text = kOwnedTexts; text != tableTurn; ++text) {
    releaseText(this->**text);
  }
  resetAddress(*this);
  useProxy = false;
  proxyPort = -1;
  proxyHTTP11 = true;
  clearOptionalParameters();
  delete optionalParameters;
  optionalParameters = nullptr;
  for (const TextMember* text = tableTurn; text != std::end(kOwnedTexts);
       ++text) {
    releaseText(this->**text);
  }
}

StdHashTable* ConParams::getOptionalParameters() {
  return optionalParameters;
}

void ConParams::setOptionalParameter(const char* name, const char* value) {
  if (optionalParameters == nullptr || value == nullptr) return;
  owned_text::putCopy(*optionalParameters, name, value);
}

char* ConParams::getOptionalParameter(char* name, char* defaultValue) {
  if (optionalParameters == nullptr) return defaultValue;
  void* value = optionalParameters->getPointer(name);
  return value != nullptr ? static_cast<char*>(value) : defaultValue;
}

const char* ConParams::getOptionalParameter(const char* name,
                                            const char* defaultValue) {
  // The non-const form only reads through both pointers.
  return getOptionalParameter(const_cast<char*>(name),
                              const_cast<char*>(defaultValue));
}

StdHashTable* ConParams::cloneOptionalParameters(StdHashTable* source) {
  StdHashTable* copy = new StdHashTable();
  if (source == nullptr) return copy;
  try {
    for (bool more = source->firstElement() != nullptr; more;
         more = source->nextElement() != nullptr) {
      owned_text::putCopy(*copy, source->getName(),
                          static_cast<const char*>(source->getPointer()));
    }
  } catch (...) {
    owned_text::deleteTable(copy);
    throw;
  }
  return copy;
}

void ConParams::clearOptionalParameters() {
  if (optionalParameters == nullptr) return;
  // Every value is read before any is freed, so an entry of another type
  // throws while the table is still whole: nothing is freed twice later.
  for (bool more = optionalParameters->firstElement() != nullptr; more;
       more = optionalParameters->nextElement() != nullptr) {
    optionalParameters->getPointer();
  }
  owned_text::freeCopies(*optionalParameters);
  optionalParameters->clear();
}

void ConParams::setUrl(const void* urlElement) {
  resetAddress(*this);
  if (urlElement == nullptr) return;

  // The element's getters are not const; none of them changes the element.
  UrlElement* element = static_cast<UrlElement*>(const_cast<void*>(urlElement));
  const char* url = element->getUrlString();
  if (url != nullptr) {
    const char* secureText = element->getSecure();
    const bool isSecure =
        secureText != nullptr && strcasecmp(secureText, "true") == 0;
    UrlParts parts;
    if (splitUrl(url, isSecure, parts)) {
      secure = isSecure;
      setTransportProvider(parts.provider.c_str());
      setFullUrl(parts.fullUrl.c_str());
      port = parts.port;
      useHttp = parts.useHttp;
      useHex = parts.useHttp;
      if (parts.hasPath) {
        setApp(parts.path.c_str());
        setScript(parts.path.c_str());
      }
      setHost(parts.host.c_str());
    }
  }

  clearOptionalParameters();
  // The element's table is already in the record's form (copies made with
  // strdup under pointer entries), so the record takes it over instead of
  // copying it: nothing is left that could run out of memory.
  if (StdHashTable* params = element->getParams()) {
    delete optionalParameters;
    optionalParameters = params;
  }
}
