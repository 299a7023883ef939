// Trading sessions: the descriptors a server lists, their effective values,
// their properties (a PIN requirement among them) and their one-line text
// form "subID;ID;name;desc;property=value...".
#include <cstdio>

#include "tolvex/tolvex.h"

namespace {

const char* orNone(const char* text) {
  return text != nullptr ? text : "(null)";
}

void describe(const TradingSessionDesc& desc) {
  std::printf("  ID %s, sub-ID %s, name %s, desc %s, PIN %s\n", desc.getID(),
              orNone(desc.getSubID()), orNone(desc.getName()),
              orNone(desc.getDesc()), desc.pinRequired() ? "required" : "no");
}

}  // namespace

int main() {
  std::printf("== A descriptor and its text form ==\n");
  TradingSessionDesc day("DAY", "XETR", "Day session", "Continuous trading");
  day.setProperty(TradingSessionDesc::PIN_REQUIRED, "Y");
  day.setProperty("OPEN", "08:00:00");
  describe(day);
  char line[256];
  day.toString(line, sizeof line);  // properties come in name order
  std::printf("  text: %s\n", line);

  std::printf("\n== Missing values fall back on others ==\n");
  TradingSessionDesc bare("NIGHT", nullptr, nullptr, nullptr);
  describe(bare);  // the ID defaults, name and description take the sub-ID
  bare.toString(line, sizeof line);
  std::printf("  text: %s\n", line);

  std::printf("\n== Parse reads back the sub-ID, ID and name ==\n");
  TradingSessionDesc parsed("DAY;XETR;Day session;ignored;PIN_REQUIRED=Y");
  describe(parsed);  // description and properties are not read

  std::printf("\n== Copies are deep ==\n");
  TradingSessionDesc copy(day);
  day.setProperty("OPEN", "09:00:00");
  std::printf("  copy OPEN %s, original OPEN %s\n", copy.getProperty("OPEN"),
              day.getProperty("OPEN"));

  std::printf("\n== A server's error travels with the descriptor ==\n");
  copy.setErrorCode(7);
  copy.setErrorMessage("Session closed for the day");
  std::printf("  error %d: %s\n", copy.getErrorCode(), copy.getErrorMessage());
  return 0;
}
