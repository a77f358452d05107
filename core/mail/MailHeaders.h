#pragma once
// Parsers of header values as the host returns them: the Date header, and address lists (From, To)
// split into single addresses and those into display name and mailbox address.
// All three are multibyte aware: the second byte of a double-byte character is never a delimiter.
#include <cstddef>
#include <cstdint>
#include <string>

// Seconds since 1970-01-01 00:00 UTC of a Date value of the form "Tue, 05 Dec 2000 10:20:30 +0900"
// (weekday, day, month, year, time, zone, separated by single blanks). The result does not depend on
// the machine's time zone. A date outside the signed 32-bit range gives -1.
std::int32_t ParseMailDate(const std::string& text);

// The value of a header as a mail holds it, folded over several lines, made one line as mail readers
// unfold: every line break (CR LF, LF or CR) followed by a blank or a tab goes, the blank stays.
// Other line breaks are kept.
std::string UnfoldHeader(const std::string& value);

// The value holds an encoded word ("=?charset?B?...?=", "=?charset?Q?...?="), as mails write texts
// beyond ASCII in their headers; the host may keep such a text decoded elsewhere (its folder index).
bool HoldsEncodedWord(const std::string& value);

// Splits a list of addresses one per call, like strtok: the first call passes the list (writable,
// zero-terminated, changed in place), later calls pass nullptr. Returns the next address inside the
// list, or nullptr when it is used up. Keeps one cursor for the whole process: walk one list at a time.
char* NextAddress(char* list);

// Splits one address ("Name" <box@host>, box@host (Name), <box@host>, box@host) into its display name
// and its mailbox address. Each is written zero-terminated, cut to at most size - 1 bytes at a
// character boundary; a buffer of size 0 is left alone. `text` is not changed.
void SplitAddress(char* name, std::size_t nameSize, char* address, std::size_t addressSize,
                  const char* text);
