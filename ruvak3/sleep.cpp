#include "ruvak3/sleep.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace ruvak3 {
namespace win_emul {

void Sleep(unsigned long milliseconds) {
  if (milliseconds == 0) {
    std::this_thread::yield();
    return;
  }
  std::this_thread::sleep_for(
      std::chrono::milliseconds(std::min(milliseconds, 0xFFFFFFFFul)));
}

}  // namespace win_emul
}  // namespace ruvak3
