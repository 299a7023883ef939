#pragma once

// IMDEngine: the abstract message-digest engine that delivers its digest as
// lower-case hexadecimal text.
//
//   IMDEngine* engine = new CMD2;
//   const char* hex = engine->getDigest(message, length);  // 32 characters
//   engine->destruct();

#include "tolvex/export.h"

/// A digest engine that keeps its last digest as hexadecimal text; not
/// copyable. Delete it with destruct() or delete.
/// Thread-safety: not safe for concurrent use; one engine serves one thread at
/// a time.
class TOLVEX_API IMDEngine {
 public:
  /// Starts without digest text.
  IMDEngine();
  IMDEngine(const IMDEngine&) = delete;
  IMDEngine& operator=(const IMDEngine&) = delete;

  /// Starts a new digest; the digest text is not touched.
  virtual void initialize() = 0;
  /// Processes a whole message of count bytes, its padding included.
  virtual void calculate(unsigned char* message, unsigned long count) = 0;
  /// Completes the digest and stores its text with setDigest().
  virtual void finalize() = 0;
  /// Frees the digest text.
  virtual ~IMDEngine();

  /// Deletes this engine; the object is gone afterwards. Does nothing when
  /// called through a null pointer, as client programs have long relied on.
  void destruct();

  /// Digests count bytes of message (initialize, calculate, finalize) and
  /// returns the digest text. The text is owned by the engine and valid until
  /// the next getDigest() or setDigest() on it or its destruction. A null
  /// message counts as empty.
  char* getDigest(unsigned char* message, unsigned int count);
  /// The same for a message the caller cannot hand out as writable; engines
  /// of this library only read the message.
  char* getDigest(const unsigned char* message, unsigned int count);

  /// Replaces the digest text with the hexadecimal form of count bytes (2 *
  /// count characters; the empty text for 0 or a null digest). Above
  /// 1073741822 bytes throws std::runtime_error by value, the engine then
  /// holding no text.
  void setDigest(unsigned char const* digest, unsigned int count);

  /// The ASCII character of a digit: '0'-'9' for 0-9, 'a'-'f' for 10-15.
  char toChar(unsigned char digit);
  /// The high four bits of a byte.
  unsigned char hiDigit(unsigned char byte);
  /// The low four bits of a byte.
  unsigned char loDigit(unsigned char byte);

 private:
  char* m_pDigest;  // made with new[], or null
};
