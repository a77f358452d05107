#include "sim/CHostFaults.h"

#include <cstdio>

#include "sim/FolderIndex.h"
#include "sim/HostMenus.h"
#include "sim/RenameFolderDialog.h"
#include "sim/Transcript.h"

namespace {

const char* const DamageNames[] = {"deleted", "truncated", "replaced by garbage", "given another version",
                                   "locked", "unlocked"};
const char* const ModeNames[] = {"mails open on the list's timer", "missing texts come as NULL",
                                 "one buffer for every text answer"};

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  char buffer[65536];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, read);
  std::fclose(file);
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

// Bytes of every kind, field separators and line ends among them, but no "2." header.
std::string Garbage(size_t length) {
  std::string bytes(length, '\0');
  unsigned state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 16);
  }
  bytes[0] = 'x';
  return bytes;
}

}  // namespace

CHostFaults::~CHostFaults() {
  if (m_lockedIndex != INVALID_HANDLE_VALUE) CloseHandle(m_lockedIndex);
}

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

void CHostFaults::OnDialogIdle() {
  if (m_removeInDialog.empty()) return;
  const std::string folderId = m_removeInDialog;
  m_removeInDialog.clear();
  RemoveFolder(folderId);
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

bool CHostFaults::DamageIndex(const std::string& folderId, IndexDamage damage) {
  if (m_store.FindFolder(folderId) == nullptr) return false;
  const std::string path = m_store.DataFolder() + folderId + FolderIndexFileName;
  if (damage == IndexDamage::Locked || damage == IndexDamage::Unlocked) {
    if (m_lockedIndex != INVALID_HANDLE_VALUE) CloseHandle(m_lockedIndex);
    m_lockedIndex = INVALID_HANDLE_VALUE;
  }
  bool done = false;
  std::string bytes;
  switch (damage) {
    case IndexDamage::Missing: done = DeleteFileA(path.c_str()) != FALSE; break;
    case IndexDamage::Truncated:
      // Past the header, into the middle of a line.
      done = ReadWholeFile(path, bytes) && WriteWholeFile(path, bytes.substr(0, bytes.size() / 2 + 3));
      break;
    case IndexDamage::Garbage: done = WriteWholeFile(path, Garbage(4096)); break;
    case IndexDamage::Version: done = WriteFolderIndex(path, *m_store.FindFolder(folderId), "1.00"); break;
    case IndexDamage::Locked:
      m_lockedIndex = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
      done = m_lockedIndex != INVALID_HANDLE_VALUE;
      break;
    case IndexDamage::Unlocked: done = true; break;
  }
  Say("fault: index of %s %s%s", folderId.c_str(), DamageNames[static_cast<int>(damage)], done ? "" : " FAILED");
  return done;
}

bool CHostFaults::DamageIndexWhenEntered(const std::string& folderId, IndexDamage damage) {
  if (m_store.FindFolder(folderId) == nullptr) return false;
  m_damagedWhenEntered = folderId;
  m_damageWhenEntered = damage;
  Say("fault: index of %s to be %s when a plug-in enters the folder", folderId.c_str(),
      DamageNames[static_cast<int>(damage)]);
  return true;
}

void CHostFaults::FolderEntered(const std::string& folderId) {
  if (m_damagedWhenEntered.empty() || folderId != m_damagedWhenEntered) return;
  m_damagedWhenEntered.clear();
  DamageIndex(folderId, m_damageWhenEntered);
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

void CHostFaults::Switch(HostMode mode, bool on) {
  m_modes[static_cast<int>(mode)] = on;
  if (mode == HostMode::DeferredOpen) m_mails.SetDeferredOpen(on);
  Say("fault: %s %s", ModeNames[static_cast<int>(mode)], on ? "on" : "off");
}

LPCSTR CHostFaults::AnswerText(std::string& own, const std::string& text) {
  if (IsOn(HostMode::MissingTexts) && text.empty()) return nullptr;
  if (!IsOn(HostMode::SharedAnswerBuffer)) {
    own = text;
    return own.c_str();
  }
  const size_t length = text.copy(m_sharedAnswer, sizeof m_sharedAnswer - 1);
  m_sharedAnswer[length] = '\0';
  return m_sharedAnswer;
}

std::string CHostFaults::TakeText(LPCSTR text, const char* function, bool beginsAnswer) {
  const bool own = text == m_sharedAnswer;
  if (text == nullptr || own) {
    m_misuses.push_back(std::string(function) + (text ? " was handed its own answer buffer" : " was handed NULL"));
    Say("host misuse: %s", m_misuses.back().c_str());
  }
  if (beginsAnswer && IsOn(HostMode::SharedAnswerBuffer)) m_sharedAnswer[0] = '\0';
  return text ? std::string(text) : std::string();
}
