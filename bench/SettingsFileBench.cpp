// Saving and loading a full store (5 lists x 300 items): through the private-profile functions key
// by key, as the settings file used to be written, against our one read and one atomic write.
#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/favorites/CFavoriteInfo.h"
#include "core/ini/CIniDocument.h"
#include "port/FileSystem.h"
#include "tests/core/FullStore.h"

#include "bench/BenchClock.h"

namespace {

struct Key {
  std::string Section, Name, Value;
};

// Every key of the file in file order, as the key-by-key path writes and reads them.
std::vector<Key> KeysOf(const std::string& path) {
  std::string bytes;
  port::ReadWholeFile(path, bytes);
  CIniDocument document;
  document.Parse(bytes);
  std::vector<Key> keys;
  for (const char* section : {"FavoriteFolders", "FavoriteMails", "FavoriteFolderTrees", "MailHistory", "WindowState", "Misc"}) {
    for (const std::string& name : document.GetKeyNames(section)) keys.push_back({section, name, *document.FindValue(section, name)});
  }
  return keys;
}

template <class Run>
double AverageMs(int runs, Run run) {
  const double start = NowMs();
  for (int n = 0; n < runs; ++n) run();
  return (NowMs() - start) / runs;
}

}  // namespace

int main() {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  const std::string folder = std::string(temporary) + "raz_settings_bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string ours = folder + "ours.ini";
  const std::string api = folder + "api.ini";
  DeleteFileA(ours.c_str());
  DeleteFileA(api.c_str());

  CFavoriteInfo store;
  store.Path = ours;
  favorites_test::FillFully(store);
  const double oursFirstSave = AverageMs(20, [&] {
    DeleteFileA(ours.c_str());
    store.Save();
  });
  const double oursSave = AverageMs(20, [&] { store.Save(); });  // the exit case: the file is there
  const double oursLoad = AverageMs(20, [&] {
    CFavoriteInfo loaded;
    loaded.Path = ours;
    loaded.Load();
  });

  const std::vector<Key> keys = KeysOf(ours);
  std::string bytes;
  port::ReadWholeFile(ours, bytes);
  std::printf("full store: 5 lists x 300 items, %u keys, %u bytes\n", static_cast<unsigned>(keys.size()),
              static_cast<unsigned>(bytes.size()));
  std::fflush(stdout);
  auto writeKeyByKey = [&] {
    for (const Key& key : keys) WritePrivateProfileStringA(key.Section.c_str(), key.Name.c_str(), key.Value.c_str(), api.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, api.c_str());
  };
  const double apiFirstSave = AverageMs(1, writeKeyByKey);
  // Over the same values: the system skips the keys whose value does not change.
  const double apiSave = AverageMs(1, writeKeyByKey);
  const double apiLoad = AverageMs(1, [&] {
    char buffer[1024];
    for (const Key& key : keys) {
      GetPrivateProfileStringA(key.Section.c_str(), key.Name.c_str(), "", buffer, sizeof buffer, api.c_str());
    }
  });

  std::printf("first save (new file):    key by key %10.1f ms   ours %8.2f ms   ratio %8.0f\n", apiFirstSave,
              oursFirstSave, apiFirstSave / oursFirstSave);
  std::printf("save over the same values: key by key %10.1f ms   ours %8.2f ms   ratio %8.0f\n", apiSave, oursSave,
              apiSave / oursSave);
  std::printf("load:                      key by key %10.1f ms   ours %8.2f ms   ratio %8.0f\n", apiLoad, oursLoad,
              apiLoad / oursLoad);
  DeleteFileA(ours.c_str());
  DeleteFileA(api.c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
