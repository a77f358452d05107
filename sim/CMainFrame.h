#pragma once
// The host's main window and everything it shows: the menu bar, the "AfxMDIFrame42s" frame child
// with the folder tree, the mail list and the message view, and the status bar. It owns the mail
// store, the loaded plug-ins and their commands, and does what the host does on its events.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "sim/CFolderTreePane.h"
#include "sim/CHostCommands.h"
#include "sim/CMailStore.h"
#include "sim/CPluginSet.h"

// The context menus and the menu bar, by the type that TVC_OnMenuInit receives.
enum HostMenuType { MainMenu = 0, MailListMenu = 1, FolderTreeMenu = 2, OpenedMailMenu = 3 };

class CMainFrame {
 public:
  // The command of the host's own item that every context menu holds; plug-ins insert before it.
  static const int AnchorCommandId = 32935;
  static const UINT_PTR MailListTimerId = 2350;

  bool Create(const std::string& dataFolder);
  // TVC_OnExit and unloading of the plug-ins, then the windows go; the message loop ends.
  void Close();
  bool IsOpen() const { return m_frame != nullptr; }
  // Offers a key press to the plug-ins; true when one used it.
  bool DispatchKey(const MSG& message);
  bool DispatchKey(int keyCode, int shiftCode);
  void SetScriptStepHandler(std::function<void()> handler) { m_scriptStep = handler; }
  void PostScriptStep() const;

  CMailStore& Store() { return m_store; }
  CHostCommands& Commands() { return m_commands; }
  const CPluginSet& Plugins() const { return m_plugins; }
  HWND Frame() const { return m_frame; }
  HWND FrameChild() const { return m_frameChild; }
  HWND Tree() const { return m_tree.Handle(); }
  HWND List() const { return m_list; }
  HWND View() const { return m_view; }
  HWND StatusBar() const { return m_status; }
  HMENU MenuBar() const { return GetMenu(m_frame); }

  // What the host functions report and do.
  std::string CurrentMailboxId() const;
  std::string CurrentFolderId() const;
  std::string CurrentMailId() const;
  bool SelectFolder(const std::string& folderId);
  bool SelectMail(const std::string& mailId);
  // Selects these mails of the current folder (list positions); the last one is opened.
  bool SelectMails(const std::vector<int>& positions);
  int NextMail(int start, bool selectedOnly) const;
  std::string MailIdAt(int position) const;
  int PositionOf(const std::string& mailId) const;  // -1 when not in the current folder
  bool AddToSelection(const std::string& mailId);
  std::string CurrentMailHeader(const std::string& name) const;
  void SetStatusText(const std::string& text);
  std::string StatusText() const;
  bool ExpandFolder(const std::string& folderId, bool expand);
  bool HasTreeItem(const std::string& pattern) const { return m_tree.HasItemMatching(pattern); }
  bool IsFolderExpanded(const std::string& folderId) const;

  // Menus: the menu bar's pop-up at this position, or a context menu; the chosen command is run.
  void ShowMenuBarPopup(int position);
  void ShowContextMenu(HostMenuType type);
  void RebuildMenuBar();
  void RunPlugInSetup(size_t index);

  // Faults on demand.
  bool RenumberFolder(const std::string& folderId);
  bool RemoveFolder(const std::string& folderId);
  bool RenameFolder(const std::string& folderId, const std::string& newName);
  void SetAskBeforeSelect(bool ask);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleListMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleTreeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool CreateWindows();
  void Layout(HWND window);
  HMENU MakeMenuBar();
  HMENU MakeContextMenu(HostMenuType type);
  void RunMenu(HMENU popup, POINT at);
  void OnCommand(int commandId);
  void OnNotify(const NMHDR& header, LPARAM lParam);
  void OnContextMenu(HWND source, POINT at);
  void OnFolderSelected(SimFolder* folder);
  void OnListItemChanged(const NMLISTVIEW& change);
  void OnGetDispInfo(NMLVDISPINFOA& info);
  void OpenMail(int position);
  void ClearMailSelection();
  void SelectOnly(int position);
  void AskReconstruct();
  void ReloadStore();
  // After the store was read again: the tree anew, the same folder current when it still exists.
  void ShowStoreAgain(const std::string& folderId, const std::string& mailboxId);
  void ShowAboutPlugins();
  void PaintView(HWND window);

  CMailStore m_store;
  CPluginSet m_plugins;
  CHostCommands m_commands;
  CFolderTreePane m_tree;
  HWND m_frame = nullptr, m_frameChild = nullptr, m_treePane = nullptr, m_mailPane = nullptr;
  HWND m_list = nullptr, m_view = nullptr, m_status = nullptr;
  SimFolder* m_currentFolder = nullptr;
  int m_currentMail = -1;  // list position of the opened mail
  bool m_quietList = false;  // the host itself changes the list selection
  bool m_askBeforeSelect = false;
  bool m_refillingTree = false;  // tree items may name folders the store no longer has
  std::string m_viewText;
  std::string m_dispText;
  std::function<void()> m_scriptStep;
};

// The one host of this process.
CMainFrame& TheHost();
