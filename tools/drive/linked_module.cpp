#include "tools/drive/linked_module.h"

#include "plugin/attach.h"
#include "plugin/exports.h"
#include "plugin/globals.h"

ModuleApi linkedModuleApi() {
  ModuleApi api{};
#define RUVA_LINKED(name) api.name = &::name;
  RUVA_EXPORT_NAMES(RUVA_LINKED)
#undef RUVA_LINKED
  return api;
}

void restartLinkedModule(const std::string& moduleFile) {
  resetModuleState();
  attachModule(moduleFile.c_str());
}
