#pragma once
// What the core needs of the file system: attributes, folder creation, deletion, whole-file reads and
// an atomic replace. On Windows a pass-through to KERNEL32; natively a stand-in that, like Windows,
// takes both "\" and "/" as path separators.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace port {

// The path as the C and C++ runtimes take it: unchanged on Windows, "\" turned into "/" natively.
std::string NativePath(const std::string& path);

// True when something (file or folder) exists at the path.
bool PathExists(const std::string& path);
// True when the path names an existing file that is not a folder.
bool IsExistingFile(const std::string& path);
// True when the path names an existing folder.
bool IsExistingFolder(const std::string& path);
// Creates one folder level; false when it cannot (missing parent, already there, ...).
bool MakeFolder(const std::string& path);
// Deletes a file; false when it cannot.
bool RemoveFile(const std::string& path);

enum FileReadResult { FileRead = 0, FileMissing = 1, FileUnreadable = 2 };
// Reads the whole file into `bytes` (emptied first); a file of more than `maxBytes` is unreadable.
FileReadResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes = SIZE_MAX);

// The length of an open file and a move to any place in it, with 64-bit offsets: files beyond 2 and
// 4 GB are reached whole on a 32-bit system too. False when the runtime cannot tell or move. The
// length leaves the file's position where it was.
bool FileLength(std::FILE* file, std::uint64_t& length);
bool SeekFile(std::FILE* file, std::uint64_t offset);

// Name of the temporary file that WriteFileAtomically uses for `path`.
std::string TemporaryPathFor(const std::string& path);
// Writes `bytes` to a temporary file beside `path`, flushes it to disk and moves it over `path`, so
// that the file is either the old one or the new one whatever happens in between.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

#ifndef _WIN32
// Fault injection for the native tests: called before every step of WriteFileAtomically (0 opens the
// temporary file, then one step per written block, then flush, close and the move, in that order).
// WriteContinue goes on; WriteCrash stops dead as a killed process would, leaving what is on disk;
// WriteFail makes the step fail as an I/O error would.
enum WriteFault { WriteContinue = 0, WriteCrash = 1, WriteFail = 2 };
typedef WriteFault (*WriteFaultHook)(int step);
void SetWriteFaultHook(WriteFaultHook hook);
// Bytes written per step.
constexpr std::size_t WriteBlockSize = 4096;
#endif

}  // namespace port
