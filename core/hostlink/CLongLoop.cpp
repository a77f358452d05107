#include "core/hostlink/CLongLoop.h"

bool CLongLoop::IsCancelled() {
  const std::chrono::milliseconds lookInterval(5);
  const auto now = std::chrono::steady_clock::now();
  if (m_looked && now - m_lastLook < lookInterval) return false;
  m_looked = true;
  m_lastLook = now;
  PumpPaintMessages();
  return IsEscapePressed();
}
