#include "tolvex/foundation/url_element.h"

#include <memory>
#include <string>

#include "tolvex/foundation/owned_text_internal.h"

namespace {

// `text` with its leading and trailing blanks removed; tabs and other white
// space stay.
std::string trimBlanks(const std::string& text) {
  const std::string::size_type first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

UrlElement::UrlElement() {
  init("url");
}

UrlElement::~UrlElement() = default;

const char* UrlElement::getUrlString() {
  return getAttribute("urlString");
}

const char* UrlElement::getProtocol() {
  return getAttribute("protocol");
}

const char* UrlElement::getSecure() {
  return getAttribute("secure");
}

const char* UrlElement::getName() {
  return getAttribute("name");
}

StdHashTable* UrlElement::getParams() {
  const char* params = getAttribute("params");
  if (params == nullptr) return nullptr;

  std::string text;
  for (const char* c = params; *c != '\0'; ++c) {
    if (*c != '\r' && *c != '\n' && *c != '"') text += *c;
  }

  // The table is made on the first pair; should memory run out, it goes
  // with the copies it holds.
  std::unique_ptr<StdHashTable, void (*)(StdHashTable*)> table(
      nullptr, owned_text::deleteTable);
  std::string::size_type start = 0;
  while (start <= text.size()) {
    std::string::size_type end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    const std::string::size_type equals = text.find('=', start);
    // The "=" must lie inside the segment with a character on each side.
    if (equals != std::string::npos && equals > start && equals + 1 < end) {
      const std::string name = trimBlanks(text.substr(start, equals - start));
      const std::string value =
          trimBlanks(text.substr(equals + 1, end - equals - 1));
      if (!name.empty() && !value.empty()) {
        if (table == nullptr) table.reset(new StdHashTable());
        owned_text::putCopy(*table, name.c_str(), value.c_str());
      }
    }
    start = end + 1;
  }
  return table.release();
}
