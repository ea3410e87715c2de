// Trackside beacons: coded display values and the card beacons.
#ifndef RUVA_PLUGIN_BEACON_INTAKE_H_
#define RUVA_PLUGIN_BEACON_INTAKE_H_

#include <cstdint>
#include <optional>

// The type code of the card beacon: its data is the card code of the card to load.
inline constexpr int32_t kCardBeaconType = 1000;
// The card beacon that makes the stop row in its data the current stop, at standstill.
inline constexpr int32_t kSelectStopBeaconType = 1001;

// Where a coded beacon lands: a beacon slot of the display and the value for it.
struct CodedBeacon {
  int32_t slot;
  int32_t value;
};

// Decodes a coded beacon (type codes 8 to 175). Banded codes fold their place in the
// band into the value; the arithmetic wraps in 32 bits. Empty for every other code.
std::optional<CodedBeacon> decodeCodedBeacon(int32_t type, int32_t data);

// Acts on one beacon the train passed: its type code and its data value. Coded values
// count only outside card mode; card beacons load a card (1000), select a stop on it at
// standstill (1001), or leave card mode for beacon mode at standstill (1002).
void takeBeacon(int32_t type, int32_t data);

#endif  // RUVA_PLUGIN_BEACON_INTAKE_H_
