// Number and text formatting shared by the driver's writers.
#pragma once

#include <string>

#include "host/Types.h"

namespace driver {

// The shortest decimal text that reads back as the same float: 71.046f gives "71.046", -0 gives "0".
std::string Number(AIReal value);
// "h,v".
std::string PointText(AIRealPoint point);
bool SamePoint(AIRealPoint a, AIRealPoint b);

}  // namespace driver
