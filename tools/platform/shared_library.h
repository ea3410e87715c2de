// Loading a built module from a host program (the tests and the tools): the part of
// the platform seam that belongs to the host's side, never linked into the module.
#ifndef RUVA_TOOLS_PLATFORM_SHARED_LIBRARY_H_
#define RUVA_TOOLS_PLATFORM_SHARED_LIBRARY_H_

#include <string>

namespace platform {

class SharedLibrary {
 public:
  SharedLibrary() = default;
  SharedLibrary(const SharedLibrary&) = delete;
  SharedLibrary& operator=(const SharedLibrary&) = delete;
  ~SharedLibrary() { close(); }

  // Loads the library at `path`; false, with the system's reason in `error`, when it
  // does not load.
  bool open(const std::string& path, std::string& error);
  // The address of the exported `name`, or null.
  void* symbol(const char* name) const;
  void close();
  bool isOpen() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace platform

#endif  // RUVA_TOOLS_PLATFORM_SHARED_LIBRARY_H_
