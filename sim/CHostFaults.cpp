#include "sim/CHostFaults.h"

#include "sim/FolderIndex.h"
#include "sim/HostMenus.h"
#include "sim/RenameFolderDialog.h"
#include "sim/Transcript.h"

bool CHostFaults::RenumberFolder(const std::string& folderId) {
  SimFolder* folder = m_store.FindFolder(folderId);
  if (folder == nullptr || !m_store.Renumber(*folder)) return false;
  Say("fault: mails of %s renumbered", folderId.c_str());
  if (folder == m_mails.CurrentFolder()) m_mails.ClearSelection();
  InvalidateRect(m_windows.List(), nullptr, TRUE);
  return true;
}

bool CHostFaults::RemoveFolder(const std::string& folderId) {
  const std::string currentId = m_mails.CurrentFolderId(), mailboxId = m_mails.CurrentMailboxId();
  const bool removed = m_store.RemoveFolder(folderId);
  Say("fault: folder %s %s", folderId.c_str(), removed ? "removed" : "could not be removed");
  m_mails.ShowStoreAgain(currentId, mailboxId);
  return removed;
}

bool CHostFaults::RenameFolder(const std::string& folderId, const std::string& newName) {
  std::string currentId = m_mails.CurrentFolderId();
  const std::string mailboxId = m_mails.CurrentMailboxId();
  const SimFolder* folder = m_store.FindFolder(folderId);
  const std::string newId = folder && folder->Parent ? folder->Parent->Id + newName + "\\" : std::string();
  const bool renamed = m_store.RenameFolder(folderId, newName);
  // The current folder keeps being current under its new id when it moved with the renamed one.
  if (renamed && currentId.compare(0, folderId.size(), folderId) == 0) {
    currentId = newId + currentId.substr(folderId.size());
  }
  Say("fault: folder %s %s \"%s\"", folderId.c_str(), renamed ? "renamed to" : "could not be renamed to",
      newName.c_str());
  m_mails.ShowStoreAgain(currentId, mailboxId);
  return renamed;
}

bool CHostFaults::BreakIndex(const std::string& folderId) {
  const SimFolder* folder = m_store.FindFolder(folderId);
  const bool broken = folder && WriteFolderIndex(m_store.DataFolder() + folder->Id + FolderIndexFileName, *folder, "1.00");
  Say("fault: index of %s %s", folderId.c_str(), broken ? "broken" : "could not be broken");
  return broken;
}

void CHostFaults::RenameCurrentFolder() {
  const SimFolder* folder = m_mails.CurrentFolder();
  std::string newName;
  if (folder && folder->Parent && AskNewFolderName(m_windows.Frame(), folder->Name, newName)) {
    RenameFolder(m_mails.CurrentFolderId(), newName);
  }
}

void CHostFaults::SetAskBeforeSelect(bool ask) {
  m_askBeforeSelect = ask;
  CheckMenuItem(GetMenu(m_windows.Frame()), IdAskBeforeSelect, MF_BYCOMMAND | (ask ? MF_CHECKED : MF_UNCHECKED));
  Say("fault: question box before selecting a mail %s", ask ? "on" : "off");
}

void CHostFaults::BeforeSelect() {
  if (!m_askBeforeSelect) return;
  const char* const title = "Message from Tovik!";
  const int answer = MessageBoxA(m_windows.Frame(),
                                 "The index of this folder may be damaged.\nDo you want to reconstruct it?", title,
                                 MB_YESNO | MB_ICONQUESTION);
  Say("question box \"%s\" answered %s", title, answer == IDYES ? "Yes" : answer == IDNO ? "No" : "otherwise");
  SimFolder* folder = m_mails.CurrentFolder();
  if (answer == IDYES && folder) WriteFolderIndex(m_store.DataFolder() + folder->Id + FolderIndexFileName, *folder);
}
