#pragma once
// Reading the header block of a stored mail.
#include <string>

// The value of the first header of this name (case-insensitive), continuation lines joined; empty
// when the mail has none.
std::string FindHeader(const std::string& mailText, const std::string& name);
// The header value folded as long headers are in mails: a line break before a blank once a line
// has 16 bytes; unfolding (removing each line break) gives the value back.
std::string FoldedHeader(const std::string& value);
// The Subject or From value as a mail holds it when it has characters beyond ASCII: in an encoded
// word ("=?Shift_JIS?B?...?="), of a From only the name before the address. Other values unchanged.
std::string EncodedHeader(const std::string& name, const std::string& value);
// The code page that belongs to a character set name, -1 for one the host does not know.
int CodePageOfCharSet(const std::string& charSet);
// "Tue, 05 Dec 2000 10:20:30 +0900" for a time in seconds since 1970 UTC, shown in the given zone.
std::string FormatMailDate(unsigned utcSeconds, int zoneMinutes);
