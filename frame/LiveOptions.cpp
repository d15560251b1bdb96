#include "frame/LiveOptions.h"

#include "frame/Settings.h"

namespace {

LiveOptionsLoader gLiveOptionsLoader = nullptr;

// One stored setting and the live option that holds its value: a real or an integer pair.
struct LiveOptionPair {
    LiveSection Section;
    double Settings::*StoredReal = nullptr;
    double CurrentOptions::*LiveReal = nullptr;
    int32_t Settings::*StoredInteger = nullptr;
    int32_t CurrentOptions::*LiveInteger = nullptr;
};

constexpr LiveOptionPair Real(LiveSection section, double Settings::*stored, double CurrentOptions::*live) {
    return {section, stored, live, nullptr, nullptr};
}

constexpr LiveOptionPair Integer(LiveSection section, int32_t Settings::*stored, int32_t CurrentOptions::*live) {
    return {section, nullptr, nullptr, stored, live};
}

using S = Settings;
using O = CurrentOptions;
using enum LiveSection;

// Every setting that a live option holds while the plug-in runs, each once, by section.
constexpr LiveOptionPair kLiveOptionsTable[] = {
    Real(General, &S::LineWidth, &O::LineWidth),
    Integer(General, &S::ArrowHeads, &O::ArrowHeads),
    Integer(General, &S::ArrowPreset, &O::ArrowPreset),
    Real(General, &S::EndMarkSize, &O::EndMarkSize),
    Real(General, &S::ScaleNumerator, &O::ScaleNumerator),
    Real(General, &S::ScaleDenominator, &O::ScaleDenominator),
    Integer(General, &S::Decimals, &O::Decimals),
    Real(General, &S::TextSize, &O::TextSize),
    Integer(Unit, &S::Unit, &O::Unit),
    Integer(Unit, &S::ShowUnit, &O::ShowUnit),
    Real(Segment, &S::SegmentOffsetX, &O::SegmentOffsetX),
    Real(Segment, &S::SegmentOffsetY, &O::SegmentOffsetY),
    Integer(Segment, &S::HorizontalText, &O::HorizontalText),
    Integer(Segment, &S::DimensionOrientation, &O::DimensionOrientation),
    Real(Segment, &S::SideTieLength, &O::SideTieLength),
    Integer(Segment, &S::SideTiesOn, &O::SideTiesOn),
    Integer(Segment, &S::SeriesOn, &O::SeriesOn),
    Integer(Segment, &S::SeriesKind, &O::SeriesKind),
    Integer(Angle, &S::ShowAngleUnit, &O::ShowAngleUnit),
    Real(Angle, &S::AngleOffsetAngle, &O::AngleOffsetAngle),
    Real(Angle, &S::AngleOffsetRadius, &O::AngleOffsetRadius),
    Real(Angle, &S::ArcRadius, &O::ArcRadius),
    Real(Circle, &S::CircleOffsetX, &O::CircleOffsetX),
    Real(Circle, &S::CircleOffsetY, &O::CircleOffsetY),
    Real(Circle, &S::CircleTieLength, &O::CircleTieLength),
    Integer(Circle, &S::Diameter, &O::Diameter),
    Real(Bezier, &S::BezierOffsetX, &O::BezierOffsetX),
    Real(Bezier, &S::BezierOffsetY, &O::BezierOffsetY),
    Integer(Bezier, &S::BezierMode, &O::BezierMode),
    Integer(Bezier, &S::DivisionCount, &O::DivisionCount),
    Real(Creation, &S::AngleCreateAngle, &O::AngleCreateAngle),
    Real(Creation, &S::AngleCreateWidth, &O::AngleCreateWidth),
    Integer(Creation, &S::AngleCreateWithDimension, &O::AngleCreateWithDimension),
    Real(Creation, &S::CircleCreateWidth, &O::CircleCreateWidth),
    Real(Creation, &S::CircleCreateAngle, &O::CircleCreateAngle),
    Integer(Creation, &S::CircleCreateWithDimension, &O::CircleCreateWithDimension),
    Integer(Creation, &S::CircleCreateArc, &O::CircleCreateArc),
    Integer(Creation, &S::CircleCreateSector, &O::CircleCreateSector),
    Real(Creation, &S::SegmentCreateRotation, &O::SegmentCreateRotation),
    Real(Creation, &S::SegmentCreateWidth, &O::SegmentCreateWidth),
    Integer(Creation, &S::SegmentCreateWithDimension, &O::SegmentCreateWithDimension),
    Integer(DialogOnly, &S::AngleCreateCentred, &O::AngleCreateCentred),
    Integer(DialogOnly, &S::SegmentCreateCentred, &O::SegmentCreateCentred),
};

void Copy(const LiveOptionPair& pair) {
    if (pair.LiveReal != nullptr) gCurrentOptions.*pair.LiveReal = gSettings.*pair.StoredReal;
    if (pair.LiveInteger != nullptr) gCurrentOptions.*pair.LiveInteger = gSettings.*pair.StoredInteger;
}

}  // namespace

void InstallLiveOptionsLoader(LiveOptionsLoader loader) { gLiveOptionsLoader = loader; }

void LoadLiveOptions() {
    if (gLiveOptionsLoader != nullptr) gLiveOptionsLoader();
}

void LoadLiveOption(double CurrentOptions::*live) {
    for (const LiveOptionPair& pair : kLiveOptionsTable) {
        if (pair.LiveReal == live) Copy(pair);
    }
}

void LoadLiveOption(int32_t CurrentOptions::*live) {
    for (const LiveOptionPair& pair : kLiveOptionsTable) {
        if (pair.LiveInteger == live) Copy(pair);
    }
}

void LoadLiveSection(LiveSection section) {
    for (const LiveOptionPair& pair : kLiveOptionsTable) {
        if (pair.Section == section) Copy(pair);
    }
}
