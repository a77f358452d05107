#include "sim/CSoakRunner.h"

#include <cstdarg>
#include <map>

#include "sim/CMainFrame.h"
#include "uiauto/ProcessResources.h"
#include "sim/Transcript.h"
#include "uiauto/UiAutomation.h"

namespace {

const DWORD HangMilliseconds = 30000;
const DWORD SettleMilliseconds = 20;
const DWORD LeftOpenMilliseconds = 2000;  // a window that closes takes a moment to go
const int SampleEvery = 20;               // actions between two samples of the resources
const int ToolsMenuPosition = 4;          // the fifth pop-up of the menu bar takes the plug-ins' items
const size_t SectionBufferSize = 1 << 20;

// The keys a user may have bound to the plug-in's menus and find dialog.
const char* const HotKeyNames[] = {"ComprehensiveHotKey", "FolderHotKey",      "MailHotKey", "FolderTreeHotKey",
                                   "MailHistoryHotKey",   "WindowStateHotKey", "FindHotKey"};
// Keys a user presses that are bound to nothing, or were once: Ctrl+F, F5, Alt+X, Shift+F3.
const int OtherKeys[][2] = {{'F', 32}, {VK_F5, 0}, {'X', 254}, {VK_F3, 64}};

const char* const RenamedSuffix = "2";

// The keys of a settings section, the first of each name, as the system's profile functions read it.
std::map<std::string, std::string> ReadSection(const std::string& path, const char* section) {
  std::vector<char> buffer(SectionBufferSize);
  const DWORD length = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 path.c_str());
  std::map<std::string, std::string> keys;
  for (size_t at = 0; at < length && buffer[at] != '\0';) {
    const std::string line(&buffer[at]);
    at += line.size() + 1;
    const size_t equals = line.find('=');
    if (equals != std::string::npos) keys.emplace(line.substr(0, equals), line.substr(equals + 1));
  }
  return keys;
}

// Items numbered from 0 up to the first whose end-marker key ends the list.
int CountItems(const std::map<std::string, std::string>& keys, const char* const markers[], size_t markerCount,
               bool (*ends)(const std::string* value)) {
  int count = 0;
  for (;; ++count) {
    for (size_t i = 0; i < markerCount; ++i) {
      const auto found = keys.find("Item" + std::to_string(count) + "_" + markers[i]);
      if (ends(found == keys.end() ? nullptr : &found->second)) return count;
    }
  }
}

bool EndsWhenEmpty(const std::string* value) { return value == nullptr || value->empty(); }
bool EndsWhenZero(const std::string* value) { return value == nullptr || std::atoi(value->c_str()) == 0; }
bool EndsWhenMinusOne(const std::string* value) { return value == nullptr || std::atoi(value->c_str()) == -1; }

void CollectFolderIds(const SimFolder& folder, std::vector<std::string>& ids) {
  ids.push_back(folder.Id);
  for (const auto& child : folder.Children) CollectFolderIds(*child, ids);
}

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

// Weights: what a user does most (selecting, menus, keys) comes most; host faults come seldom.
const CSoakRunner::ActionKind CSoakRunner::Actions[] = {
    {"select-folder", 14, false, &CSoakRunner::SelectFolder},
    {"select-mail", 14, false, &CSoakRunner::SelectMail},
    {"select-mails", 6, false, &CSoakRunner::SelectMails},
    {"expand", 4, false, &CSoakRunner::ExpandFolder},
    {"collapse", 3, false, &CSoakRunner::CollapseFolder},
    {"tree-menu", 8, true, &CSoakRunner::TreeMenu},
    {"list-menu", 8, true, &CSoakRunner::ListMenu},
    {"view-menu", 5, true, &CSoakRunner::ViewMenu},
    {"tools-menu", 9, true, &CSoakRunner::ToolsMenu},
    {"hot-key", 12, false, &CSoakRunner::HotKey},
    {"setup", 3, false, &CSoakRunner::Setup},
    {"rebuild-menu", 1, false, &CSoakRunner::RebuildMenu},
    {"wait", 1, false, &CSoakRunner::Wait},
    {"fault-renumber", 2, false, &CSoakRunner::RenumberFolder},
    {"fault-rename", 1, false, &CSoakRunner::RenameFolder},
    {"fault-remove", 1, false, &CSoakRunner::RemoveFolder},
    {"fault-host-question", 1, false, &CSoakRunner::ToggleHostQuestion},
    {"fault-index", 2, false, &CSoakRunner::DamageIndex},
    {"fault-host-mode", 2, false, &CSoakRunner::ToggleHostMode},
    {"fault-recreate-panes", 1, false, &CSoakRunner::RecreatePanes},
};
const size_t CSoakRunner::ActionCount = sizeof Actions / sizeof Actions[0];

CSoakRunner::CSoakRunner(CMainFrame& host, const SoakOptions& options)
    : m_host(host), m_options(options), m_random(options.Seed) {}

CSoakRunner::~CSoakRunner() {
  if (m_log) std::fclose(m_log);
}

bool CSoakRunner::Start() {
  m_log = std::fopen(m_options.LogPath.c_str(), "w");
  if (m_log == nullptr) return false;
  // The answers draw from a generator of their own, so that they do not shift the actions.
  m_answerer.reset(new CRandomAnswerer(m_options.Seed * 2654435761u + 1, HangMilliseconds));
  m_counts = ReadFavoriteCounts();
  Log("seed %u", m_options.Seed);
  Log("favorites %d %d %d %d", m_counts.Folders, m_counts.Mails, m_counts.Trees, m_counts.Windows);
  m_start = GetTickCount();
  Sample("start");
  m_host.SetScriptStepHandler([this] { RunNextAction(); });
  m_host.PostScriptStep();
  return true;
}

void CSoakRunner::RunNextAction() {
  if (!m_host.IsOpen()) return;
  const DWORD elapsed = GetTickCount() - m_start;
  if (m_failed || elapsed >= m_options.Seconds * 1000) {
    Sample("end");
    CloseHost();
    return;
  }
  // The warm-up ends once every kind of action has run: what a first use makes for good (a font, a
  // shared icon, a window class) is then made.
  if (!m_warm && elapsed >= m_options.WarmUpSeconds * 1000 && static_cast<size_t>(m_actions) >= ActionCount) {
    m_warm = true;
    Sample("warm");
  } else if (m_actions % SampleEvery == 0) {
    Sample("sample");
  }
  RunAction(NextKind());
  if (m_host.IsOpen()) m_host.PostScriptStep();
}

const CSoakRunner::ActionKind& CSoakRunner::NextKind() {
  // A tour of every kind first, then at random by weight.
  if (static_cast<size_t>(m_actions) < ActionCount) return Actions[m_actions];
  unsigned total = 0;
  for (const ActionKind& kind : Actions) total += kind.Weight;
  unsigned pick = Random(total);
  for (const ActionKind& kind : Actions) {
    if (pick < kind.Weight) return kind;
    pick -= kind.Weight;
  }
  return Actions[0];
}

void CSoakRunner::RunAction(const ActionKind& kind) {
  // A user acts once the main window is active again after the last window closed.
  const HWND frame = m_host.Windows().Frame();
  uiauto::PumpMessagesUntil([frame] { return GetActiveWindow() == frame && GetForegroundWindow() == frame; });
  uiauto::PumpMessagesFor(SettleMilliseconds);
  ++m_actions;
  Say("soak %d: %s", m_actions, kind.Name);
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  // The host's own menu comes first for a menu action; its answer may pick only plug-in commands.
  m_answerer->BeginAction(kind.Name, kind.HostMenu, CHostCommands::FirstCommandId);
  (this->*kind.Run)();
  const AnswerAccount account = m_answerer->EndAction();
  const double milliseconds = MillisecondsSince(start);
  if (!m_host.IsOpen()) {
    Fail(std::string("the host closed during \"") + kind.Name + "\"");
    return;
  }
  CheckNothingLeftOpen(kind.Name);
  CheckFavorites(kind.Name, account.MayDelete);
  CheckHostUse(kind.Name);
  Log("action %d %s %.1f %d %d", m_actions, kind.Name, milliseconds, account.Answers, account.MayDelete ? 1 : 0);
}

void CSoakRunner::CloseHost() {
  Say("soak: closing the host after %d actions", m_actions);
  m_answerer->BeginAction("close", false, CHostCommands::FirstCommandId);
  m_host.Close();
  const AnswerAccount account = m_answerer->EndAction();
  CheckFavorites("close", account.MayDelete);
  Log("closed %d", m_actions);
  m_answerer.reset();
  Say(m_failed ? "soak session: FAILED (seed %u)" : "soak session: passed (seed %u)", m_options.Seed);
}

void CSoakRunner::CheckNothingLeftOpen(const char* action) {
  HWND left = nullptr;
  if (uiauto::PumpMessagesUntil([&left] { return (left = uiauto::FindModalWindow()) == nullptr; },
                                LeftOpenMilliseconds)) {
    return;
  }
  Fail(std::string("a window was left open after \"") + action + "\": \"" + uiauto::TextOf(left) + "\" (" +
       uiauto::ClassOf(left) + ")");
  uiauto::Dismiss(left);
}

void CSoakRunner::CheckHostUse(const char* action) {
  // A real host may crash on what this one only notes.
  const std::vector<std::string>& misuses = m_host.Faults().Misuses();
  if (m_misusesSeen < misuses.size()) {
    Fail(std::string("in \"") + action + "\" the host function " + misuses[m_misusesSeen]);
  }
  m_misusesSeen = misuses.size();
}

void CSoakRunner::CheckFavorites(const char* action, bool mayDelete) {
  const FavoriteCounts counts = ReadFavoriteCounts();
  const struct {
    const char* List;
    int Before, After;
  } lists[] = {{"folders", m_counts.Folders, counts.Folders},
               {"mails", m_counts.Mails, counts.Mails},
               {"folder-tree states", m_counts.Trees, counts.Trees},
               {"window states", m_counts.Windows, counts.Windows}};
  for (const auto& list : lists) {
    if (list.After < list.Before && !mayDelete) {
      Fail(std::string("favorite ") + list.List + " went from " + std::to_string(list.Before) + " to " +
           std::to_string(list.After) + " in \"" + action + "\", which deleted nothing");
    }
  }
  m_counts = counts;
}

void CSoakRunner::Sample(const char* when) {
  const uiauto::ProcessResources resources = uiauto::MeasureProcessResources();
  Log("resources %s %d %lu %lu %llu", when, m_actions, resources.Gdi, resources.User,
      static_cast<unsigned long long>(resources.PrivateBytes));
}

void CSoakRunner::Fail(const std::string& failure) {
  m_failed = true;
  Say("SOAK FAILED: seed %u, action %d: %s", m_options.Seed, m_actions, failure.c_str());
  Log("fail %d %s", m_actions, failure.c_str());
}

void CSoakRunner::Log(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(m_log, format, arguments);
  va_end(arguments);
  std::fputc('\n', m_log);
  std::fflush(m_log);
}

std::vector<std::string> CSoakRunner::FolderIds() const {
  std::vector<std::string> ids;
  for (const auto& mailbox : m_host.Store().Mailboxes()) CollectFolderIds(*mailbox, ids);
  return ids;
}

std::string CSoakRunner::RandomFolderId() {
  const std::vector<std::string> ids = FolderIds();
  return ids.empty() ? std::string() : ids[Random(static_cast<unsigned>(ids.size()))];
}

unsigned CSoakRunner::MailCount() const {
  unsigned count = 0;
  for (int i = m_host.Mails().NextMail(-1, false); i >= 0; i = m_host.Mails().NextMail(i, false)) ++count;
  return count;
}

std::string CSoakRunner::SettingsPath() const { return m_host.Store().DataFolder() + "Plugins\\RaZudazoved.ini"; }

FavoriteCounts CSoakRunner::ReadFavoriteCounts() const {
  static const char* const folderMarker[] = {"FolderID"};
  static const char* const mailMarker[] = {"MailID"};
  static const char* const treeMarker[] = {"ID"};
  static const char* const windowMarkers[] = {"WindowCX", "WindowCY"};
  const std::string path = SettingsPath();
  FavoriteCounts counts;
  counts.Folders = CountItems(ReadSection(path, "FavoriteFolders"), folderMarker, 1, EndsWhenEmpty);
  counts.Mails = CountItems(ReadSection(path, "FavoriteMails"), mailMarker, 1, EndsWhenEmpty);
  counts.Trees = CountItems(ReadSection(path, "FavoriteFolderTrees"), treeMarker, 1, EndsWhenZero);
  counts.Windows = CountItems(ReadSection(path, "WindowState"), windowMarkers, 2, EndsWhenMinusOne);
  return counts;
}

void CSoakRunner::SelectFolder() {
  const std::string id = RandomFolderId();
  SetFocus(m_host.Windows().Tree());  // as a click on the folder would
  m_host.Mails().SelectFolder(id);
}

void CSoakRunner::SelectMail() {
  const unsigned count = MailCount();
  if (count == 0) return;
  SetFocus(m_host.Windows().List());  // as a click on the mail would
  m_host.Mails().SelectMail(m_host.Mails().MailIdAt(static_cast<int>(Random(count))));
}

void CSoakRunner::SelectMails() {
  const unsigned count = MailCount();
  if (count == 0) return;
  std::vector<int> positions;
  for (unsigned i = 0, chosen = 2 + Random(3); i < chosen; ++i) positions.push_back(static_cast<int>(Random(count)));
  SetFocus(m_host.Windows().List());
  m_host.Mails().SelectMails(positions);
}

void CSoakRunner::ExpandFolder() {
  m_host.ExpandFolder(RandomFolderId(), true);
}

void CSoakRunner::CollapseFolder() {
  m_host.ExpandFolder(RandomFolderId(), false);
}

void CSoakRunner::TreeMenu() {
  m_host.ShowContextMenu(FolderTreeMenu);
}

void CSoakRunner::ListMenu() {
  m_host.ShowContextMenu(MailListMenu);
}

void CSoakRunner::ViewMenu() {
  m_host.ShowContextMenu(OpenedMailMenu);
}

void CSoakRunner::ToolsMenu() {
  m_host.ShowMenuBarPopup(ToolsMenuPosition);
}

void CSoakRunner::HotKey() {
  const std::map<std::string, std::string> misc = ReadSection(SettingsPath(), "Misc");
  std::vector<int> bound;
  for (const char* name : HotKeyNames) {
    const auto found = misc.find(name);
    const int value = found == misc.end() ? 0 : std::atoi(found->second.c_str());
    if ((value & 0xFF) != 0) bound.push_back(value);
  }
  const unsigned other = static_cast<unsigned>(sizeof OtherKeys / sizeof OtherKeys[0]);
  const unsigned choice = Random(static_cast<unsigned>(bound.size()) + other);
  if (choice < bound.size()) {
    m_host.DispatchKey(bound[choice] & 0xFF, (bound[choice] >> 8) & 0xFF);
  } else {
    m_host.DispatchKey(OtherKeys[choice - bound.size()][0], OtherKeys[choice - bound.size()][1]);
  }
}

void CSoakRunner::Setup() {
  m_host.RunPlugInSetup(0);
}

void CSoakRunner::RebuildMenu() {
  m_host.RebuildMenuBar();
}

void CSoakRunner::Wait() {
  uiauto::PumpMessagesFor(100);
}

void CSoakRunner::RenumberFolder() {
  m_host.Faults().RenumberFolder(RandomFolderId());
}

void CSoakRunner::RenameFolder() {
  const std::string id = RandomFolderId();
  const SimFolder* folder = m_host.Store().FindFolder(id);
  // Mailboxes keep their names, as in the host.
  if (folder && folder->Parent) m_host.Faults().RenameFolder(id, folder->Name + RenamedSuffix);
}

void CSoakRunner::RemoveFolder() {
  const std::string id = RandomFolderId();
  const SimFolder* folder = m_host.Store().FindFolder(id);
  if (folder && folder->Parent) m_host.Faults().RemoveFolder(id);
}

void CSoakRunner::ToggleHostQuestion() {
  m_host.Faults().SetAskBeforeSelect(!m_host.Faults().AskBeforeSelect());
}

void CSoakRunner::DamageIndex() {
  static const IndexDamage damages[] = {IndexDamage::Missing, IndexDamage::Truncated, IndexDamage::Garbage,
                                        IndexDamage::Version, IndexDamage::Locked,    IndexDamage::Unlocked};
  m_host.Faults().DamageIndex(RandomFolderId(), damages[Random(sizeof damages / sizeof damages[0])]);
}

void CSoakRunner::ToggleHostMode() {
  const HostMode mode = static_cast<HostMode>(Random(static_cast<unsigned>(HostMode::Count)));
  m_host.Faults().Switch(mode, !m_host.Faults().IsOn(mode));
}

void CSoakRunner::RecreatePanes() { m_host.Faults().RecreatePanes(); }
