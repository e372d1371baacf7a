#include "platform/core/Display.h"

#include <cstdlib>
#include <initializer_list>

bool HasDisplay()
{
    for (const char *pszVariable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *pszValue = std::getenv(pszVariable);
        if (pszValue && *pszValue)
            return true;
    }
    return false;
}
