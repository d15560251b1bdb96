// The drag's own values.
#include "tools/DragValues.h"

DragValues gDragValues;
