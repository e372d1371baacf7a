// A temporary base folder for one test: the host executable is pretended to
// lie in it, so every store and INI file of the test is written there. Also
// the few file operations tests need beyond the module's own, written once
// for every system.
#ifndef TARNIW_TESTS_TEMPBASE_H
#define TARNIW_TESTS_TEMPBASE_H

#include "platform/core/FileSystem.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

class CTempBase
{
public:
    CTempBase()
    {
        const std::filesystem::path tmp = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int attempt = 0; attempt < 100 && m_strDir.IsEmpty(); ++attempt) {
            const std::filesystem::path dir = tmp / ("tarniw-test-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(dir, ec))
                m_strDir = dir.string();
        }
        SetHostExecutablePath(m_strDir + "/host");
    }
    ~CTempBase()
    {
        SetHostExecutablePath(CString());
        // What a test made read-only goes too (Windows deletes no read-only
        // file); links are left as they are.
        namespace fs = std::filesystem;
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(std::string(m_strDir), ec); !ec && it != fs::end(it);
             it.increment(ec))
            if (!it->is_symlink(ec))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(std::string(m_strDir), ec);
    }
    CTempBase(const CTempBase &) = delete;
    CTempBase &operator=(const CTempBase &) = delete;

    const CString &Dir() const { return m_strDir; }
    CString Path(const CString &rel) const { return m_strDir + "/" + rel; }

    CString Write(const CString &rel, const std::string &bytes) const
    {
        const CString path = Path(rel);
        std::filesystem::create_directories(std::filesystem::path(std::string(path)).parent_path());
        std::ofstream(std::string(path), std::ios::binary) << bytes;
        return path;
    }
    std::string Read(const CString &rel) const
    {
        std::ifstream in(std::string(Path(rel)), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Exists(const CString &rel) const { return std::filesystem::exists(std::filesystem::symlink_status(std::string(Path(rel)))); }

private:
    CString m_strDir;
};

// Makes a symbolic link; false where the system or the process cannot (a
// Windows build without the privilege, MinGW's runtime under wine). A test
// that needs one skips then.
inline bool MakeSymbolicLink(const CString &target, const CString &link)
{
    namespace fs = std::filesystem;
    const fs::path to{std::string(target)}, at{std::string(link)};
    std::error_code ec;
    if (fs::is_directory(to.is_absolute() ? to : at.parent_path() / to, ec))
        fs::create_directory_symlink(to, at, ec);
    else
        fs::create_symlink(to, at, ec);
    return !ec;
}
inline const char *const kNoLinksHere = "symbolic links cannot be made here (Windows without the privilege, or wine)";

// Clears or sets the write permission of everyone (on Windows: sets or
// clears the read-only attribute).
inline void SetReadOnly(const CString &path, bool bReadOnly = true)
{
    namespace fs = std::filesystem;
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    std::error_code ec;
    fs::permissions(std::string(path), write, bReadOnly ? fs::perm_options::remove : fs::perm_options::add, ec);
}

// Takes every permission from a file; false when it can still be read
// (root reads every file; Windows keeps reading in access lists).
inline bool DenyReading(const CString &path)
{
    std::error_code ec;
    std::filesystem::permissions(std::string(path), std::filesystem::perms::none, ec);
    return !std::ifstream(std::string(path)).is_open();
}

#endif
