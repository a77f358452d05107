#pragma once
#include "core/favorites/CFavoriteInfo.h"

// The one favorites store of the process: built with its defaults when the library loads, destroyed
// when it unloads.
CFavoriteInfo& GetFavoriteInfo();
