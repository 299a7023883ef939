#pragma once

// CMD5: the MD5 message digest (RFC 1321), delivered as four 32-bit words.
//
//   unsigned int words[4];
//   CMD5::getHash(text, std::strlen(text), words, 4);
//
//   char hex[33];
//   CMD5::toHex(words, hex);  // "900150983cd24fb0d6963f7d28e17f72" for "abc"
//
// On a little-endian machine the sixteen bytes of the four words, in memory
// order, are the digest bytes, so printing the words with %08x does not give
// the usual text: toHex() does.

#include "tolvex/export.h"

/// The MD5 engine; it holds the four state words and no digest text.
/// Thread-safety: not safe for concurrent use; one object serves one thread at
/// a time. getHash() uses a local engine and may run on many threads at once.
class TOLVEX_API CMD5 {
 public:
  /// The state is undefined until initialize().
  CMD5();

  /// Sets the state to the algorithm's four starting words.
  void initialize();
  /// Compresses one 64-byte block into the state.
  void transform(unsigned char const* block);
  /// Processes the whole message: its full 64-byte blocks and its padding
  /// with the length. A null message counts as empty.
  void calculate(unsigned char const* message, unsigned long count);
  /// Does nothing: calculate() has completed the digest.
  void finalize();

  /// Digests count bytes of message into words[0] to words[3]. size is not
  /// consulted: words must hold four elements. A null words gets nothing.
  void get(char const* message, unsigned long count, unsigned int* words,
           unsigned long size);
  /// get() on a local engine.
  static void getHash(char const* message, unsigned long count,
                      unsigned int* words, unsigned long size);

  /// Writes the usual text of the digest in `words` (as get() fills them)
  /// into `text`: 32 lower-case hexadecimal characters, the digest bytes in
  /// order (each word's low byte first, on any machine), and a NUL; `text`
  /// must hold 33 characters. A null `words` writes the empty text; a null
  /// `text` gets nothing.
  static void toHex(unsigned int const* words, char* text);

 private:
  unsigned int m_aState[4];
};
