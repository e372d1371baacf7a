// The module's own file dialogs and message boxes.
#ifndef TARNIW_HOST_MODULEPROMPTS_H
#define TARNIW_HOST_MODULEPROMPTS_H

// Puts the module's prompts in effect unless others were set: Qt file
// dialogs and message boxes, on the host's QApplication or on one the module
// makes when the host has none. With no display at all a message goes to
// standard error as "TarnIW: <text>", and a file dialog counts as cancelled.
void InstallModulePrompts();

#endif
