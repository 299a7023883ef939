// Builds a small market-data message and prints its text dump.
#include <cstdio>
#include <iostream>

#include "tolvex/tolvex.h"

int main() {
  std::printf("libtolvex %s\n", tolvexVersion());

  // A repeating group is a list of field groups; the list keeps copies.
  UniversalFieldGroup first;
  first.setValue("a", "x");
  UniversalFieldGroup second;
  second.setValueLong("b", 5);
  UniversalFieldGroupList list;
  list.put(&first);
  list.put(&second);

  // A message: session id "S1", message type "W", then fields by name.
  UniversalMessage message("S1", "W");
  message.setValueInt("268", 2);
  message.setValueDouble("44", 1.25);
  message.setValue("L", &list);
  const unsigned char data[4] = {0xde, 0xad, 0xbe, 0xef};
  message.setValueBinary("bin", data, 4);  // counted, but not dumped

  std::printf("%d fields\n", message.size());
  message.printState(std::cout);  // fields in name order, lists nested
  return 0;
}
