#pragma once
// A file read front to back through one buffer: the window holds the bytes from Begin() to End() of
// the file, and reading on drops the ones before a given place. The buffer is a read's size and grows
// only for what a caller keeps (a long line), up to MaxKept bytes; the file's length is taken at
// Attach, and the file must hold that many bytes. Anything short of that (no buffer, a failed seek or
// read, a file that has shrunk, more to keep than MaxKept) fails the window until the next Attach.
// A buffer of a read's size from the heap is handed on to the next window when this one goes: a new
// buffer costs a page fault for every page the first read goes into, which under Wine made up a fifth
// of a search through 18 MB; a search through many folders opens one window after the other.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

class CIdxBufferSource;

class CFileWindow {
 public:
  static constexpr std::size_t ReadSize = std::size_t(256) << 10;
  static constexpr std::size_t MaxKept = std::size_t(64) << 20;
  static constexpr std::uint64_t BlockSize = 4096;

  // `buffers`: where the buffer comes from; none for the heap.
  explicit CFileWindow(CIdxBufferSource* buffers) : m_buffers(buffers) {}
  ~CFileWindow();
  CFileWindow(const CFileWindow&) = delete;
  CFileWindow& operator=(const CFileWindow&) = delete;

  // Reads `file` from its start (nothing is held then); the caller keeps it open until Detach.
  void Attach(std::FILE* file);
  // No more reading; the bytes held stay.
  void Detach() { m_file = nullptr; }

  bool Failed() const { return m_failed; }
  // The file's last byte is no line end: it was cut, or is being written, inside its last line.
  bool EndsInsideALine() const { return m_endsInsideALine; }
  std::uint64_t Length() const { return m_length; }
  std::uint64_t Begin() const { return m_begin; }
  std::uint64_t End() const { return m_begin + m_size; }
  bool Holds(std::uint64_t offset) const { return offset >= Begin() && offset < End(); }
  // The byte at file offset `offset`, which lies from Begin() to End().
  const char* At(std::uint64_t offset) const { return m_bytes.get() + static_cast<std::size_t>(offset - m_begin); }
  std::uint64_t OffsetOf(const char* byte) const { return m_begin + static_cast<std::uint64_t>(byte - m_bytes.get()); }
  // The first line end from `from` up to `to`, both in the window; `to` when there is none.
  std::uint64_t FindLineEnd(std::uint64_t from, std::uint64_t to) const;

  // Reads the bytes that follow, keeping those from `keepFrom` on when it lies in the window (else
  // the window moves there empty). False at the file's end, without a file, or on failure.
  bool ReadOn(std::uint64_t keepFrom);

 private:
  // Room for a read after the bytes kept; false when there is none to have.
  bool MakeRoom();
  // A buffer of at least `capacity` bytes, which becomes its size; none when there is no memory.
  std::unique_ptr<char[]> NewBuffer(std::size_t& capacity);
  bool Fail();
  // Reads the file's last byte, and goes back to its start.
  bool LastByteIsLineEnd();

  CIdxBufferSource* const m_buffers;
  std::FILE* m_file = nullptr;
  std::uint64_t m_length = 0;
  std::unique_ptr<char[]> m_bytes;
  std::size_t m_capacity = 0;
  std::uint64_t m_begin = 0;
  std::size_t m_size = 0;
  bool m_failed = false;
  bool m_endsInsideALine = false;
};
