#pragma once
// The host's windows and where they stand: the main frame "TovikMainFrame" with the status bar at
// its foot, and its "AfxMDIFrame42s" child split into the folder tree pane (left) and the mail pane
// (the mail list above the message view). All but the controls send their messages to one procedure.
#include <windows.h>

#include <string>

class CHostWindows {
 public:
  // Creates them all; the procedure gets `owner` as the creation parameter of each window. The frame's
  // child is of the class "AfxMDIFrame42s", or with `otherFrameChildClass` of one of the host's own.
  bool Create(WNDPROC procedure, void* owner, bool otherFrameChildClass);
  // Destroys the frame's child with the panes and makes them anew (new handles).
  bool RecreatePanes(bool otherFrameChildClass);
  // After the window's size changed: fits its children into it.
  void Layout(HWND window) const;
  // The frame and its children are gone.
  void FrameDestroyed() { m_frame = nullptr; }

  HWND Frame() const { return m_frame; }
  HWND Tree() const { return m_tree; }
  HWND List() const { return m_list; }
  HWND View() const { return m_view; }
  HWND StatusBar() const { return m_status; }
  void SetStatusText(const std::string& text) const;

 private:
  bool CreatePanes(const char* frameChildClass);

  void* m_owner = nullptr;
  HWND m_frame = nullptr, m_frameChild = nullptr, m_treePane = nullptr, m_mailPane = nullptr;
  HWND m_tree = nullptr, m_list = nullptr, m_view = nullptr, m_status = nullptr;
};
