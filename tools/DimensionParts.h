// What the mouse-up and the panel's rebuilds share: the selection of the dimension's parts and the remembered
// dimension lines the drag snaps to.
#pragma once

#include "host/Types.h"

// Selects the paths and texts directly inside DimensionGroup, all other art deselected; a part both locked and
// hidden stays unselected. Result: the last host error.
ASErr SelectDimensionParts();

// Remembers a dimension line by its two ends, newest first, unless it is remembered already in either order;
// a full list drops its oldest line.
void RememberSegment(const AIRealPoint& first, const AIRealPoint& second);
