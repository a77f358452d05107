#pragma once
// How the texts of the host's folder tree items become the names a tree state keeps.
#include <string>

// The folder's name as a tree state records it: the item text, except that a mailbox (a top-level
// item) loses the unread count the host shows behind it, so "Main (3)" and "Main (12)" are both Main.
std::string GetNodeName(const std::string& text, bool topLevel);
