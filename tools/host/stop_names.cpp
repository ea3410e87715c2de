#include "tools/host/stop_names.h"

#include <cstdio>

#include "card/csv_reader.h"
#include "display/ruva.h"
#include "platform/host_text.h"
#include "platform/platform.h"
#include "plugin/panel_map.h"
#include "plugin/settings.h"
#include "tools/host/display_codes.h"

namespace {

constexpr int32_t kLoadCardBeacon = 1000;
constexpr int32_t kRevealed = 1000;  // ms of reveal after which every row has come up

// A row's two times as they read; blank rows (nothing but "--") say nothing.
std::string rowKey(const ListRow& row) {
  const std::string key = timeText(row.time1) + "|" + timeText(row.time2);
  return key.find_first_not_of("-:| ") == std::string::npos ? std::string() : key;
}

}  // namespace

// A card with one stop made the current one and every row revealed.
struct StopNames::Preview {
  CRuva display;
  std::vector<std::string> names;  // by card stop index
};

StopNames::StopNames(const std::string& module) : reader_(std::make_unique<CCsvread>()) {
  std::snprintf(reader_->modulePath, sizeof reader_->modulePath, "%s", module.c_str());
  reader_->readCardList();
  specFile_ = platform::appendPath(platform::appendPath(reader_->moduleDrive, reader_->moduleDir),
                                   "RUVA_Spec.ini");
}

StopNames::~StopNames() = default;

void StopNames::beacon(int32_t type, int32_t data) {
  if (type != kLoadCardBeacon) return;
  const CardRecord card = reader_->loadCard(data);
  std::vector<std::string> names;
  for (int32_t k = 0; k < card.stopCount; ++k)
    names.push_back(platform::utf8FromCodePage932(card.stopName[static_cast<std::size_t>(k)]));
  // The module reads the row count at every start; between starts it stays.
  const int32_t rows = readDisplaySettings(specFile_.c_str()).D01ABnum;
  for (int32_t k = 0; k < card.stopCount; ++k) {
    if (card.stopFlag9[static_cast<std::size_t>(k)]) continue;
    auto preview = std::make_unique<Preview>();
    CRuva& d = preview->display;
    d.resetForTrain();
    d.settings.D01ABnum = rows;
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
  found.rowNames.assign(view.rows.size(), std::string());
  int best = 0;
  std::vector<std::string> shown;
  for (const ListRow& row : view.rows) shown.push_back(rowKey(row));
  for (std::size_t p = 0; p < previews_.size(); ++p) {
    // The layout is the one thing of a preview that each frame may choose anew.
    CRuva& d = previews_[p]->display;
    const int32_t rows = d.settings.D01ABnum;
    d.settings = view.layout;
    d.settings.D01ABnum = rows;
    std::array<int32_t, kPanelSize> panel{};
    writeLayoutPanel(d, panel.data());
    const PanelView expected = decodePanel(view.layout, panel, {});
    int score = 0;
    for (std::size_t r = 0; r < shown.size() && r < expected.rows.size(); ++r)
      score += !shown[r].empty() && shown[r] == rowKey(expected.rows[r]) ? 1 : 0;
    if (score <= best) continue;
    best = score;
    found.current = static_cast<int>(p);
    const FixedList& stopOfRow = view.layout.dispType ? d.list5StopIdx : d.list7StopIdx;
    const std::vector<std::string>& names = previews_[p]->names;
    auto nameOf = [&](int32_t stop) {
      return stop >= 0 && static_cast<std::size_t>(stop) < names.size()
                 ? names[static_cast<std::size_t>(stop)]
                 : std::string();
    };
    for (std::size_t r = 0; r < shown.size(); ++r) {
      const bool same = r < expected.rows.size() && !shown[r].empty() &&
                        shown[r] == rowKey(expected.rows[r]) && r < stopOfRow.size();
      found.rowNames[r] = same ? nameOf(stopOfRow[r]) : std::string();
    }
    const std::string last = rowKey(view.lastStop);
    found.lastStopName = !last.empty() && last == rowKey(expected.lastStop) && d.list7StopIdx.size() > 6
                             ? nameOf(d.list7StopIdx[6])
                             : std::string();
  }
  return found;
}
