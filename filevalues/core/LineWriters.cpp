#include "filevalues/core/LineWriters.h"

#include "platform/core/FileSystem.h"

std::string JoinLines(const CStringArray &lines)
{
    size_t size = 0;
    for (const CString &line : lines)
        size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const CString &line : lines)
        text.append(line).push_back('\n');
    return text;
}

bool WriteLinesFile(const CString &path, const CStringArray &lines)
{
    return WriteFileAtomically(path, JoinLines(lines));
}
