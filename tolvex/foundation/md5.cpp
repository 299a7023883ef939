#include "tolvex/foundation/md5.h"

#include <cstdint>
#include <cstring>

namespace {

using Word = std::uint32_t;

static_assert(sizeof(unsigned int) == sizeof(Word), "a state word is 32 bits");

// A little-endian word of the message, whatever the machine's byte order.
inline Word load(const unsigned char* p) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  Word w;
  std::memcpy(&w, p, sizeof w);
  return w;
#else
  return Word{p[0]} | Word{p[1]} << 8 | Word{p[2]} << 16 | Word{p[3]} << 24;
#endif
}

inline void store(unsigned char* p, Word w) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(w >> (8 * i));
}

inline Word rotl(Word x, int s) {
  return (x << s) | (x >> (32 - s));
}

// The four round functions, written so that the step's chain through b is as
// short as possible: the message word and constant are added to a first, off
// the chain, and G's two halves are added rather than OR-ed, which lets them
// be computed side by side.
inline Word f(Word b, Word c, Word d) {
  return d ^ (b & (c ^ d));
}
inline Word g(Word b, Word c, Word d) {
  return (b & d) + (c & ~d);
}
inline Word h(Word b, Word c, Word d) {
  return b ^ c ^ d;
}
inline Word i(Word b, Word c, Word d) {
  return c ^ (b | ~d);
}

#define MD5_STEP(fn, a, b, c, d, m, k, s) \
  (a) += (m) + (k);                       \
  (a) += fn((b), (c), (d));               \
  (a) = rotl((a), (s)) + (b)

// Compresses count whole blocks into state, which stays in registers from
// the first block to the last.
void compress(Word* state, const unsigned char* p, unsigned long count) {
  Word a = state[0], b = state[1], c = state[2], d = state[3];
  for (; count != 0; --count, p += 64) {
    const Word m0 = load(p), m1 = load(p + 4), m2 = load(p + 8),
               m3 = load(p + 12), m4 = load(p + 16), m5 = load(p + 20),
               m6 = load(p + 24), m7 = load(p + 28), m8 = load(p + 32),
               m9 = load(p + 36), m10 = load(p + 40), m11 = load(p + 44),
               m12 = load(p + 48), m13 = load(p + 52), m14 = load(p + 56),
               m15 = load(p + 60);
    const Word aa = a, bb = b, cc = c, dd = d;

    MD5_STEP(f, a, b, c, d, m0, 0xd76aa478, 7);
    MD5_STEP(f, d, a, b, c, m1, 0xe8c7b756, 12);
    MD5_STEP(f, c, d, a, b, m2, 0x242070db, 17);
    MD5_STEP(f, b, c, d, a, m3, 0xc1bdceee, 22);
    MD5_STEP(f, a, b, c, d, m4, 0xf57c0faf, 7);
    MD5_STEP(f, d, a, b, c, m5, 0x4787c62a, 12);
    MD5_STEP(f, c, d, a, b, m6, 0xa8304613, 17);
    MD5_STEP(f, b, c, d, a, m7, 0xfd469501, 22);
    MD5_STEP(f, a, b, c, d, m8, 0x698098d8, 7);
    MD5_STEP(f, d, a, b, c, m9, 0x8b44f7af, 12);
    MD5_STEP(f, c, d, a, b, m10, 0xffff5bb1, 17);
    MD5_STEP(f, b, c, d, a, m11, 0x895cd7be, 22);
    MD5_STEP(f, a, b, c, d, m12, 0x6b901122, 7);
    MD5_STEP(f, d, a, b, c, m13, 0xfd987193, 12);
    MD5_STEP(f, c, d, a, b, m14, 0xa679438e, 17);
    MD5_STEP(f, b, c, d, a, m15, 0x49b40821, 22);

    MD5_STEP(g, a, b, c, d, m1, 0xf61e2562, 5);
    MD5_STEP(g, d, a, b, c, m6, 0xc040b340, 9);
    MD5_STEP(g, c, d, a, b, m11, 0x265e5a51, 14);
    MD5_STEP(g, b, c, d, a, m0, 0xe9b6c7aa, 20);
    MD5_STEP(g, a, b, c, d, m5, 0xd62f105d, 5);
    MD5_STEP(g, d, a, b, c, m10, 0x02441453, 9);
    MD5_STEP(g, c, d, a, b, m15, 0xd8a1e681, 14);
    MD5_STEP(g, b, c, d, a, m4, 0xe7d3fbc8, 20);
    MD5_STEP(g, a, b, c, d, m9, 0x21e1cde6, 5);
    MD5_STEP(g, d, a, b, c, m14, 0xc33707d6, 9);
    MD5_STEP(g, c, d, a, b, m3, 0xf4d50d87, 14);
    MD5_STEP(g, b, c, d, a, m8, 0x455a14ed, 20);
    MD5_STEP(g, a, b, c, d, m13, 0xa9e3e905, 5);
    MD5_STEP(g, d, a, b, c, m2, 0xfcefa3f8, 9);
    MD5_STEP(g, c, d, a, b, m7, 0x676f02d9, 14);
    MD5_STEP(g, b, c, d, a, m12, 0x8d2a4c8a, 20);

    MD5_STEP(h, a, b, c, d, m5, 0xfffa3942, 4);
    MD5_STEP(h, d, a, b, c, m8, 0x8771f681, 11);
    MD5_STEP(h, c, d, a, b, m11, 0x6d9d6122, 16);
    MD5_STEP(h, b, c, d, a, m14, 0xfde5380c, 23);
    MD5_STEP(h, a, b, c, d, m1, 0xa4beea44, 4);
    MD5_STEP(h, d, a, b, c, m4, 0x4bdecfa9, 11);
    MD5_STEP(h, c, d, a, b, m7, 0xf6bb4b60, 16);
    MD5_STEP(h, b, c, d, a, m10, 0xbebfbc70, 23);
    MD5_STEP(h, a, b, c, d, m13, 0x289b7ec6, 4);
    MD5_STEP(h, d, a, b, c, m0, 0xeaa127fa, 11);
    MD5_STEP(h, c, d, a, b, m3, 0xd4ef3085, 16);
    MD5_STEP(h, b, c, d, a, m6, 0x04881d05, 23);
    MD5_STEP(h, a, b, c, d, m9, 0xd9d4d039, 4);
    MD5_STEP(h, d, a, b, c, m12, 0xe6db99e5, 11);
    MD5_STEP(h, c, d, a, b, m15, 0x1fa27cf8, 16);
    MD5_STEP(h, b, c, d, a, m2, 0xc4ac5665, 23);

    MD5_STEP(i, a, b, c, d, m0, 0xf4292244, 6);
    MD5_STEP(i, d, a, b, c, m7, 0x432aff97, 10);
    MD5_STEP(i, c, d, a, b, m14, 0xab9423a7, 15);
    MD5_STEP(i, b, c, d, a, m5, 0xfc93a039, 21);
    MD5_STEP(i, a, b, c, d, m12, 0x655b59c3, 6);
    MD5_STEP(i, d, a, b, c, m3, 0x8f0ccc92, 10);
    MD5_STEP(i, c, d, a, b, m10, 0xffeff47d, 15);
    MD5_STEP(i, b, c, d, a, m1, 0x85845dd1, 21);
    MD5_STEP(i, a, b, c, d, m8, 0x6fa87e4f, 6);
    MD5_STEP(i, d, a, b, c, m15, 0xfe2ce6e0, 10);
    MD5_STEP(i, c, d, a, b, m6, 0xa3014314, 15);
    MD5_STEP(i, b, c, d, a, m13, 0x4e0811a1, 21);
    MD5_STEP(i, a, b, c, d, m4, 0xf7537e82, 6);
    MD5_STEP(i, d, a, b, c, m11, 0xbd3af235, 10);
    MD5_STEP(i, c, d, a, b, m2, 0x2ad7d2bb, 15);
    MD5_STEP(i, b, c, d, a, m9, 0xeb86d391, 21);

    a += aa;
    b += bb;
    c += cc;
    d += dd;
  }
  state[0] = a;
  state[1] = b;
  state[2] = c;
  state[3] = d;
}

#undef MD5_STEP

}  // namespace

CMD5::CMD5() {}

void CMD5::initialize() {
  m_aState[0] = 0x67452301;
  m_aState[1] = 0xefcdab89;
  m_aState[2] = 0x98badcfe;
  m_aState[3] = 0x10325476;
}

void CMD5::transform(unsigned char const* block) {
  compress(m_aState, block, 1);
}

void CMD5::calculate(unsigned char const* message, unsigned long count) {
  if (message == nullptr) count = 0;
  compress(m_aState, message, count / 64);

  // The rest, the byte 0x80, zeros up to 56 modulo 64, and the bit length.
  const unsigned long rest = count % 64;
  unsigned char tail[128];
  if (rest != 0) std::memcpy(tail, message + count - rest, rest);
  tail[rest] = 0x80;
  const unsigned long blocks = rest < 56 ? 1 : 2;
  const unsigned long end = 64 * blocks - 8;
  std::memset(tail + rest + 1, 0, end - rest - 1);
  store(tail + end, static_cast<Word>(count << 3));
  store(tail + end + 4, static_cast<Word>(count >> 29));
  compress(m_aState, tail, blocks);
}

void CMD5::finalize() {}

void CMD5::get(char const* message, unsigned long count, unsigned int* words,
               unsigned long /*size*/) {
  initialize();
  calculate(reinterpret_cast<const unsigned char*>(message), count);
  finalize();
  if (words != nullptr) std::memcpy(words, m_aState, sizeof m_aState);
}

void CMD5::getHash(char const* message, unsigned long count,
                   unsigned int* words, unsigned long size) {
  CMD5 engine;
  engine.get(message, count, words, size);
}

void CMD5::toHex(unsigned int const* words, char* text) {
  if (text == nullptr) return;
  if (words == nullptr) {
    *text = '\0';
    return;
  }
  static const char kDigits[] = "0123456789abcdef";
  for (int i = 0; i < 16; ++i) {
    const unsigned byte = (words[i / 4] >> (8 * (i % 4))) & 0xFF;
    *text++ = kDigits[byte >> 4];
    *text++ = kDigits[byte & 0xF];
  }
  *text = '\0';
}
