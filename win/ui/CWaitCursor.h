#pragma once
// Shows the wait cursor for the length of a block.
#include <windows.h>

class CWaitCursor {
 public:
  CWaitCursor();
  virtual ~CWaitCursor();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

  // Puts the earlier cursor back; only the first call does anything.
  void Restore();

 private:
  HCURSOR m_previous;
  bool m_restored = false;
};
