// The registry of live lists for programs that use the common lists without
// the module; the module defines its own among its global objects.
#include "listctrl/ui/CListRegistry.h"

CListRegistry theListRegistry;
