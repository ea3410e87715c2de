#include "tools/host/stop_names.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "card/card_code.h"
#include "card/csv_reader.h"
#include "display/frame_rules.h"
#include "display/ruva.h"
#include "platform/platform.h"
#include "plugin/beacon_intake.h"
#include "plugin/panel_map.h"
#include "plugin/settings.h"
#include "tools/common/text_layout.h"
#include "tools/host/display_codes.h"
#include "tools/platform/host_text.h"

namespace {

// A reveal timer past the module's own end of the reveal: every row has come up.
constexpr int32_t kRevealed = kRevealComplete + 1;

// A row's two times as they read; blank rows (nothing but "--") say nothing.
std::string rowKey(const ListRow& row) {
  const std::string key = timeText(row.time1) + "|" + timeText(row.time2);
  return key.find_first_not_of("-:| ") == std::string::npos ? std::string() : key;
}

std::string stopsText(int32_t stops, Language language) {
  return stops == 1 ? messageIn(language, Msg::kOneStop)
                    : messageIn(language, Msg::kStops, {std::to_string(stops)});
}

}  // namespace

std::string cardLoadText(const CardLoad& load, Language language) {
  auto say = [language](Msg id, std::initializer_list<std::string_view> args) {
    return messageIn(language, id, args);
  };
  std::string text = say(Msg::kCardLoadPrefix, {std::to_string(load.code)});
  if (load.read) {
    if (load.stops > 0)
      return text + say(Msg::kCardLoadStops, {load.file, stopsText(load.stops, language)});
    return text + say(Msg::kCardLoadNoStops, {load.file});
  }
  text += say(Msg::kCardLoadNoFile, {load.file});
  if (!load.folderListed) {
    text += say(Msg::kCardLoadFolderNotListed, {std::to_string(load.folderIndex)});
  }
  // The module hands back the card it read last and starts it again from its first stop.
  if (load.inForce.empty() || load.stops == 0) return text + say(Msg::kCardLoadNothingBefore, {});
  return text + say(Msg::kCardLoadStays, {load.inForce, stopsText(load.stops, language)});
}

// A card with one stop made the current one and every row revealed.
struct StopNames::Preview {
  CRuva display;
  std::vector<std::string> names;  // by card stop index
};

StopNames::StopNames(const std::string& module) : reader_(std::make_unique<CCsvread>()) {
  std::snprintf(reader_->modulePath, sizeof reader_->modulePath, "%s", module.c_str());
  reader_->readCardList();
  specFile_ = platform::appendPath(platform::appendPath(reader_->moduleDrive, reader_->moduleDir),
                                   kDisplaySettingsFile);
}

StopNames::~StopNames() = default;

std::string StopNames::shownPath(const std::string& path) const {
  // The folder as the module puts it before a card folder's name.
  const std::string folder = std::string(reader_->moduleDrive) + reader_->moduleDir;
  const bool inside = !folder.empty() && path.compare(0, folder.size(), folder) == 0;
  // Converted before the separators are changed: a second byte of a double-byte
  // character may be a backslash.
  std::string shown = platform::utf8FromCodePage932(inside ? path.substr(folder.size()) : path);
  if (std::filesystem::path::preferred_separator != '/')
    std::replace(shown.begin(), shown.end(), '\\', '/');
  return shown;
}

std::optional<CardLoad> StopNames::beacon(int32_t type, int32_t data) {
  if (type != kCardBeaconType) return std::nullopt;
  CardLoad load;
  load.code = data;
  const CardCodeParts parts = splitCardCode(data);
  load.folderIndex = parts.folderIndex;
  load.folderListed = reader_->cardFolder(parts.folderIndex) != kNullEntry;
  std::string path;
  if (reader_->cardFilePath(parts, path)) {
    load.file = shownPath(path);
    load.read = platform::canOpenFile(path);
  } else {
    load.file = platform::utf8FromCodePage932(parts.fileName);
  }
  const CardRecord card = reader_->loadCard(data);
  if (load.read) inForce_ = load.file;
  load.inForce = inForce_;
  load.stops = card.stopCount;
  // A card that did not open leaves the one in force, whose previews stand.
  if (load.read) previewStops(card);
  return load;
}

void StopNames::previewStops(const CardRecord& card) {
  previews_.clear();
  stopNames_.clear();
  ++cardsRead_;
  std::vector<std::string> names;
  for (int32_t k = 0; k < card.stopCount; ++k) {
    names.push_back(
        visibleText(platform::utf8FromCodePage932(card.stopName[static_cast<std::size_t>(k)])));
  }
  // The module reads the row count at every start; between starts it stays.
  const int32_t rows = readDisplaySettings(specFile_.c_str()).D01ABnum;
  for (int32_t k = 0; k < card.stopCount; ++k) {
    if (card.stopFlag9[static_cast<std::size_t>(k)]) continue;
    auto preview = std::make_unique<Preview>();
    CRuva& d = preview->display;
    d.resetForTrain();
    d.D01ABnum = rows;
    d.card = CardRecord(card);
    d.selectStop(k);
    d.animTimer = kRevealed;
    d.composeDisplayLists();
    preview->names = names;
    previews_.push_back(std::move(preview));
    stopNames_.push_back(names[static_cast<std::size_t>(k)]);
  }
}

NamedLists StopNames::find(const PanelView& view) const {
  NamedLists found;
  found.rows.assign(view.rows.size(), NamedStop{});
  int best = 0;
  std::vector<std::string> shown;
  for (const ListRow& row : view.rows) shown.push_back(rowKey(row));
  for (std::size_t p = 0; p < previews_.size(); ++p) {
    // The layout is the one thing of a preview that each frame may choose anew.
    const CRuva& d = previews_[p]->display;
    std::array<int32_t, kPanelSize> panel{};
    writeLayoutPanel(d, view.layout, panel.data());
    const PanelView expected = decodePanel(view.layout, panel, {});
    int score = 0;
    for (std::size_t r = 0; r < shown.size() && r < expected.rows.size(); ++r)
      score += !shown[r].empty() && shown[r] == rowKey(expected.rows[r]) ? 1 : 0;
    if (score <= best) continue;
    best = score;
    found.current = static_cast<int>(p);
    const FixedList& stopOfRow = view.layout.dispType ? d.list5StopIdx : d.list7StopIdx;
    const std::vector<std::string>& names = previews_[p]->names;
    auto stopAt = [&](int32_t stop) {
      return stop >= 0 && static_cast<std::size_t>(stop) < names.size()
                 ? NamedStop{stop, names[static_cast<std::size_t>(stop)]}
                 : NamedStop{};
    };
    for (std::size_t r = 0; r < shown.size(); ++r) {
      const bool same = r < expected.rows.size() && !shown[r].empty() &&
                        shown[r] == rowKey(expected.rows[r]) && r < stopOfRow.size();
      found.rows[r] = same ? stopAt(stopOfRow[r]) : NamedStop{};
    }
    const std::string last = rowKey(view.lastStop);
    found.lastStop = !last.empty() && last == rowKey(expected.lastStop) && d.list7StopIdx.size() > 6
                         ? stopAt(d.list7StopIdx[6])
                         : NamedStop{};
    // The record shows the next stop once the reveal has brought it up; its attribute
    // may stand for the announcement instead, so the time and number tell.
    const bool nextShown = view.next && expected.next &&
                           timeText(view.next->time) == timeText(expected.next->time) &&
                           view.next->number == expected.next->number;
    found.nextStop = nextShown ? stopAt(d.nextStopIdx) : NamedStop{};
  }
  return found;
}
