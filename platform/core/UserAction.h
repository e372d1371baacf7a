// What the user asks for (a click, a key, a menu command) runs to its end or
// is abandoned: an index out of range anywhere on the way stops it, and the
// window shows what the action left.
#ifndef TARNIW_PLATFORM_USERACTION_H
#define TARNIW_PLATFORM_USERACTION_H

#include "tarniw/TarnTypes.h"

#include <utility>

// Runs a user action; false when it was abandoned on CInvalidArgException.
template <class Action> bool RunUserAction(Action &&action)
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (const CInvalidArgException &) {
        return false;
    }
}

#endif
