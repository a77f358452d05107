#pragma once
// Calls one of the host's own TVA_ functions the way a plug-in does: looked up by name in the
// executable's exports. Used by scripts to check what the host answers.
#include <string>
#include <vector>

// The results come back as words: the return value first, then any text the function wrote.
bool CallHostFunction(const std::string& name, const std::vector<std::string>& arguments,
                      std::vector<std::string>& results, std::string& error);
