#include "tolvex/foundation/md_engine.h"

#include <cstddef>
#include <stdexcept>

IMDEngine::IMDEngine() : m_pDigest(nullptr) {}

IMDEngine::~IMDEngine() {
  delete[] m_pDigest;
}

void IMDEngine::destruct() {
  // Read through a volatile so that the test of a null object, which the
  // optimiser may otherwise assume away, stays in the code.
  IMDEngine* volatile self = this;
  if (self != nullptr) delete self;
}

char* IMDEngine::getDigest(unsigned char* message, unsigned int count) {
  initialize();
  calculate(message, message == nullptr ? 0 : count);
  finalize();
  return m_pDigest;
}

char* IMDEngine::getDigest(const unsigned char* message, unsigned int count) {
  return getDigest(const_cast<unsigned char*>(message), count);
}

void IMDEngine::setDigest(unsigned char const* digest, unsigned int count) {
  delete[] m_pDigest;
  m_pDigest = nullptr;
  if (count > 1073741822u) {
    throw std::runtime_error("Integer Overflow or Wraparound");
  }
  if (digest == nullptr) count = 0;
  const std::size_t length = 2 * static_cast<std::size_t>(count);
  char* text = new char[length + 1];
  char* out = text;
  for (unsigned int i = 0; i < count; ++i) {
    *out++ = toChar(hiDigit(digest[i]));
    *out++ = toChar(loDigit(digest[i]));
  }
  text[length] = '\0';
  m_pDigest = text;
}

char IMDEngine::toChar(unsigned char digit) {
  return static_cast<char>(digit <= 9 ? digit + 48 : digit + 87);
}

unsigned char IMDEngine::hiDigit(unsigned char byte) {
  return static_cast<unsigned char>(byte >> 4);
}

unsigned char IMDEngine::loDigit(unsigned char byte) {
  return static_cast<unsigned char>(byte & 0x0F);
}
