#pragma once
// The folder index file "Folder.idx": a header line "2.00" + 0x01 + the next free mail number, then
// one line per mail of 17 fields separated by the byte 0x01 (numbers in hexadecimal):
// 0 offset in the mail file, 1 mail number, 2 size, 3 Subject, 4 From, 5 To, 6 Message-Id,
// 7 In-Reply-To, 8 Date (seconds since 1970 UTC), 9 status bits, 10 received time, 11 label,
// 12 character set, 13 References, 14 priority, 15 and 16 unused.
#include <string>
#include <vector>

#include "sim/MailStoreTypes.h"

extern const char* const FolderIndexFileName;  // "Folder.idx"
extern const char* const FolderMailFileName;   // "Folder.mbx": the mails, one after another

std::string FormatIndexLine(const SimMail& mail);
// False for a line that is not a mail entry (too few fields or a bad number).
bool ParseIndexLine(const std::string& line, SimMail& mail);
// Reads the entries of an index; false when it cannot be read or its header is not "2.".
bool ReadFolderIndex(const std::string& path, SimFolder& folder);
// `version` begins the header line; any that does not begin with "2." makes an index no reader takes.
bool WriteFolderIndex(const std::string& path, const SimFolder& folder, const char* version = "2.00");
