#pragma once
// Soak mode: a session of random user actions and host faults, drawn from a seed, for a given time,
// then the host closes. After every action it checks what must hold over a long life: no window of
// the plug-in left open, no favorite gone that no answer deleted, no action longer than the hang
// limit. It writes one line per action and samples of the process's resources to a log, which
// tests/e2e/soak.py reads over several sessions.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "sim/CRandomAnswerer.h"

class CMainFrame;

struct SoakOptions {
  DWORD Seconds = 0;
  unsigned Seed = 1;
  DWORD WarmUpSeconds = 0;  // the resources sampled then are the ones the end is held to
  std::string LogPath;
};

// Favorites per list of the settings file, as a fresh host would read them.
struct FavoriteCounts {
  int Folders = 0, Mails = 0, Trees = 0, Windows = 0;
};

class CSoakRunner {
 public:
  CSoakRunner(CMainFrame& host, const SoakOptions& options);
  ~CSoakRunner();

  bool Start();
  int ExitCode() const { return m_failed ? 1 : 0; }

 private:
  typedef void (CSoakRunner::*Action)();
  struct ActionKind {
    const char* Name;
    unsigned Weight;
    bool HostMenu;  // the host's own menu comes first
    Action Run;
  };
  static const ActionKind Actions[];
  static const size_t ActionCount;

  void RunNextAction();
  const ActionKind& NextKind();
  void RunAction(const ActionKind& kind);
  void CloseHost();
  void CheckNothingLeftOpen(const char* action);
  void CheckFavorites(const char* action, bool mayDelete);
  // No host function was handed NULL or its own answer buffer.
  void CheckHostUse(const char* action);
  void Sample(const char* when);
  void Fail(const std::string& failure);
  void Log(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 2, 3)))
#endif
      ;

  unsigned Random(unsigned count) { return count ? static_cast<unsigned>(m_random() % count) : 0; }
  std::vector<std::string> FolderIds() const;
  std::string RandomFolderId();
  unsigned MailCount() const;  // in the current folder's list
  std::string SettingsPath() const;
  FavoriteCounts ReadFavoriteCounts() const;

  void SelectFolder();
  void SelectMail();
  void SelectMails();
  void ExpandFolder();
  void CollapseFolder();
  void TreeMenu();
  void ListMenu();
  void ViewMenu();
  void ToolsMenu();
  void HotKey();
  void Setup();
  void RebuildMenu();
  void Wait();
  void RenumberFolder();
  void RenameFolder();
  void RemoveFolder();
  void ToggleHostQuestion();
  void DamageIndex();
  void ToggleHostMode();
  void RecreatePanes();

  CMainFrame& m_host;
  SoakOptions m_options;
  std::mt19937 m_random;
  std::unique_ptr<CRandomAnswerer> m_answerer;
  FILE* m_log = nullptr;
  DWORD m_start = 0;
  bool m_warm = false;
  int m_actions = 0;
  bool m_failed = false;
  size_t m_misusesSeen = 0;
  FavoriteCounts m_counts;
};
