// What the module does when the system attaches it to the host's process.
#ifndef RUVA_PLUGIN_ATTACH_H_
#define RUVA_PLUGIN_ATTACH_H_

// Takes over the module's full file name as the loader reports it: keeps it for the
// card reader, builds the path of "RUVA_Spec.ini" beside the module, and links the
// display state to the frame's globals. A name or settings path that does not fit the
// 260-byte buffers leaves the paths empty, so every setting then reads as its default.
void attachModule(const char* moduleFileName);

#endif  // RUVA_PLUGIN_ATTACH_H_
