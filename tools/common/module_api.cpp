#include "tools/common/module_api.h"

namespace {

template <typename Function>
void resolve(const platform::SharedLibrary& library, const char* name, Function& out,
             std::string& missing) {
  out = reinterpret_cast<Function>(library.symbol(name));
  if (out != nullptr) return;
  if (!missing.empty()) missing += ", ";
  missing += name;
}

}  // namespace

bool resolveModuleApi(const platform::SharedLibrary& library, ModuleApi& api,
                      std::string& missing) {
  missing.clear();
#define RUVA_RESOLVE(name) resolve(library, #name, api.name, missing);
  RUVA_EXPORT_NAMES(RUVA_RESOLVE)
#undef RUVA_RESOLVE
  return missing.empty();
}
