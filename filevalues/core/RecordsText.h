// Helpers for building a records text of a whole file in one string.
#ifndef TARNIW_FILEVALUES_RECORDSTEXT_H
#define TARNIW_FILEVALUES_RECORDSTEXT_H

#include <string>

// Lines after which the text is reserved for the whole file.
constexpr int kRecordsSampleLines = 4096;

// The line number in decimal followed by ",".
void AppendLineNumber(std::string &text, int nLine);

// Reserves room for the whole file at the rate of output to input seen in
// the first nLines lines, with room to spare for longer line numbers, so the
// text never copies itself. Reserved pages cost no memory until written.
void ReserveForWholeFile(std::string &text, int nLines, long long bytesRead, long long fileSize);

#endif
