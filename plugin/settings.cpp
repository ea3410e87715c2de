#include "plugin/settings.h"

void readDisplaySettings() {}
