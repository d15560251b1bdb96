#include "dimension/CurrentDimension.h"

#include "dimension/Definitions.h"
#include "dimension/Skeletons.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "records/BezierExtraValues.h"

bool IsLiveArt(AIArtHandle art) {
    return art != nullptr && sAIArt != nullptr && sAIArt->ValidArt(art, 1) != 0;
}

void DisposeArtIfValid(AIArtHandle* art) {
    if (art == nullptr || *art == nullptr) return;
    if (IsLiveArt(*art) && sAIArt->DisposeArt(*art) != kNoErr) return;
    // A dimension group takes its definition with it.
    ForgetDefinition(*art);
    *art = nullptr;
}

void ForgetDimensionParts() {
    ForgetDivisionMarks();
    gBezierExtraValues.ConstructionKind = kNoBezierElement;
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    gCurrentDimension = CurrentDimension();
    gCurrentDimension.DimensionGroup = group;
}

void ClearCurrentDimension() {
    ForgetDimensionParts();
    gCurrentDimension.DimensionGroup = nullptr;
}

size_t EndMarkSetOf(AIArtHandle mark) {
    if (mark == nullptr) return 0;
    for (size_t set = 0; set < kEndMarkSets; ++set) {
        for (AIArtHandle held : gCurrentDimension.EndMarks[set])
            if (held == mark) return set;
    }
    return 0;
}
