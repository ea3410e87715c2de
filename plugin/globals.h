// The module's static state outside the display: host records, frame time, handle
// positions, display settings, and the two static objects.
#ifndef RUVA_PLUGIN_GLOBALS_H_
#define RUVA_PLUGIN_GLOBALS_H_

#include <cstdint>

#include "card/csv_reader.h"
#include "display/ruva.h"
#include "base/host_records.h"

extern CRuva ruva;
extern CCsvread csvReader;

extern VehicleSpecRecord lastVehicleSpec;
extern VehicleStateRecord lastVehicleState;
extern float speed;                   // km/h, from the last state record
extern int32_t lastTime;              // ms, host time of the latest frame
extern int32_t deltaTime;             // ms since the previous frame, never negative
extern int32_t speedDigitCountdown;   // ms left until the speed digits are refreshed
extern int32_t brakeNotch;
extern int32_t powerNotch;
extern int32_t reverser;
extern HandleCommand handleOutput;
extern bool dispType;
extern bool unitDispEnable;
extern int32_t nextStopTypeSetting;
extern char specFilePath[260];

#endif  // RUVA_PLUGIN_GLOBALS_H_
