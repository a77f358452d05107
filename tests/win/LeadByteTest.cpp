// The lead-byte test answers below 0x80 without asking the C runtime: that must be the runtime's own
// answer in every double-byte code page it knows.
#include <gtest/gtest.h>

#include <mbctype.h>

#include "port/Mbcs.h"

namespace {

TEST(LeadByte, AgreesWithTheRuntimeForEveryByteOfEveryDoubleBytePage) {
  for (const int codePage : {932, 936, 949, 950, 1361}) {
    ASSERT_EQ(port::SetMultiByteCodePage(codePage), 0) << "code page " << codePage;
    int leadBytes = 0;
    for (int byte = 0; byte < 256; ++byte) {
      const bool runtime = _ismbblead(byte) != 0;
      leadBytes += runtime;
      EXPECT_EQ(port::IsLeadByte(static_cast<unsigned char>(byte)), runtime)
          << "code page " << codePage << ", byte 0x" << std::hex << byte;
    }
    EXPECT_GT(leadBytes, 0) << "code page " << codePage << " took no double-byte table";
  }
  port::SetMultiByteCodePage(0);
}

}  // namespace
