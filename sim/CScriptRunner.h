#pragma once
// Script mode: runs a text file of host actions, each followed by the answers to the modal windows
// it makes appear (see sim/README.md), on the host's own thread between its messages.
#include <memory>
#include <string>
#include <vector>

#include "sim/CModalAnswerer.h"

class CMainFrame;

struct ScriptStep {
  int Line = 0;
  std::string Text;  // as written
  std::vector<std::string> Words;
  std::vector<ModalAnswer> Answers;
  bool NoDialog = false;
};

class CScriptRunner {
 public:
  CScriptRunner(CMainFrame& host, const std::string& shotFolder) : m_host(host), m_shotFolder(shotFolder) {}

  // Reads and checks the whole script before anything runs; false with a message for a bad line.
  bool Load(const std::string& path, const std::string& dataFolder, std::string& error);
  // Starts with the first step once the host's message loop runs.
  void Start();
  // After the message loop ended: the steps after "close", then the verdict.
  void Finish();
  int ExitCode() const { return m_failed ? 1 : 0; }

 private:
  typedef std::string (CScriptRunner::*Action)(const std::vector<std::string>& words);
  static Action FindAction(const std::string& name);

  void RunNextStep();
  void CloseHost();
  void RunStep(const ScriptStep& step);
  void Fail(int line, const std::string& failure);

  std::string SelectFolder(const std::vector<std::string>& words);
  std::string SelectMail(const std::vector<std::string>& words);
  std::string SelectMails(const std::vector<std::string>& words);
  std::string Expand(const std::vector<std::string>& words);
  std::string ShowMenu(const std::vector<std::string>& words);
  std::string RebuildMenu(const std::vector<std::string>& words);
  std::string PressKey(const std::vector<std::string>& words);
  std::string Setup(const std::vector<std::string>& words);
  std::string Fault(const std::vector<std::string>& words);
  std::string CallHost(const std::vector<std::string>& words);
  std::string Expect(const std::vector<std::string>& words);
  std::string Screenshot(const std::vector<std::string>& words);
  std::string Wait(const std::vector<std::string>& words);
  std::string Timeout(const std::vector<std::string>& words);
  std::string Echo(const std::vector<std::string>& words);
  std::string Close(const std::vector<std::string>& words);

  std::string WaitForOpenMail();
  // The first misuse of the host noted since the last call; empty when none.
  std::string NewMisuse();
  std::string ExpectHostState(const std::vector<std::string>& words);
  std::string ExpectPlugin(const std::vector<std::string>& words);
  std::string ExpectFile(const std::vector<std::string>& words);
  // A mail id, or "#n" for the n-th mail of the current folder's list.
  std::string MailIdOf(const std::string& word) const;

  CMainFrame& m_host;
  std::string m_shotFolder;
  std::vector<ScriptStep> m_steps;
  size_t m_next = 0;
  bool m_failed = false;
  size_t m_misusesSeen = 0;
  std::unique_ptr<CModalAnswerer> m_answerer;
};
