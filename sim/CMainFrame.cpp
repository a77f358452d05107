#include "sim/CMainFrame.h"

#include <commctrl.h>

#include <cstdio>

#include "sim/FolderIndex.h"
#include "sim/MailText.h"
#include "sim/RenameFolderDialog.h"
#include "sim/Transcript.h"

namespace {

const char* const FrameClass = "TovikMainFrame";
const char* const FrameChildClass = "AfxMDIFrame42s";
const char* const PaneClass = "TovikPane";
const char* const ViewClass = "TovikMessageView";
const char* const QuestionTitle = "Message from Tovik!";
const UINT ScriptStepMessage = WM_APP + 1;

// The host's own commands.
enum : int {
  IdCheckMail = 100,
  IdExit,
  IdSelectAll,
  IdRefresh,
  IdMarkAllRead,
  IdAboutPlugins,
  IdRenumber,
  IdRemoveFolder,
  IdRenameFolder,
  IdAskBeforeSelect,
  IdAbout,
  IdNewFolder,
  IdReply,
  IdForward,
  IdPlugInSetupFirst = 200,  // one per plug-in
};

const char* MenuTypeName(int type) {
  static const char* const names[] = {"main menu", "mail list menu", "folder tree menu", "opened mail menu"};
  return type >= 0 && type < 4 ? names[type] : "?";
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto frame = reinterpret_cast<CMainFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return frame ? frame->HandleMessage(window, message, wParam, lParam)
               : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ListSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  return reinterpret_cast<CMainFrame*>(data)->HandleListMessage(window, message, wParam, lParam);
}

LRESULT CALLBACK TreeSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  return reinterpret_cast<CMainFrame*>(data)->HandleTreeMessage(window, message, wParam, lParam);
}

bool RegisterHostClass(const char* name, HBRUSH background) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HostWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND MakeChild(const char* windowClass, HWND parent, DWORD style, void* frame, int id = 0) {
  HWND window = CreateWindowExA(0, windowClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, 0, 0, 10, 10,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                frame);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return window;
}

void AppendPopup(HMENU bar, const char* title, HMENU popup) {
  AppendMenuA(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), title);
}

POINT CenterOf(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

void AddMailListColumns(HWND list) {
  static const struct {
    const char* Title;
    int Width;
  } columns[] = {{"Subject", 300}, {"From", 220}, {"Date", 190}};
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(columns[i].Title);
    column.cx = columns[i].Width;
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
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
  if (!CreateWindows()) return false;
  m_plugins.LoadAll(dataFolder + "Plugins\\");
  SetMenu(m_frame, MakeMenuBar());
  m_tree.Fill(m_store);
  if (!m_store.Mailboxes().empty()) {
    SimFolder& first = *m_store.Mailboxes().front();
    SimFolder* inbox = m_store.FindFolder(first.Id + "Inbox\\");
    m_tree.Select(inbox ? *inbox : first);
  }
  ShowWindow(m_frame, SW_SHOW);
  UpdateWindow(m_frame);
  SetForegroundWindow(m_frame);
  return true;
}

bool CMainFrame::CreateWindows() {
  if (!RegisterHostClass(FrameClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) ||
      !RegisterHostClass(FrameChildClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) ||
      !RegisterHostClass(PaneClass, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) ||
      !RegisterHostClass(ViewClass, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1))) {
    return false;
  }
  m_frame = CreateWindowExA(0, FrameClass, "Tovik", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 1000, 700,
                            nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (m_frame == nullptr) return false;
  m_status = MakeChild(STATUSCLASSNAMEA, m_frame, SBARS_SIZEGRIP, nullptr);
  m_frameChild = MakeChild(FrameChildClass, m_frame, 0, this);
  m_treePane = MakeChild(PaneClass, m_frameChild, 0, this);
  m_mailPane = MakeChild(PaneClass, m_frameChild, 0, this);
  m_tree.Attach(MakeChild(WC_TREEVIEWA, m_treePane,
                          WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, nullptr,
                          1000));
  m_list = MakeChild(WC_LISTVIEWA, m_mailPane, WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, nullptr,
                     1001);
  m_view = MakeChild(ViewClass, m_mailPane, WS_BORDER, this);
  AddMailListColumns(m_list);
  SetWindowSubclass(m_list, ListSubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(m_tree.Handle(), TreeSubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  Layout(m_frame);
  return m_status && m_frameChild && m_tree.Handle() && m_list && m_view;
}

HMENU CMainFrame::MakeMenuBar() {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu(), edit = CreatePopupMenu(), view = CreatePopupMenu(), mail = CreatePopupMenu();
  HMENU tools = CreatePopupMenu(), setup = CreatePopupMenu(), faults = CreatePopupMenu(), help = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, IdCheckMail, "&Check mail");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, IdExit, "E&xit");
  AppendMenuA(edit, MF_STRING, IdSelectAll, "Select &all");
  AppendMenuA(view, MF_STRING, IdRefresh, "&Refresh");
  AppendMenuA(mail, MF_STRING, IdReply, "&Reply");
  AppendMenuA(mail, MF_STRING, IdForward, "&Forward");
  AppendMenuA(mail, MF_STRING, IdMarkAllRead, "Mark all as rea&d");
  for (size_t i = 0; i < m_plugins.Plugins().size(); ++i) {
    AppendMenuA(setup, MF_STRING, IdPlugInSetupFirst + i, m_plugins.Plugins()[i].Info.Name);
  }
  if (m_plugins.Plugins().empty()) AppendMenuA(setup, MF_STRING | MF_GRAYED, 0, "(no plug-ins)");
  AppendPopup(tools, "Plug-in &setup", setup);
  AppendMenuA(tools, MF_STRING, IdAboutPlugins, "&Plug-ins...");
  AppendMenuA(faults, MF_STRING, IdRenumber, "&Renumber the mails of this folder");
  AppendMenuA(faults, MF_STRING, IdRemoveFolder, "Re&move this folder");
  AppendMenuA(faults, MF_STRING, IdRenameFolder, "Re&name this folder...");
  AppendMenuA(faults, MF_STRING | (m_askBeforeSelect ? MF_CHECKED : 0), IdAskBeforeSelect,
              "&Ask before selecting a mail");
  AppendMenuA(help, MF_STRING, IdAbout, "&About Tovik");
  AppendPopup(bar, "&File", file);
  AppendPopup(bar, "&Edit", edit);
  AppendPopup(bar, "&View", view);
  AppendPopup(bar, "&Mail", mail);
  AppendPopup(bar, "&Tools", tools);
  AppendPopup(bar, "F&aults", faults);
  AppendPopup(bar, "&Help", help);
  Say("menu build: TVC_OnMenuInit type %d (%s)", MainMenu, MenuTypeName(MainMenu));
  m_plugins.MenuInit(m_frame, bar, MainMenu);
  return bar;
}

void CMainFrame::RebuildMenuBar() {
  HMENU old = GetMenu(m_frame);
  SetMenu(m_frame, MakeMenuBar());
  if (old) DestroyMenu(old);
}

HMENU CMainFrame::MakeContextMenu(HostMenuType type) {
  HMENU menu = CreatePopupMenu();
  if (type == FolderTreeMenu) {
    AppendMenuA(menu, MF_STRING, IdNewFolder, "&New folder");
    AppendMenuA(menu, MF_STRING, IdRenameFolder, "Re&name...");
  } else {
    AppendMenuA(menu, MF_STRING, IdReply, "&Reply");
    AppendMenuA(menu, MF_STRING, IdForward, "&Forward");
  }
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING, AnchorCommandId, "P&roperties");
  Say("menu build: TVC_OnMenuInit type %d (%s)", type, MenuTypeName(type));
  m_plugins.MenuInit(m_frame, menu, type);
  return menu;
}

void CMainFrame::ShowMenuBarPopup(int position) {
  RECT item = {};
  GetMenuItemRect(m_frame, MenuBar(), position, &item);
  HMENU popup = GetSubMenu(MenuBar(), position);
  if (popup) RunMenu(popup, POINT{item.left, item.bottom});
}

void CMainFrame::ShowContextMenu(HostMenuType type) {
  const HWND source = type == FolderTreeMenu ? m_tree.Handle() : type == MailListMenu ? m_list : m_view;
  OnContextMenu(source, CenterOf(source));
}

void CMainFrame::OnContextMenu(HWND source, POINT at) {
  HostMenuType type;
  if (source == m_tree.Handle()) {
    type = FolderTreeMenu;
    // Right-clicking a folder makes it current first, as users expect.
    SimFolder* folder = at.x == -1 ? nullptr : m_tree.FolderAtPoint(at);
    if (folder && folder != m_currentFolder) m_tree.Select(*folder);
  } else if (source == m_list) {
    type = MailListMenu;
  } else if (source == m_view) {
    type = OpenedMailMenu;
  } else {
    return;
  }
  if (at.x == -1 && at.y == -1) at = CenterOf(source);
  HMENU menu = MakeContextMenu(type);
  RunMenu(menu, at);
  DestroyMenu(menu);
}

void CMainFrame::RunMenu(HMENU popup, POINT at) {
  // WM_INITMENUPOPUP asks the update callbacks before the menu shows.
  const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, m_frame, nullptr);
  if (chosen != 0) OnCommand(chosen);
}

void CMainFrame::OnCommand(int commandId) {
  if (m_commands.Run(commandId, m_frame)) return;
  if (commandId >= IdPlugInSetupFirst && commandId < IdPlugInSetupFirst + 100) {
    RunPlugInSetup(static_cast<size_t>(commandId - IdPlugInSetupFirst));
    return;
  }
  switch (commandId) {
    case IdExit: PostMessageA(m_frame, WM_CLOSE, 0, 0); break;
    case IdCheckMail: SetStatusText("No new mail."); break;
    case IdSelectAll: ListView_SetItemState(m_list, -1, LVIS_SELECTED, LVIS_SELECTED); break;
    case IdRefresh: ReloadStore(); break;
    case IdAboutPlugins: ShowAboutPlugins(); break;
    case IdRenumber: RenumberFolder(CurrentFolderId()); break;
    case IdRemoveFolder: RemoveFolder(CurrentFolderId()); break;
    case IdRenameFolder: {
      std::string newName;
      if (m_currentFolder && m_currentFolder->Parent && AskNewFolderName(m_frame, m_currentFolder->Name, newName)) {
        RenameFolder(CurrentFolderId(), newName);
      }
      break;
    }
    case IdAskBeforeSelect: SetAskBeforeSelect(!m_askBeforeSelect); break;
    case IdAbout: MessageBoxA(m_frame, "Tovik (simulated host mail client)", "About Tovik", MB_OK); break;
    case IdMarkAllRead:
      if (m_currentFolder) {
        for (size_t i = 0; i < m_currentFolder->Mails.size(); ++i) m_store.MarkRead(*m_currentFolder, i);
        m_tree.ShowUnreadCount(CMailStore::MailboxOf(*m_currentFolder));
      }
      break;
    case AnchorCommandId: SetStatusText("Properties: " + CurrentFolderId()); break;
    case IdNewFolder:
    case IdReply:
    case IdForward: SetStatusText("Not available in the simulated host."); break;
    default: break;
  }
}

void CMainFrame::RunPlugInSetup(size_t index) {
  if (index >= m_plugins.Plugins().size()) return;
  Say("plug-in %s: TVC_OnPlugInSetup", m_plugins.Plugins()[index].FileName.c_str());
  m_plugins.PlugInSetup(index, m_frame);
}

void CMainFrame::ShowAboutPlugins() {
  std::string text;
  for (const SimPlugin& plugin : m_plugins.Plugins()) {
    text += std::string(plugin.Info.Name) + " " + plugin.Info.Version + " (" + plugin.Info.Vendor + ")\n" +
            plugin.Info.Description + "\n" + plugin.FileName + "\n\n";
  }
  MessageBoxA(m_frame, text.empty() ? "No plug-ins are loaded." : text.c_str(), "Plug-ins", MB_OK | MB_ICONINFORMATION);
}

void CMainFrame::Close() {
  if (m_frame == nullptr) return;
  Say("closing");
  // Plug-ins may still work on the windows when they are told the host closes.
  m_plugins.UnloadAll();
  m_store.SaveChangedIndexes();
  HWND frame = m_frame;
  DestroyWindow(frame);
}

bool CMainFrame::DispatchKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != m_frame && !IsChild(m_frame, message.hwnd)) return false;
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

bool CMainFrame::DispatchKey(int keyCode, int shiftCode) { return m_plugins.KeyDispatch(m_frame, keyCode, shiftCode); }

void CMainFrame::PostScriptStep() const { PostMessageA(m_frame, ScriptStepMessage, 0, 0); }

LRESULT CMainFrame::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: Layout(window); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<NMHDR*>(lParam), lParam); return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), POINT{static_cast<short>(LOWORD(lParam)),
                                                          static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_PAINT:
      if (window != m_view) break;
      PaintView(window);
      return 0;
    default: break;
  }
  if (window != m_frame) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: m_commands.UpdateMenu(reinterpret_cast<HMENU>(wParam), m_frame); return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_DESTROY:
      m_frame = nullptr;
      PostQuitMessage(0);
      return 0;
    case ScriptStepMessage:
      if (m_scriptStep) m_scriptStep();
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CMainFrame::HandleListMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The host's list opens the focused mail on its timer; plug-ins poke it to have that done now.
  if (message == WM_TIMER && wParam == MailListTimerId) {
    const int focused = ListView_GetNextItem(m_list, -1, LVNI_FOCUSED);
    if (focused >= 0 && focused != m_currentMail) OpenMail(focused);
    InvalidateRect(m_view, nullptr, TRUE);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CMainFrame::HandleTreeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  // Collapsing the branch of the selected folder selects the collapsed folder; the tree control
  // does not always say so, but the current folder follows the selection all the same.
  if (message == TVM_EXPAND) OnFolderSelected(m_tree.FolderAt(TreeView_GetSelection(window)));
  return result;
}

void CMainFrame::Layout(HWND window) {
  RECT area;
  GetClientRect(window, &area);
  const int width = area.right, height = area.bottom;
  if (window == m_frame && m_status) {
    SendMessageA(m_status, WM_SIZE, 0, 0);
    RECT status;
    GetWindowRect(m_status, &status);
    MoveWindow(m_frameChild, 0, 0, width, height - (status.bottom - status.top), TRUE);
  } else if (window == m_frameChild) {
    MoveWindow(m_treePane, 0, 0, width * 3 / 10, height, TRUE);
    MoveWindow(m_mailPane, width * 3 / 10, 0, width - width * 3 / 10, height, TRUE);
  } else if (window == m_treePane) {
    MoveWindow(m_tree.Handle(), 0, 0, width, height, TRUE);
  } else if (window == m_mailPane) {
    MoveWindow(m_list, 0, 0, width, height * 45 / 100, TRUE);
    MoveWindow(m_view, 0, height * 45 / 100, width, height - height * 45 / 100, TRUE);
  }
}

void CMainFrame::PaintView(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT area;
  GetClientRect(window, &area);
  InflateRect(&area, -6, -4);
  HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, m_viewText.c_str(), static_cast<int>(m_viewText.size()), &area, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
  SelectObject(dc, font);
  EndPaint(window, &paint);
}

void CMainFrame::OnNotify(const NMHDR& header, LPARAM lParam) {
  if (header.hwndFrom == m_tree.Handle()) {
    const NMTREEVIEWA& change = *reinterpret_cast<const NMTREEVIEWA*>(lParam);
    switch (header.code) {
      case TVN_ITEMEXPANDINGA:
      case TVN_ITEMEXPANDINGW:
      case TVN_ITEMEXPANDEDA:  // also sent by plug-ins after they expanded an item themselves
      case TVN_ITEMEXPANDEDW:
        if (change.action & TVE_EXPAND) m_tree.Populate(change.itemNew.hItem);
        break;
      case TVN_SELCHANGEDA:
      case TVN_SELCHANGEDW: OnFolderSelected(m_tree.FolderAt(change.itemNew.hItem)); break;
      default: break;
    }
  } else if (header.hwndFrom == m_list) {
    if (header.code == LVN_GETDISPINFOA) OnGetDispInfo(*reinterpret_cast<NMLVDISPINFOA*>(lParam));
    if (header.code == LVN_ITEMCHANGED) OnListItemChanged(*reinterpret_cast<const NMLISTVIEW*>(lParam));
  }
}

void CMainFrame::OnFolderSelected(SimFolder* folder) {
  if (m_refillingTree || folder == nullptr || folder == m_currentFolder) return;
  m_store.SaveChangedIndexes();
  m_currentFolder = folder;
  m_currentMail = -1;
  m_viewText.clear();
  m_quietList = true;
  ListView_SetItemCountEx(m_list, static_cast<int>(folder->Mails.size()), 0);
  ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  m_quietList = false;
  InvalidateRect(m_list, nullptr, TRUE);
  InvalidateRect(m_view, nullptr, TRUE);
  SetStatusText(CMailStore::DisplayName(*folder));
  Say("folder %s is current", folder->Id.c_str());
}

void CMainFrame::OnGetDispInfo(NMLVDISPINFOA& info) {
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

void CMainFrame::OnListItemChanged(const NMLISTVIEW& change) {
  if (m_quietList || change.iItem < 0) return;
  if ((change.uNewState & LVIS_FOCUSED) && !(change.uOldState & LVIS_FOCUSED)) {
    if (m_askBeforeSelect) AskReconstruct();
    OpenMail(change.iItem);
  }
}

void CMainFrame::AskReconstruct() {
  const int answer = MessageBoxA(m_frame, "The index of this folder may be damaged.\nDo you want to reconstruct it?",
                                 QuestionTitle, MB_YESNO | MB_ICONQUESTION);
  Say("question box \"%s\" answered %s", QuestionTitle, answer == IDYES ? "Yes" : answer == IDNO ? "No" : "otherwise");
  if (answer == IDYES && m_currentFolder) {
    WriteFolderIndex(m_store.DataFolder() + m_currentFolder->Id + FolderIndexFileName, *m_currentFolder);
  }
}

void CMainFrame::OpenMail(int position) {
  if (m_currentFolder == nullptr || position < 0 || position >= static_cast<int>(m_currentFolder->Mails.size())) return;
  m_currentMail = position;
  m_store.MarkRead(*m_currentFolder, static_cast<size_t>(position));
  m_tree.ShowUnreadCount(CMailStore::MailboxOf(*m_currentFolder));
  m_viewText = m_store.ReadMailText(*m_currentFolder, m_currentFolder->Mails[position]);
  ListView_RedrawItems(m_list, position, position);
  InvalidateRect(m_view, nullptr, TRUE);
  const std::string mailId = CurrentMailId();
  Say("mail %s is open", mailId.c_str());
  m_plugins.OpenMail(mailId);
}

void CMainFrame::SelectOnly(int position) {
  m_quietList = true;
  ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(m_list, position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(m_list, position, FALSE);
  m_quietList = false;
}

void CMainFrame::ClearMailSelection() {
  m_quietList = true;
  ListView_SetItemState(m_list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  m_quietList = false;
  m_currentMail = -1;
  m_viewText.clear();
  InvalidateRect(m_view, nullptr, TRUE);
}

std::string CMainFrame::CurrentMailboxId() const {
  return m_currentFolder ? CMailStore::MailboxOf(*m_currentFolder).Id : std::string();
}

std::string CMainFrame::CurrentFolderId() const { return m_currentFolder ? m_currentFolder->Id : std::string(); }

std::string CMainFrame::CurrentMailId() const {
  if (m_currentFolder == nullptr) return std::string();
  return m_currentMail < 0 ? CurrentMailboxId() + "?0" : MailIdAt(m_currentMail);
}

std::string CMainFrame::MailIdAt(int position) const {
  if (m_currentFolder == nullptr || position < 0 || position >= static_cast<int>(m_currentFolder->Mails.size())) {
    return std::string();
  }
  return CMailStore::MailId(*m_currentFolder, m_currentFolder->Mails[position]);
}

int CMainFrame::PositionOf(const std::string& mailId) const {
  SimFolder* folder = nullptr;
  size_t position = 0;
  if (!m_store.FindMail(mailId, folder, position) || folder != m_currentFolder) return -1;
  return static_cast<int>(position);
}

bool CMainFrame::SelectFolder(const std::string& folderId) {
  const SimFolder* folder = m_store.FindFolder(folderId);
  return folder != nullptr && m_tree.Select(*folder) && m_currentFolder == folder;
}

bool CMainFrame::SelectMail(const std::string& mailId) {
  if (m_askBeforeSelect) AskReconstruct();
  SimFolder* folder = nullptr;
  size_t position = 0;
  if (!m_store.FindMail(mailId, folder, position)) {
    ClearMailSelection();
    return false;
  }
  if (folder != m_currentFolder && !m_tree.Select(*folder)) return false;
  SelectOnly(static_cast<int>(position));
  OpenMail(static_cast<int>(position));
  return true;
}

bool CMainFrame::SelectMails(const std::vector<int>& positions) {
  if (m_currentFolder == nullptr || positions.empty()) return false;
  for (int position : positions) {
    if (position < 0 || position >= static_cast<int>(m_currentFolder->Mails.size())) return false;
  }
  SelectOnly(positions.back());
  m_quietList = true;
  for (int position : positions) ListView_SetItemState(m_list, position, LVIS_SELECTED, LVIS_SELECTED);
  m_quietList = false;
  OpenMail(positions.back());
  return true;
}

bool CMainFrame::AddToSelection(const std::string& mailId) {
  const int position = PositionOf(mailId);
  if (position < 0) return false;
  m_quietList = true;
  ListView_SetItemState(m_list, position, LVIS_SELECTED, LVIS_SELECTED);
  m_quietList = false;
  return true;
}

int CMainFrame::NextMail(int start, bool selectedOnly) const {
  if (m_currentFolder == nullptr || start < -1) return -1;
  return ListView_GetNextItem(m_list, start, selectedOnly ? LVNI_SELECTED : LVNI_ALL);
}

std::string CMainFrame::CurrentMailHeader(const std::string& name) const {
  if (m_currentFolder == nullptr || m_currentMail < 0) return std::string();
  return FindHeader(m_store.ReadMailText(*m_currentFolder, m_currentFolder->Mails[m_currentMail]), name);
}

void CMainFrame::SetStatusText(const std::string& text) {
  SendMessageA(m_status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CMainFrame::StatusText() const {
  char text[1024] = "";
  GetWindowTextA(m_status, text, sizeof text);
  return text;
}

bool CMainFrame::IsFolderExpanded(const std::string& folderId) const {
  const SimFolder* folder = m_store.FindFolder(folderId);
  return folder != nullptr && m_tree.IsExpanded(*folder);
}

bool CMainFrame::ExpandFolder(const std::string& folderId, bool expand) {
  const SimFolder* folder = m_store.FindFolder(folderId);
  return folder != nullptr && m_tree.Expand(*folder, expand);
}

void CMainFrame::ReloadStore() {
  const std::string folderId = CurrentFolderId(), mailboxId = CurrentMailboxId();
  m_store.SaveChangedIndexes();
  m_store.Load(m_store.DataFolder());
  ShowStoreAgain(folderId, mailboxId);
}

void CMainFrame::ShowStoreAgain(const std::string& folderId, const std::string& mailboxId) {
  m_currentFolder = nullptr;
  m_currentMail = -1;
  m_refillingTree = true;
  m_tree.Fill(m_store);
  m_refillingTree = false;
  // The current folder stays current if it is still there, else its mailbox becomes current.
  if (!SelectFolder(folderId)) SelectFolder(mailboxId);
}

bool CMainFrame::RenumberFolder(const std::string& folderId) {
  SimFolder* folder = m_store.FindFolder(folderId);
  if (folder == nullptr || !m_store.Renumber(*folder)) return false;
  Say("fault: mails of %s renumbered", folderId.c_str());
  if (folder == m_currentFolder) ClearMailSelection();
  InvalidateRect(m_list, nullptr, TRUE);
  return true;
}

bool CMainFrame::RemoveFolder(const std::string& folderId) {
  const std::string currentId = CurrentFolderId(), mailboxId = CurrentMailboxId();
  const bool removed = m_store.RemoveFolder(folderId);
  Say("fault: folder %s %s", folderId.c_str(), removed ? "removed" : "could not be removed");
  ShowStoreAgain(currentId, mailboxId);
  return removed;
}

bool CMainFrame::RenameFolder(const std::string& folderId, const std::string& newName) {
  std::string currentId = CurrentFolderId();
  const std::string mailboxId = CurrentMailboxId();
  const SimFolder* folder = m_store.FindFolder(folderId);
  const std::string newId = folder && folder->Parent ? folder->Parent->Id + newName + "\\" : std::string();
  const bool renamed = m_store.RenameFolder(folderId, newName);
  // The current folder keeps being current under its new id when it moved with the renamed one.
  if (renamed && currentId.compare(0, folderId.size(), folderId) == 0) {
    currentId = newId + currentId.substr(folderId.size());
  }
  Say("fault: folder %s %s \"%s\"", folderId.c_str(), renamed ? "renamed to" : "could not be renamed to",
      newName.c_str());
  ShowStoreAgain(currentId, mailboxId);
  return renamed;
}

void CMainFrame::SetAskBeforeSelect(bool ask) {
  m_askBeforeSelect = ask;
  CheckMenuItem(MenuBar(), IdAskBeforeSelect, MF_BYCOMMAND | (ask ? MF_CHECKED : MF_UNCHECKED));
  Say("fault: question box before selecting a mail %s", ask ? "on" : "off");
}
