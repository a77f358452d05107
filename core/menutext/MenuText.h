#pragma once
// Rules for the texts of menu items.
#include <string>

// The text with every '&' doubled, so that it shows literally instead of marking an accelerator.
std::string EscapeAmpersands(const std::string& text);

// True when the text already marks an accelerator: a single '&' before a character, ahead of the
// first tab (what follows a tab is the right-aligned column).
bool HasAccelerator(const std::string& text);
