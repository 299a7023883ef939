#pragma once

// ConParams: the plain record that describes one connection, filled field by
// field through its setters or from a URL element with setUrl(), and read
// member by member by the transport implementations.
//
//   ConParams params;
//   UrlElement url;
//   url.addAttribute("urlString", "HTTP:https://host:8443/app");
//   url.addAttribute("params", "CHECK_SSL_ERROR=Y");
//   params.setUrl(&url);  // host "host", port 8443, useHttp true
//   const char* check = params.getOptionalParameter(
//       COptionalParametersConst::CHECK_SSL_ERROR,
//       COptionalParametersConst::CHECK_SSL_ERROR_DEFAULT);  // "Y"
//
// URL texts have the form provider:address, the address being host[:port]
// or scheme://host[:port][/path]:
//   "tcp:host:9000"          provider tcp, host "host", port 9000
//   "HTTP:http://host/app/x" HTTP over port 80 (443 when the element's
//                            secure attribute is "true"), app and script
//                            "app/x"
//   "S:ssl://host:99"        host "//host": only http and https schemes
//                            lose their slashes
// An explicit port ends the host, so the path after it is not taken.

#include <cstddef>
#include <type_traits>

#include "tolvex/export.h"
#include "tolvex/foundation/std_hash_table.h"
#include "tolvex/foundation/url_element.h"
#include "tolvex/session/optional_parameters_const.h"

/// A connection description that owns a heap copy (`strdup`, released with
/// `free`) of every string member, each null or such a copy, and its
/// optional-parameter table.
///
/// Choices of this library where a caller could guess either way:
/// - setUrl() refuses a URL text without any ':' and an address that holds
///   "//" but no ':': the address members stay as step one of setUrl()
///   reset them, `fullUrl` keeps its value, and the element's parameters
///   are taken as for an element without URL text.
/// - A port that does not fit an int saturates at the int limits.
/// - setOptionalParameter() ignores a null value.
/// - An entry that a caller put into the optional-parameter table with
///   another type than a pointer makes clearOptionalParameters() and clear()
///   throw the table's GenericException* ("Type mismatch") before anything of
///   the table is freed; clear() has then released every text but PACUrl,
///   agent, clientAddress and appInfo, which stay owned by the record with
///   the table. The destructor never throws: it drops such entries.
/// Copies are made with the copy constructor only; there is no assignment.
/// When memory runs out an operation throws std::bad_alloc and leaks
/// nothing: a failed setter or setOptionalParameter() leaves the record as it
/// was; a failed setUrl() leaves it valid, with part of the new address.
/// Thread-safety: not safe for concurrent use; distinct records are
/// independent.
class TOLVEX_API ConParams {
 public:
  /// The defaults: strings null, flags false except `proxyHTTP11`, both
  /// ports -1, `msgFlags` IFixDefs::CHANNEL_SETTING_DEFAULT, and a new empty
  /// optional-parameter table.
  ConParams();
  /// A deep copy: separate copies of every string and of every optional
  /// value. A source without a table gives the copy a new empty one. Throws
  /// the table's GenericException* ("Type mismatch") when the source table
  /// holds an entry other than a pointer entry; nothing leaks then.
  ConParams(const ConParams& other);
  ConParams& operator=(const ConParams&) = delete;
  /// Releases everything, as clear() does.
  ~ConParams();

  /// Each setter sets the member of the same name. A string setter frees the
  /// member's copy and stores a copy of the argument, or null for a null
  /// argument; the caller keeps its string.
  ///@{
  void setName(const char* value);
  void setTransportProvider(const char* value);
  void setHost(const char* value);
  void setPort(int value);
  void setUseHttp(bool value);
  void setUseHex(bool value);
  void setSecure(bool value);
  void setScript(const char* value);
  void setApp(const char* value);
  void setUid(const char* value);
  void setUpwd(const char* value);
  void setUseProxy(bool value);
  void setProxyHost(const char* value);
  void setProxyPort(int value);
  void setProxyUid(const char* value);
  void setProxyPwd(const char* value);
  void setProxyHTTP11(bool value);
  void setHttpUid(const char* value);
  void setHttpPwd(const char* value);
  void setFullUrl(const char* value);
  void setProxyType(const char* value);
  void setCAInfoFilePath(const char* value);
  void setProxyAuthenticationRealm(const char* value);
  ///@}
  /// Never writes through `value`.
  void setAgent(char* value);
  /// The same for a const text.
  void setAgent(const char* value);
  /// Clears the member; spares callers a cast of a bare null.
  void setAgent(std::nullptr_t) { setAgent(static_cast<const char*>(nullptr)); }
  /// Never writes through `value`.
  void setAppInfo(char* value);
  /// The same for a const text.
  void setAppInfo(const char* value);
  /// Clears the member; spares callers a cast of a bare null.
  void setAppInfo(std::nullptr_t) {
    setAppInfo(static_cast<const char*>(nullptr));
  }
  /// As the setters above.
  ///@{
  void setMsgFlags(long value);
  void setPACUrl(const char* value);
  void setCheckConnection(bool value);
  void setDoNotHashPassword(bool value);
  ///@}
  /// Never writes through `value`.
  void setClientAddress(char* value);
  /// The same for a const text.
  void setClientAddress(const char* value);
  /// Clears the member; spares callers a cast of a bare null.
  void setClientAddress(std::nullptr_t) {
    setClientAddress(static_cast<const char*>(nullptr));
  }

  /// True when `host` is null; no other member counts.
  bool isEmpty();
  /// Frees every string, sets the ports to -1, the flags to false and
  /// `proxyHTTP11` to true, frees the optional values and deletes the table,
  /// leaving the record without one. Keeps `msgFlags`, `checkConnection` and
  /// `doNotHashPassword`.
  void clear();

  /// The record's own table, or null after clear(). The caller must not
  /// delete it; entries added through it must be pointer entries holding
  /// `strdup` copies, which the record frees. Every entry is such a pointer
  /// entry, those setUrl() copies from the element included: read the values
  /// with getPointer(), since getString() throws "Type mismatch" for them.
  /// \code
  /// StdHashTable* table = params.getOptionalParameters();
  /// for (void* at = table->firstElement(); at; at = table->nextElement())
  ///   use(table->getName(), static_cast<const char*>(table->getPointer()));
  /// \endcode
  StdHashTable* getOptionalParameters();
  /// Stores a copy of `value` under `name`, freeing the copy an entry of that
  /// name held. Stores nothing for a null name, a null value, or a record
  /// without a table.
  void setOptionalParameter(const char* name, const char* value);
  /// The record's copy of the value of `name`, valid until the entry is
  /// replaced or cleared (not to be freed); otherwise `defaultValue` itself.
  char* getOptionalParameter(char* name, char* defaultValue);
  /// As getOptionalParameter(char*, char*).
  const char* getOptionalParameter(const char* name, const char* defaultValue);
  /// A new table holding, for every entry of `source`, a pointer entry of the
  /// same name with a `strdup` copy of its value (null stays null). Empty for
  /// a null or empty source. The caller frees the values and deletes the
  /// table. Walks `source` with its cursor; throws its GenericException*
  /// ("Type mismatch") for an entry other than a pointer entry, and then
  /// leaks nothing.
  StdHashTable* cloneOptionalParameters(StdHashTable* source);
  /// Frees the values of the table's pointer entries and empties the table,
  /// which stays. Does nothing without a table. Throws the table's
  /// GenericException* ("Type mismatch"; the caller deletes it) for an entry
  /// of another type, leaving the table as it was.
  void clearOptionalParameters();

  /// Fills the address from a UrlElement given as an untyped pointer:
  /// resets `transportProvider`, `host`, `port`, `useHttp`, `useHex`,
  /// `secure`, `script` and `app`, then, for a non-null element, splits its
  /// URL text into provider, `fullUrl`, host, port and path, sets `secure`
  /// from its secure attribute ("true" in any case), and replaces the
  /// optional parameters with the element's parameters (emptying them when
  /// it has none). A null element changes nothing beyond the reset.
  /// `urlElement` must be null or point to a UrlElement (a ConfigElement*
  /// that points to one will do); prefer the typed overload below.
  void setUrl(const void* urlElement);
  /// As setUrl(const void*), typed: takes a UrlElement or an object of a
  /// class derived from it. setUrl(nullptr), setUrl(NULL) and untyped
  /// pointers still reach setUrl(const void*).
  template <typename Element, typename = std::enable_if_t<
                                  std::is_base_of<UrlElement, Element>::value>>
  void setUrl(const Element* urlElement) {
    setUrl(
        static_cast<const void*>(static_cast<const UrlElement*>(urlElement)));
  }
  /// Does not compile: a URL text is not an element. Put the text into a
  /// UrlElement's "urlString" attribute and pass the element.
  template <typename Char,
            typename = std::enable_if_t<
                std::is_same<std::remove_cv_t<Char>, char>::value ||
                std::is_same<std::remove_cv_t<Char>, signed char>::value ||
                std::is_same<std::remove_cv_t<Char>, unsigned char>::value ||
                std::is_same<std::remove_cv_t<Char>, wchar_t>::value>>
  void setUrl(Char* text) = delete;

  /// The description that transports read. Each string member is null or the
  /// record's own `strdup` copy, freed by the record; a caller that assigns
  /// one directly hands its copy over.
  ///@{
  char* name = nullptr;
  char* transportProvider = nullptr;
  char* host = nullptr;
  int port = -1;
  bool useHttp = false;
  bool useHex = false;
  bool secure = false;
  char* script = nullptr;
  char* app = nullptr;
  char* uid = nullptr;
  char* upwd = nullptr;
  bool useProxy = false;
  char* proxyHost = nullptr;
  int proxyPort = -1;
  char* proxyUid = nullptr;
  char* proxyPwd = nullptr;
  bool proxyHTTP11 = true;
  char* httpUid = nullptr;
  char* httpPwd = nullptr;
  char* fullUrl = nullptr;
  char* proxyType = nullptr;
  char* CAInfoFilePath = nullptr;
  char* proxyAuthenticationRealm = nullptr;
  char* agent = nullptr;
  char* appInfo = nullptr;
  long msgFlags = 0;
  char* PACUrl = nullptr;
  bool checkConnection = false;
  bool doNotHashPassword = false;
  char* clientAddress = nullptr;
  StdHashTable* optionalParameters = nullptr;
  ///@}
};
