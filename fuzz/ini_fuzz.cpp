// The INI layer: a key written reads back as written, writing it again
// changes nothing, and no other line of the file changes.
#include "FuzzSupport.h"

#include "platform/core/IniFile.h"

#include <filesystem>
#include <strings.h>

namespace {
// One folder for the whole run, removed when the run ends; the file in it
// is rewritten each time.
class CRunFolder
{
public:
    CRunFolder()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tarniw-fuzz-XXXXXX").string();
        FUZZ_CHECK(::mkdtemp(&tmpl[0]) != nullptr);
        m_folder = tmpl;
    }
    ~CRunFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    CString File() const { return CString(m_folder + "/f.ini"); }

private:
    std::string m_folder;
};

const CString &IniPath()
{
    static const CRunFolder folder;
    static const CString path = folder.File();
    return path;
}

std::string ReadFile(const CString &path)
{
    std::string text;
    FUZZ_CHECK(ReadWholeFile(path, text));
    return text;
}

CString Get(const CString &section, const CString &key)
{
    CString out;
    GetPrivateProfileString(section, key, "\x01<none>", out, DWORD(1) << 20, IniPath());
    return out;
}

bool SameName(const CString &a, const CString &b)
{
    const CString x = CString(a).Trim(), y = CString(b).Trim();
    return x.size() == y.size() && ::strncasecmp(x.data(), y.data(), x.size()) == 0;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CFuzzParts parts(data, size);
    const std::string before = parts.Next();
    const CString section = parts.Next(), key = parts.Next(), value = parts.Next();
    const CString probeSection = parts.Next(), probeKey = parts.Next();
    FUZZ_CHECK(WriteFileAtomically(IniPath(), before));
    const CString probeBefore = Get(probeSection, probeKey);

    if (!WritePrivateProfileString(section, key, value, IniPath())) {
        FUZZ_CHECK(ReadFile(IniPath()) == before);
        return 0;
    }
    const std::string after = ReadFile(IniPath());
    // What changed lies within one line: the line written, or new lines.
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix
           && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    FUZZ_CHECK(before.substr(prefix, before.size() - prefix - suffix).find_first_of("\r\n") == std::string::npos);

    // Read back as written: reading drops white space at the ends and one
    // pair of quotes, so only values without those come back unchanged.
    const bool bPlain = CString(value).Trim() == value
        && !(value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]);
    if (bPlain)
        FUZZ_CHECK(Get(section, key) == value);
    if (!SameName(probeSection, section) || !SameName(probeKey, key))
        FUZZ_CHECK(Get(probeSection, probeKey) == probeBefore);

    FUZZ_CHECK(WritePrivateProfileString(section, key, value, IniPath()));
    FUZZ_CHECK(ReadFile(IniPath()) == after);
    return 0;
}
