#pragma once

// TradingSessionDesc: one trading session of a server (its sub-ID, ID, name,
// description, named string properties and an error code and text), with a
// one-line text form
//
//   subID;ID;name;desc;property=value;property=value...
//
// written by toString() and read back in part (sub-ID, ID and name) by
// parse(). Nothing in the text is escaped, so a value that holds ';' or '='
// does not read back as it was written.
//
//   TradingSessionDesc desc("S1", "I1", "Main", nullptr);
//   desc.setProperty(TradingSessionDesc::PIN_REQUIRED, "Y");
//   char line[256];
//   desc.toString(line, sizeof line);  // "S1;I1;Main;Main;PIN_REQUIRED=Y"

#include <string>

#include "tolvex/export.h"
#include "tolvex/foundation/std_hash_table.h"

/// A descriptor owning copies of its texts and its property table. Three
/// getters fall back on other members (the effective values), and copies
/// and the text form use the effective values. Text getters return the
/// descriptor's own copies or a literal, never to be freed, valid until the
/// member is set again, the descriptor is parsed into or assigned to, or it
/// dies.
/// When memory runs out an operation throws std::bad_alloc and leaks
/// nothing; a failed constructor leaves nothing behind, and a failed setter
/// or assignment leaves the descriptor as it was. A failed parse() leaves
/// the texts it had read so far.
/// Thread-safety: not safe for concurrent use, not even const calls:
/// toString() and the property getters move the table's cursor.
class TOLVEX_API TradingSessionDesc {
 public:
  /// The name of the property that says whether the session asks for a PIN.
  static const char* PIN_REQUIRED;  // "PIN_REQUIRED"

  /// Sub-ID "" and ID "QELB"; no name, description or properties.
  TradingSessionDesc();
  /// Copies of the non-null arguments; note that the sub-ID comes first.
  TradingSessionDesc(const char* subID, const char* id, const char* name,
                     const char* desc);
  /// The sub-ID, ID and name read from a text form, as parse() does.
  explicit TradingSessionDesc(const char* text);
  /// Takes the effective values of `other` as its own texts, a copy of its
  /// properties, its error code and its error text.
  TradingSessionDesc(const TradingSessionDesc& other);
  /// As the copy constructor, except that an empty error text of `other`
  /// leaves this descriptor's error text as it was. Nothing happens when
  /// `other` is this descriptor.
  TradingSessionDesc& operator=(const TradingSessionDesc& other);
  virtual ~TradingSessionDesc();

  /// The ID, or "QELB" when there is none; never null.
  const char* getID() const;
  /// The sub-ID, or null; no fallback.
  const char* getSubID() const;
  /// The name, or else the sub-ID; null when both are null.
  const char* getName() const;
  /// The description; when there is none, getName() if there is a sub-ID
  /// and null otherwise.
  const char* getDesc() const;

  /// The setters store a copy of the text; null clears the member.
  ///@{
  void setID(const char* id);
  void setSubID(const char* subID);
  void setName(const char* name);
  void setDesc(const char* desc);
  ///@}

  /// The text of the string property `name`, pointing into the property
  /// table; null when it is absent or not a string.
  const char* getProperty(const char* name) const;
  /// Stores a copy of `value` as the string property `name`, replacing one
  /// of that name; does nothing when either is null.
  void setProperty(const char* name, const char* value);
  /// The descriptor's own property table, which it deletes; never null.
  /// Changes made through it are the descriptor's properties.
  StdHashTable* getProperties() const;
  /// True when the PIN_REQUIRED property is "Y" or "y".
  bool pinRequired() const;

  /// Stores the error code as given.
  void setErrorCode(int code);
  /// The error code; 0 until one is set.
  int getErrorCode() const;
  /// Replaces the error text with a copy of `text`; null empties it.
  void setErrorMessage(const char* text);
  /// The error text, "" when there is none; never null.
  const char* getErrorMessage() const;

  /// Reads the sub-ID, ID and name from the text form and clears the
  /// description; properties and error are left alone. Each field runs up
  /// to the next ';'. An empty field, or one without a following ';', takes
  /// the whole rest of the text, separators included, and ends the reading,
  /// as does a ';' at the end of the text. A null `text` leaves the four
  /// texts cleared.
  void parse(const char* text);
  /// Writes the text form into `buffer` of `size` bytes: the four effective
  /// values, then ";name=value" for each string property in name order
  /// (properties of other types are left out). Without a sub-ID the buffer
  /// holds "". A text that does not fit with its terminating NUL leaves ""
  /// in the buffer. A null buffer or a size below 1 writes nothing.
  void toString(char* buffer, int size) const;

 private:
  /// Makes the property table and the copies of the texts, and zeroes the
  /// error code; only for a descriptor under construction. When it throws,
  /// nothing is left allocated.
  void init(const char* subID, const char* id, const char* name,
            const char* desc);
  /// Frees the four texts and deletes the property table.
  void releaseContents();
  /// The copy constructor's work: takes `other`'s effective values,
  /// properties and error code; the error text only when it is not empty.
  /// When it throws, nothing is left allocated.
  void copyFrom(const TradingSessionDesc& other);

  char* id;
  char* subID;
  char* name;
  char* desc;
  std::string errorMessage;
  int errorCode;
  StdHashTable* properties;
};
