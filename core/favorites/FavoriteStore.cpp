#include "core/favorites/FavoriteStore.h"

namespace {
CFavoriteInfo favoriteInfo;
}

CFavoriteInfo& GetFavoriteInfo() { return favoriteInfo; }
