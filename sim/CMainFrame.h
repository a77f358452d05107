#pragma once
// The simulated host: its windows, the mail store, the loaded plug-ins and their commands. The main
// frame routes the windows' messages to the parts and runs the commands of its menus.
#include <windows.h>

#include <functional>
#include <string>

#include "sim/CFolderTreePane.h"
#include "sim/CHostCommands.h"
#include "sim/CHostFaults.h"
#include "sim/CHostWindows.h"
#include "sim/CMailListPane.h"
#include "sim/CMailStore.h"
#include "sim/CPluginSet.h"
#include "sim/HostMenus.h"

class CMainFrame {
 public:
  bool Create(const std::string& dataFolder);
  // TVC_OnExit and unloading of the plug-ins, then the windows go; the message loop ends.
  void Close();
  bool IsOpen() const { return m_windows.Frame() != nullptr; }
  // Offers a key press to the plug-ins; true when one used it.
  bool DispatchKey(const MSG& message);
  bool DispatchKey(int keyCode, int shiftCode);
  // Sent to the frame from another thread (a modal window's answerer): DispatchKey (key code in
  // wParam, shift code in lParam) on the host's thread, whatever window is active; 1 when used.
  static const UINT KeyPressMessage = WM_APP + 2;
  void SetScriptStepHandler(std::function<void()> handler) { m_scriptStep = handler; }
  void PostScriptStep() const;

  CMailStore& Store() { return m_store; }
  CHostCommands& Commands() { return m_commands; }
  const CPluginSet& Plugins() const { return m_plugins; }
  const CHostWindows& Windows() const { return m_windows; }
  CMailListPane& Mails() { return m_mails; }
  CHostFaults& Faults() { return m_faults; }
  HMENU MenuBar() const { return GetMenu(m_windows.Frame()); }

  // The frame's child and the panes destroyed and made anew, the same folder current.
  void RecreatePanes();

  // The folder tree, by folder id.
  bool ExpandFolder(const std::string& folderId, bool expand);
  bool IsFolderExpanded(const std::string& folderId);
  bool HasTreeItem(const std::string& pattern) const { return m_tree.HasItemMatching(pattern); }

  // Menus: the menu bar's pop-up at this position, or a context menu; the chosen command is run.
  void ShowMenuBarPopup(int position);
  void ShowContextMenu(HostMenuType type);
  void RebuildMenuBar();
  void RunPlugInSetup(size_t index);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleTreeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void RunMenu(HMENU popup, POINT at);
  void OnCommand(int commandId);
  void OnNotify(const NMHDR& header, LPARAM lParam);
  void OnContextMenu(HWND source, POINT at);
  void ShowAboutPlugins();
  void AttachPanes();
  // The host's own status texts, when it chatters.
  void Chatter(const std::string& text);

  CMailStore m_store;
  CPluginSet m_plugins;
  CHostCommands m_commands;
  CHostWindows m_windows;
  CFolderTreePane m_tree;
  CMailListPane m_mails{m_store, m_tree, m_plugins, m_windows, [this] { m_faults.BeforeSelect(); }};
  CHostFaults m_faults{m_store, m_mails, m_windows, [this] { RecreatePanes(); }};
  bool m_collapsing = false;  // a branch collapses, and the host does not follow the tree's selection
  std::function<void()> m_scriptStep;
};

// The one host of this process.
CMainFrame& TheHost();
