#pragma once
// The record most record tests store: 20.3.2000 8:00, one hour east of Greenwich.
#include "records/vx_date_store.h"

inline const VXDateStore kMuster(2000, 3, 20, 8, 0, 0, 0, -1);
