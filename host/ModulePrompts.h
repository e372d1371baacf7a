// The module's own file dialogs and message boxes.
#ifndef TARNIW_HOST_MODULEPROMPTS_H
#define TARNIW_HOST_MODULEPROMPTS_H

// Puts the Qt prompts in effect when the host runs a QApplication and no
// other prompts were set; otherwise leaves the prompts alone.
void InstallModulePrompts();

#endif
