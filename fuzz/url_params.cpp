// URL texts, secure attributes and parameter texts through UrlElement and
// ConParams::setUrl, each judged by a plain reading of the rules: attributes
// read back under any case, getParams() pairs (every value freed once here),
// and the address members, ports and optional parameters of the record.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>

#include "tolvex/foundation/url_element.h"
#include "tolvex/session/con_params.h"

#include "oracle.h"

namespace {

using Pairs = std::map<std::string, std::string>;

std::string lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// The name with each ASCII letter's case chosen by the input.
std::string recase(FuzzedDataProvider& input, std::string name) {
  for (char& c : name) {
    if (std::isalpha(static_cast<unsigned char>(c)) && input.ConsumeBool()) {
      c = static_cast<char>(c ^ 0x20);
    }
  }
  return name;
}

std::string trimBlanks(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The pairs of a parameter text: line breaks and quotes dropped, segments cut
// at ';', each split at its first '=' with text on both sides, names and
// values trimmed of blanks, empty ones skipped, later names winning.
Pairs pairsOf(const std::string& params) {
  std::string text;
  for (char c : params) {
    if (c != '\r' && c != '\n' && c != '"') text += c;
  }
  Pairs pairs;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string segment = text.substr(start, end - start);
    const std::size_t equals = segment.find('=');
    if (equals != std::string::npos && equals > 0 &&
        equals + 1 < segment.size()) {
      const std::string name = trimBlanks(segment.substr(0, equals));
      const std::string value = trimBlanks(segment.substr(equals + 1));
      if (!name.empty() && !value.empty()) pairs[name] = value;
    }
    start = end + 1;
  }
  return pairs;
}

// Reads the table's pairs and frees each value; every entry is a pointer
// entry holding a value.
Pairs takePairs(StdHashTable* table) {
  Pairs pairs;
  for (bool more = table->firstElement() != nullptr; more;
       more = table->nextElement() != nullptr) {
    char* value = static_cast<char*>(table->getPointer());
    check(value != nullptr, "a parameter has a value");
    check(pairs.emplace(table->getName(), value).second, "names are distinct");
    std::free(value);
  }
  return pairs;
}

// Reads the record's optional parameters without taking them.
Pairs readPairs(StdHashTable* table) {
  Pairs pairs;
  for (bool more = table->firstElement() != nullptr; more;
       more = table->nextElement() != nullptr) {
    const char* value = static_cast<const char*>(table->getPointer());
    check(value != nullptr, "an optional parameter has a value");
    pairs.emplace(table->getName(), value);
  }
  return pairs;
}

// The address members setUrl() leaves, from the URL text and secure flag.
struct Address {
  Text provider, fullUrl, host, app;
  int port = -1;
  bool useHttp = false;
  bool secure = false;
};

int portOf(const std::string& text) {
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A text without ':' or an address with "//" but no ':' is refused and
// leaves the reset members and the old full URL.
Address addressOf(const std::string& url, bool secure, const Text& oldFull) {
  Address out;
  out.fullUrl = oldFull;
  const std::size_t colon = url.find(':');
  if (colon == std::string::npos) return out;
  const std::string address = url.substr(colon + 1);
  std::string rest = address;
  bool http = false;
  if (address.find("//") != std::string::npos) {
    const std::size_t schemeEnd = address.find(':');
    if (schemeEnd == std::string::npos) return out;
    const std::string scheme = lower(address.substr(0, schemeEnd));
    http = scheme == "http" || scheme == "https";
    const std::size_t from = schemeEnd + (http ? 3 : 1);
    rest = from < address.size() ? address.substr(from) : "";
  }
  out.provider = url.substr(0, colon);
  out.fullUrl = address;
  out.secure = secure;
  out.useHttp = http;
  const std::size_t portColon = rest.find(':');
  if (portColon != std::string::npos) {
    out.port = portOf(rest.substr(portColon + 1));
    rest.resize(portColon);
  }
  if (http) {
    if (out.port < 1) out.port = secure ? 443 : 80;
    const std::size_t slash = rest.find('/');
    if (slash != std::string::npos) {
      out.app = rest.substr(slash + 1);
      rest.resize(slash);
    }
  }
  out.host = rest;
  return out;
}

const char* const kNames[] = {"urlString", "secure", "params", "name",
                              "protocol"};

std::string consumeString(FuzzedDataProvider& input, std::size_t most) {
  return input.ConsumeRandomLengthString(most).c_str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  UrlElement element;
  std::map<std::string, std::string> attributes;  // by lower-cased name

  const int count = input.ConsumeIntegralInRange(0, 6);
  for (int i = 0; i < count; ++i) {
    const std::size_t pick = input.ConsumeIntegralInRange<std::size_t>(0, 5);
    const std::string name =
        pick < 5 ? recase(input, kNames[pick]) : consumeString(input, 10);
    const bool nullValue = input.ConsumeIntegralInRange(0, 15) == 15;
    const std::string value = nullValue ? "" : consumeString(input, 48);
    const bool added =
        element.addAttribute(name.c_str(), nullValue ? nullptr : value.c_str());
    check(added == !name.empty(), "addAttribute takes a non-empty name");
    if (added) attributes[lower(name)] = value;
  }

  auto attribute = [&](const char* name) -> Text {
    const auto found = attributes.find(lower(name));
    if (found == attributes.end()) return std::nullopt;
    return found->second;
  };
  check(same(element.getUrlString(), attribute("urlString")), "URL text");
  check(same(element.getSecure(), attribute("secure")), "secure attribute");
  check(same(element.getName(), attribute("name")), "name attribute");
  check(same(element.getProtocol(), attribute("protocol")), "protocol");
  for (const auto& [key, value] : attributes) {
    check(same(element.getAttribute(recase(input, key).c_str()), value),
          "an attribute reads back under any case");
  }

  const Text paramsText = attribute("params");
  const Pairs pairs = paramsText ? pairsOf(*paramsText) : Pairs();
  StdHashTable* params = element.getParams();
  check((params != nullptr) == !pairs.empty(), "getParams is null for none");
  if (params != nullptr) {
    check(takePairs(params) == pairs, "parameter pairs");
    delete params;
  }

  ConParams record;
  const Text oldFull = input.ConsumeBool() ? Text("old") : std::nullopt;
  record.setFullUrl(oldFull ? oldFull->c_str() : nullptr);
  record.setUid("user");
  record.setOptionalParameter("kept", "1");
  record.setHost("before");
  record.setApp("before");
  record.port = 7;
  const bool cleared = input.ConsumeBool();
  if (cleared) record.clear();
  const bool nullElement = input.ConsumeIntegralInRange(0, 31) == 31;
  record.setUrl(nullElement ? nullptr : &element);

  // clear() frees the full URL with the other strings.
  const Text fullBefore = cleared ? std::nullopt : oldFull;
  Address expected;
  expected.fullUrl = fullBefore;
  Pairs optional = cleared ? Pairs() : Pairs{{"kept", "1"}};
  if (!nullElement) {
    const Text url = attribute("urlString");
    const Text secureText = attribute("secure");
    if (url) {
      expected = addressOf(*url, secureText && lower(*secureText) == "true",
                           fullBefore);
    }
    optional = pairs;
  }
  check(same(record.transportProvider, expected.provider), "provider");
  check(same(record.fullUrl, expected.fullUrl), "full URL");
  check(same(record.host, expected.host), "host");
  check(same(record.app, expected.app), "app");
  check(same(record.script, expected.app), "script");
  check(record.port == expected.port, "port");
  check(record.useHttp == expected.useHttp, "useHttp");
  check(record.useHex == expected.useHttp, "useHex");
  check(record.secure == expected.secure, "secure");
  check(same(record.uid, cleared ? Text() : Text("user")), "uid untouched");
  check(record.proxyPort == -1, "proxy port untouched");

  StdHashTable* table = record.getOptionalParameters();
  const bool tableExpected = !cleared || (!nullElement && !pairs.empty());
  check((table != nullptr) == tableExpected, "optional table present");
  if (table != nullptr) {
    check(readPairs(table) == optional, "optional parameters");
    for (const auto& [key, value] : optional) {
      check(same(record.getOptionalParameter(key.c_str(), "absent"), value),
            "optional parameter by name");
    }
  }

  ConParams copy(record);
  check(same(copy.host, expected.host), "copied host");
  check(copy.port == record.port, "copied port");
  check(readPairs(copy.getOptionalParameters()) == optional,
        "copied optional parameters");
  return 0;
}
