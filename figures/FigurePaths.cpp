#include "figures/FigurePaths.h"

#include <algorithm>

#include "dimension/CurrentDimension.h"
#include "frame/CanvasWrites.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "records/ToolState.h"

namespace {

// How far the cursor point moves after each figure step.
constexpr AIReal kCursorShift = 1.0f;

}  // namespace

AIPathStyle FigureStyle(double width, AILineCap cap) {
    AIPathStyle style = gPathStyles.DimensionLineStyle;
    style.stroke.width = static_cast<AIReal>(std::max(width, 0.0));
    style.stroke.cap = cap;
    return style;
}

FigurePathStep MakeFigurePathOnce(int32_t& made, AIArtHandle& path, int16_t segmentCount, const AIPathStyle& style) {
    FigurePathStep step;
    if (made != 0) return step;
    path = nullptr;
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (IsLiveArt(group)) {
        step.Error = sAIArt->NewArt(kPathArt, kPlaceAbove, group, &path);
        if (step.Error != kNoErr) {
            path = nullptr;
            step.Refused = true;
            return step;
        }
        sAIPath->SetPathSegmentCount(path, segmentCount);
        sAIPathStyle->SetPathStyle(path, &style);
    }
    made = 1;
    return step;
}

ASErr WriteFigureSegments(AIArtHandle path, const AIPathSegment* segments, int16_t count) {
    if (!IsLiveArt(path) || count < 0 || !AreSegmentsFinite(segments, static_cast<size_t>(count))) return kNoErr;
    return WriteSegmentsOnCanvas(path, segments, count);
}

void ShiftCursorPastFigure() { gToolState.CursorPoint.h += kCursorShift; }

ASErr KeepCreatedFigure() {
    ShiftCursorPastFigure();
    return kNoErr;
}
