#include "listctrl/core/TarnColInfo.h"

#include <cstring>

tsTarnColInfoWiz MakeColInfo(const CString &strName, int nWidth, int nFormat, int nType)
{
    tsTarnColInfoWiz info{};
    std::strncpy(info.szName, strName.c_str(), sizeof(info.szName) - 1);
    info.nWidth = nWidth;
    info.nFormat = nFormat;
    info.nType = nType;
    return info;
}
