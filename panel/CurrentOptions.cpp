#include "panel/CurrentOptions.h"

#include "frame/ArrowHeads.h"
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
    const Settings& s = gSettings;
    CurrentOptions& o = gCurrentOptions;
    o.LineWidth = s.LineWidth;
    gPathStyles.DimensionLineStyle.stroke.width = SettingAsLength(o.LineWidth);
    o.ArrowHeads = s.ArrowHeads;
    o.ArrowPreset = s.ArrowPreset;
    ApplyArrowPreset(s.ArrowPreset);
    o.EndMarkSize = s.EndMarkSize;
    o.ScaleNumerator = s.ScaleNumerator;
    o.ScaleDenominator = s.ScaleDenominator;
    UpdateScaleRatio(o.ScaleNumerator, o.ScaleDenominator);
    o.Decimals = s.Decimals;
    o.TextSize = s.TextSize;
    o.FontIndex = FontIndexForName(s.FontName);
}

void LoadUnitOptions() {
    gCurrentOptions.Unit = gSettings.Unit;
    gCurrentOptions.ShowUnit = gSettings.ShowUnit;
}

void LoadSegmentOptions() {
    const Settings& s = gSettings;
    CurrentOptions& o = gCurrentOptions;
    LoadUnitOptions();
    o.SegmentOffsetX = s.SegmentOffsetX;
    o.SegmentOffsetY = s.SegmentOffsetY;
    o.HorizontalText = s.HorizontalText;
    o.DimensionOrientation = s.DimensionOrientation;
    o.SideTieLength = s.SideTieLength;
    o.SideTiesOn = s.SideTiesOn;
    o.SeriesOn = s.SeriesOn;
    o.SeriesKind = s.SeriesKind;
    UpdateSeriesLabelStep();
}

void LoadAngleOptions() {
    const Settings& s = gSettings;
    CurrentOptions& o = gCurrentOptions;
    o.ShowAngleUnit = s.ShowAngleUnit;
    o.AngleOffsetAngle = s.AngleOffsetAngle;
    o.AngleOffsetRadius = s.AngleOffsetRadius;
    o.ArcRadius = s.ArcRadius;
}

void LoadCircleOptions() {
    const Settings& s = gSettings;
    CurrentOptions& o = gCurrentOptions;
    LoadUnitOptions();
    o.CircleOffsetX = s.CircleOffsetX;
    o.CircleOffsetY = s.CircleOffsetY;
    o.CircleTieLength = s.CircleTieLength;
    o.Diameter = s.Diameter;
}

void LoadBezierOptions() {
    const Settings& s = gSettings;
    CurrentOptions& o = gCurrentOptions;
    LoadUnitOptions();
    o.BezierOffsetX = s.BezierOffsetX;
    o.BezierOffsetY = s.BezierOffsetY;
    o.BezierMode = s.BezierMode;
    o.DivisionCount = s.DivisionCount;
    o.BezierPathLength = kDefaultBezierPathLength;
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
