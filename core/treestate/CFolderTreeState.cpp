#include "core/treestate/CFolderTreeState.h"

#include <utility>
#include <vector>

#include "port/FileSystem.h"

namespace {

enum class LineRead { Line, TooLong, End };

// Reads the line at `position` without its leading tabs (counted in `tabs`) and its CR LF (or LF),
// and moves `position` behind it. A line longer than the limit without its tabs is passed over but
// not kept, so that every line written for a node reads back whatever its depth; a last line without
// a line end counts as the end.
LineRead ReadLine(const std::string& text, std::size_t& position, std::string& line, std::size_t& tabs) {
  line.clear();
  tabs = 0;
  const std::size_t end = text.find('\n', position);
  if (end == std::string::npos) {
    position = text.size();
    return LineRead::End;
  }
  std::size_t start = position;
  while (start < end && text[start] == '\t') ++start;
  tabs = start - position;
  position = end + 1;
  std::size_t length = end - start;
  if (length > 0 && text[end - 1] == '\r') --length;
  if (length > CFolderTreeState::MaxLineLength) return LineRead::TooLong;
  line.assign(text, start, length);
  return LineRead::Line;
}

bool IsNodeLine(const std::string& line) {
  return line.size() >= 3 && line[1] == ':' && (line[0] == '0' || line[0] == '1');
}

void AppendLine(std::string& text, const std::string& indentation, const std::string& line) {
  text += indentation;
  text += line;
  text += "\r\n";
}

}  // namespace

CFolderTreeState::CFolderTreeState(std::string name, std::int32_t expanded)
    : Name(std::move(name)), Expanded(expanded) {}

bool CFolderTreeState::LoadFile(const std::string& path) {
  clear();
  std::string text;
  if (port::ReadWholeFile(path, text, MaxFileSize) != port::FileRead) return false;
  std::size_t position = 0;
  std::string firstLine;
  std::size_t tabs = 0;
  if (ReadLine(text, position, firstLine, tabs) != LineRead::Line || tabs != 0 || firstLine != "{") return false;
  Load(text.substr(position));
  return true;
}

bool CFolderTreeState::SaveFile(const std::string& path) const {
  std::string text;
  Save(text, "");
  return port::WriteFileAtomically(path, text);
}

void CFolderTreeState::Load(const std::string& text) {
  // Iterative, so that the depth of the file never reaches the depth of the call stack.
  struct Level {
    CFolderTreeState* node;
    CFolderTreeState* lastCreated;
  };
  std::vector<Level> levels{{this, nullptr}};
  std::size_t skippedBlocks = 0;  // open "{" blocks too deep to keep
  std::size_t nodes = 0;
  std::string line;
  std::size_t tabs = 0;
  std::size_t position = 0;
  for (LineRead read; (read = ReadLine(text, position, line, tabs)) != LineRead::End;) {
    if (read == LineRead::TooLong) continue;
    Level& level = levels.back();
    if (line == "{") {
      if (skippedBlocks > 0 || (level.lastCreated != nullptr && levels.size() >= MaxDepth)) {
        ++skippedBlocks;
      } else if (level.lastCreated != nullptr) {
        levels.push_back({level.lastCreated, nullptr});
      }
    } else if (line == "}") {
      if (skippedBlocks > 0) {
        --skippedBlocks;
      } else if (levels.size() == 1) {
        return;
      } else {
        levels.pop_back();
      }
    } else if (skippedBlocks == 0 && IsNodeLine(line) && nodes < MaxNodes) {
      level.node->push_back(std::make_unique<CFolderTreeState>(line.substr(2), line[0] == '1' ? 1 : 0));
      level.lastCreated = level.node->back().get();
      ++nodes;
    }
  }
}

void CFolderTreeState::Save(std::string& text, const std::string& indentation) const {
  AppendLine(text, indentation, "{");
  const std::string childIndentation = indentation + '\t';
  for (const auto& child : *this) {
    // Only "1" and "0" read back as flags.
    AppendLine(text, childIndentation, (child->Expanded != 0 ? "1:" : "0:") + child->Name);
    if (!child->empty()) child->Save(text, childIndentation);
  }
  AppendLine(text, indentation, "}");
}

CFolderTreeState* CFolderTreeState::FindChild(const std::string& name) const {
  for (const auto& child : *this) {
    if (child->Name == name) return child.get();
  }
  return nullptr;
}

std::unique_ptr<CFolderTreeState> CFolderTreeState::Clone() const {
  auto copy = std::make_unique<CFolderTreeState>(Name, Expanded);
  CopyChildrenTo(*copy);
  return copy;
}

void CFolderTreeState::CopyChildrenTo(CFolderTreeState& target) const {
  // Counted, so that copying a node's children into itself ends.
  auto child = begin();
  for (std::size_t count = size(); count > 0; --count, ++child) target.push_back((*child)->Clone());
}

std::string CFolderTreeState::GetPreviewText() const {
  std::string text;
  AppendPreview(text, "");
  return text;
}

void CFolderTreeState::AppendPreview(std::string& text, const std::string& prefix) const {
  for (const auto& child : *this) {
    text += prefix + (child->Expanded != 0 ? "[O] " : "[-] ") + child->Name + "\r\n";
    child->AppendPreview(text, prefix + "  ");
  }
}
