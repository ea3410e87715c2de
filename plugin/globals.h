// The module's static state outside the display: host records, frame time, handle
// positions, the settings file's path, and the two static objects.
#ifndef RUVA_PLUGIN_GLOBALS_H_
#define RUVA_PLUGIN_GLOBALS_H_

#include <cstdint>

#include "base/host_records.h"
#include "card/csv_reader.h"
#include "display/ruva.h"

extern CRuva ruva;
extern CCsvread csvReader;

extern VehicleSpecRecord lastVehicleSpec;
extern VehicleStateRecord lastVehicleState;
extern float speed;                  // km/h, from the last state record
extern int32_t lastTime;             // ms, host time of the latest frame
extern int32_t deltaTime;            // ms since the previous frame, never negative
extern int32_t speedDigitCountdown;  // ms left until the speed digits are refreshed
extern int32_t brakeNotch;
extern int32_t powerNotch;
extern int32_t reverser;
extern HandleCommand handleOutput;
extern bool dispType;                // display setting "DispType"
extern bool unitDispEnable;          // display setting "UnitDispEnable"
extern int32_t nextStopTypeSetting;  // display setting "NextStopType"
extern char specFilePath[260];

// Puts every static object and global of the module back to its load-time value, as
// if the module had just been loaded and not yet attached: CRuva and CCsvread built
// anew, records, times, handles and paths cleared. For tests and benchmarks that
// drive several module lifetimes in one process.
void resetModuleState();

#endif  // RUVA_PLUGIN_GLOBALS_H_
