#include "core/hostlink/PathText.h"

#include "port/Mbcs.h"

std::string FileBaseName(const std::string& path) {
  const std::size_t separator = port::FindLastDelimiter(path, "\\/:");
  std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  const std::size_t dot = port::FindLastDelimiter(name, ".");
  if (dot != std::string::npos) name.erase(dot);
  return name;
}
