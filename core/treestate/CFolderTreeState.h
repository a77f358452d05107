#pragma once
// The expand states of the host's folder tree: a node per folder that has child folders, holding the
// ordered list of its children; deleting a node deletes its subtree. The root stands for the whole
// tree: it has no name and its own flag is unused; its children are the mailboxes.
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>

class CFolderTreeState : public std::list<std::unique_ptr<CFolderTreeState>> {
 public:
  // A state file is untrusted: reading stops nesting at this depth below the root (deeper blocks are
  // skipped), drops lines longer than the line limit and ignores nodes beyond the node limit. Each is
  // far beyond any real folder tree, and keeps a hostile file from exhausting the stack or memory.
  static constexpr std::size_t MaxDepth = 256;
  static constexpr std::size_t MaxLineLength = 64 * 1024;  // not counting the indentation
  static constexpr std::size_t MaxNodes = 100000;
  // A larger file is not read at all.
  static constexpr std::size_t MaxFileSize = 64 * 1024 * 1024;

  CFolderTreeState() = default;
  CFolderTreeState(std::string name, std::int32_t expanded);
  CFolderTreeState(CFolderTreeState&&) = default;  // copies are made with Clone
  CFolderTreeState& operator=(CFolderTreeState&&) = default;
  virtual ~CFolderTreeState() = default;

  // Replaces the children by the file's tree. False when the file cannot be read, is larger than
  // MaxFileSize or its first line is not exactly "{" (the state is then empty).
  bool LoadFile(const std::string& path);
  // Writes the tree with CR LF line ends to a temporary file beside `path`, then moves it over the
  // old file: false, with the old file whole, when the new one cannot be written completely.
  bool SaveFile(const std::string& path) const;

  // Appends the children read from `text`, the lines after a "{" line, up to the matching "}" or the
  // end. Lines end with LF; a CR before it is removed.
  void Load(const std::string& text);
  // Appends indentation + "{", the children one tab deeper, and indentation + "}" to `text`, each
  // line ended by CR LF.
  void Save(std::string& text, const std::string& indentation) const;

  // The first child whose name equals `name` byte for byte, or nullptr.
  CFolderTreeState* FindChild(const std::string& name) const;
  std::unique_ptr<CFolderTreeState> Clone() const;
  // Appends a deep copy of each child to the children of `target`.
  void CopyChildrenTo(CFolderTreeState& target) const;
  // One line per node, "[O] " for expanded and "[-] " for collapsed, two blanks deeper per level.
  std::string GetPreviewText() const;

  std::string Name;
  std::int32_t Expanded = 0;

 private:
  void AppendPreview(std::string& text, const std::string& prefix) const;
};
