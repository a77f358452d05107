// Multibyte parsing against the native stand-in lead-byte table.
#include "tests/core/MultibyteTextTests.h"
