#pragma once
// The host's mail store on disk: the data folder holds one directory per mailbox, each folder
// directory (the mailbox's own included) holds its "Folder.idx" and its mail file, and subfolders
// are subdirectories. A folder id is the path below the data folder ending in "\"; a mail id is the
// folder id, "?" and the mail number in hexadecimal.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/MailStoreTypes.h"

class CMailStore {
 public:
  // Reads every mailbox of the data folder (a path ending in "\").
  bool Load(const std::string& dataFolder);
  // Writes back the indexes whose mails changed status.
  void SaveChangedIndexes();

  const std::string& DataFolder() const { return m_dataFolder; }
  const std::vector<std::unique_ptr<SimFolder>>& Mailboxes() const { return m_mailboxes; }
  SimFolder* FindFolder(const std::string& folderId) const;
  // The folder and the position of a mail in it, or false for an id the store does not know.
  bool FindMail(const std::string& mailId, SimFolder*& folder, size_t& position) const;
  std::string ReadMailText(const SimFolder& folder, const SimMail& mail) const;

  static std::string MailId(const SimFolder& folder, const SimMail& mail);
  static SimFolder& MailboxOf(SimFolder& folder);
  // "[Main] Inbox/Work" for a folder, "Main" for a mailbox.
  static std::string DisplayName(const SimFolder& folder);
  static int UnreadCount(const SimFolder& folder);  // the folder and all below it

  void MarkRead(SimFolder& folder, size_t position);
  // Faults on demand. Renumbering gives every mail of the folder a new number (ids go stale): above
  // every old one, or (`reuse`) from 1 in reverse order, so that an old id names another mail. The
  // index is written now (`writeIndex`), or with the next SaveChangedIndexes.
  bool Renumber(SimFolder& folder, bool reuse, bool writeIndex);
  bool RemoveFolder(const std::string& folderId);
  bool RenameFolder(const std::string& folderId, const std::string& newName);

 private:
  void LoadChildren(SimFolder& folder);
  void Register(SimFolder& folder);

  std::string m_dataFolder;
  std::vector<std::unique_ptr<SimFolder>> m_mailboxes;
  std::map<std::string, SimFolder*> m_foldersById;
};
