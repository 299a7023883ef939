#pragma once

// describe: a message or field group as indented text for logs and support,
// one field per line, with the names of tags, message types and values.
//
//   message "W" MARKETDATASNAPSHOTFULLREFRESH, session "SESSION-1"
//     55 SYMBOL: "EUR/USD"
//     268 NOMDENTRIES: list of 2
//       #1
//         269 MDENTRYTYPE: "0" BID
//         270 MDENTRYPX: double 1.0825
//     554 PASSWORD: ***
//
// Fields come in the group's name order: the name, the tag's name when the
// vocabulary has one, and the value. A text is quoted with \", \\, \n, \r,
// \t and \xNN escapes; other kinds show their kind first ("int 100",
// "long 5", "double 1.0825" in its shortest exact form, "binary 3 bytes
// AAEC" in base64, "none"); a list shows its size and its groups numbered
// from 1, each two spaces deeper. A value with a name in the vocabulary is
// followed by that name. Every line ends in a line feed. The form is
// stable: a later version changes it only in its change log.

#include <string>

#include "tolvex/export.h"
#include "tolvex/text/redaction.h"

class IFieldGroup;
class IMessage;

/// The fields of `group`, from column 0; the values of the fields that
/// `redaction` names show Redaction::MASK. Walks the group with its built-in
/// cursors, so it is not safe alongside any other use of the group.
TOLVEX_API std::string describe(const IFieldGroup& group,
                                const Redaction& redaction = Redaction());

/// A header line with the message type in quotes, its name, and the session
/// id in quotes ((none) when absent), then the other fields two spaces in.
TOLVEX_API std::string describe(const IMessage& message,
                                const Redaction& redaction = Redaction());
