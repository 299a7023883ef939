#pragma once

// GenericException, the root of the library's exception family.
//
// Exceptions of the family are thrown by pointer: the thrower allocates with
// `new`, the catcher owns the object and deletes it.
//
//   try {
//     table->getName();
//   } catch (GenericException* e) {
//     log(e->getMessage(), e->getErrorCode());
//     delete e;
//   }

#include "tolvex/export.h"

/// A message text and a signed error code. The text is optional: an exception
/// without one reports it as the empty string.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API GenericException {
 public:
  /// Keeps a copy of `message`; a null or empty `message` gives no text.
  /// Texts never throw: when memory runs out for a text's copy, the
  /// exception is left without text (here, in setMessage and in copies).
  GenericException(const char* message, int code);
  /// Copies the text that `other.getMessage()` reports, and the error code.
  GenericException(const GenericException& other);
  virtual ~GenericException();

  /// Replaces the text with a copy of `text`; a null or empty `text` is
  /// ignored and the previous text stays.
  virtual void setMessage(const char* text);
  /// The text, or "" when there is none; never null. Points into this object
  /// and stays valid until the text is replaced or the object dies.
  virtual const char* getMessage() const;
  /// A new copy of this exception; the caller deletes it.
  virtual GenericException* clone();
  /// The error code given at construction.
  virtual int getErrorCode() const;

  /// Takes `other`'s text through the virtual setMessage (so a source without
  /// text leaves this object's text in place) and its error code.
  GenericException& operator=(const GenericException& other);

 protected:
  /// Drops the text, leaving the exception without one.
  void releaseMessage();

 private:
  char* message_;  // strdup copy, or null when there is no text
  int errorCode_;
};
