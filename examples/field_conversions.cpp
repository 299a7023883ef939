// Read fields with conversions: every typed getter reads every kind of
// value, converting between texts and numbers. A missing field, or a text
// that is not a number, gives the neutral result (0, 0.0, null).
#include <cstdio>

#include "tolvex/tolvex.h"

namespace {

// Prints what each getter makes of the field `name` of `group`.
void show(const UniversalFieldGroup& group, const char* name) {
  const char* text = group.getValueString(name);
  std::printf("%-8s int %-11d long %-20lld double %-8g text %s\n", name,
              group.getValueInt(name), group.getValueLong(name),
              group.getValueDouble(name), text != nullptr ? text : "(null)");
}

}  // namespace

int main() {
  UniversalFieldGroup order;
  order.setValue("qty", "250");                // a number kept as text
  order.setValue("px", "1.0825");              // a decimal kept as text
  order.setValue("note", "urgent");            // a text that is not a number
  order.setValueInt("count", -7);              // a 32-bit integer
  order.setValueLong("volume", 5000000000LL);  // beyond 32 bits
  order.setValueDouble("rate", 2.5);           // a double

  std::printf("== Each getter on each kind of field ==\n");
  const char* names[] = {"qty", "px", "note", "count", "volume", "missing"};
  for (const char* name : names) show(order, name);
  // getValueInt of a value beyond 32 bits keeps only its low 32 bits: read
  // such fields with getValueLong.

  std::printf("\n== Doubles render with 60 decimals as text ==\n");
  std::printf("rate as text: %s\n", order.getValueString("rate"));
  std::printf("rate as int:  %d (the fraction is cut)\n",
              order.getValueInt("rate"));

  std::printf("\n== The kind of a field ==\n");
  for (IField* field = order.getFirst(); field != nullptr;
       field = order.getNext()) {
    std::printf("%-7s kind %d\n", field->getName(), field->getDataType());
  }

  std::printf("\n== Binary values keep their length ==\n");
  const unsigned char bytes[] = {0x01, 0x00, 0xff};
  order.setValueBinary("raw", bytes, sizeof bytes);
  int length = 0;
  const unsigned char* raw =
      static_cast<const unsigned char*>(order.getValueBinary("raw", length));
  std::printf("raw: %d bytes, last 0x%02x\n", length, raw[length - 1]);
  return 0;
}
