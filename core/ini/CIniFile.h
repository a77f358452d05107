#pragma once
// The settings file. Reads come from the file as it was last loaded; writes change the document in
// memory and reach the disk with Commit, in one atomic replace of the whole file.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ini/CIniDocument.h"

class CIniFile {
 public:
  CIniFile() = default;
  explicit CIniFile(const std::string& path) : Path(path) {}
  virtual ~CIniFile() = default;

  std::string Path;  // full path of the file

  // The readers answer as GetPrivateProfileIntA / GetPrivateProfileStringA would on the loaded file.
  std::int32_t ReadInt(const std::string& section, const std::string& key, std::int32_t defaultValue) const;
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;
  std::uint32_t ReadULong(const std::string& section, const std::string& key, std::uint32_t defaultValue) const;
  // At most 1023 bytes, as through a 1024-byte buffer.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& defaultValue) const;

  // The names of the section's keys, in file order, as they stand in the file.
  std::vector<std::string> ReadKeyNames(const std::string& section) const { return m_document.GetKeyNames(section); }

  void WriteInt(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteULong(const std::string& section, const std::string& key, std::uint32_t value);
  // CR and LF become blanks (a value must not end its line); a value that reading would trim or
  // unquote is written in quotes, so that it reads back as it was.
  void WriteString(const std::string& section, const std::string& key, const std::string& text);
  void DeleteKey(const std::string& section, const std::string& key);

  // Makes every missing folder level of Path.
  bool EnsureFolder() const;
  // True when Path names an existing file that is not a folder.
  bool Exists() const;

  // Reads the file into memory; a missing file reads as empty. False (and nothing changed) when there
  // is no path or the file exists but cannot be read: then nothing may be written over it either.
  bool Reload();
  // Writes the document over the file at once (a temporary file moved over it); false on failure.
  bool Commit();

 private:
  CIniDocument m_document;
};
