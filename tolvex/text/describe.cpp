#include "tolvex/text/describe.h"

#include <cstring>

#include "tolvex/model/i_field.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/model/i_message.h"
#include "tolvex/protocol/fix_defs.h"
#include "tolvex/protocol/fix_vocabulary.h"
#include "tolvex/text/value_text_internal.h"

namespace {

class Describer {
 public:
  Describer(std::string& out, const Redaction& redaction)
      : out_(out), redaction_(redaction) {}

  // `skipHeader`: leave out the session id and message type, which a
  // message's header line shows.
  void group(const IFieldGroup& group, int indent, bool skipHeader) {
    for (const IField* field = group.getFirst(); field != nullptr;
         field = group.getNext()) {
      const char* name = field->getName();
      if (skipHeader && (std::strcmp(name, IMessage::TAG_SID) == 0 ||
                         std::strcmp(name, IFixDefs::FLDTAG_MSGTYPE) == 0)) {
        continue;
      }
      this->field(*field, name, indent);
    }
  }

 private:
  void field(const IField& field, const char* name, int indent) {
    out_.append(static_cast<std::size_t>(indent), ' ');
    text_forms::appendQuotedIfNeeded(out_, name);
    if (const char* tagName = FixVocabulary::tagName(name)) {
      out_ += ' ';
      out_ += tagName;
    }
    out_ += ": ";
    if (redaction_.masks(name)) {
      out_ += Redaction::MASK;
      out_ += '\n';
      return;
    }
    text_forms::appendReadableValue(out_, field);
    const int type = field.getDataType();
    if (type == IField::DT_STRING || type == IField::DT_INT ||
        type == IField::DT_LONG) {
      if (const char* valueName =
              FixVocabulary::valueName(name, field.getValueString())) {
        out_ += ' ';
        out_ += valueName;
      }
    }
    out_ += '\n';
    if (type == IField::DT_LIST) list(*field.getValueList(), indent + 2);
  }

  void list(const IFieldGroupList& list, int indent) {
    int number = 1;
    for (const IFieldGroup* entry = list.getFirst(); entry != nullptr;
         entry = list.getNext(), ++number) {
      out_.append(static_cast<std::size_t>(indent), ' ');
      out_ += '#';
      out_ += std::to_string(number);
      out_ += '\n';
      group(*entry, indent + 2, false);
    }
  }

  std::string& out_;
  const Redaction& redaction_;
};

}  // namespace

std::string describe(const IFieldGroup& group, const Redaction& redaction) {
  std::string out;
  Describer(out, redaction).group(group, 0, false);
  return out;
}

std::string describe(const IMessage& message, const Redaction& redaction) {
  std::string out = "message ";
  const char* type = message.getMsgType();
  if (type == nullptr) {
    out += "(none)";
  } else {
    text_forms::appendQuoted(out, type);
    if (const char* typeName = FixVocabulary::msgTypeName(type)) {
      out += ' ';
      out += typeName;
    }
  }
  out += ", session ";
  const char* session = message.getSessionId();
  if (session == nullptr) {
    out += "(none)";
  } else if (redaction.masks(IMessage::TAG_SID)) {
    out += Redaction::MASK;
  } else {
    text_forms::appendQuoted(out, session);
  }
  out += '\n';
  Describer(out, redaction).group(message, 2, true);
  return out;
}
