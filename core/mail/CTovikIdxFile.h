#pragma once
// The reader of a folder index "Folder.idx", which the host keeps in every folder directory: a
// header line that begins with "2.", then one entry a line (CIdxItem). The host writes it from mails
// that strangers send: nothing in it is trusted, and any file gives a result, in bounded memory.
//
// The file is read in binary mode (the runtime's text mode would end it at a Ctrl-Z byte inside a
// Subject), only as far as a search needs, and what was read stays for the object's life: a second
// search does not read again what the first one saw. Entries are not split into fields unless a
// search looks at them; a text search skips every line that does not hold the searched bytes at all.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/mail/CIdxItem.h"

class CLongLoop;

// Outcomes of CTovikIdxFile::Find and of the mail search built on it.
enum IdxSearchResult {
  IdxFound = 1,
  IdxCancelled = 2,  // the user pressed Escape
  IdxNotFound = 3,
  IdxNoStart = 4,     // no conditions given, or the start entry lies beyond the end of the index
  IdxUnreadable = 5,  // the index cannot be read or its header is not valid
};

class CTovikIdxFile {
 public:
  // The index field that holds a header ("Message-Id", "Subject", "From", "To", "Date", compared
  // case-sensitively); -1 for a header the index does not hold.
  static int FieldOfHeader(const std::string& name);

  explicit CTovikIdxFile(const std::string& fileName) : m_fileName(fileName) {}
  ~CTovikIdxFile() { Close(); }
  CTovikIdxFile(const CTovikIdxFile&) = delete;
  CTovikIdxFile& operator=(const CTovikIdxFile&) = delete;

  // Opens the file, closing first the stream the object may hold (a stream left open keeps the host
  // from replacing its index). False for an empty name or a file that cannot be opened.
  bool Open();
  void Close();
  bool IsOpen() const { return m_file != nullptr; }

  // Searches entry `position` and the ones after it for the first whose field `field` equals
  // `value`, and sets `position` to its number. Fields 0, 1, 2, 8, 9, 10, 11 and 14 hold hexadecimal
  // numbers: a value of hexadecimal digits is compared as its number, any other as the time of a
  // Date header; the other fields are compared as text, byte for byte. Returns an IdxSearchResult.
  int Find(std::uint32_t& position, int field, const std::string& value, CLongLoop& loop);

  // Entry n (counted after the header line, valid or not), or an empty entry when there is none; it
  // refers to this object's bytes.
  CIdxItem GetEntry(std::uint32_t n);

 private:
  // Reads the header line the first time; false when the file has no first line.
  bool ReadHeader();
  // Back to entry 0; false when there is no header line or it does not begin with "2.".
  bool Rewind();
  // Puts the cursor on entry n: IdxFound when entry n exists (or n is 0), else IdxNoStart.
  int SeekTo(std::uint32_t n);
  // The entry at the cursor, which moves on; false at the end of the index.
  bool NextItem(CIdxItem& item);
  // Moves the cursor on to the first entry, at or after it, whose line holds `value` somewhere.
  int SkipToCandidate(const std::string& value, CLongLoop& loop);

  bool ReadMore();
  // The end (the "\n", or the end of the file) of the line that begins at `start`, reading on as
  // needed; false when no line begins there.
  bool FindLineEnd(std::size_t start, std::size_t& end);
  // Where entry n begins and ends; false when there is no entry n.
  bool LocateEntry(std::uint32_t n, std::size_t& start, std::size_t& end);
  // Moves an entry number and its start over the line that ends at `end`.
  void EnterNextLine(std::uint32_t& number, std::size_t& start, std::size_t end);
  CIdxItem ItemOfLine(std::size_t start, std::size_t end) const;

  std::string m_fileName;
  std::FILE* m_file = nullptr;
  // The file as far as read. Sized once, at the first open, to the file's size then: what the host
  // appends later is not searched, and entries keep pointing at the same bytes.
  std::unique_ptr<char[]> m_bytes;
  std::size_t m_capacity = 0;
  std::size_t m_size = 0;
  bool m_atEnd = false;
  // Where every CheckpointSpacing-th entry begins, from entry 0 up to entry m_reached; empty until
  // the header line has been read. Memory grows with the entries only by one number in 64.
  std::vector<std::size_t> m_checkpoints;
  std::uint32_t m_reached = 0;
  // The entry NextItem gives next, and where it begins.
  std::uint32_t m_cursor = 0;
  std::size_t m_cursorStart = 0;
};
