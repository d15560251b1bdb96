// The value texts: lengths, angles, circles, curve lengths and areas as dimension labels and read-outs show them.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "dimension/Geometry.h"
#include "dimension/Measures.h"
#include "dimension/ValueFormat.h"
#include "frame/SuiteTable.h"
#include "host/PathSuite.h"
#include "records/ToolState.h"

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kFullTurnDegrees = 360.0;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerMinute = 60.0;
constexpr int32_t kLargestInchFraction = 32;
constexpr double kInchesPerFoot = 12.0;

// Square points in one square inch and in one square pica.
constexpr double kSquarePointsPerSquareInch = 5184.0;
constexpr double kSquarePointsPerSquarePica = 144.0;

double RoundHalfAwayFromZero(double value) { return value < 0.0 ? -std::floor(-value + 0.5) : std::floor(value + 0.5); }

bool HasNumber(int32_t unit) { return unit >= kUnitMillimetres && unit <= kUnitMetres; }

// A length in inches split into whole inches and a reduced fraction of the value format's InchFraction.
struct InchParts {
    double Whole = 0.0;
    double Numerator = 0.0;
    int32_t Denominator = 1;
};

InchParts SplitInches(double inches) {
    int32_t denominator = gValueFormat.InchFraction;
    if (denominator < 1) denominator = 1;
    if (denominator > kLargestInchFraction) denominator = kLargestInchFraction;
    InchParts parts;
    parts.Whole = std::floor(inches);
    parts.Numerator = RoundHalfAwayFromZero((inches - parts.Whole) * denominator);
    parts.Denominator = denominator;
    while (std::fmod(parts.Numerator, 2.0) == 0.0 && parts.Denominator % 2 == 0) {
        parts.Numerator /= 2.0;
        parts.Denominator /= 2;
    }
    if (parts.Denominator == 1) parts.Whole = RoundHalfAwayFromZero(inches);
    return parts;
}

// " " and the fraction ("1/2" .. "31/32"), nothing after the blank for a whole number of inches.
std::string FractionText(const InchParts& parts) {
    std::string text = " ";
    if (parts.Denominator > 1) text += RoundedText(parts.Numerator, 0) + "/" + std::to_string(parts.Denominator);
    return text;
}

std::string InchNotationIfShown() {
    return gCurrentOptions.ShowUnit != 0 ? std::string(InchNotation(gSettings.InchSymbol)) : std::string();
}

std::string WithSign(double value, const std::string& magnitudeText) {
    return value < 0.0 ? "-" + magnitudeText : magnitudeText;
}

std::string FreeLabel() { return gValueFormat.FreeLabelText != nullptr ? gValueFormat.FreeLabelText : ""; }

// The rounded value with the unit suffix while ShowUnit is set.
std::string DecimalText(double value, std::string_view suffix) {
    std::string text = RoundedText(value, gCurrentOptions.Decimals);
    if (gCurrentOptions.ShowUnit != 0) text += suffix;
    return text;
}

// Degrees, minutes and whole seconds, seconds and minutes carried at 60.
std::string DegreesMinutesSecondsText(double degrees) {
    double whole = std::floor(degrees);
    const double minutesLeft = (degrees - whole) * kMinutesPerDegree;
    double minutes = std::floor(minutesLeft);
    double seconds = RoundHalfAwayFromZero((minutesLeft - minutes) * kSecondsPerMinute);
    if (seconds >= kSecondsPerMinute) {
        seconds -= kSecondsPerMinute;
        minutes += 1.0;
    }
    if (minutes >= kMinutesPerDegree) {
        minutes -= kMinutesPerDegree;
        whole += 1.0;
    }
    return RoundedText(whole, 0) + std::string(kDegreeSign) + " " + RoundedText(minutes, 0) + "' " +
           RoundedText(seconds, 0) + "''";
}

// A measured length for a read-out: the unit's text, or the bare rounded number for units without a number.
std::string MeasureText(double lengthInUnit) {
    if (HasNumber(gCurrentOptions.Unit)) return UnitLengthText(lengthInUnit);
    return RoundedText(lengthInUnit, gCurrentOptions.Decimals);
}

bool HasCurvedSide(const std::vector<AIPathSegment>& segments) {
    for (const AIPathSegment& segment : segments) {
        if (!SamePoint(segment.in, segment.p) || !SamePoint(segment.out, segment.p)) return true;
    }
    return false;
}

// True when two sides that share no corner cross; sides i run from corner i to corner i + 1 (the last closes).
bool SidesCross(const std::vector<AIPathSegment>& corners) {
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;
            if (SegmentsCross(corners[i].p, corners[i + 1].p, corners[j].p, corners[(j + 1) % n].p) != 0) return true;
        }
    }
    return false;
}

double ShoelaceArea(const std::vector<AIPathSegment>& corners) {
    double twice = 0.0;
    const size_t n = corners.size();
    for (size_t i = 0; i < n; ++i) {
        const AIRealPoint a = corners[i].p;
        const AIRealPoint b = corners[(i + 1) % n].p;
        twice += static_cast<double>(a.h) * b.v - static_cast<double>(b.h) * a.v;
    }
    return std::fabs(twice) * 0.5;
}

bool IsClosedPath(const AIArtHandle* path) {
    AIBoolean closed = 0;
    if (path == nullptr || *path == nullptr || sAIPath == nullptr) return false;
    return sAIPath->GetPathClosed(*path, &closed) == kNoErr && closed != 0;
}

// The polygon's anchors fewer than this have no sides to cross.
constexpr size_t kFewestCrossingCorners = 4;

}  // namespace

std::string FractionalInchesText(double inches) {
    if (!std::isfinite(inches)) return {};
    const InchParts parts = SplitInches(std::fabs(inches));
    return WithSign(inches, RoundedText(parts.Whole, 0) + FractionText(parts)) + InchNotationIfShown();
}

std::string FeetAndInchesText(double inches) {
    if (!std::isfinite(inches)) return {};
    const InchParts parts = SplitInches(std::fabs(inches));
    const double feet = std::floor(parts.Whole / kInchesPerFoot);
    const double wholeInches = parts.Whole - kInchesPerFoot * feet;
    std::string text;
    if (feet == 0.0 && wholeInches == 0.0) {
        if (parts.Denominator == 1) text = "0";
    } else if (feet <= 0.0) {
        text = RoundedText(wholeInches, 0);
    } else {
        text = RoundedText(feet, 0) + std::string(FootNotation(gSettings.FootSymbol)) + RoundedText(wholeInches, 0);
    }
    return WithSign(inches, text + FractionText(parts)) + InchNotationIfShown();
}

std::string UnitLengthText(double lengthInUnit) {
    switch (gCurrentOptions.Unit) {
        case kUnitMillimetres: return DecimalText(lengthInUnit, " mm");
        case kUnitCentimetres: return DecimalText(lengthInUnit, " cm");
        case kUnitDecimalInches: return DecimalText(lengthInUnit, InchNotation(gSettings.InchSymbol));
        case kUnitFractionalInches: return FractionalInchesText(lengthInUnit);
        case kUnitFeetAndInches: return FeetAndInchesText(lengthInUnit);
        case kUnitPoints: return DecimalText(lengthInUnit, " pt");
        case kUnitPicas: return DecimalText(lengthInUnit, " pc");
        case kUnitMetres: return DecimalText(lengthInUnit, " m");
        case kUnitFreeText: return FreeLabel();
        default: return {};
    }
}

void BeginDimensionText() {
    gValueTextBuffer.Clear();
    if (gSettings.PrefixSuffixOn != 0) gValueTextBuffer.Append(gSettings.Prefix);
}

void EndDimensionText() {
    const char* tolerance = gValueFormat.ToleranceText;
    if (gValueFormat.ToleranceOn != 0 && tolerance != nullptr && tolerance[0] != '\0') {
        const size_t start = gValueTextBuffer.Length;
        gValueTextBuffer.Append(kToleranceSign);
        gValueTextBuffer.Append(tolerance);
        gValueTextBuffer.ToleranceStart = start;
        gValueTextBuffer.ToleranceLength = gValueTextBuffer.Length - start;
    }
    if (gSettings.PrefixSuffixOn != 0) gValueTextBuffer.Append(gSettings.Suffix);
}

void FormatDimensionLength(double points) {
    BeginDimensionText();
    gValueTextBuffer.Append(UnitLengthText(ScaledLengthInUnit(points, gCurrentOptions.Unit)));
    EndDimensionText();
}

void FormatLengthText(AIReal x1, AIReal y1, AIReal x2, AIReal y2, int32_t swap) {
    const double dx = std::fabs(static_cast<double>(x2) - x1);
    const double dy = std::fabs(static_cast<double>(y2) - y1);
    double distance = std::hypot(dx, dy);
    switch (gCurrentOptions.DimensionOrientation) {
        case 1: distance = swap != 0 ? dy : dx; break;
        case 2: distance = swap != 0 ? dx : dy; break;
        default: break;
    }
    FormatDimensionLength(distance);
}

void FormatAngleText(AIReal radians, int32_t reflex) {
    BeginDimensionText();
    double degrees = std::fabs(static_cast<double>(radians)) * kDegreesPerRadian;
    if (reflex != 0) degrees = kFullTurnDegrees - degrees;
    if (std::isfinite(degrees)) {
        switch (gValueFormat.AngleFormat) {
            case kAngleDecimalDegrees:
                gValueTextBuffer.Append(RoundedText(degrees, gCurrentOptions.Decimals));
                if (gCurrentOptions.ShowAngleUnit != 0) gValueTextBuffer.Append(kDegreeSign);
                break;
            case kAngleDegreesMinutesSeconds:
                gValueTextBuffer.Append(WithSign(degrees, DegreesMinutesSecondsText(std::fabs(degrees))));
                break;
            case kAngleFreeText: gValueTextBuffer.Append(FreeLabel()); break;
            default: break;
        }
    }
    EndDimensionText();
}

void FormatCircleDimensionText(AIReal radius) {
    const bool diameter = gCurrentOptions.Diameter != 0;
    const double points = std::fabs(static_cast<double>(radius)) * (diameter ? 2.0 : 1.0);
    const std::string_view sign = diameter ? kDiameterSign : kRadiusSign;
    const bool signShown = gSettings.CircleSymbolShown != 0 && HasNumber(gCurrentOptions.Unit);
    const bool signBefore = gSettings.CircleSymbolBefore != 0;
    BeginDimensionText();
    if (signShown && signBefore) gValueTextBuffer.Append(sign);
    gValueTextBuffer.Append(UnitLengthText(ScaledLengthInUnit(points, gCurrentOptions.Unit)));
    if (signShown && !signBefore) gValueTextBuffer.Append(sign);
    EndDimensionText();
}

void FormatCurveLengthText(AIArtHandle path) {
    gValueTextBuffer.Clear();
    gValueTextBuffer.Append(MeasureText(WholePathLength(&path)));
}

void FormatMeasure(AIArtHandle path, uint16_t firstIndex, uint16_t secondIndex) {
    gValueTextBuffer.Clear();
    gValueTextBuffer.Append(MeasureText(PathRangeLength(&path, firstIndex, secondIndex)));
}

int32_t FormatAreaText(const AIArtHandle* path, AIReal area, int32_t closedRequired, std::size_t room) {
    if (closedRequired != 0 && !IsClosedPath(path)) return 0;
    int32_t unit = gCurrentOptions.Unit;
    if (unit == kUnitNoValue || unit == kUnitFreeText) unit = gSettings.Unit;
    const double scaleSquared = ScaleDivides() ? gSettings.ScaleRatio * gSettings.ScaleRatio : 1.0;
    const double squarePoints = std::fabs(static_cast<double>(area));
    double value = squarePoints;
    std::string_view suffix;
    switch (unit) {
        case kUnitMillimetres: value = squarePoints * 645.16 / kSquarePointsPerSquareInch / scaleSquared; suffix = " mm2"; break;
        case kUnitCentimetres: value = squarePoints * 6.4516 / kSquarePointsPerSquareInch / scaleSquared; suffix = " cm2"; break;
        case kUnitDecimalInches:
        case kUnitFractionalInches:
        case kUnitFeetAndInches: value = squarePoints / kSquarePointsPerSquareInch / scaleSquared; suffix = " po2"; break;
        case kUnitPoints: suffix = " pt2"; break;
        case kUnitPicas: value = squarePoints / kSquarePointsPerSquarePica / scaleSquared; suffix = " pc2"; break;
        case kUnitMetres: value = squarePoints * 0.00064516 / kSquarePointsPerSquareInch / scaleSquared; suffix = " m2"; break;
        default: break;
    }
    gAreaTextBuffer.Clear();
    const std::size_t numberRoom = std::min(room, AreaTextBuffer::kMaxLength) - std::min(room, suffix.size());
    gAreaTextBuffer.Append(FittedRoundedText(value, gCurrentOptions.Decimals, numberRoom));
    gAreaTextBuffer.Append(suffix);
    return 1;
}

int32_t IsCrossedPolygon(const AIArtHandle* path, std::size_t room) {
    if (path == nullptr || *path == nullptr) return 0;
    const ToolNumber tool = gToolState.CurrentTool;
    if (tool == kCircleTool || tool == kBezierTool || tool == kMeasureTool) return 0;
    if (gCurrentOptions.Unit == kUnitFreeText) return 0;
    std::vector<AIPathSegment> corners;
    bool closed = false;
    if (!ReadPathAnchors(*path, corners, closed) || !closed || HasCurvedSide(corners)) return 0;
    if (corners.size() >= kFewestCrossingCorners && SidesCross(corners)) {
        gAreaTextBuffer.Clear();
        gAreaTextBuffer.Append(kCrossedPolygonText);
        return 1;
    }
    return FormatAreaText(path, static_cast<AIReal>(ShoelaceArea(corners)), 1, room);
}
