// The one rebuild of each kind of dimension: the current dimension drawn again from the values in force (its
// definition, put back by UseDefinition or found again through its link) and the live style settings.
#pragma once

#include "dimension/Naming.h"
#include "host/Types.h"

// Draws the current dimension again as `kind`: a linear one along the kind's own orientation (put in force for
// the build only), an arc length, a dimension along a curve at the live offset and the label point in force, an
// angle at its vertex at the live "Rayon" or on its arc, a radius or diameter towards the label point in force, a
// Bézier construction as it was built. A series is not rebuilt. Result: the last host error.
ASErr RedrawDimensionAs(DimensionKind kind);
// A fresh build of the current dimension as `kind`, in its own group and with the settings in force: every part
// made anew from the kind's skeleton (the lines keeping their kind markers and link), then drawn as
// RedrawDimensionAs draws it. What a change made while the dimension could not follow it is then all there.
ASErr RebuildDimensionAs(DimensionKind kind);
