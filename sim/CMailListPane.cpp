#include "sim/CMailListPane.h"

#include "sim/MailText.h"
#include "sim/Transcript.h"

namespace {

// The list opens the focused mail on this timer; plug-ins poke it to have that done now.
const UINT_PTR TimerId = 2350;
// How long a deferred open waits for the timer: long beside a plug-in's loop over selected mails.
const UINT DeferredOpenMilliseconds = 300;

}  // namespace

std::string CMailListPane::CurrentMailboxId() const {
  return m_currentFolder ? CMailStore::MailboxOf(*m_currentFolder).Id : std::string();
}

std::string CMailListPane::CurrentFolderId() const { return m_currentFolder ? m_currentFolder->Id : std::string(); }

std::string CMailListPane::CurrentMailId() const {
  if (m_currentFolder == nullptr) return std::string();
  return m_currentMail < 0 ? CurrentMailboxId() + "?0" : MailIdAt(m_currentMail);
}

std::string CMailListPane::CurrentMailHeader(const std::string& name) const {
  if (m_currentFolder == nullptr || m_currentMail < 0) return std::string();
  return FindHeader(m_store.ReadMailText(*m_currentFolder, m_currentFolder->Mails[m_currentMail]), name);
}

std::string CMailListPane::MailIdAt(int position) const {
  if (m_currentFolder == nullptr || position < 0 || position >= static_cast<int>(m_currentFolder->Mails.size())) {
    return std::string();
  }
  return CMailStore::MailId(*m_currentFolder, m_currentFolder->Mails[position]);
}

int CMailListPane::PositionOf(const std::string& mailId) const {
  SimFolder* folder = nullptr;
  size_t position = 0;
  if (!m_store.FindMail(mailId, folder, position) || folder != m_currentFolder) return -1;
  return static_cast<int>(position);
}

int CMailListPane::NextMail(int start, bool selectedOnly) const {
  if (m_currentFolder == nullptr || start < -1) return -1;
  return ListView_GetNextItem(m_windows.List(), start, selectedOnly ? LVNI_SELECTED : LVNI_ALL);
}

bool CMailListPane::SelectFolder(const std::string& folderId) {
  const SimFolder* folder = m_store.FindFolder(folderId);
  return folder != nullptr && m_tree.Select(*folder) && m_currentFolder == folder;
}

bool CMailListPane::SelectMail(const std::string& mailId) {
  m_beforeSelect();
  SimFolder* folder = nullptr;
  size_t position = 0;
  if (!m_store.FindMail(mailId, folder, position)) {
    ClearSelection();
    return false;
  }
  if (folder != m_currentFolder && !m_tree.Select(*folder)) return false;
  SelectOnly(static_cast<int>(position));
  OpenOrDefer(static_cast<int>(position));
  return true;
}

bool CMailListPane::SelectMails(const std::vector<int>& positions) {
  if (m_currentFolder == nullptr || positions.empty()) return false;
  for (int position : positions) {
    if (position < 0 || position >= static_cast<int>(m_currentFolder->Mails.size())) return false;
  }
  SelectOnly(positions.back());
  for (int position : positions) SetQuietly(position, LVIS_SELECTED, LVIS_SELECTED);
  OpenOrDefer(positions.back());
  return true;
}

bool CMailListPane::AddToSelection(const std::string& mailId) {
  const int position = PositionOf(mailId);
  if (position < 0) return false;
  SetQuietly(position, LVIS_SELECTED, LVIS_SELECTED);
  return true;
}

void CMailListPane::SelectAll() { ListView_SetItemState(m_windows.List(), -1, LVIS_SELECTED, LVIS_SELECTED); }

void CMailListPane::ClearSelection() {
  SetQuietly(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  StopPendingOpen();
  m_currentMail = -1;
  m_viewText.clear();
  InvalidateRect(m_windows.View(), nullptr, TRUE);
}

void CMailListPane::MarkAllRead() {
  if (m_currentFolder == nullptr) return;
  for (size_t i = 0; i < m_currentFolder->Mails.size(); ++i) m_store.MarkRead(*m_currentFolder, i);
  m_tree.ShowUnreadCount(CMailStore::MailboxOf(*m_currentFolder));
}

void CMailListPane::ReloadStore() {
  const std::string folderId = CurrentFolderId(), mailboxId = CurrentMailboxId();
  m_store.SaveChangedIndexes();
  m_store.Load(m_store.DataFolder());
  ShowStoreAgain(folderId, mailboxId);
}

void CMailListPane::ShowStoreAgain(const std::string& folderId, const std::string& mailboxId) {
  m_currentFolder = nullptr;
  m_currentMail = -1;
  StopPendingOpen();
  m_refillingTree = true;
  m_tree.Fill(m_store);
  m_refillingTree = false;
  if (!SelectFolder(folderId)) SelectFolder(mailboxId);
}

void CMailListPane::OnFolderSelected(SimFolder* folder) {
  if (m_refillingTree || folder == nullptr || folder == m_currentFolder) return;
  m_store.SaveChangedIndexes();
  m_currentFolder = folder;
  m_currentMail = -1;
  StopPendingOpen();
  m_viewText.clear();
  m_quietList = true;
  ListView_SetItemCountEx(m_windows.List(), static_cast<int>(folder->Mails.size()), 0);
  ListView_SetItemState(m_windows.List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  m_quietList = false;
  InvalidateRect(m_windows.List(), nullptr, TRUE);
  InvalidateRect(m_windows.View(), nullptr, TRUE);
  m_windows.SetStatusText(CMailStore::DisplayName(*folder));
  Say("folder %s is current", folder->Id.c_str());
  if (m_openFirstMail && !folder->Mails.empty()) {
    SelectOnly(0);
    OpenOrDefer(0);
  }
}

void CMailListPane::OnNotify(const NMHDR& header, LPARAM lParam) {
  if (header.code == LVN_GETDISPINFOA) OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
  if (header.code != LVN_ITEMCHANGED) return;
  const NMLISTVIEW& change = *reinterpret_cast<const NMLISTVIEW*>(lParam);
  if (m_quietList || change.iItem < 0) return;
  if ((change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED)) {
    m_beforeSelect();
    OpenOrDefer(change.iItem);
  }
}

LRESULT CMailListPane::HandleListMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == TimerId) {
    StopPendingOpen();
    const int focused = ListView_GetNextItem(m_windows.List(), -1, LVNI_FOCUSED);
    if (focused >= 0 && focused != m_currentMail) OpenMail(focused);
    InvalidateRect(m_windows.View(), nullptr, TRUE);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void CMailListPane::PaintView() const {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_windows.View(), &paint);
  RECT area;
  GetClientRect(m_windows.View(), &area);
  InflateRect(&area, -6, -4);
  HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, m_viewText.c_str(), static_cast<int>(m_viewText.size()), &area, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
  SelectObject(dc, font);
  EndPaint(m_windows.View(), &paint);
}

void CMailListPane::OnGetDispInfo(NMLVDISPINFOA& info) {
  if (!(info.item.mask & LVIF_TEXT) || m_currentFolder == nullptr || info.item.iItem < 0 ||
      info.item.iItem >= static_cast<int>(m_currentFolder->Mails.size())) {
    return;
  }
  const SimMail& mail = m_currentFolder->Mails[info.item.iItem];
  switch (info.item.iSubItem) {
    case 0: m_dispText = (mail.Status & MailRead ? "" : "* ") + mail.Subject; break;
    case 1: m_dispText = mail.From; break;
    default: m_dispText = FormatMailDate(mail.Date, 0); break;
  }
  lstrcpynA(info.item.pszText, m_dispText.c_str(), info.item.cchTextMax);
}

void CMailListPane::OpenMail(int position) {
  if (m_currentFolder == nullptr || position < 0 || position >= static_cast<int>(m_currentFolder->Mails.size())) return;
  m_currentMail = position;
  m_store.MarkRead(*m_currentFolder, static_cast<size_t>(position));
  m_tree.ShowUnreadCount(CMailStore::MailboxOf(*m_currentFolder));
  m_viewText = m_store.ReadMailText(*m_currentFolder, m_currentFolder->Mails[position]);
  ListView_RedrawItems(m_windows.List(), position, position);
  InvalidateRect(m_windows.View(), nullptr, TRUE);
  const std::string mailId = CurrentMailId();
  Say("mail %s is open", mailId.c_str());
  m_plugins.OpenMail(mailId);
}

void CMailListPane::OpenOrDefer(int position) {
  if (!m_deferOpen) return OpenMail(position);
  // Selecting again restarts the wait, as the list's own timer does.
  m_openPending = SetTimer(m_windows.List(), TimerId, DeferredOpenMilliseconds, nullptr) != 0;
  Say("mail %s is selected, to open on the list's timer", MailIdAt(position).c_str());
}

void CMailListPane::StopPendingOpen() {
  if (!m_openPending) return;
  KillTimer(m_windows.List(), TimerId);
  m_openPending = false;
}

void CMailListPane::SelectOnly(int position) {
  SetQuietly(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  SetQuietly(position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(m_windows.List(), position, FALSE);
}

void CMailListPane::SetQuietly(int position, UINT state, UINT mask) {
  m_quietList = true;
  ListView_SetItemState(m_windows.List(), position, state, mask);
  m_quietList = false;
}
