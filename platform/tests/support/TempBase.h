// A temporary base folder for one test: the host executable is pretended to
// lie in it, so every store and INI file of the test is written there.
#ifndef TARNIW_TESTS_TEMPBASE_H
#define TARNIW_TESTS_TEMPBASE_H

#include "platform/core/FileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class CTempBase
{
public:
    CTempBase()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tarniw-test-XXXXXX").string();
        m_strDir = ::mkdtemp(&tmpl[0]) ? CString(tmpl) : CString();
        SetHostExecutablePath(m_strDir + "/host");
    }
    ~CTempBase()
    {
        SetHostExecutablePath(CString());
        std::error_code ec;
        std::filesystem::remove_all(std::string(m_strDir), ec);
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

#endif
