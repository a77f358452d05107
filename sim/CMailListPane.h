#pragma once
// The host's mail list (the current folder's mails, several selectable) and the message view below
// it that shows the opened mail. It keeps which folder and mail are current, answers the host
// functions about them, and tells the plug-ins about every mail it opens. With deferred opening on,
// a selected mail opens only when the list's timer 2350 fires (or a plug-in sends it that timer).
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "sim/CFolderTreePane.h"
#include "sim/CHostWindows.h"
#include "sim/CMailStore.h"
#include "sim/CPluginSet.h"

class CMailListPane {
 public:
  // `beforeSelect` runs whenever a mail is about to be selected.
  CMailListPane(CMailStore& store, CFolderTreePane& tree, CPluginSet& plugins, const CHostWindows& windows,
                std::function<void()> beforeSelect)
      : m_store(store), m_tree(tree), m_plugins(plugins), m_windows(windows), m_beforeSelect(beforeSelect) {}

  SimFolder* CurrentFolder() const { return m_currentFolder; }
  std::string CurrentMailboxId() const;
  std::string CurrentFolderId() const;
  std::string CurrentMailId() const;
  std::string CurrentMailHeader(const std::string& name) const;
  std::string MailIdAt(int position) const;
  int PositionOf(const std::string& mailId) const;  // -1 when not in the current folder
  int NextMail(int start, bool selectedOnly) const;

  bool SelectFolder(const std::string& folderId);
  bool SelectMail(const std::string& mailId);
  // Selects these mails of the current folder (list positions); the last one is opened.
  bool SelectMails(const std::vector<int>& positions);
  bool AddToSelection(const std::string& mailId);
  void SelectAll();
  void ClearSelection();
  void MarkAllRead();
  void SetDeferredOpen(bool deferred) { m_deferOpen = deferred; }
  // Selecting a folder opens its first mail, as some hosts do.
  void SetOpenFirstMail(bool open) { m_openFirstMail = open; }
  // A selected mail waits for the list's timer to be opened.
  bool IsOpenPending() const { return m_openPending; }
  // Reads the store from disk again, as the host's Refresh does.
  void ReloadStore();
  // After the store was read again: the tree anew, the same folder current when it still exists,
  // else its mailbox.
  void ShowStoreAgain(const std::string& folderId, const std::string& mailboxId);

  void OnFolderSelected(SimFolder* folder);
  void OnNotify(const NMHDR& header, LPARAM lParam);
  LRESULT HandleListMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void PaintView() const;

 private:
  void OnGetDispInfo(NMLVDISPINFOA& info);
  void OpenMail(int position);
  // Opens the mail now, or has the list's timer open it when opening is deferred.
  void OpenOrDefer(int position);
  void StopPendingOpen();
  void SelectOnly(int position);
  // Changes the list's selection without taking it for the user's.
  void SetQuietly(int position, UINT state, UINT mask);

  CMailStore& m_store;
  CFolderTreePane& m_tree;
  CPluginSet& m_plugins;
  const CHostWindows& m_windows;
  std::function<void()> m_beforeSelect;
  SimFolder* m_currentFolder = nullptr;
  int m_currentMail = -1;        // list position of the opened mail
  bool m_quietList = false;      // the host itself changes the list selection
  bool m_refillingTree = false;  // tree items may name folders the store no longer has
  bool m_deferOpen = false;
  bool m_openFirstMail = false;
  bool m_openPending = false;
  std::string m_viewText;
  std::string m_dispText;
};
