#include "dimension/CurrentDimension.h"

#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"

CurrentDimension gCurrentDimension;
DimensionValues gDimensionValues;

void ResetDimensionValues() {
    DimensionValues& v = gDimensionValues;
    v.DimensionLineAngle = 0.0f;
    v.ArcMiddleAngle = 0.0f;
    v.RightAngleShown = 0;
    v.DimensionLineEnds[0] = AIPathSegment();
    v.DimensionLineEnds[1] = AIPathSegment();
    v.ExtensionLineReach = 0.0;
    v.SideTextFlag = 0;
}

bool IsLiveArt(AIArtHandle art) {
    return art != nullptr && sAIArt != nullptr && sAIArt->ValidArt(art, 1) != 0;
}

void DisposeArtIfValid(AIArtHandle* art) {
    if (art == nullptr || *art == nullptr) return;
    if (IsLiveArt(*art) && sAIArt->DisposeArt(*art) != kNoErr) return;
    *art = nullptr;
}

void ForgetDimensionParts() {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    gCurrentDimension = CurrentDimension();
    gCurrentDimension.DimensionGroup = group;
}

void ClearCurrentDimension() {
    ForgetDimensionParts();
    gCurrentDimension.DimensionGroup = nullptr;
}
