#include "dimension/CurrentDimension.h"

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
    *art = nullptr;
}

void ForgetDimensionParts() {
    ForgetDivisionMarks();
    gBezierExtraValues.ConstructionKind = kNoBezierConstruction;
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    gCurrentDimension = CurrentDimension();
    gCurrentDimension.DimensionGroup = group;
}

void ClearCurrentDimension() {
    ForgetDimensionParts();
    gCurrentDimension.DimensionGroup = nullptr;
}
