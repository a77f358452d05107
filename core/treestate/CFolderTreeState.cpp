#include "core/treestate/CFolderTreeState.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "port/FileSystem.h"

namespace {

enum class LineRead { Line, TooLong, End };

// Reads one line without its leading tabs (counted in `tabs`) and its CR LF (or LF). A line longer
// than the limit without its tabs is consumed but not kept, so that every line written for a node
// reads back whatever its depth; a last line without a line end counts as the end.
LineRead ReadLine(std::istream& stream, std::string& line, std::size_t& tabs) {
  using Traits = std::istream::traits_type;
  line.clear();
  tabs = 0;
  bool overflow = false;
  std::streambuf* buffer = stream.rdbuf();
  for (;;) {
    const Traits::int_type next = buffer != nullptr ? buffer->sbumpc() : Traits::eof();
    if (Traits::eq_int_type(next, Traits::eof())) {
      stream.setstate(std::ios::eofbit);
      return LineRead::End;
    }
    const char byte = Traits::to_char_type(next);
    if (byte == '\n') break;
    if (byte == '\t' && line.empty()) {
      ++tabs;
    } else if (line.size() <= CFolderTreeState::MaxLineLength) {  // one more: it may be the CR
      line.push_back(byte);
    } else {
      overflow = true;
    }
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return overflow || line.size() > CFolderTreeState::MaxLineLength ? LineRead::TooLong : LineRead::Line;
}

bool IsNodeLine(const std::string& line) {
  return line.size() >= 3 && line[1] == ':' && (line[0] == '0' || line[0] == '1');
}

void WriteLine(std::ostream& stream, const std::string& text) {
  stream << text << "\r\n";
  stream.flush();
}

}  // namespace

CFolderTreeState::CFolderTreeState(std::string name, std::int32_t expanded)
    : Name(std::move(name)), Expanded(expanded) {}

bool CFolderTreeState::LoadFile(const std::string& path) {
  clear();
  std::ifstream file(path, std::ios::binary);
  std::string firstLine;
  std::size_t tabs = 0;
  if (!file || ReadLine(file, firstLine, tabs) != LineRead::Line || tabs != 0 || firstLine != "{") return false;
  Load(file);
  return true;
}

bool CFolderTreeState::SaveFile(const std::string& path) const {
  std::ostringstream text;
  Save(text, "");
  return text.good() && port::WriteFileAtomically(path, text.str());
}

void CFolderTreeState::Load(std::istream& stream) {
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
  for (LineRead read; (read = ReadLine(stream, line, tabs)) != LineRead::End;) {
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

void CFolderTreeState::Save(std::ostream& stream, const std::string& indentation) const {
  WriteLine(stream, indentation + "{");
  const std::string childIndentation = indentation + '\t';
  for (const auto& child : *this) {
    // Only "1" and "0" read back as flags.
    WriteLine(stream, childIndentation + (child->Expanded != 0 ? "1:" : "0:") + child->Name);
    if (!child->empty()) child->Save(stream, childIndentation);
  }
  WriteLine(stream, indentation + "}");
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
