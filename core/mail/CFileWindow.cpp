#include "core/mail/CFileWindow.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

#include "core/mail/CIdxBufferSource.h"
#include "port/FileSystem.h"

namespace {

// The buffer the last window left, of a read's size; freed when the module goes.
struct SpareBuffer {
  std::atomic<char*> Bytes{nullptr};
  ~SpareBuffer() { delete[] Bytes.exchange(nullptr); }
} spare;

}  // namespace

CFileWindow::~CFileWindow() {
  if (m_buffers == nullptr && m_capacity == ReadSize) delete[] spare.Bytes.exchange(m_bytes.release());
}

void CFileWindow::Attach(std::FILE* file) {
  m_file = file;
  m_begin = 0;
  m_size = 0;
  m_length = 0;
  m_failed = !port::FileLength(file, m_length);
  m_endsInsideALine = !m_failed && m_length != 0 && !LastByteIsLineEnd();
}

bool CFileWindow::LastByteIsLineEnd() {
  int last = EOF;
  if (!port::SeekFile(m_file, m_length - 1) || (last = std::fgetc(m_file)) == EOF || !port::SeekFile(m_file, 0)) {
    Fail();
  }
  return last == '\n';
}

bool CFileWindow::ReadOn(std::uint64_t keepFrom) {
  if (m_file == nullptr || m_failed) return false;
  if (keepFrom < Begin() || keepFrom > End()) {
    if (!port::SeekFile(m_file, keepFrom)) return Fail();
    m_begin = keepFrom;
    m_size = 0;
  } else {
    const std::size_t dropped = static_cast<std::size_t>(keepFrom - m_begin);
    if (dropped != 0) std::memmove(m_bytes.get(), m_bytes.get() + dropped, m_size - dropped);
    m_begin = keepFrom;
    m_size -= dropped;
  }
  if (End() >= m_length) return false;
  if (!MakeRoom()) return false;
  std::uint64_t wanted = std::min<std::uint64_t>(m_capacity - m_size, m_length - End());
  // Reads that end on a block boundary keep every later read aligned: the runtime then reads straight
  // into the window instead of through its own buffer.
  const std::uint64_t alignedEnd = (End() + wanted) & ~std::uint64_t(BlockSize - 1);
  if (End() + wanted < m_length && alignedEnd > End()) wanted = alignedEnd - End();
  const std::size_t read = std::fread(m_bytes.get() + m_size, 1, static_cast<std::size_t>(wanted), m_file);
  m_size += read;
  // Less than the length told at the start: a read error, or a file cut short meanwhile.
  return read == wanted || Fail();
}

std::uint64_t CFileWindow::FindLineEnd(std::uint64_t from, std::uint64_t to) const {
  const void* found = from < to ? std::memchr(At(from), '\n', static_cast<std::size_t>(to - from)) : nullptr;
  return found ? OffsetOf(static_cast<const char*>(found)) : to;
}

bool CFileWindow::MakeRoom() {
  const std::uint64_t rest = m_length - End();
  if (m_capacity - m_size >= std::min<std::uint64_t>(rest, ReadSize / 2)) return true;
  if (m_size > MaxKept) return Fail();
  // Twice what is kept, for a long line: it is copied a few times, not once a read.
  std::size_t capacity = static_cast<std::size_t>(
      std::min<std::uint64_t>(std::min(std::max(ReadSize, 2 * m_size), MaxKept + ReadSize), m_size + rest));
  std::unique_ptr<char[]> bytes = NewBuffer(capacity);
  if (!bytes) return Fail();
  if (m_size != 0) std::memcpy(bytes.get(), m_bytes.get(), m_size);
  m_bytes = std::move(bytes);
  m_capacity = capacity;
  return true;
}

std::unique_ptr<char[]> CFileWindow::NewBuffer(std::size_t& capacity) {
  if (m_buffers != nullptr) return m_buffers->Allocate(capacity);
  if (capacity > ReadSize) return std::unique_ptr<char[]>(new (std::nothrow) char[capacity]);
  // Bytes past the file's end are never read into: their pages cost nothing.
  capacity = ReadSize;
  if (char* kept = spare.Bytes.exchange(nullptr)) return std::unique_ptr<char[]>(kept);
  return std::unique_ptr<char[]>(new (std::nothrow) char[capacity]);
}

bool CFileWindow::Fail() {
  m_failed = true;
  return false;
}
