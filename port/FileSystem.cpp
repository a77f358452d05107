#include "port/FileSystem.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>

namespace port {

std::string NativePath(const std::string& path) { return path; }

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsExistingFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsExistingFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

FileReadResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileMissing : FileUnreadable;
  }
  FileReadResult result = FileRead;
  char block[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, block, sizeof block, &read, nullptr)) {
      result = FileUnreadable;
      break;
    }
    if (read == 0) break;
    if (read > maxBytes - bytes.size()) {
      result = FileUnreadable;
      break;
    }
    bytes.append(block, read);
  }
  CloseHandle(file);
  if (result != FileRead) bytes.clear();
  return result;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = TemporaryPathFor(path);
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  for (std::size_t done = 0; written && done < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD wrote = 0;
    written = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
    done += wrote;
  }
  written = written && FlushFileBuffers(file);
  written = CloseHandle(file) && written;
  written = written && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!written) DeleteFileA(temporary.c_str());
  return written;
}

}  // namespace port

#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "port/Mbcs.h"

namespace port {
namespace {

WriteFaultHook writeFaultHook = nullptr;

WriteFault FaultAt(int step) { return writeFaultHook ? writeFaultHook(step) : WriteContinue; }

bool StatPath(const std::string& path, struct stat& status) { return stat(NativePath(path).c_str(), &status) == 0; }

bool WriteAll(int descriptor, const char* data, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const ssize_t wrote = write(descriptor, data + done, size - done);
    if (wrote <= 0) return false;
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

}  // namespace

void SetWriteFaultHook(WriteFaultHook hook) { writeFaultHook = hook; }

// Every "\" that is not the second byte of a double-byte character separates folders.
std::string NativePath(const std::string& path) {
  std::string native = path;
  for (std::size_t at = FindDelimiter(native, "\\"); at != std::string::npos; at = FindDelimiter(native, "\\", at + 1)) {
    native[at] = '/';
  }
  return native;
}

bool PathExists(const std::string& path) {
  struct stat status;
  return StatPath(path, status);
}

bool IsExistingFile(const std::string& path) {
  struct stat status;
  return StatPath(path, status) && !S_ISDIR(status.st_mode);
}

bool IsExistingFolder(const std::string& path) {
  struct stat status;
  return StatPath(path, status) && S_ISDIR(status.st_mode);
}

bool MakeFolder(const std::string& path) { return mkdir(NativePath(path).c_str(), 0777) == 0; }

bool RemoveFile(const std::string& path) { return !IsExistingFolder(path) && unlink(NativePath(path).c_str()) == 0; }

FileReadResult ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  if (!PathExists(path)) return FileMissing;
  if (IsExistingFolder(path)) return FileUnreadable;
  std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
  if (file == nullptr) return FileUnreadable;
  char block[65536];
  std::size_t read = 0;
  bool tooLarge = false;
  while (!tooLarge && (read = std::fread(block, 1, sizeof block, file)) > 0) {
    tooLarge = read > maxBytes - bytes.size();
    if (!tooLarge) bytes.append(block, read);
  }
  const bool failed = tooLarge || std::ferror(file) != 0;
  std::fclose(file);
  if (failed) bytes.clear();
  return failed ? FileUnreadable : FileRead;
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  const std::string temporary = NativePath(TemporaryPathFor(path));
  int step = 0;
  bool crashed = false;
  // One step, unless the fault hook stops it there.
  auto run = [&](auto action) {
    const WriteFault fault = FaultAt(step++);
    crashed = fault == WriteCrash;
    return fault == WriteContinue && action();
  };
  int descriptor = -1;
  bool written = run([&] { return (descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666)) >= 0; });
  for (std::size_t done = 0; written && done < bytes.size(); done += WriteBlockSize) {
    written = run([&] { return WriteAll(descriptor, bytes.data() + done, std::min(bytes.size() - done, WriteBlockSize)); });
  }
  written = written && run([&] { return fsync(descriptor) == 0; });
  written = written && run([&] {
    const int closing = descriptor;
    descriptor = -1;
    return close(closing) == 0;
  });
  // A killed process loses its descriptors too; what it wrote stays on disk.
  if (descriptor >= 0) close(descriptor);
  written = written && run([&] { return std::rename(temporary.c_str(), NativePath(path).c_str()) == 0; });
  if (!written && !crashed) unlink(temporary.c_str());
  return written;
}

}  // namespace port

#endif

namespace port {
namespace {

#ifdef _WIN32
int SeekFile64(std::FILE* file, std::int64_t offset, int origin) { return _fseeki64(file, offset, origin); }
std::int64_t TellFile64(std::FILE* file) { return _ftelli64(file); }
#else
static_assert(sizeof(off_t) >= 8, "files beyond 2 GB need 64-bit offsets");
int SeekFile64(std::FILE* file, std::int64_t offset, int origin) { return fseeko(file, offset, origin); }
std::int64_t TellFile64(std::FILE* file) { return ftello(file); }
#endif

}  // namespace

bool FileLength(std::FILE* file, std::uint64_t& length) {
  const std::int64_t here = TellFile64(file);
  if (here < 0 || SeekFile64(file, 0, SEEK_END) != 0) return false;
  const std::int64_t end = TellFile64(file);
  if (SeekFile64(file, here, SEEK_SET) != 0 || end < 0) return false;
  length = static_cast<std::uint64_t>(end);
  return true;
}

bool SeekFile(std::FILE* file, std::uint64_t offset) {
  return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
         SeekFile64(file, static_cast<std::int64_t>(offset), SEEK_SET) == 0;
}

std::string TemporaryPathFor(const std::string& path) { return path + ".tmp"; }

}  // namespace port
