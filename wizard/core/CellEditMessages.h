// Private messages between a combo list and its owner; wParam is always the
// sending list's control id.
#ifndef TARNIW_WIZARD_CELLEDITMESSAGES_H
#define TARNIW_WIZARD_CELLEDITMESSAGES_H

// A list is about to edit a cell: the owner fills the choices
// (lParam: CStringArray pointer); none means a text editor opens.
constexpr unsigned int UWM_GETCELLCHOICES = 20000;
// A cell edit ended: the owner stores the new text.
constexpr unsigned int UWM_CELLEDITDONE = 20001;

#endif
