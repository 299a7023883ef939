#include "md2_reference.h"

#include <cstring>

#include "tolvex/foundation/md2.h"

namespace md2_reference {

namespace {

struct Context {
  unsigned char state[16] = {};
  unsigned char checksum[16] = {};
};

void transform(Context& context, const unsigned char block[16]) {
  const unsigned char* const pi = CMD2::m_aSubst;
  unsigned char x[48];
  for (int i = 0; i < 16; ++i) {
    x[i] = context.state[i];
    x[i + 16] = block[i];
    x[i + 32] = static_cast<unsigned char>(context.state[i] ^ block[i]);
  }
  unsigned int t = 0;
  for (unsigned int j = 0; j < 18; ++j) {
    for (int k = 0; k < 48; ++k) t = x[k] ^= pi[t];
    t = (t + j) & 0xff;
  }
  std::memcpy(context.state, x, 16);
  t = context.checksum[15];
  for (int i = 0; i < 16; ++i) t = context.checksum[i] ^= pi[block[i] ^ t];
}

}  // namespace

void digest(const unsigned char* message, std::size_t length,
            unsigned char digest[16]) {
  Context context;
  std::size_t i = 0;
  for (; i + 16 <= length; i += 16) transform(context, message + i);
  unsigned char last[16];
  const std::size_t rest = length - i;
  std::memcpy(last, message + i, rest);
  std::memset(last + rest, static_cast<int>(16 - rest), 16 - rest);
  transform(context, last);
  std::memcpy(last, context.checksum, 16);
  transform(context, last);
  std::memcpy(digest, context.state, 16);
}

}  // namespace md2_reference
