#include "core/mail/ByteScan.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define RAZ_SCAN_SSE2 1
#endif
// 32 bytes at a time where the processor and the system have AVX2, chosen when the program runs;
// with compilers that can build one function for another instruction set than the rest, unless
// RAZ_SCAN_WITHOUT_AVX2 asks for the 16-byte scan alone (its tests build it so).
#if defined(RAZ_SCAN_SSE2) && defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__)) && \
    !defined(RAZ_SCAN_WITHOUT_AVX2)
#include <immintrin.h>
#define RAZ_SCAN_AVX2 1
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
// The place among the 16 (or 32) from `at` whose bit is set in `fits` where the text begins, or none.
const char* CheckPlaces(const char* at, unsigned fits, std::string_view text) {
  for (const char* place = at; fits != 0; ++place, fits >>= 1) {
    if ((fits & 1) != 0 && std::memcmp(place, text.data(), text.size()) == 0) return place;
  }
  return nullptr;
}

// Runs a block scan (below) from `from` until it finds the text or runs out of whole blocks; leaves
// `from` on the first place it has not looked at.
template <std::size_t Width, unsigned (*NextFits)(const char*&, const char*, std::string_view, std::size_t&)>
const char* ScanBlocks(const char*& from, const char* stop, std::string_view text, std::size_t& lineEnds) {
  for (unsigned fits = 0; (fits = NextFits(from, stop, text, lineEnds)) != 0; from += Width) {
    if (const char* found = CheckPlaces(from, fits, text)) {
      lineEnds += CountLineEnds(from, found);
      return found;
    }
    lineEnds += CountLineEnds(from, from + Width);
  }
  return nullptr;
}

// The block scans look at 16 (or 32) places at a time for those whose first, last and two inner bytes
// all fit the text, and stop at the first block that has any (their bits the result, `at` on the
// block), or when fewer places than a block are left (0). Four bytes, as entries hold texts of one form
// in one place (every Message-Id begins with "<" and ends with ">", and many have the same length):
// with one inner byte, every tenth entry or so stopped the scan. The line ends of the blocks passed
// are counted in byte lanes, added up every 255 blocks. A block scan calls nothing, so that its
// values stay in registers.
__m128i Load(const char* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); }

std::size_t SumLanes(__m128i lanes) {
  const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
  return static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
}

unsigned NextFits16(const char*& at, const char* stop, std::string_view text, std::size_t& lineEnds) {
  const std::size_t size = text.size(), quarter = size / 4, middle = size / 2;
  const __m128i lineEnd = _mm_set1_epi8('\n'), first = _mm_set1_epi8(text[0]), early = _mm_set1_epi8(text[quarter]),
                inside = _mm_set1_epi8(text[middle]), last = _mm_set1_epi8(text[size - 1]);
  unsigned fits = 0;
  while (fits == 0 && stop - at >= 16) {
    const char* const batchEnd = at + std::min<std::ptrdiff_t>((stop - at) / 16, 255) * 16;
    __m128i lanes = _mm_setzero_si128();
    for (; at < batchEnd; at += 16) {
      const __m128i bytes = Load(at);
      const __m128i ends = _mm_and_si128(_mm_cmpeq_epi8(bytes, first), _mm_cmpeq_epi8(Load(at + size - 1), last));
      const __m128i inner =
          _mm_and_si128(_mm_cmpeq_epi8(Load(at + quarter), early), _mm_cmpeq_epi8(Load(at + middle), inside));
      fits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(ends, inner)));
      if (fits != 0) break;
      lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, lineEnd));
    }
    lineEnds += SumLanes(lanes);
  }
  return fits;
}
#endif

#ifdef RAZ_SCAN_AVX2
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2");
  return has;
}

__attribute__((target("avx2"))) __m256i Load32(const char* at) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

__attribute__((target("avx2"))) std::size_t SumLanes32(__m256i lanes) {
  const __m256i sums = _mm256_sad_epu8(lanes, _mm256_setzero_si256());
  const __m128i halves = _mm_add_epi64(_mm256_castsi256_si128(sums), _mm256_extracti128_si256(sums, 1));
  return static_cast<std::size_t>(_mm_cvtsi128_si32(halves) + _mm_cvtsi128_si32(_mm_srli_si128(halves, 8)));
}

__attribute__((target("avx2"))) unsigned NextFits32(const char*& at, const char* stop, std::string_view text,
                                                    std::size_t& lineEnds) {
  const std::size_t size = text.size(), quarter = size / 4, middle = size / 2;
  const __m256i lineEnd = _mm256_set1_epi8('\n'), first = _mm256_set1_epi8(text[0]),
                early = _mm256_set1_epi8(text[quarter]), inside = _mm256_set1_epi8(text[middle]),
                last = _mm256_set1_epi8(text[size - 1]);
  unsigned fits = 0;
  while (fits == 0 && stop - at >= 32) {
    const char* const batchEnd = at + std::min<std::ptrdiff_t>((stop - at) / 32, 255) * 32;
    __m256i lanes = _mm256_setzero_si256();
    for (; at < batchEnd; at += 32) {
      const __m256i bytes = Load32(at);
      const __m256i ends =
          _mm256_and_si256(_mm256_cmpeq_epi8(bytes, first), _mm256_cmpeq_epi8(Load32(at + size - 1), last));
      const __m256i inner = _mm256_and_si256(_mm256_cmpeq_epi8(Load32(at + quarter), early),
                                             _mm256_cmpeq_epi8(Load32(at + middle), inside));
      fits = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_and_si256(ends, inner)));
      if (fits != 0) break;
      lanes = _mm256_sub_epi8(lanes, _mm256_cmpeq_epi8(bytes, lineEnd));
    }
    lineEnds += SumLanes32(lanes);
  }
  return fits;
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
#ifdef RAZ_SCAN_AVX2
  if (size >= 3 && HasAvx2() && (place = ScanBlocks<32, NextFits32>(at, stop, text, lineEnds)) != nullptr) return true;
#endif
#ifdef RAZ_SCAN_SSE2
  if (size >= 3 && (place = ScanBlocks<16, NextFits16>(at, stop, text, lineEnds)) != nullptr) return true;
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
