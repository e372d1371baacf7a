#include "platform/core/CNumberReading.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace {
locale_t CLocale()
{
    static const locale_t loc = ::newlocale(LC_ALL_MASK, "C", locale_t(0));
    return loc;
}

// Switches this thread to the "C" locale for one call.
class CCLocaleScope
{
public:
    CCLocaleScope() : m_old(::uselocale(CLocale())) {}
    ~CCLocaleScope() { ::uselocale(m_old); }

private:
    locale_t m_old;
};
}

double CNumberReading::Strtod(const char *psz, char **ppszEnd)
{
    return ::strtod_l(psz, ppszEnd, CLocale());
}

bool CNumberReading::ScanDouble(const char *psz, double &x)
{
    CCLocaleScope scope;
    return std::sscanf(psz, "%lf", &x) == 1;
}
