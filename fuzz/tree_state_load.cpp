// CFolderTreeState::Load over any file body: bounded depth, and what Save writes of the result reads
// back to the same tree (compared through a second Save), also through Clone.
#include <cstdlib>

#include "core/treestate/CFolderTreeState.h"
#include "fuzz/FuzzInput.h"

namespace {

std::string Saved(const CFolderTreeState& state) {
  std::string text;
  state.Save(text, "");
  return text;
}

std::size_t Depth(const CFolderTreeState& node) {
  std::size_t depth = 0;
  for (const auto& child : node) {
    const std::size_t below = Depth(*child) + 1;
    if (below > depth) depth = below;
  }
  return depth;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CFolderTreeState state;
  state.Load(TakeCodePageAndText(data, size));
  if (Depth(state) > CFolderTreeState::MaxDepth) std::abort();

  const std::string saved = Saved(state);
  CFolderTreeState reloaded;
  reloaded.Load(saved.substr(saved.find('\n') + 1));  // after the first "{" line
  if (Saved(reloaded) != saved || Saved(*state.Clone()) != saved) std::abort();
  if (reloaded.GetPreviewText() != state.GetPreviewText()) std::abort();
  return 0;
}
