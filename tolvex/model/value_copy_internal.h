// Private header: not installed.
#pragma once

// The one value-copy dispatch of the message model: UniversalField::copy
// reads the value a field stores, UniversalFieldGroup::putField the value an
// IField of another implementation reports.

#include "tolvex/model/i_field.h"
#include "tolvex/model/universal_field.h"

// The value `field` stores, read without its virtual getters, so that a
// class derived from UniversalField cannot change what a copy of it takes.
// For a matching kind, each getter of UniversalField returns its stored
// value as it is.
struct StoredValue {
  const UniversalField& field;

  int getDataType() const { return field.UniversalField::getDataType(); }
  int getValueInt() const { return field.UniversalField::getValueInt(); }
  const char* getValueString() const {
    return field.UniversalField::getValueString();
  }
  IFieldGroupList* getValueList() const {
    return field.UniversalField::getValueList();
  }
  double getValueDouble() const {
    return field.UniversalField::getValueDouble();
  }
  long long getValueLong() const {
    return field.UniversalField::getValueLong();
  }
  const void* getValueBinary(int& length) const {
    return field.UniversalField::getValueBinary(length);
  }
};

// Gives `to`, through its virtual setters, a deep copy of the value `from`
// holds (an IField or a StoredValue); a source with no value leaves `to` as
// it was. Throws std::bad_alloc as the setters do.
template <typename Source>
void copyValue(const Source& from, IField& to) {
  switch (from.getDataType()) {
    case IField::DT_INT:
      to.setValueInt(from.getValueInt());
      break;
    case IField::DT_STRING:
      to.setValue(from.getValueString());
      break;
    case IField::DT_LIST:
      to.setValue(static_cast<const IFieldGroupList*>(from.getValueList()));
      break;
    case IField::DT_DOUBLE:
      to.setValueDouble(from.getValueDouble());
      break;
    case IField::DT_LONG:
      to.setValueLong(from.getValueLong());
      break;
    case IField::DT_BINARY: {
      int length = 0;
      const void* data = from.getValueBinary(length);
      to.setValueBinary(data, length);
      break;
    }
  }
}
