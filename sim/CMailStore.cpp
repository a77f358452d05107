#include "sim/CMailStore.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "sim/FileTree.h"
#include "sim/FolderIndex.h"
#include "sim/RenameFolderDialog.h"

namespace {

// Names of the subdirectories of a directory, sorted, for a stable folder order.
std::vector<std::string> SubdirectoryNames(const std::string& directory) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

bool IsFolderDirectory(const std::string& directory) {
  const DWORD attributes = GetFileAttributesA((directory + FolderIndexFileName).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool CMailStore::Load(const std::string& dataFolder) {
  m_dataFolder = dataFolder;
  m_mailboxes.clear();
  m_foldersById.clear();
  for (const std::string& name : SubdirectoryNames(dataFolder)) {
    if (!IsFolderDirectory(dataFolder + name + "\\")) continue;
    auto mailbox = std::make_unique<SimFolder>();
    mailbox->Id = name + "\\";
    mailbox->Name = name;
    Register(*mailbox);
    m_mailboxes.push_back(std::move(mailbox));
  }
  return !m_mailboxes.empty();
}

void CMailStore::Register(SimFolder& folder) {
  m_foldersById[folder.Id] = &folder;
  ReadFolderIndex(m_dataFolder + folder.Id + FolderIndexFileName, folder);
  LoadChildren(folder);
}

void CMailStore::LoadChildren(SimFolder& folder) {
  const std::string directory = m_dataFolder + folder.Id;
  for (const std::string& name : SubdirectoryNames(directory)) {
    if (!IsFolderDirectory(directory + name + "\\")) continue;
    auto child = std::make_unique<SimFolder>();
    child->Id = folder.Id + name + "\\";
    child->Name = name;
    child->Parent = &folder;
    Register(*child);
    folder.Children.push_back(std::move(child));
  }
}

void CMailStore::SaveChangedIndexes() {
  for (auto& entry : m_foldersById) {
    SimFolder& folder = *entry.second;
    if (!folder.IndexChanged) continue;
    if (WriteFolderIndex(m_dataFolder + folder.Id + FolderIndexFileName, folder)) folder.IndexChanged = false;
  }
}

SimFolder* CMailStore::FindFolder(const std::string& folderId) const {
  auto found = m_foldersById.find(folderId);
  return found == m_foldersById.end() ? nullptr : found->second;
}

bool CMailStore::FindMail(const std::string& mailId, SimFolder*& folder, size_t& position) const {
  const size_t mark = mailId.rfind('?');
  if (mark == std::string::npos || mark + 1 >= mailId.size() || mailId.size() - mark > 9) return false;
  folder = FindFolder(mailId.substr(0, mark));
  if (folder == nullptr) return false;
  char* end = nullptr;
  const unsigned number = static_cast<unsigned>(std::strtoul(mailId.c_str() + mark + 1, &end, 16));
  if (*end != '\0') return false;
  for (position = 0; position < folder->Mails.size(); ++position) {
    if (folder->Mails[position].Number == number) return true;
  }
  return false;
}

std::string CMailStore::ReadMailText(const SimFolder& folder, const SimMail& mail) const {
  std::string text;
  FILE* file = std::fopen((m_dataFolder + folder.Id + FolderMailFileName).c_str(), "rb");
  if (file == nullptr) return text;
  // The index may promise more than the mail file holds: read only what is there.
  const long fileSize = std::fseek(file, 0, SEEK_END) == 0 ? std::ftell(file) : -1;
  if (fileSize >= 0 && mail.Offset < static_cast<unsigned long>(fileSize) &&
      std::fseek(file, static_cast<long>(mail.Offset), SEEK_SET) == 0) {
    text.resize(std::min<unsigned long>(mail.Size, static_cast<unsigned long>(fileSize) - mail.Offset));
    text.resize(std::fread(&text[0], 1, text.size(), file));
  }
  std::fclose(file);
  return text;
}

std::string CMailStore::MailId(const SimFolder& folder, const SimMail& mail) {
  char number[16];
  std::snprintf(number, sizeof number, "%X", mail.Number);
  return folder.Id + "?" + number;
}

SimFolder& CMailStore::MailboxOf(SimFolder& folder) {
  SimFolder* mailbox = &folder;
  while (mailbox->Parent) mailbox = mailbox->Parent;
  return *mailbox;
}

std::string CMailStore::DisplayName(const SimFolder& folder) {
  if (folder.Parent == nullptr) return folder.Name;
  std::string path = folder.Name;
  const SimFolder* above = folder.Parent;
  for (; above->Parent; above = above->Parent) path = above->Name + "/" + path;
  return "[" + above->Name + "] " + path;
}

int CMailStore::UnreadCount(const SimFolder& folder) {
  int count = static_cast<int>(std::count_if(folder.Mails.begin(), folder.Mails.end(),
                                             [](const SimMail& mail) { return !(mail.Status & MailRead); }));
  for (const auto& child : folder.Children) count += UnreadCount(*child);
  return count;
}

void CMailStore::MarkRead(SimFolder& folder, size_t position) {
  SimMail& mail = folder.Mails[position];
  if (mail.Status & MailRead) return;
  mail.Status |= MailRead;
  folder.IndexChanged = true;
}

bool CMailStore::Renumber(SimFolder& folder, bool reuse, bool writeIndex) {
  if (reuse) {
    unsigned number = static_cast<unsigned>(folder.Mails.size());
    for (SimMail& mail : folder.Mails) mail.Number = number--;
    folder.NextNumber = static_cast<unsigned>(folder.Mails.size()) + 1;
  } else {
    for (SimMail& mail : folder.Mails) mail.Number = folder.NextNumber++;
  }
  if (!writeIndex) {
    folder.IndexChanged = true;
    return true;
  }
  return WriteFolderIndex(m_dataFolder + folder.Id + FolderIndexFileName, folder);
}

bool CMailStore::RemoveFolder(const std::string& folderId) {
  const SimFolder* folder = FindFolder(folderId);
  if (folder == nullptr || folder->Parent == nullptr) return false;  // mailboxes stay
  SaveChangedIndexes();
  const bool removed = DeleteDirectoryTree(m_dataFolder + folderId);
  Load(m_dataFolder);
  return removed;
}

bool CMailStore::RenameFolder(const std::string& folderId, const std::string& newName) {
  const SimFolder* folder = FindFolder(folderId);
  if (folder == nullptr || folder->Parent == nullptr || !IsValidFolderName(newName)) return false;
  SaveChangedIndexes();
  const std::string target = m_dataFolder + folder->Parent->Id + newName;
  const bool renamed = MoveFileA(WithoutTrailingSeparator(m_dataFolder + folderId).c_str(), target.c_str()) != 0;
  Load(m_dataFolder);
  return renamed;
}
