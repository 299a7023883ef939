#pragma once

// CMD2: the MD2 message digest (RFC 1319) as a hexadecimal-text engine.
//
//   CMD2 md2;
//   const char* hex = md2.getDigest(message, length);  // 32 characters

#include "tolvex/export.h"
#include "tolvex/foundation/md_engine.h"

/// The MD2 engine: its digest text is 32 lower-case hexadecimal characters.
/// Thread-safety: not safe for concurrent use; one object serves one thread at
/// a time. m_aSubst is only read and may be shared freely.
class TOLVEX_API CMD2 : public IMDEngine {
 public:
  /// The byte permutation S of the algorithm (RFC 1319's PI_SUBST).
  static const unsigned char m_aSubst[256];

  /// The state is undefined until initialize().
  CMD2();

  // IMDEngine
  /// Clears the state and the checksum.
  void initialize() override;
  /// Processes the whole message: its full 16-byte blocks and one padding
  /// block. A null message counts as empty.
  void calculate(unsigned char* message, unsigned long count) override;
  /// Processes the checksum block and stores the 32-character digest text.
  void finalize() override;
  ~CMD2() override;

  /// Processes one 16-byte block into the state and the checksum.
  void transform(unsigned char* block);

 private:
  unsigned char m_aState[16];  // the first 16 bytes of the 48-byte buffer
  unsigned char m_aChecksum[16];
};
