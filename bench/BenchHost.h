#pragma once
// TovikSim's host made inside a benchmark program (which exports the host's functions) over a
// benchmark store of its own in the temporary folder; and the median the benchmarks report.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "sim/CMainFrame.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "win/host/CTovikGlobalData.h"

// Makes the store (`folders` folders, `bigFolderMails` mails in its big folder) in the temporary
// folder's `name` and the host over it: the store's folder, or none (said on standard error).
inline std::string StartBenchHost(const char* name, int folders, int bigFolderMails) {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  const std::string dataFolder = std::string(temporary) + name + "\\";
  DeleteDirectoryTree(dataFolder);
  if (!WriteLargeStore(dataFolder, 1, folders, bigFolderMails) || !TheHost().Create(dataFolder) ||
      !LoadHostFunctions()) {
    std::fprintf(stderr, "the host could not be made in %s\n", dataFolder.c_str());
    return std::string();
  }
  return dataFolder;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
