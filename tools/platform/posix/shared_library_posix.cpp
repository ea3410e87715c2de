#include <dlfcn.h>

#include "tools/platform/shared_library.h"

namespace platform {

bool SharedLibrary::open(const std::string& path, std::string& error) {
  close();
  // Local binding keeps two copies of the module, loaded from two folders, apart.
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    const char* reason = dlerror();
    error = reason != nullptr ? reason : "cannot load " + path;
    return false;
  }
  return true;
}

void* SharedLibrary::symbol(const char* name) const {
  return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

void SharedLibrary::close() {
  if (handle_ != nullptr) dlclose(handle_);
  handle_ = nullptr;
}

}  // namespace platform
