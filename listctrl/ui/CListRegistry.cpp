#include "listctrl/ui/CListRegistry.h"

CListRegistry theListRegistry;
