// Build a market-data snapshot with a repeating group of entries, walk it
// with the cursors, log it during a walk, and print its dump.
//
// A repeating group is a UniversalFieldGroupList of UniversalFieldGroup
// entries, stored as a list-valued field under the group's count tag.
// put() and setValue(name, list) store copies, so the originals may be
// reused or dropped right after.
#include <cstdio>
#include <iostream>
#include <string>

#include "tolvex/tolvex.h"

namespace {

// Appends one entry (type, price, size) to the group.
void addEntry(UniversalFieldGroupList& entries, const char* type,
              const char* price, int size) {
  UniversalFieldGroup entry;
  entry.setValue(IFixDefs::FLDTAG_MDENTRYTYPE, type);
  entry.setValue(IFixDefs::FLDTAG_MDENTRYPX, price);
  entry.setValueInt(IFixDefs::FLDTAG_ENTRYSIZE, size);
  entries.put(&entry);
}

}  // namespace

int main() {
  std::printf("== Build a snapshot with three entries ==\n");
  UniversalFieldGroupList entries;
  addEntry(entries, IFixDefs::MDENTRYTYPE_BID, "1.0825", 100);
  addEntry(entries, IFixDefs::MDENTRYTYPE_ASK, "1.0827", 250);
  addEntry(entries, IFixDefs::MDENTRYTYPE_ASK, "1.0829", 50);

  UniversalMessage snapshot("S1",
                            IFixDefs::MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH);
  snapshot.setValue(IFixDefs::FLDTAG_MDREQID, "req-1");
  snapshot.setValue(IFixDefs::FLDTAG_SYMBOL, "EUR/USD");
  snapshot.setValue(IFixDefs::FLDTAG_NOMDENTRIES, &entries);
  std::printf("message type %s, %d fields\n", snapshot.getMsgType(),
              snapshot.size());

  std::printf("\n== Walk the fields of the message (in name order) ==\n");
  for (IField* field = snapshot.getFirst(); field != nullptr;
       field = snapshot.getNext()) {
    std::printf("%-4s type %d\n", field->getName(), field->getDataType());
  }

  std::printf("\n== Walk the entries of the group ==\n");
  // The list returned points into the message; the message keeps it.
  IFieldGroupList* group = snapshot.getValueList(IFixDefs::FLDTAG_NOMDENTRIES);
  int total = 0;
  for (IFieldGroup* entry = group->getFirst(); entry != nullptr;
       entry = group->getNext()) {
    std::printf("type %s  price %s  size %d\n",
                entry->getValueString(IFixDefs::FLDTAG_MDENTRYTYPE),
                entry->getValueString(IFixDefs::FLDTAG_MDENTRYPX),
                entry->getValueInt(IFixDefs::FLDTAG_ENTRYSIZE));
    total += entry->getValueInt(IFixDefs::FLDTAG_ENTRYSIZE);
  }
  std::printf("%d entries, total size %d\n", group->size(), total);

  std::printf("\n== Log the message during a walk of its entries ==\n");
  // A dump moves the cursor of every list in the message to its end, and a
  // cursor wraps: dumping the snapshot itself here would restart this walk,
  // for ever. A copy has cursors of its own.
  for (IFieldGroup* entry = group->getFirst(); entry != nullptr;
       entry = group->getNext()) {
    const std::string logged = UniversalMessage(snapshot).toString();
    std::printf("entry at %s logged with a dump of %zu characters\n",
                entry->getValueString(IFixDefs::FLDTAG_MDENTRYPX),
                logged.size());
  }

  std::printf("\n== Groups nest: a copy of the message inside a list ==\n");
  UniversalFieldGroupList batch;
  batch.put(&snapshot);  // appends the message's fields as one group
  UniversalMessage wrapper("S1",
                           IFixDefs::MSGTYPE_MARKETDATASNAPSHOTFULLREFRESH);
  wrapper.setValue("batch", &batch);
  IFieldGroup* inner = wrapper.getValueList("batch")->getFirst();
  std::printf("inner symbol %s, inner entries %d\n",
              inner->getValueString(IFixDefs::FLDTAG_SYMBOL),
              inner->getValueList(IFixDefs::FLDTAG_NOMDENTRIES)->size());

  std::printf("\n== Dump of the snapshot ==\n");
  snapshot.printState(std::cout);
  return 0;
}
