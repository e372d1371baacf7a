// The module's version record.
#ifndef TARNIW_RESOURCES_VERSIONINFO_H
#define TARNIW_RESOURCES_VERSIONINFO_H

struct sVersionInfo
{
    int nMajor;
    int nMinor;
    int nPatch;
    const char *pszProductName;
    const char *pszProductVersion;
    const char *pszFileDescription;
    const char *pszInternalName;
    const char *pszOriginalFilename;
};

inline constexpr sVersionInfo theVersionInfo = {
    1, 0, 0,
    "TarnIW",
    "1.0.0",
    "TarnIW import wizard module",
    "tarniw",
    "libtarniw.so",
};

#endif
