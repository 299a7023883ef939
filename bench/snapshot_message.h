#pragma once

// The market-data snapshot of snapshot_workload.h as a libtolvex message,
// built through the setters the fastest way the API allows. Used by every
// benchmark that needs the message, so that all compare with one build.

#include "snapshot_workload.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"

// One entry group takes every entry's values and is put into the message's
// own list, which copies it, as the peer's message copies its entry. The
// typed setters insert only when the name is absent, so the numbers are set
// on the entry's fields. (A list set on the message would be copied again.)
inline UniversalMessage buildSnapshotMessage(int entries) {
  UniversalMessage message(snapshot::kSessionId, snapshot::kMsgType);
  message.setValue("55", snapshot::kSymbol);
  message.setValue("262", snapshot::kRequestId);
  const UniversalFieldGroupList noEntries;
  message.setValue("268", &noEntries);
  IFieldGroupList* list = message.getValueList("268");
  UniversalFieldGroup entry;
  entry.setValueDouble("270", 0.0);
  entry.setValueInt("271", 0);
  for (int i = 0; i < entries; ++i) {
    entry.setValue("269", snapshot::entryType(i));
    entry.getField("270")->setValueDouble(snapshot::entryPrice(i));
    entry.getField("271")->setValueInt(snapshot::entrySize(i));
    entry.setValue("272", snapshot::kEntryDate);
    entry.setValue("273", snapshot::kEntryTime);
    list->put(&entry);
  }
  return message;
}
