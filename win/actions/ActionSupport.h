#pragma once
// What the actions share: the host's answers read through the shared buffer, the messages they show
// and the host windows they work on.
#include <windows.h>

#include <string>

class CFavoriteItem;
class CFavoriteItemListBase;
class CTovikStatusWindow;
class CWindow;

// Results of a registration beside the store's AddResult codes.
constexpr int RegisterCancelled = 1;
constexpr int RegisterReadFailed = 5;  // the host, or the folder tree's capture, gave nothing to take

// A header of the host's current mail; empty when the host gives none.
std::string ReadCurrentMailHeader(const char* name);
// The next selected mail after `start` (-1 = from the top) and its id; -1 when there is none.
int ReadNextSelectedMail(int start, std::string& mailId);
// The host's current mail id; empty when no mail is current (also the mailbox + "?0").
std::string ReadCurrentMailId();

// Makes the folder the host's current one, as the host needs it asked (twice); whether it is current.
bool MakeFolderCurrent(const std::string& folderId);

// A message box over the host's main window, captioned with the application title; the answer.
// Without a host main window nothing is shown and the answer is NoAnswer, which is neither Yes nor
// No: a question then changes nothing.
constexpr int NoAnswer = 0;
int ShowMessage(UINT textId, UINT flags);
int ShowMessage(const std::string& text, UINT flags);
constexpr UINT WarningFlags = MB_OK | MB_ICONEXCLAMATION;
constexpr UINT YesNoFlags = MB_YESNO | MB_ICONQUESTION;
constexpr UINT YesNoCancelFlags = MB_YESNOCANCEL | MB_ICONQUESTION;

// The host's panes; none while they cannot be found.
CWindow* GetFrameChild();
CTovikStatusWindow* GetStatusBar();
void SetStatusText(UINT textId);

// True while `item` (by address) is still an entry of the list: modal loops and the history
// recording may have destroyed it.
bool ListHolds(const CFavoriteItemListBase& list, const CFavoriteItem* item);

// The local time as "YYYY/MM/DD hh:mm:ss", or `fallback` when it cannot be had.
std::string LocalTimeName(const char* fallback);
