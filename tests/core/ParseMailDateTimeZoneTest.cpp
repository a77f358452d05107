// The seconds of a Date value do not depend on the machine's time zone, also in zones with daylight
// saving time and in zones whose standard offset changed over the years.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "core/mail/MailHeaders.h"

namespace {

class MachineTimeZone : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { ChangeZone(GetParam()); }
  void TearDown() override { ChangeZone(oldZone.empty() ? nullptr : oldZone.c_str()); }
  static void ChangeZone(const char* zone) {
    zone ? setenv("TZ", zone, 1) : unsetenv("TZ");
    tzset();
  }
  const std::string oldZone = std::getenv("TZ") ? std::getenv("TZ") : "";
};

TEST_P(MachineTimeZone, DatesGiveTheirUtcSeconds) {
  const struct {
    const char* text;
    std::int32_t seconds;
  } cases[] = {
      {"Tue, 05 Dec 2000 10:20:30 +0900", 975979230},
      {"Sun, 28 Mar 2021 01:30:00 +0000", 1616895000},  // a wall-clock hour London skips
      {"Sun, 28 Mar 2021 03:30:00 +0200", 1616895000},
      {"Sun, 31 Oct 2021 01:30:00 +0000", 1635643800},  // a wall-clock hour London has twice
      {"Sun, 14 Mar 2021 02:30:00 -0500", 1615689000 + 5 * 3600},  // skipped in New York
      {"Fri, 30 Dec 2011 12:00:00 +0000", 1325246400},  // the day Apia skipped
      {"Sat, 01 Jan 2005 00:00:00 +0000", 1104537600},  // Apia still west of the date line
      {"Sun, 01 Jul 2012 12:00:00 +0000", 1341144000},  // Moscow on UTC+4 all year
      {"Sun, 26 Oct 2014 01:30:00 +0000", 1414287000},  // Moscow back to UTC+3
      {"Thu, 01 Jun 1950 00:00:00 +0000", -618105600},  // Tokyo's daylight saving years
      {"Thu, 01 Jan 1970 00:00:00 +0000", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMailDate(c.text), c.seconds) << c.text << " in " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Zones, MachineTimeZone,
                         ::testing::Values("UTC0", "Asia/Tokyo", "Europe/London", "America/New_York",
                                           "Pacific/Apia", "Europe/Moscow", "Australia/Lord_Howe",
                                           "Asia/Kathmandu", "EST5EDT,M3.2.0,M11.1.0",
                                           "<+1345>-13:45<+1445>,M9.5.0/2:45,M4.1.0/3:45"));

}  // namespace
