// What the annotators drew in a draw pass, as lines of the driver's log.
#pragma once

#include <string>

#include "simhost/Annotator.h"

namespace driver {

// One line per shape, in the order drawn, e.g.
//   drawn line (10,20) (30,40) rgb=0,0,65535 width=1
//   drawn text "12,50 mm" (34,-8) rgb=65535,0,0 width=1 font=1
// "nothing drawn" when the pass drew no shape.
std::string DrawingText(const sim::DrawerRecording& drawing);

} // namespace driver
