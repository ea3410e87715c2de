// The library entry point that Windows calls when it attaches the module.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/module_entry.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  // Every reason the loader gives is handled alike: the paths are simply set again.
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
  // A name cut at the buffer's end is no usable path; leave the paths empty instead.
  platform::moduleAttached(length > 0 && length < MAX_PATH ? path : "");
  return TRUE;
}
