#include "core/ini/CIniDocument.h"

#include "core/ini/IniText.h"
#include "port/Mbcs.h"

namespace {

// Lines that a new key is not placed after: blank lines and comments, which rather belong to what follows.
bool EndsSection(const std::string& trimmed) { return trimmed.empty() || trimmed[0] == ';' || trimmed[0] == '#'; }

// One line at `begin`; `next` receives the start of the following line.
std::string NextLine(const std::string& bytes, std::size_t begin, std::size_t& next) {
  std::size_t end = begin;
  while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
  next = end;
  if (next < bytes.size() && bytes[next] == '\r') ++next;
  if (next < bytes.size() && bytes[next] == '\n') ++next;
  return bytes.substr(begin, end - begin);
}

}  // namespace

void CIniDocument::Parse(const std::string& bytes) {
  static const std::string utf8Mark = "\xEF\xBB\xBF";
  m_byteOrderMark = bytes.compare(0, utf8Mark.size(), utf8Mark) == 0 ? utf8Mark : std::string();
  m_sections.clear();
  m_sectionIndex.clear();
  AddSection(std::string(), std::string());
  for (std::size_t next = m_byteOrderMark.size(); next < bytes.size();) {
    const std::string text = NextLine(bytes, next, next);
    const std::string trimmed = TrimIni(text);
    const std::size_t close = trimmed.empty() || trimmed[0] != '[' ? std::string::npos
                                                                   : port::FindLastDelimiter(trimmed, "]");
    if (close != std::string::npos && close > 0) {
      AddSection(text, TrimIni(trimmed.substr(1, close - 1)));
    } else {
      AddLine(m_sections.back(), text);
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

void CIniDocument::AddLine(Section& section, const std::string& text) {
  Line line;
  line.Text = text;
  const std::string trimmed = TrimIni(text);
  const std::size_t equals = port::FindDelimiter(trimmed, "=");
  line.Name = TrimIni(trimmed.substr(0, equals));
  if (equals != std::string::npos) {
    line.HasValue = true;
    line.Value = TrimIni(trimmed.substr(equals + 1));
  }
  const LineIterator added = section.Lines.insert(section.Lines.end(), line);
  if (!EndsSection(trimmed)) {
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
  std::string bytes = m_byteOrderMark;
  for (const Section& section : m_sections) {
    if (!section.Header.empty()) bytes += section.Header + "\r\n";
    for (const Line& line : section.Lines) bytes += line.Text + "\r\n";
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
    target = &AddSection("[" + sectionName + "]", sectionName);
  }
  const std::string text = ToOneLine(value);
  const auto lines = target->Keys.find(port::FoldAsciiCase(name));
  if (lines != target->Keys.end()) {
    Line& line = *lines->second.front();
    line.Text = line.Name + "=" + text;
    line.Value = TrimIni(text);
    line.HasValue = true;
    return;
  }
  Line line;
  line.Name = name;
  line.Text = name + "=" + text;
  line.Value = TrimIni(text);
  line.HasValue = true;
  IndexKey(*target, target->Lines.insert(target->InsertBefore, line), name);
}

void CIniDocument::DeleteKey(const std::string& section, const std::string& key) {
  Section* target = FindSection(section);
  if (target == nullptr) return;
  const auto lines = target->Keys.find(port::FoldAsciiCase(TrimIni(key)));
  if (lines == target->Keys.end()) return;
  for (const LineIterator line : lines->second) {
    if (line == target->InsertBefore) ++target->InsertBefore;
    target->Lines.erase(line);
  }
  target->Keys.erase(lines);
}
