#include "win/ui/CWaitCursor.h"

CWaitCursor::CWaitCursor() : m_previous(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}

CWaitCursor::~CWaitCursor() { Restore(); }

void CWaitCursor::Restore() {
  if (m_restored) return;
  m_restored = true;
  SetCursor(m_previous);
}
