#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "tools/platform/shared_library.h"

namespace platform {

bool SharedLibrary::open(const std::string& path, std::string& error) {
  close();
  handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
  if (handle_ == nullptr) {
    error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  return true;
}

void* SharedLibrary::symbol(const char* name) const {
  if (handle_ == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void SharedLibrary::close() {
  if (handle_ != nullptr) FreeLibrary(static_cast<HMODULE>(handle_));
  handle_ = nullptr;
}

}  // namespace platform
