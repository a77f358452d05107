// The favorites store and its settings file under Wine, read back through the system's functions.
#include "tests/core/FavoriteStoreTests.h"
