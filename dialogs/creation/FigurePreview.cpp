#include "dialogs/creation/FigurePreview.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "figures/SegmentFigureShape.h"
#include "frame/Colours.h"
#include "frame/SettingRanges.h"
#include "frame/SuiteTable.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMTrackerSuite.h"

namespace {

// The longest step, in pixels, between two points of an arc or a band's edge: at a pixel or less the whole-pixel
// points follow the circle as closely as the screen can show it.
constexpr double kArcStepPixels = 1.0;
// Steps an arc or a band takes at most: a whole turn at a radius of 320 pixels, wider than any preview.
constexpr int32_t kMostArcSteps = 2048;

int32_t Pixel(double x) { return RoundedInt32(x, 0); }

// The steps that draw a sweep at radius r smoothly.
int32_t ArcSteps(double r, double sweep) {
    return std::clamp(CheckedInt32(std::ceil(std::fabs(sweep) * std::fabs(r) / kArcStepPixels), 1), 1,
                      kMostArcSteps);
}

}  // namespace

ADMPoint PreviewFrame::At(double r, double t) const {
    return ADMPoint{Pixel(CentreH + r * std::cos(t)), Pixel(CentreV - r * std::sin(t))};
}

ADMRect PreviewFrame::Disc(double r) const {
    const int32_t half = Pixel(r);
    return ADMRect{CentreH - half, CentreV - half, CentreH + half, CentreV + half};
}

void DrawPreviewAxes(ADMDrawerRef drawer, const PreviewFrame& frame, int32_t width, int32_t height) {
    sADMDrawer->SetADMColor(drawer, kADMShadowColor);
    const ADMPoint left{0, frame.CentreV}, right{width, frame.CentreV};
    const ADMPoint top{frame.CentreH, 0}, bottom{frame.CentreH, height};
    sADMDrawer->DrawLine(drawer, &left, &right);
    sADMDrawer->DrawLine(drawer, &top, &bottom);
}

void FillPreviewBand(ADMDrawerRef drawer, const PreviewFrame& frame, double inner, double outer, double from,
                     double sweep) {
    const int32_t steps = ArcSteps(std::max(std::fabs(inner), std::fabs(outer)), sweep);
    std::vector<ADMPoint> points;
    for (int32_t i = 0; i <= steps; ++i) points.push_back(frame.At(outer, from + sweep * i / steps));
    for (int32_t i = steps; i >= 0; --i) points.push_back(frame.At(inner, from + sweep * i / steps));
    sADMDrawer->FillPolygon(drawer, points.data(), static_cast<int32_t>(points.size()));
}

void DrawPreviewArc(ADMDrawerRef drawer, const PreviewFrame& frame, double r, double from, double sweep) {
    const int32_t steps = ArcSteps(r, sweep);
    ADMPoint last = frame.At(r, from);
    for (int32_t i = 1; i <= steps; ++i) {
        const ADMPoint next = frame.At(r, from + sweep * i / steps);
        if (next.h == last.h && next.v == last.v) continue;
        sADMDrawer->DrawLine(drawer, &last, &next);
        last = next;
    }
}

void UseStrokeColour(ADMDrawerRef drawer) {
    ADMRGBColor colour;
    GetDisplayColour(&colour, kStrokeSide);
    sADMDrawer->SetRGBColor(drawer, &colour);
}

double TrackedDirection(ADMTrackerRef tracker, const PreviewFrame& frame) {
    ADMPoint point{frame.CentreH, frame.CentreV};
    sADMTracker->GetPoint(tracker, &point);
    return PreviewDirection(frame.CentreH, frame.CentreV, point.h, point.v);
}

ADMBoolean DefaultPreviewTrack(ADMItemRef item, ADMTrackerRef tracker) {
    ADMBoolean notify = 0;
    sADMItem->DefaultTrack(item, tracker, &notify);
    return notify;
}
