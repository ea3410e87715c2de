#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <atomic>

#include "tools/platform/host_interrupt.h"

namespace platform {

namespace {

// The exit status that Windows gives a program ended by Ctrl-C.
constexpr UINT kControlCExit = 0xC000013A;
// How long closing the console waits for the program to clean up: Windows itself ends
// it 5 s after the close.
constexpr DWORD kCloseWaitMs = 4500;

std::atomic<bool> gRequested{false};
HANDLE gDone = nullptr;  // set by endAsRequested, once the files are gone

// Runs on a thread of its own that Windows starts for each console event.
BOOL WINAPI noteRequest(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  // Asked twice: the default handler ends the program at once.
  if (gRequested.exchange(true)) return FALSE;
  // After a close, Windows ends the program as soon as this returns: hold it until the
  // program has cleaned up (endAsRequested exits it while this waits).
  if (event == CTRL_CLOSE_EVENT && gDone != nullptr) WaitForSingleObject(gDone, kCloseWaitMs);
  return TRUE;
}

}  // namespace

void catchStopRequests() {
  gDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  SetConsoleCtrlHandler(noteRequest, TRUE);
}

bool stopRequested() {
  return gRequested.load();
}

void endAsRequested() {
  if (gDone != nullptr) SetEvent(gDone);
  ExitProcess(kControlCExit);
}

}  // namespace platform
