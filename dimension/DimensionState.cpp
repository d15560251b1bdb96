#include "dimension/DimensionState.h"

#include "dimension/Definitions.h"
#include "dimension/Geometry.h"
#include "dimension/Skeletons.h"
#include "dimension/ValueFormat.h"

void ResetDimensionState() {
    ForgetDivisionMarks();
    ClearValueFormat();
    gValueTextBuffer = ValueTextBuffer{};
    gAreaTextBuffer = AreaTextBuffer{};
    gFoundArc = FoundArc{};
    ForgetEveryDefinition();
}
