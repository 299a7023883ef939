#include "tolvex/foundation/thread.h"

#include "tolvex/foundation/base_library_internal.h"

CThread::CThread(bool resetStopEvent)
    : m_hStopEvent(base_library::CreateEventW(nullptr, 1, 0, nullptr)),
      m_hAutoEvent(base_library::CreateEventW(nullptr, 0, 0, nullptr)),
      m_bResetStopEvent(resetStopEvent) {}

CThread::~CThread() {
  if (m_hStopEvent != nullptr && m_bResetStopEvent) {
    base_library::CloseHandle(m_hStopEvent);
    m_hStopEvent = nullptr;
  }
  if (m_hAutoEvent != nullptr) {
    base_library::CloseHandle(m_hAutoEvent);
    m_hAutoEvent = nullptr;
  }
}

int CThread::run() {
  return 1;
}

bool CThread::start() {
  if (ruvak3::AThread::isRunning()) return true;
  return ruvak3::AThread::start();
}

bool CThread::stop() {
  if (m_hStopEvent == nullptr) return true;
  base_library::SetEvent(m_hStopEvent);
  ruvak3::AThread::join(kNoTimeout);
  if (m_bResetStopEvent) base_library::ResetEvent(m_hStopEvent);
  return true;
}

bool CThread::isActive() {
  return ruvak3::AThread::isRunning();
}

void CThread::sleep(unsigned long milliseconds) {
  base_library::Sleep(milliseconds);
}

void CThread::yield() {
  base_library::Sleep(0);
}
