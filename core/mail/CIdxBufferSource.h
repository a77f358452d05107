#pragma once
// Where the folder index reader takes its read buffer from; the heap unless it is given another. A
// buffer that cannot be had (none returned) makes the index unreadable, as any failed read does.
#include <cstddef>
#include <memory>

class CIdxBufferSource {
 public:
  virtual ~CIdxBufferSource() = default;
  // A buffer of `size` bytes, or none.
  virtual std::unique_ptr<char[]> Allocate(std::size_t size) = 0;
};
