// A throw-away stand-in for a vehicle folder, so that the module can run "inside" an
// author's vehicle without anything being written there.
//
// The module reads beside its own file the two settings files and the card folders
// that the card list names, and nothing else. The mirror is a fresh temporary folder
// holding a copy of the module and of the two settings files, and a link to each card
// folder that the card list names relative to the vehicle folder, at the same relative
// place (a folder of copies of its card files where the system refuses links). A name
// that climbs out of the vehicle folder ("../shared") finds its folder too: the
// module's folder then lies as deep inside the mirror as the names climb. Absolute
// names are left alone: the module reads them where they are. Nothing else of the
// vehicle folder is mirrored, and no link is ever followed into a folder while copying.
#ifndef RUVA_TOOLS_HOST_VEHICLE_MIRROR_H_
#define RUVA_TOOLS_HOST_VEHICLE_MIRROR_H_

#include <filesystem>
#include <set>
#include <string>

class VehicleMirror {
 public:
  VehicleMirror() = default;
  VehicleMirror(const VehicleMirror&) = delete;
  VehicleMirror& operator=(const VehicleMirror&) = delete;
  // Removes the mirror (links, not what they point to).
  ~VehicleMirror();

  // Builds the mirror of `vehicle` with a copy of `module`. False, with a message for
  // the author in `error`, when either is missing or the mirror cannot be made.
  bool create(const std::filesystem::path& vehicle, const std::filesystem::path& module,
              std::string& error);

  // The module's folder in the mirror, and its copy of the module.
  const std::filesystem::path& folder() const { return folder_; }
  const std::filesystem::path& module() const { return module_; }

 private:
  // Puts the card folder `target` at `place` in the mirror; false when it cannot.
  bool mirrorCardFolder(const std::filesystem::path& target, const std::filesystem::path& place);
  // Creates the folders of the mirror down to `folder`; false when one of them exists
  // already as something the mirror did not make (a link into the vehicle).
  bool makeFolders(const std::filesystem::path& folder);

  std::filesystem::path root_;    // the temporary folder, removed whole
  std::filesystem::path folder_;  // inside root_
  std::filesystem::path module_;
  std::set<std::filesystem::path> made_;  // the folders of the mirror's own
};

// Links (or, where the system refuses links, copies) into the folder `to` every card
// file (a regular file named *.csv, in any case) that lies directly in the folder
// `from`. A link to a file counts as that file; folders, links to folders and other
// entries are left out, so no link leads the copy out of `from`. False when a card
// file cannot be mirrored.
bool mirrorCardFiles(const std::filesystem::path& from, const std::filesystem::path& to);

#endif  // RUVA_TOOLS_HOST_VEHICLE_MIRROR_H_
