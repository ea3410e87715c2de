#include "tools/drive/card_drive.h"

#include <memory>

#include "card/card_code.h"
#include "card/csv_reader.h"
#include "card/parser.h"
#include "platform/platform.h"
#include "tools/card/card_names.h"
#include "tools/card/lint_remark.h"
#include "tools/card/vehicle_reader.h"
#include "tools/common/messages.h"
#include "tools/drive/drive_script.h"
#include "tools/platform/host_files.h"

namespace {

constexpr std::string_view kCardExtension = ".csv";
constexpr std::string_view kScriptExtension = ".scn";

}  // namespace

CardDrive driveCard(const std::string& cardFile, const std::string& vehicleFolder) {
  CardDrive drive;
  const std::string shownFile = terminalText(cardFile);
  std::string bytes;
  if (platform::isFolder(cardFile) || !platform::readFile(cardFile, bytes)) {
    drive.error = message(Msg::kCannotRead, {shownFile});
    return drive;
  }
  std::string vehicle = vehicleFolder;
  if (vehicle.empty()) {
    const std::size_t name = fileNameStart(cardFile);
    vehicle = platform::appendPath(name == 0 ? std::string(".") : cardFile.substr(0, name), "..");
  }
  std::string folder;
  if (!platform::isFolder(vehicle) || !platform::makeAbsolute(vehicle, folder)) {
    drive.error = message(Msg::kVehicleFolderNotFound, {terminalText(vehicle)});
    return drive;
  }
  const std::string shownVehicle = terminalText(vehicle);

  drive.outcome = CardDrive::Outcome::kNotDrivable;
  drive.card = parseCardText(bytes);
  if (drive.card.stopCount == 0) {
    drive.error = message(Msg::kDriveNoStops, {shownFile});
    return drive;
  }
  const std::optional<int32_t> code = cardCodeForFileName(cardFileNameOf(cardFile), -1);
  if (!code) {
    drive.error = message(Msg::kDriveNoCode, {shownFile});
    return drive;
  }

  // The card must be the file that the code makes the module read.
  const std::unique_ptr<CCsvread> reader = readerInVehicle(folder);
  if (!reader) {
    drive.error = message(Msg::kDriveVehiclePathTooLong, {shownFile, shownVehicle});
    return drive;
  }
  const CardCodeParts parts = splitCardCode(*code);
  const std::string entry(reader->cardFolder(parts.folderIndex));
  const std::string codeText = std::to_string(*code);
  drive.shownCard = terminalText(entry + "/" + parts.fileName);
  std::string path;
  std::string found;
  if (!reader->cardFilePath(parts, path) || !platform::readFile(path, found) || found != bytes) {
    drive.error = entry == kNullEntry && !platform::pathExists(path)
                      ? message(Msg::kDriveFolderNotListed,
                                {shownFile, codeText, std::to_string(parts.folderIndex), shownVehicle})
                      : message(Msg::kDriveElsewhere,
                                {shownFile, codeText, drive.shownCard, shownVehicle});
    return drive;
  }

  drive.outcome = CardDrive::Outcome::kReady;
  drive.plan = planDrive(drive.card, *code);
  const std::string stem = parts.fileName.substr(0, parts.fileName.size() - kCardExtension.size());
  drive.scriptName = terminalText(stem + std::string(kScriptExtension));
  drive.script = driveScript(drive.plan, drive.card, drive.shownCard);
  return drive;
}
