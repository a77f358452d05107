// NextAddress over any list, and SplitAddress of each address into buffers of any size (two bytes of
// the input choose the sizes): every address lies inside the list, and every result written into a
// small buffer is the full result cut between characters, terminated, and inside its buffer.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "core/mail/MailHeaders.h"
#include "fuzz/FuzzInput.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// `written` came from a buffer of `size` bytes, `full` from one large enough for the whole result.
void CheckCut(const char* written, std::size_t size, const std::string& full) {
  if (size == 0) return;
  Check(strnlen(written, size) < size);
  Check(written == full.substr(0, port::CutLength(full, size - 1)));
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
  std::unique_ptr<char[]> fullName(new char[list.size() + 1]), fullAddress(new char[list.size() + 1]);
  for (char* a = NextAddress(buffer.get()); a != nullptr; a = NextAddress(nullptr)) {
    Check(a >= buffer.get() && a < buffer.get() + list.size() && *a != '\0');
    SplitAddress(fullName.get(), list.size() + 1, fullAddress.get(), list.size() + 1, a);
    SplitAddress(name.get(), nameSize, address.get(), addressSize, a);
    CheckCut(name.get(), nameSize, fullName.get());
    CheckCut(address.get(), addressSize, fullAddress.get());
  }
  return 0;
}
