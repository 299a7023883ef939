#pragma once

// FixVocabulary: the names of the protocol's field tags, message types and
// enumerated values, both ways, taken from the constants of IFixDefs.
//
//   FixVocabulary::tagName("262")              // "MDREQID"
//   FixVocabulary::tagByName("MDREQID")        // "262"
//   FixVocabulary::msgTypeName("V")            // "MARKETDATAREQUEST"
//   FixVocabulary::valueName("269", "0")       // "BID"
//   FixVocabulary::valueByName("269", "BID")   // "0"
//
// A name is the constant's name without its set's prefix: FLDTAG_MDREQID is
// the tag MDREQID, MDENTRYTYPE_BID the value BID of the tag MDENTRYTYPE
// ("269"). Integer-coded values are named by their decimal text, as they
// travel in a field: the value "1" of USERREQUESTTYPE ("924") is LOGONUSER.
// Only sets carried in one field have value names; the channel flags and the
// platform request reject reasons have none.

#include "tolvex/export.h"

/// Lookups in constant tables, sorted when the library is built: no call
/// allocates, throws or locks. A null or unknown argument gives null (0 for
/// tagNames). Returned names and values are literals of the library, valid
/// as long as it is loaded; they are not the IFixDefs pointers themselves.
/// Thread-safety: safe to call from any thread; the tables never change.
class TOLVEX_API FixVocabulary {
 public:
  FixVocabulary() = delete;

  /// The name of the field tag `tag`. Where names share a tag ("9000" is
  /// QELBSTART and QELBSYMID; "9075" is QELBTIMINGINTERVALEX and SETTLTYPE)
  /// it is the one IFixDefs declares first; tagNames() gives all of them.
  static const char* tagName(const char* tag);
  /// Every name of the field tag `tag`, in IFixDefs' order: stores up to
  /// `capacity` of them in `names` and returns how many there are.
  static int tagNames(const char* tag, const char** names, int capacity);
  /// The field tag named `name` ("MDREQID" gives "262").
  static const char* tagByName(const char* name);

  /// The name of the message type `type` ("V" gives "MARKETDATAREQUEST").
  static const char* msgTypeName(const char* type);
  /// The message type named `name`.
  static const char* msgTypeByName(const char* name);

  /// The name of the value `value` of the field tag `tag` ("269", "0"
  /// gives "BID").
  static const char* valueName(const char* tag, const char* value);
  /// The value named `name` of the field tag `tag` ("269", "BID" gives
  /// "0").
  static const char* valueByName(const char* tag, const char* name);
};
