// TovikSim: the simulated host mail client. See sim/README.md for its options and script language.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sim/CMainFrame.h"
#include "sim/CScriptRunner.h"
#include "sim/CSoakRunner.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "sim/Transcript.h"

namespace {

const char* const SampleMarker = "TovikSim.sample";  // marks a data folder that the host made itself

const char* const Usage =
    "usage: TovikSim --data <folder> [--sample] [--large <folders> <mails>] [--seed <n>]\n"
    "                [--install <plug-in dll>]... [--script <file> [--transcript <file>] [--shots <folder>]]\n"
    "                [--soak <seconds> <warm-up seconds> <seed> <log file>] [--mode <host mode>]... [--no-run]\n";

struct Options {
  std::string DataFolder, Script, Transcript, ShotFolder;
  std::vector<std::string> Installs;
  std::vector<HostMode> Modes;
  bool Sample = false, NoRun = false;
  int LargeFolders = 0, LargeMails = 0;
  unsigned Seed = 1;
  bool Soak = false;
  SoakOptions SoakSession;
};

std::string FullFolderPath(const std::string& path) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  if (length == 0 || length >= sizeof full) return std::string();
  std::string folder = full;
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--data" && hasValue) {
      options.DataFolder = FullFolderPath(argv[++i]);
    } else if (option == "--sample") {
      options.Sample = true;
    } else if (option == "--large" && i + 2 < argc) {
      options.LargeFolders = std::atoi(argv[++i]);
      options.LargeMails = std::atoi(argv[++i]);
    } else if (option == "--seed" && hasValue) {
      options.Seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    } else if (option == "--install" && hasValue) {
      options.Installs.push_back(argv[++i]);
    } else if (option == "--script" && hasValue) {
      options.Script = argv[++i];
    } else if (option == "--transcript" && hasValue) {
      options.Transcript = argv[++i];
    } else if (option == "--shots" && hasValue) {
      options.ShotFolder = FullFolderPath(argv[++i]);
    } else if (option == "--soak" && i + 4 < argc) {
      options.Soak = true;
      options.SoakSession.Seconds = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
      options.SoakSession.WarmUpSeconds = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
      options.SoakSession.Seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
      options.SoakSession.LogPath = argv[++i];
    } else if (option == "--mode" && hasValue && HostModeNamed(argv[i + 1])) {
      options.Modes.push_back(*HostModeNamed(argv[++i]));
    } else if (option == "--no-run") {
      options.NoRun = true;
    } else {
      return false;
    }
  }
  return !options.DataFolder.empty() && options.LargeFolders >= 0 && options.LargeMails >= 0 &&
         !(options.Soak && !options.Script.empty());
}

bool IsEmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  bool empty = true;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") empty = false;
  } while (empty && FindNextFileA(search, &found));
  FindClose(search);
  return empty;
}

// Deletes a data folder that this program made before; never one of the user's own.
bool ClearDataFolder(const std::string& folder) {
  if (IsEmptyFolder(folder)) return true;
  if (GetFileAttributesA((folder + SampleMarker).c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "TovikSim: %s is not empty and was not made by TovikSim; nothing is replaced\n",
                 folder.c_str());
    return false;
  }
  return DeleteDirectoryTree(folder) && CreateDirectoryA(folder.c_str(), nullptr);
}

bool PrepareDataFolder(const Options& options) {
  if (options.Sample || options.LargeFolders > 0 || options.LargeMails > 0) {
    if (!ClearDataFolder(options.DataFolder)) return false;
    const bool written = options.Sample ? WriteSampleStore(options.DataFolder, options.Seed)
                                        : WriteLargeStore(options.DataFolder, options.Seed, options.LargeFolders,
                                                          options.LargeMails);
    if (!written) {
      std::fprintf(stderr, "TovikSim: the mail store could not be written to %s\n", options.DataFolder.c_str());
      return false;
    }
    FILE* marker = std::fopen((options.DataFolder + SampleMarker).c_str(), "w");
    if (marker) std::fclose(marker);
  }
  if (options.Installs.empty()) return true;
  const std::string plugins = options.DataFolder + "Plugins\\";
  CreateDirectoryA(plugins.c_str(), nullptr);
  for (const std::string& dll : options.Installs) {
    const size_t slash = dll.find_last_of("\\/");
    const std::string target = plugins + (slash == std::string::npos ? dll : dll.substr(slash + 1));
    if (!CopyFileA(dll.c_str(), target.c_str(), FALSE)) {
      std::fprintf(stderr, "TovikSim: cannot install %s into %s (error %lu)\n", dll.c_str(), plugins.c_str(),
                   GetLastError());
      return false;
    }
  }
  return true;
}

int RunMessageLoop(CMainFrame& host) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (host.DispatchKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(Usage, stderr);
    return 2;
  }
  if (!PrepareDataFolder(options)) return 2;
  if (options.NoRun) return 0;
  if (!options.Transcript.empty() && !OpenTranscriptFile(options.Transcript)) {
    std::fprintf(stderr, "TovikSim: cannot write the transcript %s\n", options.Transcript.c_str());
    return 2;
  }
  CMainFrame& host = TheHost();
  CScriptRunner script(host, options.ShotFolder.empty() ? options.DataFolder : options.ShotFolder);
  std::string error;
  if (!options.Script.empty() && !script.Load(options.Script, options.DataFolder, error)) {
    std::fprintf(stderr, "TovikSim: %s\n", error.c_str());
    return 2;
  }
  Say("TovikSim: data folder %s", options.DataFolder.c_str());
  // Modes the host has from its start, before the plug-ins load.
  for (HostMode mode : options.Modes) host.Faults().Switch(mode, true);
  if (!host.Create(options.DataFolder)) {
    std::fprintf(stderr, "TovikSim: the main window could not be created\n");
    return 2;
  }
  CSoakRunner soak(host, options.SoakSession);
  if (options.Soak) {
    // Thousands of actions: the transcript goes out, but is not kept for checks no soak makes.
    KeepTranscriptLines(false);
    if (!soak.Start()) {
      std::fprintf(stderr, "TovikSim: cannot write the soak log %s\n", options.SoakSession.LogPath.c_str());
      return 2;
    }
  }
  if (!options.Script.empty()) script.Start();
  RunMessageLoop(host);
  if (options.Soak) return soak.ExitCode();
  if (options.Script.empty()) return 0;
  script.Finish();
  CloseTranscriptFile();
  return script.ExitCode();
}
