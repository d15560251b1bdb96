#include "panel/CurrentOptions.h"

#include "frame/ArrowHeads.h"
#include "frame/LiveOptions.h"
#include "frame/PathStyles.h"
#include "frame/Settings.h"
#include "panel/FontChoice.h"
#include "tools/CreationOptions.h"

namespace {

// The factor of the end-mark size in the spacing of stacked series labels.
constexpr double kSeriesStepPerEndMarkSize = 0.08;

float SeriesLabelStep(const CurrentOptions& o) {
    const double fromMarks = kSeriesStepPerEndMarkSize * o.EndMarkSize;
    return SettingAsFloat(o.TextSize > fromMarks ? o.TextSize : fromMarks);
}

}  // namespace

void LoadGeneralOptions() {
    LoadLiveSection(LiveSection::General);
    CurrentOptions& o = gCurrentOptions;
    gPathStyles.DimensionLineStyle.stroke.width = SettingAsLength(o.LineWidth);
    ApplyArrowPreset(gSettings.ArrowPreset);
    UpdateScaleRatio(o.ScaleNumerator, o.ScaleDenominator);
    o.FontIndex = FontIndexForName(gSettings.FontName);
}

void LoadUnitOptions() { LoadLiveSection(LiveSection::Unit); }

void LoadSegmentOptions() {
    LoadUnitOptions();
    LoadLiveSection(LiveSection::Segment);
    UpdateSeriesLabelStep();
}

void LoadAngleOptions() { LoadLiveSection(LiveSection::Angle); }

void LoadCircleOptions() {
    LoadUnitOptions();
    LoadLiveSection(LiveSection::Circle);
}

void LoadBezierOptions() {
    LoadUnitOptions();
    LoadLiveSection(LiveSection::Bezier);
    gCurrentOptions.BezierPathLength = kDefaultBezierPathLength;
}

void LoadAllCurrentOptions() {
    LoadGeneralOptions();
    LoadSegmentOptions();
    LoadAngleOptions();
    LoadCircleOptions();
    LoadBezierOptions();
    LoadCreationOptions();
    gCurrentOptions.ActiveEndMarkSize = gCurrentOptions.EndMarkSize;
}

void UpdateSeriesLabelStep() { gCurrentOptions.SeriesLabelStep = SeriesLabelStep(gCurrentOptions); }
