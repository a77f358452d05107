// NextAddress over any list, and SplitAddress of each address into buffers of any size (two bytes of
// the input choose the sizes): every result lies inside its buffer, is terminated and cut only between
// characters.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "fuzz/FuzzInput.h"
#include "host/MailHeaders.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// A text written by SplitAddress into a buffer of `size` bytes.
void CheckWritten(const char* buffer, std::size_t size) {
  if (size == 0) return;
  const std::size_t length = strnlen(buffer, size);
  Check(length < size);
  Check(port::CutLength(std::string(buffer, length), length) == length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::size_t nameSize = data[0] % 40, addressSize = data[1] % 40;
  const std::string list = TakeCodePageAndText(data + 2, size - 2);
  // Exactly sized heap buffers, so that AddressSanitizer sees every byte written beyond them.
  std::unique_ptr<char[]> buffer(new char[list.size() + 1]);
  std::memcpy(buffer.get(), list.c_str(), list.size() + 1);
  std::unique_ptr<char[]> name(new char[nameSize ? nameSize : 1]), address(new char[addressSize ? addressSize : 1]);
  for (char* a = NextAddress(buffer.get()); a != nullptr; a = NextAddress(nullptr)) {
    Check(a >= buffer.get() && a < buffer.get() + list.size() && *a != '\0');
    SplitAddress(name.get(), nameSize, address.get(), addressSize, a);
    CheckWritten(name.get(), nameSize);
    CheckWritten(address.get(), addressSize);
  }
  return 0;
}
