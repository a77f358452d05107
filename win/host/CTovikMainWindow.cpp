#include "win/host/CTovikMainWindow.h"

#include <algorithm>

#include "core/hostlink/CHostLink.h"

CWindow* CTovikMainWindow::GetTreeWindow() { return GetHostPane(m_tree, TreePane); }
CWindow* CTovikMainWindow::GetListWindow() { return GetHostPane(m_list, ListPane); }
CWindow* CTovikMainWindow::GetViewWindow() { return GetHostPane(m_view, ViewPane); }

namespace {

// A host may destroy a pane and make it anew: a wrapper of a window that is gone is let go, and the
// pane looked for again.
template <class Window>
void DropIfGone(std::unique_ptr<Window>& pane) {
  if (pane && !IsWindow(pane->GetHandle())) pane.reset();
}

}  // namespace

CWindow* CTovikMainWindow::GetHostPane(std::unique_ptr<CWindow>& pane, HostPane which) {
  DropIfGone(pane);
  if (!pane) {
    HWND handles[4] = {};
    // What the host left in the handles of a call that failed is no window of its own.
    const bool found = Host().GetWindowHandles(&handles[0], &handles[1], &handles[2], &handles[3]) != FALSE;
    if (found && handles[1 + which] != nullptr) pane = std::make_unique<CWindow>(handles[1 + which]);
  }
  return pane.get();
}

CWindow* CTovikMainWindow::GetFrameWindow() {
  DropIfGone(m_frame);
  if (!m_frame) {
    HWND found = FindWindowExA(GetHandle(), nullptr, "AfxMDIFrame42s", nullptr);
    if (found != nullptr) m_frame = std::make_unique<CWindow>(found);
  }
  return m_frame.get();
}

CTovikStatusWindow* CTovikMainWindow::GetStatusWindow() {
  DropIfGone(m_status);
  if (!m_status) {
    HWND found = FindWindowExA(GetHandle(), nullptr, "msctls_statusbar32", nullptr);
    if (found != nullptr) m_status = std::make_unique<CTovikStatusWindow>(found);
  }
  return m_status.get();
}

CWindow* CTovikMainWindow::GetParentOf(const CWindow& pane) {
  const HWND parent = ::GetParent(pane.GetHandle());
  if (parent == nullptr) return nullptr;
  // Parents of panes made anew would otherwise pile up.
  for (auto& kept : m_paneParents) DropIfGone(kept);
  m_paneParents.erase(std::remove(m_paneParents.begin(), m_paneParents.end(), nullptr), m_paneParents.end());
  for (const auto& kept : m_paneParents) {
    if (kept->GetHandle() == parent) return kept.get();
  }
  m_paneParents.push_back(std::make_unique<CWindow>(parent));
  return m_paneParents.back().get();
}

void CTovikMainWindow::PumpPaintMessages() {
  CTovikStatusWindow* status = GetStatusWindow();
  const std::string text = status ? status->GetWindowText() : std::string();
  CWindow::PumpPaintMessages();
  if (status && status->GetWindowText() != text) status->SetText(text);
}
