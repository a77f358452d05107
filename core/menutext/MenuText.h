#pragma once
// Rules for the texts of menu items.
#include <cstddef>
#include <string>

// The text with every '&' doubled, so that it shows literally instead of marking an accelerator.
std::string EscapeAmpersands(std::string text);

// True when the text already marks an accelerator: a single '&' before a character, ahead of the
// first tab (what follows a tab is the right-aligned column).
bool HasAccelerator(const std::string& text);

// A stranger's text as a menu item can show it: control characters become blanks (a tab would open
// the right-aligned column), a lead byte that starts no whole character becomes "?", and a text of
// more than `maxLength` bytes is cut at a character boundary and ends in "...".
std::string MenuSafeText(std::string text, std::size_t maxLength);

// "&1 " to "&9 ", then "&0 " for every later number: the prefix of a numbered menu item.
std::string AcceleratorPrefix(unsigned int number);
