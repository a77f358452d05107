#pragma once
// What the edit dialogs show of a favorite, and the one rule for renaming it.
#include <string>
#include <vector>

#include "core/favorites/ScreenRect.h"

class CFavoriteItem;
class CFolderTreeItemList;
class CWindow;

// "Maximized", "Minimized", or "(left, top) - (right, bottom)".
std::string WindowRectText(const ScreenRect& rect);
// The texts of the list edit dialog's columns after the title, as its list of the favorite's kind has them.
std::vector<std::string> ListColumnTexts(const CFavoriteItem& item);
// One word per status bit of the host, joined by " / ".
std::string MailStatusText(int status);
// What the plug-in stores about the favorite: labels, each followed by an indented value line.
std::string InternalInfoText(const CFavoriteItem& item);
// What the host and the other favorites say about it; `trees` may be none.
std::string RelatedInfoText(CFavoriteItem& item, const CFolderTreeItemList* trees);

// What became of a name given to a favorite.
enum RenameResult { Renamed, NameUnchanged, NameRefused };

// Gives the favorite the name, unless it is the name the favorite shows already or the favorite would
// then be invalid (every kind but a mail needs a name, and the next start would drop it): the old
// name is kept then, and a refused name is explained in a warning over `owner`.
RenameResult RenameFavorite(const CWindow* owner, CFavoriteItem& item, const std::string& name);
