#include "plugin/beacon_intake.h"

#include "display/safe_arithmetic.h"
#include "plugin/globals.h"

namespace {

// Codes first to last go to `slot` with the value (code - bandBase) × scale + data;
// a scale of 0 passes the data as it is.
struct BeaconBand {
  int32_t first;
  int32_t last;
  int32_t slot;
  int32_t bandBase;
  int32_t scale;
};

constexpr BeaconBand kBands[] = {
    {8, 8, 0, 0, 0},
    {100, 100, 0, 0, 0},
    {102, 102, 9, 0, 0},
    {105, 105, 1, 0, 0},
    {106, 106, 2, 0, 0},
    {107, 107, 3, 0, 0},
    {108, 108, 4, 0, 0},
    {109, 109, 5, 0, 0},
    {110, 110, 10, 0, 0},
    {111, 111, 8, 0, 0},
    {113, 114, 11, 0, 0},
    {120, 125, 1, 119, 100},
    {130, 135, 2, 129, 1000000},
    {140, 145, 3, 139, 1000000},
    {150, 155, 6, 149, 100},
    {160, 165, 7, 159, 1000},
    {170, 175, 5, 169, 10000},
};

constexpr int32_t kLeaveCard = 1002;
constexpr int32_t kLeaveCardSlot = 12;

}  // namespace

std::optional<CodedBeacon> decodeCodedBeacon(int32_t type, int32_t data) {
  for (const BeaconBand& band : kBands) {
    if (type < band.first || type > band.last) continue;
    const int32_t offset = wrappingMul(type - band.bandBase, band.scale);
    return CodedBeacon{band.slot, wrappingAdd(offset, data)};
  }
  return std::nullopt;
}

void takeBeacon(int32_t type, int32_t data) {
  if (!ruva.cardMode) {
    if (const std::optional<CodedBeacon> coded = decodeCodedBeacon(type, data)) {
      ruva.storeBeaconSlot(coded->slot, coded->value);
    }
  }
  switch (type) {
    case kCardBeaconType: {
      // Loaded before any flag moves, so a load that fails leaves the display as it was.
      CardRecord loaded = csvReader.loadCard(data);
      ruva.cardMode = true;
      ruva.beaconMode = false;
      ruva.card = std::move(loaded);
      if (ruva.card.stopCount != 0) {
        ruva.selectStop(0);
      } else {
        ruva.cardMode = false;
      }
      break;
    }
    case kSelectStopBeaconType:
      if (speed == 0.0f && ruva.cardMode) ruva.selectStop(data);
      break;
    case kLeaveCard:
      if (speed == 0.0f) ruva.storeBeaconSlot(kLeaveCardSlot, data);
      break;
    default:
      break;
  }
}
