// Capturing and restoring the expand state of a large folder tree (TovikSim's benchmark store, the
// host made in this program) against a bare loop of TVM_EXPAND over the same folders, with drawing
// off as the callers have it; and the memory a captured state holds, per folder, at three sizes.
// Target: each walk within 1.5 times its bare loop, on either architecture; medians of the rounds,
// each round running the bare loop right beside the walk.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "sim/CMainFrame.h"
#include "sim/FileTree.h"
#include "sim/SampleStores.h"
#include "win/host/CTovikGlobalData.h"
#include "win/host/CTovikMainWindow.h"
#include "win/host/HostWindows.h"
#include "bench/BenchClock.h"
#include "bench/BenchHost.h"
#include "bench/CountingHeap.h"
#include "win/tree/CFolderTreeController.h"

namespace {

HWND Tree() { return TheHost().Windows().Tree(); }

// The bare loop: every folder with subfolders opened (and, for a capture, closed again after its
// subfolders), nothing else.
void BareWalk(HTREEITEM first, bool closeAgain) {
  for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(Tree(), item)) {
    if (TreeView_GetChild(Tree(), item) == nullptr) continue;
    const bool wasOpen = (TreeView_GetItemState(Tree(), item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    TreeView_Expand(Tree(), item, TVE_EXPAND);
    BareWalk(TreeView_GetChild(Tree(), item), closeAgain);
    if (closeAgain && !wasOpen) TreeView_Expand(Tree(), item, TVE_COLLAPSE);
  }
}

void CloseAll(HTREEITEM first) {
  for (HTREEITEM item = first; item; item = TreeView_GetNextSibling(Tree(), item)) {
    CloseAll(TreeView_GetChild(Tree(), item));
    TreeView_Expand(Tree(), item, TVE_COLLAPSE);
  }
}

// Runs the step with the panes' drawing off, as the commands do; its time in milliseconds.
template <class Step>
double Timed(Step step) {
  CWindow* treeParent = GetTreePaneParent();
  CWindow* listParent = GetListPaneParent();
  treeParent->SetRedraw(false);
  listParent->SetRedraw(false);
  const double start = NowMs();
  step();
  const double elapsed = NowMs() - start;
  listParent->SetRedraw(true);
  treeParent->SetRedraw(true);
  return elapsed;
}

const double Target = 1.5;

// The walk against the bare loop run right before it in the same round: the median of the rounds'
// ratios, which a busy moment of the machine disturbs less than a ratio of two medians.
std::string Against(const char* walk, const std::vector<double>& times, const std::vector<double>& bare) {
  std::vector<double> ratios;
  for (std::size_t round = 0; round < times.size(); ++round) ratios.push_back(times[round] / bare[round]);
  const double ratio = Median(ratios);
  char text[160];
  std::snprintf(text, sizeof text, "%s %7.1f ms, bare loop %7.1f ms, ratio %.2f (target %.1f: %s)", walk,
                Median(times), Median(bare), ratio, Target, ratio <= Target ? "met" : "MISSED");
  return text;
}

int CountNodes(const CFolderTreeState& state) {
  int count = 0;
  for (const auto& node : state) count += 1 + CountNodes(*node);
  return count;
}

void Measure(int folders, const std::string& dataFolder) {
  DeleteDirectoryTree(dataFolder);
  WriteLargeStore(dataFolder, 1, folders, 10);
  TheHost().Mails().ReloadStore();
  CWindow* tree = GetMainWindow()->GetTreeWindow();
  const HTREEITEM root = TreeView_GetRoot(Tree());
  BareWalk(root, true);  // every folder filled once, so that no run pays for the filling

  std::vector<double> bareCapture, capture, bareRestore, restore;
  CFolderTreeState everything;
  long long stateBytes = 0;
  for (int round = 0; round < 9; ++round) {
    CloseAll(root);
    TreeView_Expand(Tree(), root, TVE_EXPAND);
    bareCapture.push_back(Timed([&] { BareWalk(root, true); }));
    CFolderTreeController saver(*tree);
    saver.StatusText = "Saving tree state... ";
    CFolderTreeState state;
    const long long before = HeapInUse();
    capture.push_back(Timed([&] { saver.SaveTree(state, true, -1); }));
    stateBytes = HeapInUse() - before;

    BareWalk(root, false);
    CFolderTreeController(*tree).SaveTree(everything, false, -1);
    CloseAll(root);
    bareRestore.push_back(Timed([&] { BareWalk(root, false); }));
    CloseAll(root);
    CFolderTreeController restorer(*tree);
    restorer.StatusText = "Restoreing folder tree state... ";
    restore.push_back(Timed([&] { restorer.RestoreTree(everything, false, -1); }));
  }
  const int nodes = CountNodes(everything);
  std::printf("%s, %5d folders, %4d with subfolders: %s | %s | state %lld bytes, %.0f per node\n",
              sizeof(void*) == 8 ? "x86_64" : "i686", folders, nodes, Against("capture", capture, bareCapture).c_str(),
              Against("restore", restore, bareRestore).c_str(), stateBytes, static_cast<double>(stateBytes) / nodes);
  std::fflush(stdout);
}

}  // namespace

int main() {
  const std::string dataFolder = StartBenchHost("raz-tree-bench", 10, 10);
  if (dataFolder.empty()) return 1;
  for (int folders : {1250, 2500, 5000}) Measure(folders, dataFolder);
  TheHost().Close();
  DeleteDirectoryTree(dataFolder);
  return 0;
}
