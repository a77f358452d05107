#include "sim/CHostFaults.h"

#include <cstdio>

#include "sim/FolderIndex.h"
#include "sim/HostMenus.h"
#include "sim/RenameFolderDialog.h"
#include "sim/Transcript.h"

namespace {

const char* const DamageNames[] = {"deleted", "truncated", "replaced by garbage", "given another version",
                                   "locked", "unlocked"};
struct ModeText {
  const char* Name;
  const char* Description;
};
const ModeText ModeTexts[] = {
    {"deferred-open", "mails open on the list's timer"},
    {"missing-texts", "missing texts come as NULL"},
    {"shared-buffer", "one buffer for every text answer"},
    {"refuse-commands", "commands refused"},
    {"no-window-handles", "no window handles"},
    {"no-message-view", "no message view handle"},
    {"no-frame-child", "no frame child of the class AfxMDIFrame42s"},
    {"no-anchor-item", "no item 32935 in the context menus"},
    {"folder-as-mailbox", "folders below the top level reported as their mailbox"},
    {"collapse-keeps-folder", "collapsing moves the tree's selection, not the current folder"},
    {"select-opens-mail", "selecting a folder opens its first mail"},
    {"lagging-index", "a renumbered folder's index written when the folder is entered again"},
    {"reused-numbers", "renumbering numbers from 1 again"},
    {"status-chatter", "the host's own status texts at menu selection and repaint"},
    {"folded-headers", "long headers answered folded"},
    {"encoded-headers", "Subject and From answered in encoded words"},
};
static_assert(sizeof ModeTexts / sizeof ModeTexts[0] == static_cast<size_t>(HostMode::Count), "a text per mode");

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

const char* HostModeName(HostMode mode) {
  const size_t index = static_cast<size_t>(mode);
  return index < static_cast<size_t>(HostMode::Count) ? ModeTexts[index].Name : nullptr;
}

const HostMode* HostModeNamed(const std::string& name) {
  static HostMode modes[static_cast<int>(HostMode::Count)];
  for (int i = 0; i < static_cast<int>(HostMode::Count); ++i) {
    modes[i] = static_cast<HostMode>(i);
    if (name == ModeTexts[i].Name) return &modes[i];
  }
  return nullptr;
}

CHostFaults::~CHostFaults() {
  if (m_lockedIndex != INVALID_HANDLE_VALUE) CloseHandle(m_lockedIndex);
}

bool CHostFaults::RenumberFolder(const std::string& folderId) {
  SimFolder* folder = m_store.FindFolder(folderId);
  const bool reuse = IsOn(HostMode::ReusedNumbers), lag = IsOn(HostMode::LaggingIndex);
  if (folder == nullptr || !m_store.Renumber(*folder, reuse, !lag)) return false;
  Say("fault: mails of %s renumbered%s%s", folderId.c_str(), reuse ? " from 1 again" : "",
      lag ? ", the index not yet" : "");
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

void CHostFaults::ShowInMenu(HMENU menuBar) const {
  CheckMenuItem(menuBar, IdAskBeforeSelect, MF_BYCOMMAND | (m_askBeforeSelect ? MF_CHECKED : MF_UNCHECKED));
  for (int i = 0; i < static_cast<int>(HostMode::Count); ++i) {
    CheckMenuItem(menuBar, IdHostModeFirst + i, MF_BYCOMMAND | (m_modes[i] ? MF_CHECKED : MF_UNCHECKED));
  }
}

void CHostFaults::SetAskBeforeSelect(bool ask) {
  m_askBeforeSelect = ask;
  ShowInMenu(GetMenu(m_windows.Frame()));
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
  const bool changed = m_modes[static_cast<int>(mode)] != on;
  m_modes[static_cast<int>(mode)] = on;
  if (mode == HostMode::DeferredOpen) m_mails.SetDeferredOpen(on);
  if (mode == HostMode::SelectOpensMail) m_mails.SetOpenFirstMail(on);
  if (m_windows.Frame()) ShowInMenu(GetMenu(m_windows.Frame()));
  Say("fault: %s %s", ModeTexts[static_cast<int>(mode)].Description, on ? "on" : "off");
  if (mode == HostMode::NoFrameChild && changed) m_recreatePanes();
}

void CHostFaults::RecreatePanes() {
  Say("fault: the panes made anew");
  m_recreatePanes();
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
