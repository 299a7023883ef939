// From a configuration tree to connection parameters: build a tree of
// elements, find its URL elements, read their parameter tables, and fill a
// ConParams record from each with setUrl.
#include <cstdio>
#include <cstdlib>

#include "tolvex/tolvex.h"

namespace {

const char* orNone(const char* text) {
  return text != nullptr ? text : "-";
}

// A URL element with these attributes; the caller adds it to a parent.
UrlElement* makeUrl(const char* name, const char* urlText, const char* secure,
                    const char* params) {
  auto* url = new UrlElement();
  url->addAttribute("name", name);
  url->addAttribute("urlString", urlText);
  url->addAttribute("secure", secure);
  url->addAttribute("params", params);
  return url;
}

// Prints the pairs of the element's "params" attribute. getParams() hands
// over a new table of strdup'ed values: free each value, delete the table.
void printParams(UrlElement* url) {
  StdHashTable* pairs = url->getParams();
  if (pairs == nullptr) {
    std::printf("  params: none\n");
    return;
  }
  for (void* at = pairs->firstElement(); at != nullptr;
       at = pairs->nextElement()) {
    char* value = static_cast<char*>(pairs->getPointer());
    std::printf("  param %s = \"%s\"\n", pairs->getName(), orNone(value));
    std::free(value);
  }
  delete pairs;
}

void printConParams(ConParams& params) {
  std::printf("  provider %s, host %s, port %d, http %s, secure %s\n",
              orNone(params.transportProvider), orNone(params.host),
              params.port, params.useHttp ? "yes" : "no",
              params.secure ? "yes" : "no");
  std::printf("  full URL %s, app %s, script %s\n", orNone(params.fullUrl),
              orNone(params.app), orNone(params.script));
  std::printf("  CHECK_SSL_ERROR %s\n",
              params.getOptionalParameter(
                  COptionalParametersConst::CHECK_SSL_ERROR,
                  COptionalParametersConst::CHECK_SSL_ERROR_DEFAULT));
  // Every optional parameter is a pointer entry holding the record's own
  // copy of the text, which the record frees: read it with getPointer()
  // (getString() throws "Type mismatch").
  StdHashTable* optional = params.getOptionalParameters();
  for (void* at = optional->firstElement(); at != nullptr;
       at = optional->nextElement()) {
    std::printf("  optional %s = \"%s\"\n", optional->getName(),
                static_cast<const char*>(optional->getPointer()));
  }
}

}  // namespace

int main() {
  std::printf("== Build the tree ==\n");
  // The root owns its children and deletes them with itself.
  ConfigElement root;
  root.init("servers");
  root.addElement(makeUrl("primary", "HTTP:https://md.example.net/feed/v2",
                          "true", "CHECK_SSL_ERROR=N; region = eu"));
  root.addElement(
      makeUrl("backup", "TCP:md2.example.net:9000", "false", "region=us"));
  // An explicit port ends the host, so this path is not taken.
  root.addElement(
      makeUrl("plain", "HTTP:http://md3.example.net:8080/x", "FALSE", ""));
  std::printf("root \"%s\" with %d children\n", root.getType(),
              root.getElements()->size());

  std::printf("\n== Find the URL elements (types match in any case) ==\n");
  // The vector is new for the caller; the elements stay the root's.
  IVector* urls = root.getElements("URL");
  for (void* at = urls->firstElement(); at != nullptr;
       at = urls->nextElement()) {
    auto* url = static_cast<UrlElement*>(at);
    std::printf("\n%s: %s (secure %s)\n", url->getName(), url->getUrlString(),
                url->getSecure());
    printParams(url);
    ConParams params;
    params.setUrl(url);
    printConParams(params);
  }
  delete urls;

  std::printf("\n== Pick one element by attribute ==\n");
  IVector* backups = root.getElements("url", "NAME", "Backup");
  std::printf("%d match: %s\n", backups->size(),
              static_cast<UrlElement*>(backups->elementAt(0))->getUrlString());
  delete backups;

  std::printf("\n== Credentials and copies ==\n");
  ConParams params;
  params.setUid("alice");
  params.setUpwd("secret");
  params.setOptionalParameter("region", "eu");
  ConParams copy(params);  // a deep copy, optional parameters included
  params.clear();
  std::printf("copy keeps uid %s and region %s; the original is %s\n", copy.uid,
              copy.getOptionalParameter("region", "-"),
              params.isEmpty() ? "empty" : "not empty");
  return 0;
}
