#include "plugin/globals.h"

#include <new>

// The native loader runs the module's attach hook among the static constructors;
// these two must be built before it fills their paths and links.
CRuva ruva __attribute__((init_priority(1000)));
CCsvread csvReader __attribute__((init_priority(1000)));

VehicleSpecRecord lastVehicleSpec = {};
VehicleStateRecord lastVehicleState = {};
float speed = 0.0f;
int32_t lastTime = 0;
int32_t deltaTime = 0;
int32_t speedDigitCountdown = 0;
int32_t brakeNotch = 0;
int32_t powerNotch = 0;
int32_t reverser = 0;
HandleCommand handleOutput = {};
bool dispType = false;
bool unitDispEnable = false;
int32_t nextStopTypeSetting = 0;
char specFilePath[260] = {};

void resetModuleState() {
  ruva.~CRuva();
  new (&ruva) CRuva();
  csvReader.~CCsvread();
  new (&csvReader) CCsvread();
  lastVehicleSpec = {};
  lastVehicleState = {};
  speed = 0.0f;
  lastTime = 0;
  deltaTime = 0;
  speedDigitCountdown = 0;
  brakeNotch = 0;
  powerNotch = 0;
  reverser = 0;
  handleOutput = {};
  dispType = false;
  unitDispEnable = false;
  nextStopTypeSetting = 0;
  specFilePath[0] = '\0';
}
