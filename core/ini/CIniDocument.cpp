#include "core/ini/CIniDocument.h"

#include "core/ini/IniText.h"
#include "port/Mbcs.h"

namespace {

// A stored line taken apart, in whatever encoding the file has.
IniLine ParseStoredLine(const std::string& stored, IniEncoding encoding) {
  return encoding == IniEncoding::Ansi ? ParseIniLine(stored) : ParseIniLine(DecodeIniLine(stored, encoding));
}

}  // namespace

void CIniDocument::Parse(const std::string& bytes) {
  m_encoding = DetectIniEncoding(bytes);
  m_sections.clear();
  m_sectionIndex.clear();
  AddSection(std::string(), std::string());
  for (const std::string& stored : SplitIniLines(bytes, m_encoding)) {
    const IniLine parts = ParseStoredLine(stored, m_encoding);
    if (parts.IsHeader) {
      AddSection(stored, parts.Name);
    } else {
      AddLine(m_sections.back(), stored, parts);
    }
  }
}

CIniDocument::Section& CIniDocument::AddSection(const std::string& header, const std::string& name) {
  m_sections.emplace_back();
  Section& section = m_sections.back();
  section.Header = header;
  section.Name = name;
  section.InsertBefore = section.Lines.end();
  // Only the first section of a name is ever read or written; a nameless one never is.
  if (!name.empty()) m_sectionIndex.emplace(port::FoldAsciiCase(name), &section);
  return section;
}

void CIniDocument::AddLine(Section& section, const std::string& stored, const IniLine& parts) {
  Line line;
  line.Stored = stored;
  line.Name = parts.Name;
  line.Value = parts.Value;
  line.HasValue = parts.HasValue;
  const LineIterator added = section.Lines.insert(section.Lines.end(), line);
  // A new key goes after the section's last key, not after the blank lines and comments that end
  // it: they rather belong to what follows.
  if (!parts.IsBlankOrComment) {
    section.InsertBefore = section.Lines.end();
  } else if (section.InsertBefore == section.Lines.end()) {
    section.InsertBefore = added;
  }
  IndexKey(section, added, line.Name);
}

void CIniDocument::IndexKey(Section& section, LineIterator line, const std::string& name) {
  if (!name.empty()) section.Keys[port::FoldAsciiCase(name)].push_back(line);
}

std::string CIniDocument::Serialize() const {
  const std::string lineEnd = EncodeIniText("\r\n", m_encoding);
  std::string bytes = ByteOrderMark(m_encoding);
  for (const Section& section : m_sections) {
    if (!section.Header.empty()) bytes += section.Header + lineEnd;
    for (const Line& line : section.Lines) bytes += line.Stored + lineEnd;
  }
  return bytes;
}

const CIniDocument::Section* CIniDocument::FindSection(const std::string& name) const {
  const auto found = m_sectionIndex.find(port::FoldAsciiCase(TrimIni(name)));
  return found == m_sectionIndex.end() ? nullptr : found->second;
}

CIniDocument::Section* CIniDocument::FindSection(const std::string& name) {
  return const_cast<Section*>(static_cast<const CIniDocument*>(this)->FindSection(name));
}

const std::string* CIniDocument::FindValue(const std::string& section, const std::string& key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  const auto lines = found->Keys.find(port::FoldAsciiCase(TrimIni(key)));
  if (lines == found->Keys.end()) return nullptr;
  const Line& line = *lines->second.front();
  return line.HasValue ? &line.Value : nullptr;
}

std::vector<std::string> CIniDocument::GetKeyNames(const std::string& section) const {
  std::vector<std::string> names;
  const Section* found = FindSection(section);
  if (found == nullptr) return names;
  for (const Line& line : found->Lines) {
    if (!line.Name.empty()) names.push_back(line.Name);
  }
  return names;
}

void CIniDocument::SetValue(const std::string& section, const std::string& key, const std::string& value) {
  const std::string name = TrimIni(key);
  if (name.empty()) return;
  Section* target = FindSection(section);
  if (target == nullptr) {
    const std::string sectionName = TrimIni(section);
    if (sectionName.empty()) return;
    target = &AddSection(EncodeIniText("[" + sectionName + "]", m_encoding), sectionName);
  }
  const std::string text = ToOneLine(value);
  const auto lines = target->Keys.find(port::FoldAsciiCase(name));
  if (lines == target->Keys.end()) {
    IndexKey(*target, target->Lines.insert(target->InsertBefore, KeyLine(name, text)), name);
    return;
  }
  Line& line = *lines->second.front();
  if (!line.HasValue || line.Value != TrimIni(text)) line = KeyLine(line.Name, text);
}

CIniDocument::Line CIniDocument::KeyLine(const std::string& name, const std::string& text) const {
  Line line;
  line.Stored = EncodeIniText(name + "=" + text, m_encoding);
  line.Name = name;
  line.Value = TrimIni(text);
  line.HasValue = true;
  return line;
}

void CIniDocument::DeleteKey(const std::string& section, const std::string& key) {
  Section* target = FindSection(section);
  if (target == nullptr) return;
  const auto lines = target->Keys.find(port::FoldAsciiCase(TrimIni(key)));
  if (lines == target->Keys.end()) return;
  for (const LineIterator line : lines->second) {
    // A comment line is deleted by its whole text as a name; the insert point must not stay on it.
    if (line == target->InsertBefore) ++target->InsertBefore;
    target->Lines.erase(line);
  }
  target->Keys.erase(lines);
}
