#include "tolvex/foundation/md2.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

// clang-format off
const unsigned char CMD2::m_aSubst[256] = {
     41,  46,  67, 201, 162, 216, 124,   1,  61,  54,  84, 161,
    236, 240,   6,  19,  98, 167,   5, 243, 192, 199, 115, 140,
    152, 147,  43, 217, 188,  76, 130, 202,  30, 155,  87,  60,
    253, 212, 224,  22, 103,  66, 111,  24, 138,  23, 229,  18,
    190,  78, 196, 214, 218, 158, 222,  73, 160, 251, 245, 142,
    187,  47, 238, 122, 169, 104, 121, 145,  21, 178,   7,  63,
    148, 194,  16, 137,  11,  34,  95,  33, 128, 127,  93, 154,
     90, 144,  50,  39,  53,  62, 204, 231, 191, 247, 151,   3,
    255,  25,  48, 179,  72, 165, 181, 209, 215,  94, 146,  42,
    172,  86, 170, 198,  79, 184,  56, 210, 150, 164, 125, 182,
    118, 252, 107, 226, 156, 116,   4, 241,  69, 157, 112,  89,
    100, 113, 135,  32, 134,  91, 207, 101, 230,  45, 168,   2,
     27,  96,  37, 173, 174, 176, 185, 246,  28,  70,  97, 105,
     52,  64, 126,  15,  85,  71, 163,  35, 221,  81, 175,  58,
    195,  92, 249, 206, 186, 197, 234,  38,  44,  83,  13, 110,
    133,  40, 132,   9, 211, 223, 205, 244,  65, 129,  77,  82,
    106, 220,  55, 200, 108, 193, 171, 250,  36, 225, 123,   8,
     12, 189, 177,  74, 120, 136, 149, 139, 227,  99, 232, 109,
    233, 203, 213, 254,  59,   0,  29,  57, 242, 239, 183,  14,
    102,  88, 208, 228, 166, 119, 114, 248, 235, 117,  75,  10,
     49,  68,  80, 180, 143, 237,  31,  26, 219, 153, 141,  51,
    159,  17, 131,  20};
// clang-format on

namespace {

// The 18 rounds are one chain of 864 dependent look-ups in S (t = x[k] ^=
// S[t]), so their speed is the latency of one link. A plain link is a load
// and an XOR; here it is a single load, the XOR being folded into the load's
// address.
//
// For that, a byte b = sum of bit_i * 2^i is held as its code
// g(b) = sum of bit_i * 3^i. Two codes add digit by digit without carry,
// and the parity of each digit of g(x) + g(y) is a bit of x ^ y; so the
// table entry at g(x) + g(y), which the load's addressing adds for free,
// can hold the results for x ^ y: the code of S[x ^ y], the next link's
// addend, and the code of x ^ y itself, the new byte of the buffer. Codes
// are kept as byte offsets into the table (g times the entry size): loads
// with a scaled index measured slower.
constexpr int kCodes = 3281;            // g(0) to g(255) = 3280
constexpr std::size_t kEntries = 6561;  // every sum of two codes, 3^8
constexpr std::size_t kEntrySize = 4;   // two 16-bit offsets
constexpr std::size_t kByteAt = 2;      // where the second one lies

struct Tables {
  Tables() {
    for (int b = 0; b < 256; ++b) {
      int g = 0;
      for (int bit = 0, power = 1; bit < 8; ++bit, power *= 3) {
        if ((b >> bit & 1) != 0) g += power;
      }
      offset[b] = static_cast<std::uint16_t>(g * static_cast<int>(kEntrySize));
      byte[g] = static_cast<unsigned char>(b);
    }
    for (int b = 0; b < 256; ++b) offsetOfS[b] = offset[CMD2::m_aSubst[b]];
    for (std::size_t sum = 0; sum < kEntries; ++sum) {
      int b = 0;
      for (std::size_t bit = 0, rest = sum; bit < 8; ++bit, rest /= 3) {
        b |= static_cast<int>(rest % 3 & 1) << bit;
      }
      // The entry for x ^ y = b: g(S[b]), then g(b), as offsets.
      std::memcpy(entries + sum * kEntrySize, &offsetOfS[b], 2);
      std::memcpy(entries + sum * kEntrySize + kByteAt, &offset[b], 2);
    }
  }
  alignas(64) unsigned char entries[kEntries * kEntrySize];
  std::uint16_t offset[256];
  std::uint16_t offsetOfS[256];
  unsigned char byte[kCodes];
};

const Tables& tables() {
  static const Tables instance;
  return instance;
}

std::size_t load16(const unsigned char* at) {
  std::uint16_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// The value, hidden from the optimiser: without it the compiler computes the
// address that both loads of a link share with an addition, which then
// lies on the chain instead of inside the load.
inline std::size_t opaque(std::size_t value) {
  asm("" : "+r"(value));
  return value;
}

// One block into state and checksum.
void compress(unsigned char* state, unsigned char* checksum,
              const unsigned char* block, const Tables& tables) {
  // The 48-byte buffer, each byte as a pointer to the entry of its code.
  const unsigned char* const entries = tables.entries;
  const unsigned char* x[48];
  for (int i = 0; i < 16; ++i) {
    x[i] = entries + tables.offset[state[i]];
    x[16 + i] = entries + tables.offset[block[i]];
    x[32 + i] = entries + tables.offset[state[i] ^ block[i]];
  }
  // The offset of g(S[t]), t starting at 0.
  std::size_t next = tables.offsetOfS[0];
  for (unsigned j = 0; j < 18; ++j) {
#pragma GCC unroll 48
    for (int k = 0; k < 48; ++k) {
      const std::size_t same = opaque(next);
      next = load16(x[k] + next);
      x[k] = entries + load16(x[k] + same + kByteAt);
    }
    const unsigned t = tables.byte[(x[47] - entries) / kEntrySize];
    next = tables.offsetOfS[(t + j) & 0xff];
  }
  for (int i = 0; i < 16; ++i) {
    state[i] = tables.byte[(x[i] - entries) / kEntrySize];
  }

  unsigned char last = checksum[15];
  for (int i = 0; i < 16; ++i) {
    last = checksum[i] ^= CMD2::m_aSubst[block[i] ^ last];
  }
}

}  // namespace

CMD2::CMD2() = default;

CMD2::~CMD2() = default;

void CMD2::initialize() {
  std::memset(m_aState, 0, sizeof m_aState);
  std::memset(m_aChecksum, 0, sizeof m_aChecksum);
}

void CMD2::calculate(unsigned char* message, unsigned long count) {
  if (message == nullptr) count = 0;
  const Tables& table = tables();
  const unsigned long whole = count - count % 16;
  for (unsigned long i = 0; i < whole; i += 16) {
    compress(m_aState, m_aChecksum, message + i, table);
  }
  // The padding: 16 - r bytes of value 16 - r after the r remaining bytes.
  const unsigned long rest = count - whole;
  unsigned char last[16];
  if (rest != 0) std::memcpy(last, message + whole, rest);
  std::memset(last + rest, static_cast<int>(16 - rest), 16 - rest);
  compress(m_aState, m_aChecksum, last, table);
}

void CMD2::finalize() {
  unsigned char checksum[16];
  std::memcpy(checksum, m_aChecksum, sizeof checksum);
  compress(m_aState, m_aChecksum, checksum, tables());
  setDigest(m_aState, sizeof m_aState);
}

void CMD2::transform(unsigned char* block) {
  compress(m_aState, m_aChecksum, block, tables());
}
