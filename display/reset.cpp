#include "display/ruva.h"

void CRuva::resetForTrain() {}
