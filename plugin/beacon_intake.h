// Trackside beacons: coded display values and the card beacons.
#ifndef RUVA_PLUGIN_BEACON_INTAKE_H_
#define RUVA_PLUGIN_BEACON_INTAKE_H_

#include <cstdint>

// Acts on one beacon the train passed: its type code and its data value.
void takeBeacon(int32_t type, int32_t data);

#endif  // RUVA_PLUGIN_BEACON_INTAKE_H_
