// The module's sixteen entry points as a host program sees them: resolved by name
// from a loaded library, or filled with stand-ins by a test.
#ifndef RUVA_TOOLS_COMMON_MODULE_API_H_
#define RUVA_TOOLS_COMMON_MODULE_API_H_

#include <string>

#include "plugin/exports.h"
#include "tools/platform/shared_library.h"

struct ModuleApi {
#define RUVA_API_MEMBER(name) decltype(&::name) name;
  RUVA_EXPORT_NAMES(RUVA_API_MEMBER)
#undef RUVA_API_MEMBER
};

// Fills `api` from `library`. Returns false with the names that are not exported,
// comma-separated, in `missing`; the entries found are filled all the same.
bool resolveModuleApi(const platform::SharedLibrary& library, ModuleApi& api, std::string& missing);

#endif  // RUVA_TOOLS_COMMON_MODULE_API_H_
