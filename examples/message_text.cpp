// Messages for people and tools: a readable log line with the password
// masked, a JSON fixture loaded as a test would load it, a difference printed
// the way a failing test prints it, and the vocabulary both ways.
#include <iostream>
#include <memory>
#include <string>

#include "tolvex/tolvex.h"

namespace {

// What a test keeps in a fixture file: the expected snapshot.
constexpr const char* kExpectedSnapshot = R"({
  "268": {"list": [
    {"269": {"text": "0"}, "270": {"double": 1.0825}, "271": {"int": 100}},
    {"269": {"text": "1"}, "270": {"double": 1.0827}, "271": {"int": 250}}]},
  "35": {"text": "W"}, "55": {"text": "EUR/USD"}, "SID": {"text": "alice-1"}
})";

void addEntry(UniversalFieldGroupList& entries, const char* type, double price,
              int size) {
  UniversalFieldGroup entry;
  entry.setValue(IFixDefs::FLDTAG_MDENTRYTYPE, type);
  entry.setValueDouble(IFixDefs::FLDTAG_MDENTRYPX, price);
  entry.setValueInt(IFixDefs::FLDTAG_ENTRYSIZE, size);
  entries.put(&entry);
}

}  // namespace

int main() {
  std::cout << "== A readable log line: names, and no password ==\n";
  UniversalMessage logon("alice-1", IFixDefs::MSGTYPE_USERREQUEST);
  logon.setValueInt(IFixDefs::FLDTAG_USERREQUESTTYPE,
                    IFixDefs::USERREQUESTTYPE_LOGONUSER);
  logon.setValue(IFixDefs::FLDTAG_USERNAME, "alice");
  logon.setValue(IFixDefs::FLDTAG_PASSWORD, "s3cret");
  std::cout << describe(logon);
  std::cout << toJson(logon) << "\n";

  std::cout << "\n== A JSON fixture loaded in a test ==\n";
  JsonError error;
  const std::unique_ptr<UniversalMessage> expected =
      messageFromJson(kExpectedSnapshot, &error);
  if (!expected) {
    std::cout << "fixture:" << error.line << ':' << error.column << ": "
              << error.what << "\n";
    return 1;
  }
  std::cout << describe(*expected);

  std::cout << "\n== A difference printed on failure ==\n";
  UniversalMessage actual("alice-1",
                          IFixDefs::MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH);
  actual.setValue(IFixDefs::FLDTAG_SYMBOL, "EUR/USD");
  UniversalFieldGroupList entries;
  addEntry(entries, IFixDefs::MDENTRYTYPE_BID, 1.0825, 100);
  addEntry(entries, IFixDefs::MDENTRYTYPE_ASK, 1.0828, 250);
  actual.setValue(IFixDefs::FLDTAG_NOMDENTRIES, &entries);
  for (const Difference& difference : differences(*expected, actual)) {
    std::cout << difference.toString() << "\n";
  }

  std::cout << "\n== A bad fixture: where and what ==\n";
  if (!messageFromJson("{\"271\": {\"int\": 1e3}}", &error)) {
    std::cout << "fixture:" << error.line << ':' << error.column << ": "
              << error.what << "\n";
  }

  std::cout << "\n== The vocabulary both ways ==\n";
  std::cout << "tag 262 is " << FixVocabulary::tagName("262") << ", MDREQID is "
            << FixVocabulary::tagByName("MDREQID") << "\n";
  std::cout << "type V is " << FixVocabulary::msgTypeName("V") << "\n";
  std::cout << "value 0 of tag 269 is " << FixVocabulary::valueName("269", "0")
            << "\n";
  return 0;
}
