// The two beacon stop groups of CRuva, bcnCur (in force) and bcnNext (being assembled),
// correspond member by member; this walks them in pairs.
#ifndef RUVA_DISPLAY_BEACON_GROUPS_H_
#define RUVA_DISPLAY_BEACON_GROUPS_H_

#include "display/ruva.h"

// Calls visit(cur, next) for each pair of the two groups, scalars first, in declaration
// order; `visit` must accept both int32_t& and FixedList& pairs.
template <typename Visit>
void forEachBeaconPair(CRuva& r, Visit visit) {
  visit(r.bcnCurCode, r.bcnNextCode);
  visit(r.bcnCurHour, r.bcnNextHour);
  visit(r.bcnCurMin, r.bcnNextMin);
  visit(r.bcnCurSec, r.bcnNextSec);
  visit(r.bcnCurCode2, r.bcnNextCode2);
  visit(r.bcnCurAttr7, r.bcnNextAttr7);
  visit(r.bcnCurTime1Hour7, r.bcnNextTime1Hour7);
  visit(r.bcnCurTime1Min7, r.bcnNextTime1Min7);
  visit(r.bcnCurTime1Sec7, r.bcnNextTime1Sec7);
  visit(r.bcnCurTime2Hour7, r.bcnNextTime2Hour7);
  visit(r.bcnCurTime2Min7, r.bcnNextTime2Min7);
  visit(r.bcnCurTime2Sec7, r.bcnNextTime2Sec7);
  visit(r.bcnCurExtra7, r.bcnNextExtra7);
  visit(r.bcnCurGapMin5, r.bcnNextGapMin5);
  visit(r.bcnCurGapSec5, r.bcnNextGapSec5);
  visit(r.bcnCurColA5, r.bcnNextColA5);
  visit(r.bcnCurColB5, r.bcnNextColB5);
}

#endif  // RUVA_DISPLAY_BEACON_GROUPS_H_
