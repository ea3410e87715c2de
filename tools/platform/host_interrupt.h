// Stop requests from outside a host program (the tools): Ctrl-C, SIGTERM and SIGHUP,
// or on Windows Ctrl-C, Ctrl-Break and closing the console. Instead of ending the
// program where it stands, a request is noted; the program stops at its next safe
// point, removes its temporary files on the way out and then ends as the request
// would have ended it. The part of the platform seam that belongs to the host's side,
// never linked into the module.
#ifndef RUVA_PLATFORM_HOST_INTERRUPT_H_
#define RUVA_PLATFORM_HOST_INTERRUPT_H_

namespace platform {

// Notes stop requests from now on. A request the program was started to ignore (a
// background job's Ctrl-C, nohup's SIGHUP) stays ignored. A second request, while
// the first is still being served, ends the program at once.
void catchStopRequests();

// True once a stop request came.
bool stopRequested();

// Ends the program the way the stop request would have (the signal's own death, or the
// exit status of Ctrl-C on Windows). Call it only after stopRequested(), with the
// temporary files removed.
[[noreturn]] void endAsRequested();

}  // namespace platform

#endif  // RUVA_PLATFORM_HOST_INTERRUPT_H_
