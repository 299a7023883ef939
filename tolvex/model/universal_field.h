#pragma once

// UniversalField: the message model's field, one named value of one kind.
//
//   UniversalField price("44", 1.25);
//   price.getValueInt();     // 1
//   price.getValueString();  // "1.25" followed by 58 zeros
//
// Choices this implementation makes where the model leaves room:
// - A double renders as its whole "%.60f" text. Values above -10 and below
//   100 fit the 64-character text buffer; any longer text is written to a
//   heap block held in the text pointer, which is idle while the field holds
//   a double, and released when the value is replaced or the field dies.
// - A text of up to 63 characters is kept in the text buffer, which number
//   kinds use only while the field holds one, so the pointer that
//   getValueString() returns for a text stays valid until the value is
//   replaced, wherever the text lives; longer texts get a heap array.
// - Doubles beyond the range of the target integer saturate at its limits in
//   getValueInt() and getValueLong(); NaN gives 0.
// - Self-assignment, copy(*this) and setting a field from its own storage
//   (f.setValue(f.getValueString()), f.setValue(f.getValueList())) keep the
//   value: the new storage is made before the old one is released, so a
//   setter that runs out of memory leaves the field as it was.
// - A list of another IFieldGroupList implementation is copied group by
//   group through its getFirst()/getNext(), which moves that list's cursor;
//   a group it holds that the list model cannot take throws as
//   UniversalFieldGroupList::put does, leaving this field unchanged.
// - A null name gives the empty name in the constructors and is ignored by
//   setName(). setValueBinary() ignores a negative length and a null `data`
//   with a positive length; a length of 0 stores an empty block.
// - toString() of a field with no value or a binary value shows nothing
//   after " = ".

#include <string>

#include "tolvex/export.h"
#include "tolvex/model/i_field.h"

class UniversalFieldGroup;
class UniversalFieldGroupList;

/// The only IField implementation.
/// Not safe for concurrent use, not even const calls: getValueString() and
/// toString() rewrite the text buffer.
class TOLVEX_API UniversalField : public IField {
 public:
  /// An unnamed field with no value.
  UniversalField();
  /// A named field with no value.
  explicit UniversalField(const char* name);
  /// A named field, then the matching setter (a null text or list leaves it
  /// with no value).
  ///@{
  UniversalField(const char* name, const char* text);
  UniversalField(const char* name, int value);
  UniversalField(const char* name, long long value);
  UniversalField(const char* name, double value);
  UniversalField(const char* name, const IFieldGroupList* list);
  ///@}
  /// A deep copy of `other`.
  UniversalField(const UniversalField& other);
  /// copy(other); assigning a field to itself keeps its value.
  UniversalField& operator=(const UniversalField& other);
  ~UniversalField() override;

  /// Takes `other`'s name and, when it has one, a deep copy of its value
  /// (through the virtual setters). A field with no value leaves this
  /// field's value as it was.
  void copy(const UniversalField& other);
  /// Releases the storage of the current kind and leaves the type code as it
  /// is; call a setter next.
  void free();
  /// The field's line of the text dump: "field: <name> = <text>\n".
  std::string toString() const;

  // IField
  int getDataType() const override;
  void setName(const char* name) override;
  const char* getName() const override;
  bool isNullValue() const override;
  void setValue(const char* text) override;
  const char* getValueString() const override;
  void setValueLong(long long value) override;
  long long getValueLong() const override;
  void setValueInt(int value) override;
  int getValueInt() const override;
  void setValueDouble(double value) override;
  double getValueDouble() const override;
  void setValue(const IFieldGroupList* list) override;
  IFieldGroupList* getValueList() const override;
  void setValueBinary(const void* data, int length) override;
  const void* getValueBinary(int& length) const override;

 private:
  friend class DumpWriter;

  static const int kTextBufferSize = 64;

  // Appends toString() to `out` without a temporary.
  void appendLine(std::string& out) const;
  // Releases the current storage, then adopts the given code.
  void replaceKind(int type);

  std::string name_;
  int type_;
  // Text of a text value: text_buffer_ for a short text, an owned array
  // otherwise; while the field holds a double, the owned rendering of a value
  // too long for text_buffer_, made on demand. Null otherwise.
  mutable char* text_;
  int int_;
  long long long_;
  double double_;
  UniversalFieldGroupList* list_;
  int binary_length_;
  void* binary_;
  mutable char text_buffer_[kTextBufferSize];
};
