// The CSV and DOT line files: each of the host's lines followed by "\n".
#ifndef TARNIW_FILEVALUES_LINEWRITERS_H
#define TARNIW_FILEVALUES_LINEWRITERS_H

#include "tarniw/TarnTypes.h"

std::string JoinLines(const CStringArray &lines);

// Replaces the file with the joined lines; false when it cannot be written.
bool WriteLinesFile(const CString &path, const CStringArray &lines);

#endif
