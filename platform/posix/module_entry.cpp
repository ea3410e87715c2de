// Runs when the dynamic loader maps the module: the native counterpart of attaching
// a library to a Windows process.
#include <dlfcn.h>

#include "platform/module_entry.h"

namespace {

__attribute__((constructor)) void onModuleLoad() {
  Dl_info info{};
  const bool found = dladdr(reinterpret_cast<void*>(&onModuleLoad), &info) != 0;
  platform::moduleAttached(found && info.dli_fname != nullptr ? info.dli_fname : "");
}

}  // namespace
