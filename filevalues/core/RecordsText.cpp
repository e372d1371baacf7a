#include "filevalues/core/RecordsText.h"

#include <charconv>

void AppendLineNumber(std::string &text, int nLine)
{
    char digits[16];
    const auto res = std::to_chars(digits, digits + sizeof digits, nLine);
    text.append(digits, size_t(res.ptr - digits));
    text.push_back(',');
}

void ReserveForWholeFile(std::string &text, long long bytesRead, long long fileSize)
{
    if (bytesRead <= 0 || fileSize <= bytesRead)
        return;
    const double rate = double(text.size()) / double(bytesRead);
    const double whole = rate * double(fileSize) * 1.0625 + 65536.0;
    if (whole > double(text.capacity()))
        text.reserve(size_t(whole));
}
