// The library entry point that Windows calls when it attaches the module.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "platform/module_entry.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  // The paths are set once, when the process attaches the module. Hosts start and end
  // threads for sound and rendering while frames run; setting the paths again for each
  // of them would let an Initialize on the host's thread read a half-written path.
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  DisableThreadLibraryCalls(instance);
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
  // A name cut at the buffer's end is no usable path; leave the paths empty instead.
  platform::moduleAttached(length > 0 && length < MAX_PATH ? path : "");
  return TRUE;
}
