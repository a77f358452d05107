#pragma once
// Faults on demand, so that the plug-in's fallbacks can be exercised: a folder's mails renumbered
// (stored mail ids go stale), a folder removed or renamed, a folder's index damaged, the host's
// "Message from Tovik!" Yes/No box shown whenever a mail is about to be selected, and modes in which
// the host answers as harshly as a real one may.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "sim/CHostWindows.h"
#include "sim/CMailListPane.h"
#include "sim/CMailStore.h"

// What can befall a folder's index on disk while the host runs.
enum class IndexDamage {
  Missing,    // deleted
  Truncated,  // cut in the middle of a line, as by a write that was interrupted
  Garbage,    // replaced by bytes that are no index
  Version,    // written again under a header of another version ("1.00"): the entries are there,
              // yet readers of the index refuse it
  Locked,     // held open by another program, so that nobody else can read it
  Unlocked,   // the lock given up again
};

// Ways of answering that a real host may have, each switched on and off.
enum class HostMode {
  DeferredOpen,        // a selected mail opens only on the mail list's timer
  MissingTexts,        // a text the host has none of comes as NULL (no current mail too)
  SharedAnswerBuffer,  // every text answer lives in one buffer that the next answer overwrites
  RefuseCommands,      // TVA_RegisterCommand answers 0
  NoWindowHandles,     // TVA_GetWindowHandles fails and gives no window
  NoMessageView,       // TVA_GetWindowHandles gives no message view
  NoFrameChild,        // the main frame's child is of another class than "AfxMDIFrame42s"
  NoAnchorItem,        // the context menus lack the item 32935
  FolderAsMailbox,     // a folder below the top level is reported as its mailbox
  CollapseKeepsFolder, // collapsing the branch of the selection moves it, the current folder stays
  SelectOpensMail,     // selecting a folder opens its first mail
  LaggingIndex,        // a renumbered folder's index is written when the folder is entered again
  ReusedNumbers,       // renumbering numbers the mails from 1 again, in reverse order
  StatusChatter,       // the host writes its own status texts at menu selection and repaint
  FoldedHeaders,       // long header answers come folded, as the mail holds them; the index unfolded
  EncodedHeaders,      // Subject and From answered in encoded words, as the mail holds them; the index decoded
  Count
};

// The mode's name in scripts and on the command line ("deferred-open"), or NULL.
const char* HostModeName(HostMode mode);
// The mode of that name, or NULL.
const HostMode* HostModeNamed(const std::string& name);

class CHostFaults {
 public:
  // `recreatePanes` makes the frame's child and the panes anew, of the classes the modes say.
  CHostFaults(CMailStore& store, CMailListPane& mails, const CHostWindows& windows,
              std::function<void()> recreatePanes)
      : m_store(store), m_mails(mails), m_windows(windows), m_recreatePanes(recreatePanes) {}
  ~CHostFaults();
  CHostFaults(const CHostFaults&) = delete;
  CHostFaults& operator=(const CHostFaults&) = delete;

  // New numbers above the old ones, or from 1 again (reused-numbers); the index is rewritten at once
  // unless the index lags.
  bool RenumberFolder(const std::string& folderId);
  // The frame's child, the tree, the list and the view destroyed and made again: new handles.
  void RecreatePanes();
  bool RemoveFolder(const std::string& folderId);
  // Removes the folder once a modal dialog over the host has opened and waits for its user: what the
  // dialog read of the folder at its start is then stale.
  void RemoveFolderInDialog(const std::string& folderId) { m_removeInDialog = folderId; }
  // The host's main window heard that a dialog it owns waits for its user.
  void OnDialogIdle();
  bool RenameFolder(const std::string& folderId, const std::string& newName);
  // Damages the folder's index file, not the host's own account of the folder (it does not notice).
  // One index at a time is locked; locking another gives up the first.
  bool DamageIndex(const std::string& folderId, IndexDamage damage);
  // The same damage, done when a plug-in next makes the folder current: in the middle of its jump,
  // after it has found the index whole. False for a folder that does not exist.
  bool DamageIndexWhenEntered(const std::string& folderId, IndexDamage damage);
  // A plug-in has made the folder current.
  void FolderEntered(const std::string& folderId);
  // Asks the user for the current folder's new name, then renames it.
  void RenameCurrentFolder();
  bool AskBeforeSelect() const { return m_askBeforeSelect; }
  void SetAskBeforeSelect(bool ask);
  // The Faults menu's items show what is on.
  void ShowInMenu(HMENU menuBar) const;
  // The question box, when that fault is on; Yes rewrites the current folder's index.
  void BeforeSelect();
  bool IsOn(HostMode mode) const { return m_modes[static_cast<int>(mode)]; }
  void Switch(HostMode mode, bool on);
  // How a host function hands out a text, as the modes have it.
  LPCSTR AnswerText(std::string& own, const std::string& text);
  // A text argument handed to `function`. NULL, or the host's own answer buffer, is noted as a
  // misuse; with one answer buffer the host begins its answer (`beginsAnswer`) before it reads it.
  std::string TakeText(LPCSTR text, const char* function, bool beginsAnswer);
  const std::vector<std::string>& Misuses() const { return m_misuses; }

 private:
  CMailStore& m_store;
  CMailListPane& m_mails;
  const CHostWindows& m_windows;
  std::function<void()> m_recreatePanes;
  bool m_askBeforeSelect = false;
  std::string m_removeInDialog;
  HANDLE m_lockedIndex = INVALID_HANDLE_VALUE;
  std::string m_damagedWhenEntered;  // none when empty
  IndexDamage m_damageWhenEntered = IndexDamage::Missing;
  bool m_modes[static_cast<int>(HostMode::Count)] = {};
  char m_sharedAnswer[4096] = {};
  std::vector<std::string> m_misuses;
};
