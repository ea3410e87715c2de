// The drive of one card file of a vehicle, ready to play: the card read as the module
// reads it, the card code that makes a card beacon load this very file (found through
// the module's own card codes, card list and card paths), and the script of the drive.
#ifndef RUVA_TOOLS_DRIVE_CARD_DRIVE_H_
#define RUVA_TOOLS_DRIVE_CARD_DRIVE_H_

#include <cstdint>
#include <string>

#include "card/card_record.h"
#include "tools/drive/drive_plan.h"

struct CardDrive {
  enum class Outcome : uint8_t {
    kReady,        // `script` holds the drive
    kNotDrivable,  // the card has no stop rows, or no card code loads it in the vehicle
    kBadInput,     // the card or the vehicle folder cannot be read
  };
  Outcome outcome = Outcome::kBadInput;
  std::string error;       // what is wrong, naming the card file, for the author
  CardRecord card;
  DrivePlan plan;
  std::string shownCard;   // the card as the module finds it: card folder / file name (UTF-8)
  std::string scriptName;  // the card's file name with ".scn" for ".csv" (UTF-8)
  std::string script;
};

// The drive of the card file `cardFile` in the vehicle folder `vehicle`; an empty
// `vehicle` is the folder above the card's folder. Paths are byte strings in the ANSI
// code page, as the command line gives them.
CardDrive driveCard(const std::string& cardFile, const std::string& vehicle);

#endif  // RUVA_TOOLS_DRIVE_CARD_DRIVE_H_
