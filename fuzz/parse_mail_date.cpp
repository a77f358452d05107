// ParseMailDate over any text: no crash, no undefined behaviour, no overflow.
#include "core/mail/MailHeaders.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::int32_t seconds = ParseMailDate(TakeCodePageAndText(data, size));
  // The result is a plain value: touching it keeps the call from being optimised away.
  volatile std::int32_t sink = seconds;
  (void)sink;
  return 0;
}
