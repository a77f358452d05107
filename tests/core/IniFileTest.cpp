// The settings file's reader and writer, natively.
#include "tests/core/IniFileTests.h"
