#pragma once
// The reader of a folder index "Folder.idx", which the host keeps in every folder directory: a
// header line that begins with "2.", then one entry a line (CIdxItem). The host writes it from mails
// that strangers send: nothing in it is trusted, and any file gives a result.
//
// The file is read in binary mode (the runtime's text mode would end it at a Ctrl-Z byte inside a
// Subject), front to back through one window of a quarter megabyte, which stays in the processor's
// cache while it is scanned, and only as far as a search needs: its memory does not grow with the
// file, whose size may pass 4 GB. What was learnt stays for the time
// the file is open: where every some-thousandth entry begins, so that a later search from an entry
// found before, or GetEntry of it, does not read from the start again. A text search looks into a
// line only when the line holds the searched bytes somewhere.
//
// An index that cannot be read to its end (no memory for the window, a failed read, a file cut
// short while it is read or ending inside a line, as one being written does, a line longer than
// CFileWindow::MaxKept that must be looked into) is
// unreadable, never a search that found nothing: the caller would offer to delete the favorite.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/mail/CFileWindow.h"
#include "core/mail/CIdxItem.h"

class CIdxBufferSource;
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

  // `buffers`: where the read buffer comes from; none for the heap.
  explicit CTovikIdxFile(const std::string& fileName, CIdxBufferSource* buffers = nullptr)
      : m_fileName(fileName), m_window(buffers) {}
  ~CTovikIdxFile() { Close(); }
  CTovikIdxFile(const CTovikIdxFile&) = delete;
  CTovikIdxFile& operator=(const CTovikIdxFile&) = delete;

  // Opens the file and reads it anew, closing first the stream the object may hold (a stream left
  // open keeps the host from replacing its index). False for an empty name or a file that cannot be
  // opened.
  bool Open();
  void Close();
  bool IsOpen() const { return m_file != nullptr; }

  // Searches entry `position` and the ones after it for the first whose field `field` equals
  // `value`, and sets `position` to its number. Fields 0, 1, 2, 8, 9, 10, 11 and 14 hold hexadecimal
  // numbers: a value of hexadecimal digits is compared as its number, any other as the time of a
  // Date header; the other fields are compared as text, byte for byte. Returns an IdxSearchResult.
  int Find(std::uint32_t& position, int field, const std::string& value, CLongLoop& loop);

  // Entry n (counted after the header line, valid or not), or an empty entry when there is none or
  // the file, closed, no longer holds it where it was read.
  CIdxItem GetEntry(std::uint32_t n);

 private:
  // An entry's number and where its line begins.
  struct Place {
    std::uint32_t Number;
    std::uint64_t Start;
  };

  // Reads the header line the first time; false when the file has no first line.
  bool ReadHeader();
  // Back to entry 0; false when there is no header line or it does not begin with "2.".
  bool Rewind();
  // Where entry n begins; false when there is no entry n.
  bool Locate(std::uint32_t n, std::uint64_t& start);
  // Puts the cursor on entry n: IdxFound when entry n exists (or n is 0), else IdxNoStart.
  int SeekTo(std::uint32_t n);
  // The line at the cursor, without its line end; the cursor moves on. False at the end of the index.
  bool NextLine(std::string_view& line);
  // Moves the cursor on to the first entry, at or after it, whose line holds `value` somewhere.
  int SkipToCandidate(const std::string& value, CLongLoop& loop);
  // Moves the cursor over the `lineEnds` lines that end in the window from `from` to `to`.
  bool PassLines(std::uint64_t from, std::uint64_t to, std::size_t lineEnds);
  // Moves `place` on over `lines` entries to the one that begins at `next`, noting its start when it
  // is new.
  bool Pass(Place& place, std::size_t lines, std::uint64_t next);

  // The line that begins at `start`, whole in the window, and where the next one begins.
  bool LineAt(std::uint64_t start, std::string_view& line, std::uint64_t& next);
  // The first line end at or after `from`; false when the file ends first.
  bool FindLineEnd(std::uint64_t from, std::uint64_t& end);
  // The result, or IdxUnreadable when the file could not be read as far as the search went.
  // A search that found nothing in a file that ends inside a line has not seen the whole index.
  int Unless(int result) const {
    const bool cutShort = result == IdxNotFound && m_window.EndsInsideALine();
    return m_window.Failed() || m_tooManyEntries || cutShort ? IdxUnreadable : result;
  }

  std::string m_fileName;
  std::FILE* m_file = nullptr;
  CFileWindow m_window;
  bool m_headerRead = false;
  bool m_headerValid = false;
  // Entries whose start is known, from entry 0 on, one at least every m_spacing bytes of the file;
  // thinned out when there are MaxPlaces of them, so their memory has a bound whatever the file.
  std::vector<Place> m_places;
  std::uint64_t m_spacing = 0;
  std::uint32_t m_reached = 0;  // the last entry whose start was seen
  Place m_cursor = {0, 0};       // the entry NextLine gives next
  bool m_tooManyEntries = false;
};
