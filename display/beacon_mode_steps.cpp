// The per-frame steps while beacons drive the display: the stop data assembled from
// beacons take effect when the train reaches the stop.
#include "base/blank_values.h"
#include "display/beacon_groups.h"
#include "display/frame_rules.h"
#include "display/ruva.h"
#include "display/safe_arithmetic.h"

namespace {

// Far enough that only a slot-0 beacon or a door opening brings the next arrival.
constexpr double kNoStopAhead = 1000000.0;

}  // namespace

void CRuva::updateBeaconMode() {
  const double speedKmh = vehicleState->speed;
  const bool heads = coinShowsHeads(vehicleState->time);

  // Beacon rows come up twice as fast as card rows.
  animTimer = saturatingAdd(animTimer, *frameTime);
  revealDisplayLists();

  if (sectionRemain < 0.0 || doorOpened) {
    // Whole lists, lengths included; the bcnNext group stays and keeps collecting.
    forEachBeaconPair(*this, [](auto& cur, auto& next) { cur = next; });
    ++listsVersion;
    animTimer = 0;
    sectionRemain = kNoStopAhead;
    stopDistance = kNoStopAhead;
    doorOpened = false;
  }

  progressCode = progressAfter(progressCode, progressBase, stopDistance, sectionRemain);

  if (brakingDistance(speedKmh) > sectionRemain || sectionRemain < 50.0) {
    if (stopCue == kFirstArrivalCue) {
      soundTriggers[0] = 1;
      soundOut[1] = 0;
      stopCue = 0;
    } else if (stopCue == kSecondArrivalCue) {
      soundTriggers[1] = 1;
      stopCue = 0;
    }
    dispNextAttr = (!heads && bcnNextTime1Hour7[1] != kMarkHour) ? 1 : 0;
  } else {
    soundOut[1] = kNoCue;
    dispNextAttr = 0;
  }

  advanceKmPost();
}
