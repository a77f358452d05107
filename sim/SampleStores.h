#pragma once
// Deterministic mail stores for the demo and the benchmarks: the same seed gives the same bytes.
#include <string>

// A few mailboxes with nested folders and a few hundred mails, some with Japanese subjects and
// names (code page 932 bytes). The data folder ends in "\".
bool WriteSampleStore(const std::string& dataFolder, unsigned seed);
// One mailbox "Bench" with `folderCount` nested folders of two mails each and the folder "Big" with
// `bigFolderMails` mails.
bool WriteLargeStore(const std::string& dataFolder, unsigned seed, int folderCount, int bigFolderMails);
