#pragma once
// An INI file held in memory, read with the rules of GetPrivateProfileStringA: section and key names
// compare without regard to ASCII case, the first matching section and the first matching key in it
// win, names and values are trimmed of white space, a line without "=" is a key without a value.
// Changes keep every other line of the file as it was. A file in UTF-8 or UTF-16 (behind a
// byte-order mark) is read as the profile functions read it, its text converted to the ANSI code page,
// and written back in its own encoding, with CR LF line ends.
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/ini/IniEncoding.h"
#include "core/ini/IniText.h"

class CIniDocument {
 public:
  // Replaces the document by the bytes of a file (any line ends: CR LF, LF or CR).
  void Parse(const std::string& bytes);
  // The document as file bytes in the encoding the file had, CR LF after every line.
  std::string Serialize() const;

  // The trimmed value of the key, quotes and all; nullptr when the section or the key is missing or
  // the key's line has no "=". Valid until the next change.
  const std::string* FindValue(const std::string& section, const std::string& key) const;
  // The names of the keys of the section, in file order, as they stand in the file.
  std::vector<std::string> GetKeyNames(const std::string& section) const;

  // Sets the first matching key of the section to `value` (a single line's worth of text), or adds
  // the key after the section's last key, or adds the section at the end of the file. A key that
  // already reads as `value` stays as it stands, so that the characters of a Unicode file that the
  // ANSI code page cannot hold survive a save of what was read.
  void SetValue(const std::string& section, const std::string& key, const std::string& value);
  // Removes every line of the section that holds the key, so that no later duplicate shows through.
  void DeleteKey(const std::string& section, const std::string& key);

 private:
  struct Line {
    std::string Stored;  // as in the file, in its encoding, without the line end
    std::string Name;    // trimmed key name; empty for blank lines and for lines read by no key
    std::string Value;   // trimmed value, for key lines with "="
    bool HasValue = false;
  };
  typedef std::list<Line>::iterator LineIterator;
  struct Section {
    std::string Header;  // the header line as stored; empty for the lines before the first header
    std::string Name;    // between "[" and the last "]", trimmed
    std::list<Line> Lines;
    LineIterator InsertBefore;  // first of the blank and comment lines that end the section
    std::unordered_map<std::string, std::vector<LineIterator>> Keys;  // folded name -> lines, in order
  };

  Section* FindSection(const std::string& name);
  const Section* FindSection(const std::string& name) const;
  Section& AddSection(const std::string& header, const std::string& name);
  static void AddLine(Section& section, const std::string& stored, const IniLine& parts);
  static void IndexKey(Section& section, LineIterator line, const std::string& name);
  // The line of a key set to `text`, in the file's encoding.
  Line KeyLine(const std::string& name, const std::string& text) const;

  IniEncoding m_encoding = IniEncoding::Ansi;
  std::list<Section> m_sections;  // the first holds the lines before any header
  std::unordered_map<std::string, Section*> m_sectionIndex;  // folded name -> first section of that name
};
