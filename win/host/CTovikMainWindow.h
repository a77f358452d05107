#pragma once
// The host's main frame and the panes the plug-in works on. The host owns every one of these
// windows; this object owns only their wrappers.
#include <memory>
#include <vector>

#include "win/host/CTovikStatusWindow.h"
#include "win/ui/CWindow.h"

class CTovikMainWindow : public CWindow {
 public:
  explicit CTovikMainWindow(HWND mainFrame) : CWindow(mainFrame) {}

  // Each pane is looked for on first request and kept until its window is gone (a host may make its
  // panes anew); none while it cannot be found. A pane handed out stays valid until the next request.
  CWindow* GetTreeWindow();
  CWindow* GetListWindow();
  CWindow* GetViewWindow();
  CWindow* GetFrameWindow();
  CTovikStatusWindow* GetStatusWindow();
  // The wrapper of a pane's parent window, one for each such window, kept as the panes are: its
  // redraw flag tells whether the plug-in has turned that window's drawing off. None without a parent.
  CWindow* GetParentOf(const CWindow& pane);

  // Repaints and keeps the status bar's text: the host's own status messages do not replace the
  // plug-in's progress text.
  void PumpPaintMessages() override;

 private:
  // Which handle of the host's window list a pane is.
  enum HostPane { TreePane, ListPane, ViewPane };
  CWindow* GetHostPane(std::unique_ptr<CWindow>& pane, HostPane which);

  // Declared in this order so that they die in the reverse one: status bar first, tree last.
  std::unique_ptr<CWindow> m_tree;
  std::unique_ptr<CWindow> m_list;
  std::unique_ptr<CWindow> m_view;
  std::unique_ptr<CWindow> m_frame;
  std::unique_ptr<CTovikStatusWindow> m_status;
  std::vector<std::unique_ptr<CWindow>> m_paneParents;
};
