// The card stop beside each list row of the display. The panel carries times and
// codes, not names: this reads the card that a card beacon names, the way the module
// finds and parses it, lets the module's own stop selection fill the lists with each
// stop as the current one, and finds the stop whose lists the panel shows.
#ifndef RUVA_TOOLS_HOST_STOP_NAMES_H_
#define RUVA_TOOLS_HOST_STOP_NAMES_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/host/panel_view.h"

class CCsvread;
class CRuva;

// What a frame's lists show, named.
struct NamedLists {
  int current = -1;                   // the current stop, an index of StopNames::stops(); -1: none
  std::vector<std::string> rowNames;  // per row of PanelView::rows, UTF-8; "" where unknown
  std::string lastStopName;
};

class StopNames {
 public:
  // `module` is the module's file in the folder it runs from: the card list
  // "RUVA_ICCard.ini" and the display settings "RUVA_Spec.ini" are read beside it.
  explicit StopNames(const std::string& module);
  ~StopNames();
  StopNames(const StopNames&) = delete;
  StopNames& operator=(const StopNames&) = delete;

  // Told of each beacon the train passes; a card beacon loads its card as the module
  // would (a card that does not open leaves the last one read).
  void beacon(int32_t type, int32_t data);

  // The stop whose lists `view` shows (the one that matches most of its rows) and the
  // names of the rows that match it.
  NamedLists find(const PanelView& view) const;

  // Every stop that can be the current one, of every card loaded so far, by name.
  const std::vector<std::string>& stops() const { return stopNames_; }

 private:
  struct Preview;
  std::unique_ptr<CCsvread> reader_;
  std::string specFile_;
  std::vector<std::unique_ptr<Preview>> previews_;  // one per entry of stopNames_
  std::vector<std::string> stopNames_;
};

#endif  // RUVA_TOOLS_HOST_STOP_NAMES_H_
