#pragma once
// Faults on demand, so that the plug-in's fallbacks can be exercised: a folder's mails renumbered
// (stored mail ids go stale), a folder removed or renamed, a folder's index that no reader takes, and
// the host's "Message from Tovik!" Yes/No box shown whenever a mail is about to be selected.
#include <string>

#include "sim/CHostWindows.h"
#include "sim/CMailListPane.h"
#include "sim/CMailStore.h"

class CHostFaults {
 public:
  CHostFaults(CMailStore& store, CMailListPane& mails, const CHostWindows& windows)
      : m_store(store), m_mails(mails), m_windows(windows) {}

  bool RenumberFolder(const std::string& folderId);
  bool RemoveFolder(const std::string& folderId);
  bool RenameFolder(const std::string& folderId, const std::string& newName);
  // Writes the folder's index again under a header of another version ("1.00"): its entries stay,
  // the host keeps showing the folder's mails, yet readers of the index refuse it.
  bool BreakIndex(const std::string& folderId);
  // Asks the user for the current folder's new name, then renames it.
  void RenameCurrentFolder();
  bool AskBeforeSelect() const { return m_askBeforeSelect; }
  void SetAskBeforeSelect(bool ask);
  // The question box, when that fault is on; Yes rewrites the current folder's index.
  void BeforeSelect();

 private:
  CMailStore& m_store;
  CMailListPane& m_mails;
  const CHostWindows& m_windows;
  bool m_askBeforeSelect = false;
};
