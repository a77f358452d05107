#include "core/mail/ByteScan.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define RAZ_SCAN_SSE2 1
#endif

namespace {

std::size_t CountLineEnds(const char* begin, const char* end) {
  std::size_t count = 0;
  for (const char* at = begin; (at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr; ++at) {
    ++count;
  }
  return count;
}

#ifdef RAZ_SCAN_SSE2
__m128i Load(const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

std::size_t SumLanes(__m128i lanes) {
  const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
  return static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
}

// The place among the 16 from `at` whose bit is set in `fits` where the text begins, or none.
const char* CheckPlaces(const char* at, unsigned fits, std::string_view text) {
  for (const char* place = at; fits != 0; ++place, fits >>= 1) {
    if ((fits & 1) != 0 && std::memcmp(place, text.data(), text.size()) == 0) return place;
  }
  return nullptr;
}

// 16 places at a time: those whose first, middle and last bytes all fit, the other bytes compared for
// them alone. Three bytes, as entries hold texts of one form in one place (every Message-Id begins
// with "<" and ends with ">"). The line ends are counted in byte lanes on the way, up to 255 blocks
// before the lanes are added up. The inner loop calls nothing, so that its values stay in registers.
// Leaves `from` on the first place it has not looked at.
const char* ScanBlocks(const char*& from, const char* stop, std::string_view text, std::size_t& lineEnds) {
  const std::size_t size = text.size(), middle = size / 2;
  const __m128i lineEnd = _mm_set1_epi8('\n'), first = _mm_set1_epi8(text[0]),
                inside = _mm_set1_epi8(text[middle]), last = _mm_set1_epi8(text[size - 1]);
  const char* at = from;
  while (stop - at >= 16) {
    const char* const batchEnd = at + std::min<std::ptrdiff_t>((stop - at) / 16, 255) * 16;
    __m128i lanes = _mm_setzero_si128();
    unsigned fits = 0;
    for (; at < batchEnd; at += 16) {
      const __m128i bytes = Load(at);
      const __m128i ends = _mm_and_si128(_mm_cmpeq_epi8(bytes, first), _mm_cmpeq_epi8(Load(at + size - 1), last));
      fits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(ends, _mm_cmpeq_epi8(Load(at + middle), inside))));
      if (fits != 0) break;
      lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, lineEnd));
    }
    lineEnds += SumLanes(lanes);
    if (fits == 0) continue;
    if (const char* found = CheckPlaces(at, fits, text)) {
      lineEnds += CountLineEnds(at, found);
      return found;
    }
    lineEnds += CountLineEnds(at, at + 16);
    at += 16;
  }
  from = at;
  return nullptr;
}
#endif

}  // namespace

bool ScanForText(const char* begin, const char* end, std::string_view text, const char*& place,
                 std::size_t& lineEnds) {
  lineEnds = 0;
  const std::size_t size = text.size();
  // Places from `stop` on leave too few bytes for the text.
  const char* const stop = static_cast<std::size_t>(end - begin) >= size ? end - size + 1 : begin;
  const char* at = begin;
#ifdef RAZ_SCAN_SSE2
  if (size >= 3 && (place = ScanBlocks(at, stop, text, lineEnds)) != nullptr) return true;
#endif
  for (place = at; place < stop; ++place) {
    place = static_cast<const char*>(std::memchr(place, text[0], static_cast<std::size_t>(stop - place)));
    if (place == nullptr) break;
    if (std::memcmp(place, text.data(), size) == 0) {
      lineEnds += CountLineEnds(at, place);
      return true;
    }
  }
  lineEnds += CountLineEnds(at, stop);
  place = stop;
  return false;
}

const char* AfterLastLineEnd(const char* begin, const char* end) {
  for (const char* at = end; at != begin; --at) {
    if (at[-1] == '\n') return at;
  }
  return begin;
}
