#include "filevalues/core/RecordsText.h"

#include <charconv>

void AppendLineNumber(std::string &text, int nLine)
{
    char digits[16];
    const auto res = std::to_chars(digits, digits + sizeof digits, nLine);
    text.append(digits, size_t(res.ptr - digits));
    text.push_back(',');
}

void ReserveForWholeFile(std::string &text, int nLines, long long bytesRead, long long fileSize)
{
    if (bytesRead <= 0 || fileSize <= bytesRead)
        return;
    const double scale = double(fileSize) / double(bytesRead);
    const double lines = double(nLines) * scale;
    const double whole = double(text.size()) * scale * 1.25 + lines * 12.0 + 65536.0;
    if (whole > double(text.capacity()))
        text.reserve(size_t(whole));
}
