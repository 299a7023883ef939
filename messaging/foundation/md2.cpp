#include "tolvex/foundation/md2.h"

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

// The 18 rounds are one chain of 864 dependent look-ups in S, so their speed
// is the latency of one link. Each link is kept to a plain load and an XOR:
// the running byte t is held as a pointer into Links, whose entry for t
// already holds the pointer for S[t]. As the table is aligned to its own
// size, XOR-ing a pointer with kStride * x gives the entry for S[t] ^ x.
constexpr std::uintptr_t kStride = sizeof(std::uintptr_t);
constexpr std::uintptr_t kMask = 255 * kStride;

struct alignas(256 * kStride) Links {
  Links() {
    const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(entry);
    for (int t = 0; t < 256; ++t) entry[t] = base + kStride * CMD2::m_aSubst[t];
  }
  std::uintptr_t entry[256];
};

const Links& links() {
  static const Links instance;
  return instance;
}

// One block into state and checksum.
void compress(unsigned char* state, unsigned char* checksum,
              const unsigned char* block, const Links& links) {
  // The 48-byte buffer, each byte scaled by kStride.
  std::uintptr_t x[48];
  for (int i = 0; i < 16; ++i) {
    x[i] = kStride * state[i];
    x[16 + i] = kStride * block[i];
    x[32 + i] = kStride * (state[i] ^ block[i]);
  }
  const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(links.entry);
  std::uintptr_t t = base;
  for (unsigned j = 0; j < 18; ++j) {
#pragma GCC unroll 48
    for (int k = 0; k < 48; ++k) {
      // NOLINTNEXTLINE(performance-no-int-to-ptr): the link is the address
      t = *reinterpret_cast<const std::uintptr_t*>(t) ^ x[k];
      x[k] = t & kMask;
    }
    t = base | ((t + kStride * j) & kMask);
  }
  for (int i = 0; i < 16; ++i) {
    state[i] = static_cast<unsigned char>(x[i] / kStride);
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
  const Links& table = links();
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
  compress(m_aState, m_aChecksum, checksum, links());
  setDigest(m_aState, sizeof m_aState);
}

void CMD2::transform(unsigned char* block) {
  compress(m_aState, m_aChecksum, block, links());
}
