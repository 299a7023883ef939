#include <cmath>
#include <string>

#include "tolvex/model/i_field.h"
#include "tolvex/model/i_field_group.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/text/base64_internal.h"
#include "tolvex/text/json.h"
#include "tolvex/text/value_text_internal.h"

namespace {

class JsonWriter {
 public:
  JsonWriter(std::string& out, const Redaction& redaction)
      : out_(out), redaction_(redaction) {}

  void group(const IFieldGroup& group) {
    out_ += '{';
    const char* separator = "";
    for (const IField* field = group.getFirst(); field != nullptr;
         field = group.getNext()) {
      out_ += separator;
      separator = ", ";
      const char* name = field->getName();
      text_forms::appendJsonString(out_, name);
      out_ += ": {";
      if (redaction_.masks(name)) {
        out_ += "\"text\": \"";
        out_ += Redaction::MASK;
        out_ += "\"}";
      } else {
        value(*field);
        out_ += '}';
      }
    }
    out_ += '}';
  }

 private:
  void value(const IField& field) {
    switch (field.getDataType()) {
      case IField::DT_INT:
        out_ += "\"int\": ";
        out_ += field.getValueString();
        return;
      case IField::DT_LONG:
        out_ += "\"long\": ";
        out_ += field.getValueString();
        return;
      case IField::DT_DOUBLE: {
        const double value = field.getValueDouble();
        out_ += "\"double\": ";
        const bool finite = std::isfinite(value);
        if (!finite) out_ += '"';
        text_forms::appendShortestDouble(out_, value);
        if (!finite) out_ += '"';
        return;
      }
      case IField::DT_STRING:
        out_ += "\"text\": ";
        text_forms::appendJsonString(out_, field.getValueString());
        return;
      case IField::DT_BINARY: {
        int length = 0;
        const void* data = field.getValueBinary(length);
        out_ += "\"binary\": \"";
        text_forms::appendBase64(out_, data, length);
        out_ += '"';
        return;
      }
      case IField::DT_LIST:
        list(*field.getValueList());
        return;
      default:
        out_ += "\"none\": null";
    }
  }

  void list(const IFieldGroupList& list) {
    out_ += "\"list\": [";
    const char* separator = "";
    for (const IFieldGroup* entry = list.getFirst(); entry != nullptr;
         entry = list.getNext()) {
      out_ += separator;
      separator = ", ";
      group(*entry);
    }
    out_ += ']';
  }

  std::string& out_;
  const Redaction& redaction_;
};

}  // namespace

std::string toJson(const IFieldGroup& group, const Redaction& redaction) {
  std::string out;
  out.reserve(256);
  JsonWriter(out, redaction).group(group);
  return out;
}
