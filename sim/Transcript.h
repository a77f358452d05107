#pragma once
// The host's running account of what happened: printed on stdout and, when asked, kept in a file.
#include <string>
#include <vector>

bool OpenTranscriptFile(const std::string& path);
void CloseTranscriptFile();
// Whether lines are kept for TranscriptLines (they are unless told otherwise).
void KeepTranscriptLines(bool keep);
// Every line said so far, oldest first.
std::vector<std::string> TranscriptLines();
// One line of the transcript (printf-style); safe from any thread.
void Say(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
