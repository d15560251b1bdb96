// The feedback text columns and the live read-outs of a figure being created.
#include "tools/Readouts.h"

#include <cmath>

#include "frame/Settings.h"
#include "records/CurrentOptions.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
// Pi as the circle area takes it, in single precision.
constexpr double kCirclePi = static_cast<double>(3.1415927f);

bool CreatesAngleCentred() {
    return (gCurrentOptions.AngleCreateCentred != 0) != (gToolState.DragModifier != 0);
}

void SegmentReadouts(FeedbackText& text) {
    const AIRealPoint a = gMeasuredPoints.FirstPoint.p;
    const AIRealPoint b = gMeasuredPoints.SecondPoint.p;
    FormatLengthText(a.h, a.v, b.h, b.v, gToolState.SeriesPreview);
    text.SetLine(0, "L segment=", gValueTextBuffer.CStr());
    FormatAngleText(gMeasuredPoints.SegmentAngle, 0);
    text.SetLine(1, "Inclinaison segment=", gValueTextBuffer.CStr());
}

void AngleReadouts(const CreationReadings& figure, FeedbackText& text) {
    FormatAngleText(static_cast<AIReal>(figure.AngleRotation), 0);
    text.SetLine(0, "Angle=", gValueTextBuffer.CStr());
    FormatAngleText(static_cast<AIReal>(gCurrentOptions.AngleCreateAngle * kDegreesToRadians), 0);
    text.SetLine(1, "Angle Inclinaison=", gValueTextBuffer.CStr());
}

void CircleReadouts(const CreationReadings& figure, FeedbackText& text) {
    FormatCircleDimensionText(static_cast<AIReal>(figure.CircleRadius));
    text.SetLine(0, gCurrentOptions.Diameter != 0 ? "Diametre=" : "Rayon=", gValueTextBuffer.CStr());
    const double r = figure.CircleRadius;
    const bool sector = gCurrentOptions.CircleCreateSector != 0;
    if (gCurrentOptions.CircleCreateArc == 0 && !sector) {
        FormatAreaText(&figure.CirclePath, static_cast<AIReal>(r * r * kCirclePi), 1);
        text.SetLine(1, "Aire=", gAreaTextBuffer.CStr());
        return;
    }
    FormatAngleText(static_cast<AIReal>(figure.Sweep), 0);
    text.SetLine(1, "Angle=", gValueTextBuffer.CStr());
    FormatAngleText(static_cast<AIReal>(gCurrentOptions.CircleCreateAngle), 0);
    text.SetLine(2, "Angle Inclinaison=", gValueTextBuffer.CStr());
    if (!sector) return;
    FormatAreaText(&figure.CirclePath, static_cast<AIReal>(r * r * figure.Sweep * 0.5), 0);
    text.SetLine(3, "Aire=", gAreaTextBuffer.CStr());
}

} // namespace

void FeedbackText::SetLine(int16_t row, const char* label, const char* value) {
    if (row < 0 || row >= kFeedbackLineCapacity) return;
    FeedbackLine& line = Lines[row];
    line.Clear();
    line.Append(label);
    line.Append(value);
    if (LineCount <= row) LineCount = static_cast<int16_t>(row + 1);
}

AIPoint FeedbackLinePoint(const FeedbackText& text, AIPoint hover, int16_t row) {
    return AIPoint{hover.h + text.StartOffset, hover.v + row * kFeedbackLineSpacing};
}

FeedbackText MeasureReadoutText(const CreationReadings& figure) {
    FeedbackText text;
    switch (gToolState.CurrentTool) {
    case kSegmentTool: SegmentReadouts(text); break;
    case kAngleTool: AngleReadouts(figure, text); break;
    case kCircleTool: CircleReadouts(figure, text); break;
    default: break;
    }
    return text;
}

bool CreatedAngleAxis(const CreationReadings& figure, AIRealPoint& from, AIRealPoint& to) {
    if (gToolState.CurrentTool != kAngleTool || !CreatesAngleCentred()) return false;
    const double angle = gCurrentOptions.AngleCreateAngle * kDegreesToRadians;
    const double reach = 2.0 * figure.AngleSide;
    from = gMeasuredPoints.AngleVertex.p;
    to = AIRealPoint{static_cast<AIReal>(from.h + reach * std::cos(angle)),
                     static_cast<AIReal>(from.v + reach * std::sin(angle))};
    return true;
}
