// The favorites store and its settings file, natively.
#include "tests/core/FavoriteStoreTests.h"
