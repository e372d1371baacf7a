// Decimal numbers read the same whatever locale the process runs in: a Qt
// application sets the C library's locale from the user's environment, where
// "2.5" could read as 2. Lists and filters read numbers as the "C" locale does.
#ifndef TARNIW_PLATFORM_CNUMBERREADING_H
#define TARNIW_PLATFORM_CNUMBERREADING_H

class CNumberReading
{
public:
    // strtod in the "C" locale (atof is Strtod(text, nullptr)).
    static double Strtod(const char *psz, char **ppszEnd);
    // sscanf(psz, "%lf", &x) == 1, in the "C" locale.
    static bool ScanDouble(const char *psz, double &x);
};

#endif
