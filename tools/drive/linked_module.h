// The module linked into the tool itself, driven through its entry points as the host
// drives a loaded copy: nothing is copied or written anywhere, and each start is as
// fresh as a new load of the library.
#ifndef RUVA_TOOLS_DRIVE_LINKED_MODULE_H_
#define RUVA_TOOLS_DRIVE_LINKED_MODULE_H_

#include <string>

#include "tools/common/module_api.h"

// The entry points of the linked module.
ModuleApi linkedModuleApi();

// Puts the linked module back to what it is right after the system attached it from the
// file `moduleFile` (a byte string in the ANSI code page): every static of the module
// built anew, and the folder of `moduleFile` as its own, where it reads the two
// settings files.
void restartLinkedModule(const std::string& moduleFile);

#endif  // RUVA_TOOLS_DRIVE_LINKED_MODULE_H_
