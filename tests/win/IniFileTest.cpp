// The settings file's reader and writer under Wine, every read checked against the system's own
// private-profile functions.
#include "tests/core/IniFileTests.h"
