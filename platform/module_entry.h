// The seam between the system's load-time entry and the module.
//
// The per-system entry files (DllMain on Windows, a load-time constructor elsewhere)
// find the module's own file name and hand it over here. The function is defined by
// the module's plug-in layer, so this layer calls up without knowing that layer's
// headers.
#ifndef RUVA_PLATFORM_MODULE_ENTRY_H_
#define RUVA_PLATFORM_MODULE_ENTRY_H_

namespace platform {

// Called once the system has attached the module, with the module's full file name
// ("" when it is not known or does not fit the system's path buffer).
void moduleAttached(const char* moduleFileName);

}  // namespace platform

#endif  // RUVA_PLATFORM_MODULE_ENTRY_H_
