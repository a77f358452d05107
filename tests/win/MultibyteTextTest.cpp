// Multibyte parsing against the C runtime's own _ismbblead, so that the native stand-in is held to it.
#include "tests/core/MultibyteTextTests.h"
