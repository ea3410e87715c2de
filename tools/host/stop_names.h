// The card stops behind the display, and what each card beacon loaded. The panel
// carries times and codes, not names: this reads the card that a card beacon names
// with a card reader of the module's own code (the same path choice, the same parser),
// lets the module's own stop selection fill the lists with each stop as the current
// one, and finds the stop whose lists the panel shows.
#ifndef RUVA_TOOLS_HOST_STOP_NAMES_H_
#define RUVA_TOOLS_HOST_STOP_NAMES_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/common/messages.h"
#include "tools/host/panel_view.h"
#include "tools/host/screen.h"

class CCsvread;
class CRuva;
class CardRecord;

// What a card beacon did. Files are named relative to the module's folder (the vehicle
// folder) when they lie in it, with '/' between folders, in UTF-8.
struct CardLoad {
  int32_t code = 0;
  int32_t folderIndex = 0;
  bool folderListed = false;  // the card list names an existing folder for folderIndex
  std::string file;           // the card file the code names; empty when no path can be made
  bool read = false;          // the file opened: its card is the one in force now
  std::string inForce;        // the card file in force afterwards; empty when none was read yet
  int32_t stops = 0;          // the stop rows of the card in force
};

// One line for the author on what the card beacon did, e.g.
// "card 3123400: local/回1234A.csv, 10 stops".
std::string cardLoadText(const CardLoad& load, Language language);

class StopNames {
 public:
  // `module` is the module's file in the folder it runs from: the card list
  // "RUVA_ICCard.ini" and the display settings "RUVA_Spec.ini" are read beside it.
  explicit StopNames(const std::string& module);
  ~StopNames();
  StopNames(const StopNames&) = delete;
  StopNames& operator=(const StopNames&) = delete;

  // Told of each beacon the train passes; a card beacon loads its card as the module
  // would (a card that does not open leaves the last one read) and says what it did.
  // The stops of a card that was read replace those of the card before.
  std::optional<CardLoad> beacon(int32_t type, int32_t data);

  // The stop whose lists `view` shows (the one that matches most of its rows), the
  // stops of the rows that match it and its next stop.
  NamedLists find(const PanelView& view) const;

  // Every stop of the card in force that can be the current one, by name.
  const std::vector<std::string>& stops() const { return stopNames_; }
  // How many card files have been read so far: the same index of stops() names another
  // stop once a card was read since.
  int cardsRead() const { return cardsRead_; }

 private:
  struct Preview;
  // `path` as CardLoad names files.
  std::string shownPath(const std::string& path) const;
  // Replaces the previews with those of `card`, the card in force now.
  void previewStops(const CardRecord& card);

  std::unique_ptr<CCsvread> reader_;
  std::string specFile_;
  std::string inForce_;                             // as CardLoad::inForce
  std::vector<std::unique_ptr<Preview>> previews_;  // one per entry of stopNames_
  std::vector<std::string> stopNames_;
  int cardsRead_ = 0;
};

#endif  // RUVA_TOOLS_HOST_STOP_NAMES_H_
