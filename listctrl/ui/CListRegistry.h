// The common lists that registered at initialisation, newest first. Lists
// remove themselves when they are destroyed.
#ifndef TARNIW_LISTCTRL_CLISTREGISTRY_H
#define TARNIW_LISTCTRL_CLISTREGISTRY_H

#include <list>

class CCommonListCtrl;

using CListRegistry = std::list<CCommonListCtrl *>;

extern CListRegistry theListRegistry;

#endif
