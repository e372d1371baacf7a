#include "platform/core/Display.h"

#include <windows.h>

#include <cstdlib>

bool HasDisplay()
{
    const char *pszPlatform = std::getenv("QT_QPA_PLATFORM");
    if (pszPlatform && *pszPlatform)
        return true;
    USEROBJECTFLAGS flags = {};
    const HWINSTA station = ::GetProcessWindowStation();
    return station && ::GetUserObjectInformationA(station, UOI_FLAGS, &flags, sizeof flags, nullptr)
        && (flags.dwFlags & WSF_VISIBLE);
}
