#pragma once
// Finding a mail of the host's current folder again by its headers: through the folder's index
// where it holds the header, else by selecting the folder's mails one by one and reading theirs.
#include <string>
#include <vector>

class CTovikIdxFile;

// A header the mail must have: its name and its exact value.
struct MailCondition {
  std::string Name;
  std::string Value;
};

// Searches the current folder for the mail that meets every condition, showing `statusText` on the
// status bar meanwhile (none when empty). Indexed headers ("Message-Id", "Subject", "From", "To",
// "Date") are looked up in the index in order, each from the entry found for the one before; the
// entry found last is selected. Any other header makes the search walk the folder's mails: the
// selected one first, then all of them from the top. `index` is the current folder's index, or none
// to read it here. Returns an IdxSearchResult; on IdxFound the mail is the host's current mail.
int FindMailInCurrentFolder(const std::vector<MailCondition>& conditions, const std::string& statusText,
                            CTovikIdxFile* index);
