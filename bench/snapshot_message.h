#pragma once

// The market-data snapshot of snapshot_workload.h as a libtolvex message,
// built through the setters as a client builds it: entries as groups put
// into a list, the list set on the message.

#include "snapshot_workload.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"

inline UniversalMessage buildSnapshotMessage(int entries) {
  UniversalMessage message(snapshot::kSessionId, snapshot::kMsgType);
  message.setValue("55", snapshot::kSymbol);
  message.setValue("262", snapshot::kRequestId);
  UniversalFieldGroupList list;
  for (int i = 0; i < entries; ++i) {
    UniversalFieldGroup entry;
    entry.setValue("269", snapshot::entryType(i));
    entry.setValueDouble("270", snapshot::entryPrice(i));
    entry.setValueInt("271", snapshot::entrySize(i));
    entry.setValue("272", snapshot::kEntryDate);
    entry.setValue("273", snapshot::kEntryTime);
    list.put(&entry);
  }
  message.setValue("268", &list);
  return message;
}
