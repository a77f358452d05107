#include "sim/CMainFrame.h"

#include <commctrl.h>

#include "sim/Transcript.h"

namespace {

const UINT ScriptStepMessage = WM_APP + 1;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return frame ? frame->HandleMessage(window, message, wParam, lParam)
               : DefWindowProcA(window, message, wParam, lParam);
}

// The host's panes are views: one that a click activates takes the keyboard focus.
LRESULT FocusWhenActivated(HWND window, LRESULT activation) {
  if (activation == MA_ACTIVATE || activation == MA_ACTIVATEANDEAT) SetFocus(window);
  return activation;
}

LRESULT CALLBACK ListSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_MOUSEACTIVATE) return FocusWhenActivated(window, DefSubclassProc(window, message, wParam, lParam));
  return reinterpret_cast<CMailListPane*>(data)->HandleListMessage(window, message, wParam, lParam);
}

LRESULT CALLBACK TreeSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_MOUSEACTIVATE) return FocusWhenActivated(window, DefSubclassProc(window, message, wParam, lParam));
  return reinterpret_cast<CMainFrame*>(data)->HandleTreeMessage(window, message, wParam, lParam);
}

POINT CenterOf(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

}  // namespace

CMainFrame& TheHost() {
  static CMainFrame host;
  return host;
}

bool CMainFrame::Create(const std::string& dataFolder) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!m_store.Load(dataFolder)) Say("mail store: no mailboxes in %s", dataFolder.c_str());
  if (!m_windows.Create(HostWindowProc, this, m_faults.IsOn(HostMode::NoFrameChild))) return false;
  AttachPanes();
  m_plugins.LoadAll(dataFolder + "Plugins\\");
  SetMenu(m_windows.Frame(), MakeMenuBar(m_plugins, m_windows.Frame(), m_faults));
  m_tree.Fill(m_store);
  if (!m_store.Mailboxes().empty()) {
    SimFolder& first = *m_store.Mailboxes().front();
    SimFolder* inbox = m_store.FindFolder(first.Id + "Inbox\\");
    m_tree.Select(inbox ? *inbox : first);
  }
  ShowWindow(m_windows.Frame(), SW_SHOW);
  UpdateWindow(m_windows.Frame());
  SetForegroundWindow(m_windows.Frame());
  return true;
}

void CMainFrame::AttachPanes() {
  m_tree.Attach(m_windows.Tree());
  SetWindowSubclass(m_windows.List(), ListSubclassProc, 1, reinterpret_cast<DWORD_PTR>(&m_mails));
  SetWindowSubclass(m_windows.Tree(), TreeSubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void CMainFrame::RecreatePanes() {
  if (!IsOpen()) return;
  const std::string folderId = m_mails.CurrentFolderId(), mailboxId = m_mails.CurrentMailboxId();
  if (!m_windows.RecreatePanes(m_faults.IsOn(HostMode::NoFrameChild))) Say("the panes could not be made anew");
  AttachPanes();
  m_mails.ShowStoreAgain(folderId, mailboxId);
}

void CMainFrame::Chatter(const std::string& text) {
  if (m_faults.IsOn(HostMode::StatusChatter)) m_windows.SetStatusText(text);
}

void CMainFrame::Close() {
  if (!IsOpen()) return;
  Say("closing");
  // Plug-ins may still work on the windows when they are told the host closes.
  m_plugins.UnloadAll();
  m_store.SaveChangedIndexes();
  DestroyWindow(m_windows.Frame());
}

bool CMainFrame::DispatchKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != m_windows.Frame() && !IsChild(m_windows.Frame(), message.hwnd)) return false;
  const int key = static_cast<int>(message.wParam);
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
  int shift = 0;
  if (GetKeyState(VK_MENU) < 0) {
    shift = 254;
  } else {
    if (GetKeyState(VK_CONTROL) < 0) shift |= 32;
    if (GetKeyState(VK_SHIFT) < 0) shift |= 64;
  }
  return DispatchKey(key, shift);
}

bool CMainFrame::DispatchKey(int keyCode, int shiftCode) {
  return m_plugins.KeyDispatch(m_windows.Frame(), keyCode, shiftCode);
}

void CMainFrame::PostScriptStep() const { PostMessageA(m_windows.Frame(), ScriptStepMessage, 0, 0); }

bool CMainFrame::ExpandFolder(const std::string& folderId, bool expand) {
  const SimFolder* folder = m_store.FindFolder(folderId);
  return folder != nullptr && m_tree.Expand(*folder, expand);
}

bool CMainFrame::IsFolderExpanded(const std::string& folderId) {
  const SimFolder* folder = m_store.FindFolder(folderId);
  return folder != nullptr && m_tree.IsExpanded(*folder);
}

void CMainFrame::ShowMenuBarPopup(int position) {
  RECT item = {};
  GetMenuItemRect(m_windows.Frame(), MenuBar(), position, &item);
  HMENU popup = GetSubMenu(MenuBar(), position);
  if (popup) RunMenu(popup, POINT{item.left, item.bottom});
}

void CMainFrame::ShowContextMenu(HostMenuType type) {
  const HWND source = type == FolderTreeMenu ? m_windows.Tree() : type == MailListMenu ? m_windows.List()
                                                                                       : m_windows.View();
  OnContextMenu(source, CenterOf(source));
}

void CMainFrame::RebuildMenuBar() {
  HMENU old = MenuBar();
  SetMenu(m_windows.Frame(), MakeMenuBar(m_plugins, m_windows.Frame(), m_faults));
  if (old) DestroyMenu(old);
}

void CMainFrame::RunPlugInSetup(size_t index) {
  if (index >= m_plugins.Plugins().size()) return;
  Say("plug-in %s: TVC_OnPlugInSetup", m_plugins.Plugins()[index].FileName.c_str());
  m_plugins.PlugInSetup(index, m_windows.Frame());
}

LRESULT CMainFrame::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: m_windows.Layout(window); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<NMHDR*>(lParam), lParam); return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), POINT{static_cast<short>(LOWORD(lParam)),
                                                          static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_PAINT:
      if (window != m_windows.View()) break;
      m_mails.PaintView();
      Chatter("Ready");
      return 0;
    case WM_MOUSEACTIVATE:
      if (window != m_windows.View()) break;
      return FocusWhenActivated(window, DefWindowProcA(window, message, wParam, lParam));
    default: break;
  }
  if (window != m_windows.Frame()) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: m_commands.UpdateMenu(reinterpret_cast<HMENU>(wParam), window); return 0;
    case WM_ENTERIDLE:
      if (wParam == MSGF_DIALOGBOX) m_faults.OnDialogIdle();
      return 0;
    case WM_MENUSELECT:
      // As a host that shows each item's help line while the user walks its menus.
      if (LOWORD(wParam) != 0 && !(HIWORD(wParam) & MF_POPUP)) Chatter("Command " + std::to_string(LOWORD(wParam)));
      return 0;
    case WM_EXITMENULOOP: Chatter("Ready"); return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_DESTROY:
      m_windows.FrameDestroyed();
      PostQuitMessage(0);
      return 0;
    case ScriptStepMessage:
      if (m_scriptStep) m_scriptStep();
      return 0;
    case KeyPressMessage:
      return DispatchKey(static_cast<int>(wParam), static_cast<int>(lParam)) ? 1 : 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CMainFrame::HandleTreeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != TVM_EXPAND) return DefSubclassProc(window, message, wParam, lParam);
  // Collapsing the branch of the selected folder selects the collapsed folder; the tree control
  // does not always say so, but the current folder follows the selection all the same, unless the
  // host leaves it where it was.
  m_collapsing = (wParam & TVE_COLLAPSE) != 0 && m_faults.IsOn(HostMode::CollapseKeepsFolder);
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (!m_collapsing) m_mails.OnFolderSelected(m_tree.FolderAt(TreeView_GetSelection(window)));
  m_collapsing = false;
  return result;
}

void CMainFrame::RunMenu(HMENU popup, POINT at) {
  // WM_INITMENUPOPUP asks the update callbacks before the menu shows.
  const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, m_windows.Frame(), nullptr);
  if (chosen != 0) OnCommand(chosen);
}

void CMainFrame::OnCommand(int commandId) {
  if (m_commands.Run(commandId, m_windows.Frame())) return;
  if (commandId >= IdPlugInSetupFirst && commandId < IdPlugInSetupFirst + 100) {
    RunPlugInSetup(static_cast<size_t>(commandId - IdPlugInSetupFirst));
    return;
  }
  if (commandId >= IdHostModeFirst && commandId < IdHostModeFirst + static_cast<int>(HostMode::Count)) {
    const HostMode mode = static_cast<HostMode>(commandId - IdHostModeFirst);
    m_faults.Switch(mode, !m_faults.IsOn(mode));
    return;
  }
  switch (commandId) {
    case IdExit: PostMessageA(m_windows.Frame(), WM_CLOSE, 0, 0); break;
    case IdCheckMail: m_windows.SetStatusText("No new mail."); break;
    case IdSelectAll: m_mails.SelectAll(); break;
    case IdRefresh: m_mails.ReloadStore(); break;
    case IdAboutPlugins: ShowAboutPlugins(); break;
    case IdRenumber: m_faults.RenumberFolder(m_mails.CurrentFolderId()); break;
    case IdRemoveFolder: m_faults.RemoveFolder(m_mails.CurrentFolderId()); break;
    case IdRenameFolder: m_faults.RenameCurrentFolder(); break;
    case IdAskBeforeSelect: m_faults.SetAskBeforeSelect(!m_faults.AskBeforeSelect()); break;
    case IdRecreatePanes: m_faults.RecreatePanes(); break;
    case IdAbout: MessageBoxA(m_windows.Frame(), "Tovik (simulated host mail client)", "About Tovik", MB_OK); break;
    case IdMarkAllRead: m_mails.MarkAllRead(); break;
    case AnchorCommandId: m_windows.SetStatusText("Properties: " + m_mails.CurrentFolderId()); break;
    case IdNewFolder:
    case IdReply:
    case IdForward: m_windows.SetStatusText("Not available in the simulated host."); break;
    default: break;
  }
}

void CMainFrame::OnNotify(const NMHDR& header, LPARAM lParam) {
  if (header.hwndFrom == m_windows.List()) {
    m_mails.OnNotify(header, lParam);
    return;
  }
  if (header.hwndFrom != m_windows.Tree()) return;
  const NMTREEVIEWA& change = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
  switch (header.code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDEDA:  // also sent by plug-ins after they expanded an item themselves
    case TVN_ITEMEXPANDEDW:
      if (change.action & TVE_EXPAND) m_tree.Populate(change.itemNew.hItem);
      break;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      if (!m_collapsing) m_mails.OnFolderSelected(m_tree.FolderAt(change.itemNew.hItem));
      break;
    default: break;
  }
}

void CMainFrame::OnContextMenu(HWND source, POINT at) {
  HostMenuType type;
  if (source == m_windows.Tree()) {
    type = FolderTreeMenu;
    // Right-clicking a folder makes it current first, as users expect.
    SimFolder* folder = at.x == -1 ? nullptr : m_tree.FolderAtPoint(at);
    if (folder && folder != m_mails.CurrentFolder()) m_tree.Select(*folder);
  } else if (source == m_windows.List()) {
    type = MailListMenu;
  } else if (source == m_windows.View()) {
    type = OpenedMailMenu;
  } else {
    return;
  }
  if (at.x == -1 && at.y == -1) at = CenterOf(source);
  HMENU menu = MakeContextMenu(m_plugins, m_windows.Frame(), type, !m_faults.IsOn(HostMode::NoAnchorItem));
  RunMenu(menu, at);
  DestroyMenu(menu);
}

void CMainFrame::ShowAboutPlugins() {
  std::string text;
  for (const SimPlugin& plugin : m_plugins.Plugins()) {
    text += std::string(plugin.Info.Name) + " " + plugin.Info.Version + " (" + plugin.Info.Vendor + ")\n" +
            plugin.Info.Description + "\n" + plugin.FileName + "\n\n";
  }
  MessageBoxA(m_windows.Frame(), text.empty() ? "No plug-ins are loaded." : text.c_str(), "Plug-ins",
              MB_OK | MB_ICONINFORMATION);
}
