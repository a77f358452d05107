#include "sim/CScriptRunner.h"

#include <cstdio>
#include <fstream>
#include <map>

#include "sim/CMainFrame.h"
#include "sim/HostCalls.h"
#include "sim/Screenshot.h"
#include "sim/ScriptText.h"
#include "sim/Transcript.h"
#include "uiauto/UiAutomation.h"

namespace {

bool IsAnswerWord(const std::string& word) {
  return word == "messagebox" || word == "popup" || word == "dialog" || word == "no-dialog";
}

std::string Joined(const std::vector<std::string>& words, size_t from = 0) {
  std::string text;
  for (size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i];
  return text;
}

std::string Mismatch(const std::string& what, const std::string& actual, const std::string& expected) {
  return what + " is \"" + actual + "\", expected \"" + expected + "\"";
}


bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return true;
}

}  // namespace

CScriptRunner::Action CScriptRunner::FindAction(const std::string& name) {
  static const std::map<std::string, Action> actions = {
      {"select-folder", &CScriptRunner::SelectFolder}, {"select-mail", &CScriptRunner::SelectMail},
      {"select-mails", &CScriptRunner::SelectMails},   {"expand", &CScriptRunner::Expand},
      {"collapse", &CScriptRunner::Expand},            {"menu", &CScriptRunner::ShowMenu},
      {"rebuild-menu", &CScriptRunner::RebuildMenu},   {"key", &CScriptRunner::PressKey},
      {"setup", &CScriptRunner::Setup},                {"fault", &CScriptRunner::Fault},
      {"call", &CScriptRunner::CallHost},              {"expect", &CScriptRunner::Expect},
      {"screenshot", &CScriptRunner::Screenshot},      {"wait", &CScriptRunner::Wait},
      {"timeout", &CScriptRunner::Timeout},            {"echo", &CScriptRunner::Echo},
      {"close", &CScriptRunner::Close},
  };
  auto found = actions.find(name);
  return found == actions.end() ? nullptr : found->second;
}

namespace {
// How long the host's message loop runs before each step, once the main window is active.
const DWORD SettleMilliseconds = 50;
}  // namespace

bool CScriptRunner::Load(const std::string& path, const std::string& dataFolder, std::string& error) {
  std::vector<std::string> lines;
  // $DATA stands for the data folder without its final "\", so that "$DATA\Plugins" reads naturally.
  const std::string dataVariable = dataFolder.substr(0, dataFolder.size() - 1);
  if (!ReadLines(path, lines)) {
    error = "cannot read the script " + path;
    return false;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i + 1);
    std::vector<std::string> words;
    std::string wordError;
    if (!SplitScriptWords(lines[i], dataVariable, words, wordError)) {
      error = path + " line " + std::to_string(line) + ": " + wordError;
      return false;
    }
    if (words.empty() || words[0][0] == '#') continue;
    if (IsAnswerWord(words[0])) {
      if (m_steps.empty()) {
        error = path + " line " + std::to_string(line) + ": an answer must follow the action that shows the window";
        return false;
      }
      if (words[0] == "no-dialog") {
        m_steps.back().NoDialog = true;
      } else {
        m_steps.back().Answers.push_back(ModalAnswer{line, words});
      }
    } else if (FindAction(words[0]) == nullptr) {
      error = path + " line " + std::to_string(line) + ": unknown action \"" + words[0] + "\"";
      return false;
    } else {
      m_steps.push_back(ScriptStep{line, lines[i], words, {}, false});
    }
  }
  return true;
}

void CScriptRunner::Start() {
  m_answerer.reset(new CModalAnswerer(m_host.Windows().Frame(), m_shotFolder));
  m_host.SetScriptStepHandler([this] { RunNextStep(); });
  m_host.PostScriptStep();
}

void CScriptRunner::RunNextStep() {
  if (m_failed || m_next >= m_steps.size()) {
    if (m_host.IsOpen()) CloseHost();
    return;
  }
  RunStep(m_steps[m_next++]);
  // Each step runs from the message loop, so the host paints and handles its messages in between.
  if (m_host.IsOpen()) {
    m_host.PostScriptStep();
  }
}

void CScriptRunner::CloseHost() {
  Say(m_failed ? "script: stopped, closing the host" : "script: end, closing the host");
  // Windows that plug-ins show while the host closes are as unexpected as any other.
  m_answerer->BeginAction({}, false);
  m_host.Close();
  int line = 0;
  const std::string failure = m_answerer->EndAction(line);
  const int lastLine = m_steps.empty() ? 0 : m_steps.back().Line;
  if (!failure.empty()) Fail(line ? line : lastLine, failure);
  const std::string misuse = NewMisuse();
  if (!misuse.empty()) Fail(lastLine, misuse);
}

std::string CScriptRunner::NewMisuse() {
  // A real host may crash on what this one only notes.
  const std::vector<std::string>& misuses = m_host.Faults().Misuses();
  if (m_misusesSeen >= misuses.size()) return std::string();
  const std::string misuse = "the host function " + misuses[m_misusesSeen];
  m_misusesSeen = misuses.size();
  return misuse;
}

void CScriptRunner::RunStep(const ScriptStep& step) {
  Say("> %s", step.Text.c_str());
  if (!m_host.IsOpen() && step.Words[0] != "expect" && step.Words[0] != "echo") {
    Fail(step.Line, "the host is closed");
    return;
  }
  // A user acts once the main window is active again after the last window closed, and a moment
  // later: a menu opened while the activation is still under way is cancelled at once under Wine. The
  // activation can take long on a busy machine; the moment after it lets its focus messages through.
  if (step.Words[0] != "expect" && step.Words[0] != "echo") {
    const HWND frame = m_host.Windows().Frame();
    uiauto::PumpMessagesUntil([frame] { return GetActiveWindow() == frame && GetForegroundWindow() == frame; });
    uiauto::PumpMessagesFor(SettleMilliseconds);
  }
  if (m_answerer) m_answerer->BeginAction(step.Answers, step.NoDialog);
  const std::string failure = (this->*FindAction(step.Words[0]))(step.Words);
  int answerLine = 0;
  const std::string answerFailure = m_answerer ? m_answerer->EndAction(answerLine) : std::string();
  const std::string misuse = NewMisuse();
  if (!failure.empty()) {
    Fail(step.Line, failure);
  } else if (!answerFailure.empty()) {
    Fail(answerLine ? answerLine : step.Line, answerFailure);
  } else if (!misuse.empty()) {
    Fail(step.Line, misuse);
  }
}

void CScriptRunner::Fail(int line, const std::string& failure) {
  if (m_failed) return;
  m_failed = true;
  Say("FAILED: line %d: %s", line, failure.c_str());
}

void CScriptRunner::Finish() {
  m_answerer.reset();  // the host's windows are gone: nothing is left to answer
  while (!m_failed && m_next < m_steps.size()) RunStep(m_steps[m_next++]);
  Say(m_failed ? "script: FAILED" : "script: passed");
}

std::string CScriptRunner::MailIdOf(const std::string& word) const {
  int position = 0;
  if (word.size() > 1 && word[0] == '#' && ParseNumber(word.substr(1), position)) {
    return m_host.Mails().MailIdAt(position - 1);
  }
  return word;
}

std::string CScriptRunner::SelectFolder(const std::vector<std::string>& words) {
  if (words.size() != 2) return "usage: select-folder <folder id>";
  SetFocus(m_host.Windows().Tree());  // as a click on the folder would
  return m_host.Mails().SelectFolder(words[1]) ? std::string()
                                               : "the folder \"" + words[1] + "\" could not be selected";
}

std::string CScriptRunner::SelectMail(const std::vector<std::string>& words) {
  if (words.size() != 2) return "usage: select-mail <mail id | #n>";
  const std::string mailId = MailIdOf(words[1]);
  SetFocus(m_host.Windows().List());  // as a click on the mail would
  if (!m_host.Mails().SelectMail(mailId)) return "the mail \"" + words[1] + "\" could not be selected";
  return WaitForOpenMail();
}

std::string CScriptRunner::WaitForOpenMail() {
  // A user reads the mail once the list has opened it, on its timer when opening is deferred.
  const CMailListPane& mails = m_host.Mails();
  return uiauto::PumpMessagesUntil([&] { return !mails.IsOpenPending(); }) ? std::string()
                                                                          : "the selected mail never opened";
}

std::string CScriptRunner::SelectMails(const std::vector<std::string>& words) {
  std::vector<int> positions;
  for (size_t i = 1; i < words.size(); ++i) {
    const int position = m_host.Mails().PositionOf(MailIdOf(words[i]));
    if (position < 0) return "no mail \"" + words[i] + "\" in the current folder";
    positions.push_back(position);
  }
  SetFocus(m_host.Windows().List());
  if (!m_host.Mails().SelectMails(positions)) return "usage: select-mails <mail id | #n>...";
  return WaitForOpenMail();
}

std::string CScriptRunner::Expand(const std::vector<std::string>& words) {
  // "expand <folder id>" or "collapse <folder id>"
  if (words.size() != 2) return "usage: " + words[0] + " <folder id>";
  const bool expand = words[0] == "expand";
  if (m_host.ExpandFolder(words[1], expand)) return std::string();
  return "the folder \"" + words[1] + "\" could not be " + (expand ? "expanded" : "collapsed");
}

std::string CScriptRunner::ShowMenu(const std::vector<std::string>& words) {
  if (words.size() == 2 && words[1] == "tree") {
    m_host.ShowContextMenu(FolderTreeMenu);
  } else if (words.size() == 2 && words[1] == "list") {
    m_host.ShowContextMenu(MailListMenu);
  } else if (words.size() == 2 && words[1] == "view") {
    m_host.ShowContextMenu(OpenedMailMenu);
  } else if (words.size() == 3 && words[1] == "main") {
    const std::vector<uiauto::MenuItem> popups = uiauto::MenuItemsOf(m_host.MenuBar());
    const int count = static_cast<int>(popups.size());
    int position = -1;
    for (int i = 0; i < count && position < 0; ++i) {
      const std::string& title = popups[i].Text;
      if (MatchesPattern(title, words[2]) || MatchesPattern(WithoutAccelerators(title), words[2])) position = i;
    }
    if (position < 0 && (!ParseNumber(words[2], position) || --position < 0 || position >= count)) {
      return "the menu bar has no pop-up \"" + words[2] + "\"";
    }
    m_host.ShowMenuBarPopup(position);
  } else {
    return "usage: menu main <pop-up title | n> | menu tree | menu list | menu view";
  }
  return std::string();
}

std::string CScriptRunner::RebuildMenu(const std::vector<std::string>&) {
  m_host.RebuildMenuBar();
  return std::string();
}

std::string CScriptRunner::PressKey(const std::vector<std::string>& words) {
  int key = 0, shift = 0;
  if (words.size() != 2 || !ParseKeyCombination(words[1], key, shift)) return "usage: key <[Ctrl+][Shift+][Alt+]key>";
  Say("  key code %d, shift code %d: %s", key, shift, m_host.DispatchKey(key, shift) ? "used" : "not used");
  return std::string();
}

std::string CScriptRunner::Setup(const std::vector<std::string>& words) {
  int number = 1;
  if (words.size() > 2 || (words.size() == 2 && !ParseNumber(words[1], number))) return "usage: setup [n]";
  if (number < 1 || number > static_cast<int>(m_host.Plugins().Plugins().size())) {
    return "there is no plug-in " + std::to_string(number);
  }
  m_host.RunPlugInSetup(static_cast<size_t>(number - 1));
  return std::string();
}

std::string CScriptRunner::Fault(const std::vector<std::string>& words) {
  const std::string kind = words.size() > 1 ? words[1] : std::string();
  bool done = false;
  if (kind == "renumber" && words.size() == 3) {
    done = m_host.Faults().RenumberFolder(words[2]);
  } else if (kind == "remove" && words.size() == 3) {
    done = m_host.Faults().RemoveFolder(words[2]);
  } else if (kind == "remove" && words.size() == 4 && words[3] == "in-dialog") {
    m_host.Faults().RemoveFolderInDialog(words[2]);
    done = true;
  } else if (kind == "rename" && words.size() == 4) {
    done = m_host.Faults().RenameFolder(words[2], words[3]);
  } else if (kind == "ask-on-select" && words.size() == 3 && (words[2] == "on" || words[2] == "off")) {
    m_host.Faults().SetAskBeforeSelect(words[2] == "on");
    done = true;
  } else if (words.size() == 3 && HostModeNamed(kind) && (words[2] == "on" || words[2] == "off")) {
    m_host.Faults().Switch(*HostModeNamed(kind), words[2] == "on");
    done = true;
  } else if (kind == "recreate-panes" && words.size() == 2) {
    m_host.Faults().RecreatePanes();
    done = true;
  } else if (kind == "index" && (words.size() == 4 || (words.size() == 5 && words[4] == "when-entered"))) {
    static const std::map<std::string, IndexDamage> damages = {
        {"missing", IndexDamage::Missing}, {"truncated", IndexDamage::Truncated}, {"garbage", IndexDamage::Garbage},
        {"version", IndexDamage::Version}, {"locked", IndexDamage::Locked},   {"unlocked", IndexDamage::Unlocked}};
    const auto damage = damages.find(words[3]);
    if (damage == damages.end()) {
      return "usage: fault index <folder id> missing|truncated|garbage|version|locked|unlocked [when-entered]";
    }
    done = words.size() == 5 ? m_host.Faults().DamageIndexWhenEntered(words[2], damage->second)
                             : m_host.Faults().DamageIndex(words[2], damage->second);
  } else {
    return "usage: fault renumber <folder id> | remove <folder id> [in-dialog] | rename <folder id> <name> | ask-on-select on|off"
           " | index <folder id> missing|truncated|garbage|version|locked|unlocked [when-entered]"
           " | recreate-panes | <host mode> on|off";
  }
  return done ? std::string() : "the fault \"" + Joined(words, 1) + "\" could not be made";
}

std::string CScriptRunner::CallHost(const std::vector<std::string>& words) {
  if (words.size() < 2) return "usage: call <host function> [arguments] [=> expected results]";
  size_t arrow = 2;
  while (arrow < words.size() && words[arrow] != "=>") ++arrow;
  const std::vector<std::string> arguments(words.begin() + 2, words.begin() + arrow);
  std::vector<std::string> results;
  std::string error;
  if (!CallHostFunction(words[1], arguments, results, error)) return error;
  std::string shown;
  for (const std::string& result : results) shown += " \"" + result + "\"";
  Say("  TVA_%s ->%s", words[1].c_str(), shown.c_str());
  if (arrow >= words.size()) return std::string();
  const std::vector<std::string> expected(words.begin() + arrow + 1, words.end());
  bool equal = expected.size() == results.size();
  for (size_t i = 0; equal && i < expected.size(); ++i) equal = MatchesPattern(results[i], expected[i]);
  if (!equal) return "TVA_" + words[1] + " gave" + shown + ", expected \"" + Joined(expected) + "\"";
  return std::string();
}

std::string CScriptRunner::Expect(const std::vector<std::string>& words) {
  const std::string what = words.size() > 1 ? words[1] : std::string();
  if (what == "plugins" || what == "plugin") return ExpectPlugin(words);
  if (what == "file" || what == "file-count") return ExpectFile(words);
  return ExpectHostState(words);
}

std::string CScriptRunner::ExpectHostState(const std::vector<std::string>& words) {
  const std::string what = words.size() > 1 ? words[1] : std::string();
  const std::string value = words.size() > 2 ? words[2] : std::string();
  if (what == "current-folder" && words.size() == 3) {
    const std::string actual = m_host.Mails().CurrentFolderId();
    return MatchesPattern(actual, value) ? std::string() : Mismatch("the current folder", actual, value);
  }
  if (what == "current-mail" && words.size() == 3) {
    const std::string actual = m_host.Mails().CurrentMailId();
    const std::string wanted = value == "none" ? m_host.Mails().CurrentMailboxId() + "?0" : MailIdOf(value);
    return actual == wanted ? std::string() : Mismatch("the current mail", actual, wanted);
  }
  if (what == "selection") {
    std::string actual, wanted;
    const CMailListPane& mails = m_host.Mails();
    for (int i = mails.NextMail(-1, true); i >= 0; i = mails.NextMail(i, true)) actual += " " + mails.MailIdAt(i);
    for (size_t i = 2; i < words.size(); ++i) wanted += " " + MailIdOf(words[i]);
    return actual == wanted ? std::string() : Mismatch("the selection", actual, wanted);
  }
  if ((what == "tree-item" || what == "no-tree-item") && words.size() == 3) {
    const bool wanted = what == "tree-item";
    if (m_host.HasTreeItem(value) == wanted) return std::string();
    return "the folder tree " + std::string(wanted ? "has no" : "has an") + " item \"" + value + "\"";
  }
  if ((what == "expanded" || what == "collapsed") && words.size() == 3) {
    if (m_host.IsFolderExpanded(value) == (what == "expanded")) return std::string();
    return "the folder \"" + value + "\" is not " + what + " in the tree";
  }
  if (what == "window" && (words.size() == 3 || words.size() == 7)) {
    const HWND frame = m_host.Windows().Frame();
    const std::string shown = IsZoomed(frame) ? "maximized" : IsIconic(frame) ? "minimized" : "normal";
    if (shown != value) return Mismatch("the main window", shown, value);
    RECT area;
    GetWindowRect(frame, &area);
    const std::string actual = std::to_string(area.left) + " " + std::to_string(area.top) + " " +
                               std::to_string(area.right) + " " + std::to_string(area.bottom);
    if (words.size() == 3 || actual == Joined(words, 3)) return std::string();
    return Mismatch("the main window's rectangle", actual, Joined(words, 3));
  }
  if (what == "focus" && words.size() == 3) {
    const HWND focus = GetFocus();
    const CHostWindows& windows = m_host.Windows();
    const std::string actual = focus == windows.Tree()   ? "tree"
                               : focus == windows.List() ? "list"
                               : focus == windows.View() ? "view"
                                                         : "other";
    return actual == value ? std::string() : Mismatch("the keyboard focus", actual, value);
  }
  if (what == "status" && words.size() == 3) {
    const std::string actual = uiauto::TextOf(m_host.Windows().StatusBar());
    return MatchesPattern(actual, value) ? std::string() : Mismatch("the status bar text", actual, value);
  }
  if (what == "header" && words.size() == 4) {
    const std::string actual = m_host.Mails().CurrentMailHeader(value);
    return MatchesPattern(actual, words[3]) ? std::string() : Mismatch("header " + value, actual, words[3]);
  }
  if (what == "transcript" && words.size() == 3) {
    for (const std::string& line : TranscriptLines()) {
      if (MatchesPattern(line, value)) return std::string();
    }
    return "no transcript line matches \"" + value + "\"";
  }
  return "unknown expectation \"" + Joined(words, 1) + "\"";
}

std::string CScriptRunner::ExpectPlugin(const std::vector<std::string>& words) {
  const auto& plugins = m_host.Plugins().Plugins();
  int number = 0;
  if (words[1] == "plugins" && words.size() == 3 && ParseNumber(words[2], number)) {
    return static_cast<int>(plugins.size()) == number
               ? std::string()
               : Mismatch("the number of plug-ins", std::to_string(plugins.size()), words[2]);
  }
  if (words.size() < 5 || words.size() % 2 == 0 || !ParseNumber(words[2], number) || number < 1 ||
      number > static_cast<int>(plugins.size())) {
    return "usage: expect plugin <n> (file|name|vendor|version|description) <text>... (with n a loaded plug-in)";
  }
  const SimPlugin& plugin = plugins[number - 1];
  for (size_t i = 3; i + 1 < words.size(); i += 2) {
    const std::string& field = words[i];
    const std::string actual = field == "file"      ? plugin.FileName
                               : field == "name"    ? plugin.Info.Name
                               : field == "vendor"  ? plugin.Info.Vendor
                               : field == "version" ? plugin.Info.Version
                                                    : plugin.Info.Description;
    if (!MatchesPattern(actual, words[i + 1])) return Mismatch("the plug-in's " + field, actual, words[i + 1]);
  }
  return std::string();
}

std::string CScriptRunner::ExpectFile(const std::vector<std::string>& words) {
  std::vector<std::string> lines;
  if (words.size() < 3 || !ReadLines(words[2], lines)) return "cannot read the file \"" + Joined(words, 2) + "\"";
  if (words[1] == "file-count") {
    int wanted = 0;
    if (words.size() != 5 || !ParseNumber(words[4], wanted)) return "usage: expect file-count <path> <line> <count>";
    int count = 0;
    for (const std::string& line : lines) count += MatchesPattern(line, words[3]) ? 1 : 0;
    return count == wanted ? std::string()
                           : Mismatch("the number of lines \"" + words[3] + "\" in " + words[2], std::to_string(count),
                                      words[4]);
  }
  // The lines must appear in this order; others may stand between them.
  size_t next = 3;
  for (const std::string& line : lines) {
    if (next < words.size() && MatchesPattern(line, words[next])) ++next;
  }
  if (next == words.size()) return std::string();
  return "the file " + words[2] + " has no line \"" + words[next] + "\" after the lines before it";
}

std::string CScriptRunner::Screenshot(const std::vector<std::string>& words) {
  if (words.size() != 2) return "usage: screenshot <name>";
  const std::string path = m_shotFolder + words[1] + ".png";
  RedrawWindow(m_host.Windows().Frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (!SaveScreenshot(path, m_host.Windows().Frame())) return "the screenshot " + path + " could not be saved";
  Say("  screenshot %s", path.c_str());
  return std::string();
}

std::string CScriptRunner::Wait(const std::vector<std::string>& words) {
  int milliseconds = 0;
  if (words.size() != 2 || !ParseNumber(words[1], milliseconds)) return "usage: wait <milliseconds>";
  uiauto::PumpMessagesFor(static_cast<DWORD>(milliseconds));
  return std::string();
}

std::string CScriptRunner::Timeout(const std::vector<std::string>& words) {
  int seconds = 0;
  if (words.size() != 2 || !ParseNumber(words[1], seconds) || seconds < 0) return "usage: timeout <seconds>";
  m_answerer->SetUnansweredTimeout(seconds * 1000);
  return std::string();
}

std::string CScriptRunner::Echo(const std::vector<std::string>& words) {
  Say("%s", Joined(words, 1).c_str());
  return std::string();
}

std::string CScriptRunner::Close(const std::vector<std::string>&) {
  m_host.Close();
  return std::string();
}
