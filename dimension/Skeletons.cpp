#include "dimension/Skeletons.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <new>
#include <optional>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "dimension/Geometry.h"
#include "frame/ArrowHeads.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "host/TextFrameSuite.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/ToolState.h"

DivisionMarkList gDivisionMarks;

namespace {

namespace format = DimensionArtFormat;

// The end marks made at each dimension: 0 and 1 at its two ends, 2 and 3 their second variants.
constexpr size_t kFirstEnd = 0;
constexpr size_t kSecondEnd = 1;
constexpr size_t kFirstEndVariant = 2;
constexpr size_t kSecondEndVariant = 3;
// A shape whose points all lie within this distance (shape units) of one line encloses no area.
constexpr double kShapeFlatness = 1e-4;
// Well beyond the relative rounding of a squared length computed in double precision.
constexpr double kSquaredRounding = 1e-12;

// What a part of a skeleton is, and so which style it gets.
enum PartKind {
    kExtension,           // an extension line: solid
    kLine,                // a dimension line, arc or circle part: dashed as dimension lines are
    kLabel,               // a point-text frame
    kEndMarksAtBothEnds,  // end marks 0 and 1 (2 and 3 with them for the point variant)
    kEndMarkAtFirstEnd,   // end mark 0 (2 with it for the point variant)
};

// One part: where its handle goes, or for end marks the dimension of a series they belong to.
struct SkeletonPart {
    PartKind Kind;
    AIArtHandle* Handle = nullptr;
    size_t Index = 0;
};

// Makes the parts of one skeleton, bottom first, keeping the last host error.
class Skeleton {
public:
    // Forgets the previous parts; false (with the error kept) when DimensionGroup cannot take parts.
    bool Start() {
        ForgetDimensionParts();
        const AIArtHandle group = gCurrentDimension.DimensionGroup;
        if (group == nullptr) result_ = kBadParameterErr;
        else if (!IsLiveArt(group)) result_ = kStaleHandleErr;
        return result_ == kNoErr;
    }
    // Starts, makes the parts in order and sets the tool's editing flag.
    void Make(std::initializer_list<SkeletonPart> parts, int32_t ToolState::*editing) {
        if (!Start()) return;
        for (const SkeletonPart& part : parts) Make(part);
        gToolState.*editing = 1;
    }
    void Make(const SkeletonPart& part) {
        switch (part.Kind) {
        case kExtension:
            Keep(NewDimensionPart(kPathArt, &gPathStyles.DimensionLineStyle, part.Handle));
            break;
        case kLine: {
            const AIPathStyle style = DimensionLinePathStyle();
            Keep(NewDimensionPart(kPathArt, &style, part.Handle));
            break;
        }
        case kLabel: Keep(NewDimensionPart(kTextFrameArt, nullptr, part.Handle)); break;
        case kEndMarksAtBothEnds: EndMarks(part.Index, true); break;
        case kEndMarkAtFirstEnd: EndMarks(part.Index, false); break;
        }
    }
    void Marker(AIArtHandle part, const char* marker) {
        if (part != nullptr) Keep(SetMarker(part, marker));
    }
    ASErr Result() const { return result_; }

private:
    void Keep(ASErr error) { KeepError(result_, error); }
    // The end marks of dimension `index`: mark 0 (with its variant 2), and mark 1 (with 3) when `bothEnds`.
    void EndMarks(size_t index, bool bothEnds) {
        AIArtHandle(&marks)[kEndMarkSets][kSeriesCapacity] = gCurrentDimension.EndMarks;
        if (SecondEndMarksShown()) {
            if (bothEnds) EndMark(marks[kSecondEndVariant][index]);
            EndMark(marks[kFirstEndVariant][index]);
        }
        if (EndMarksShown()) {
            if (bothEnds) EndMark(marks[kSecondEnd][index]);
            EndMark(marks[kFirstEnd][index]);
        }
    }
    void EndMark(AIArtHandle& part) {
        Keep(NewEndMarkPart(kPlaceInsideOnTop, gCurrentDimension.DimensionGroup, 0, &part));
    }
    ASErr result_ = kNoErr;
};

// The number of dimensions a series of `points` points makes, held to what the handle arrays take.
size_t SeriesDimensionCount(int32_t points) {
    if (points < 2) return 0;
    const auto count = static_cast<size_t>(points - 1);
    return count < kSeriesCapacity ? count : kSeriesCapacity - 1;
}

}  // namespace

ASErr MarkAsDimensionPart(AIArtHandle art) { return SetMarker(art, format::Vek); }

ASErr NewDimensionPart(int16_t type, const AIPathStyle* style, AIArtHandle* part) {
    if (part == nullptr) return kBadParameterErr;
    *part = nullptr;
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (group == nullptr) return kBadParameterErr;
    if (!IsLiveArt(group)) return kStaleHandleErr;
    const ASErr made = type == kTextFrameArt ? sAITextFrame->NewPointText(kPlaceInsideOnTop, group,
                                                                         kHorizontalTextOrientation,
                                                                         AIRealPoint(), part)
                                             : sAIArt->NewArt(type, kPlaceInsideOnTop, group, part);
    if (made != kNoErr) {
        *part = nullptr;
        return made;
    }
    ASErr result = MarkAsDimensionPart(*part);
    if (style != nullptr && type == kPathArt) {
        if (const ASErr styled = sAIPathStyle->SetPathStyle(*part, style); styled != kNoErr) result = styled;
    }
    return result;
}

ASErr NewEndMarkPart(int16_t order, AIArtHandle prep, int16_t anchors, AIArtHandle* mark) {
    if (mark == nullptr) return kBadParameterErr;
    *mark = nullptr;
    if (prep == nullptr) return kBadParameterErr;
    if (!IsLiveArt(prep)) return kStaleHandleErr;
    AIArtHandle made = nullptr;
    if (const ASErr error = sAIArt->NewArt(kPathArt, order, prep, &made); error != kNoErr || made == nullptr)
        return error;
    *mark = made;
    ASErr result = anchors > 0 ? sAIPath->SetPathSegmentCount(made, anchors) : kNoErr;
    KeepError(result, MarkAsDimensionPart(made));
    KeepError(result, SetMarker(made, format::EndMarkMarker));
    KeepError(result, StyleEndMark(made));
    return result;
}

AIPathStyle DimensionLinePathStyle() {
    AIPathStyle style = gPathStyles.BasePathStyle;
    style.stroke.width = gPathStyles.DimensionLineStyle.stroke.width;
    return style;
}

bool EndMarkEnclosesArea(const ArrowHeadShape& shape) {
    const int count = std::clamp<int>(shape.PointCount, 0, kMaxShapePoints);
    Vector2 points[3 * kMaxShapePoints];
    int n = 0;
    for (int k = 0; k < count; ++k) {
        points[n++] = Vector2(shape.AnchorX[k], shape.AnchorY[k]);
        points[n++] = Vector2(shape.InX[k], shape.InY[k]);
        points[n++] = Vector2(shape.OutX[k], shape.OutY[k]);
    }
    // The point farthest from the first gives the line the others must all lie on for the shape to be flat.
    int farthest = 0;
    double reach = 0.0;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(points[i].X) || !std::isfinite(points[i].Y)) return false;
        // A point plainly nearer than the farthest so far (its squared distance short by more than rounding) is
        // passed without the square root.
        const Vector2 off = points[i] - points[0];
        if (off.X * off.X + off.Y * off.Y < reach * reach * (1.0 - kSquaredRounding)) continue;
        const double d = off.Length();
        if (d > reach) {
            reach = d;
            farthest = i;
        }
    }
    if (reach <= kShapeFlatness) return false;
    const Vector2 along = UnitVector(points[farthest] - points[0]);
    for (int i = 0; i < n; ++i) {
        const Vector2 off = points[i] - points[0];
        if (std::abs(off.X * along.Y - off.Y * along.X) > kShapeFlatness) return true;
    }
    return false;
}

AIPathStyle EndMarkPathStyle() {
    // A filled shape is filled as the arrow-head editor shows it, open or closed; one that encloses no area is
    // stroked so that it stays visible.
    const bool filled = gArrowHeadShape.Hollow == 0 && EndMarkEnclosesArea(gArrowHeadShape);
    return filled ? gPathStyles.EndMarkStyle : gPathStyles.DimensionLineStyle;
}

namespace {

// A live end mark given `style`, closed as `closed` says (as the shape is, by default).
ASErr StyleLiveEndMark(AIArtHandle mark, const AIPathStyle& style,
                       bool closed = gArrowHeadShape.EndMarkClosed != 0) {
    ASErr result = sAIPathStyle->SetPathStyle(mark, &style);
    KeepError(result, sAIPath->SetPathClosed(mark, closed ? 1 : 0));
    return result;
}

}  // namespace

ASErr StyleEndMark(AIArtHandle mark) {
    if (!IsLiveArt(mark)) return kNoErr;
    return StyleLiveEndMark(mark, EndMarkPathStyle());
}

ASErr StyleChainDot(AIArtHandle mark) {
    if (!IsLiveArt(mark)) return kNoErr;
    return StyleLiveEndMark(mark, gPathStyles.EndMarkStyle, true);
}

namespace {

// The style of a kept part, set only where the part is live.
void Restyle(AIArtHandle part, const AIPathStyle& style, ASErr& result) {
    if (IsLiveArt(part)) KeepError(result, sAIPathStyle->SetPathStyle(part, &style));
}

}  // namespace

ASErr RestyleDimensionParts() {
    CurrentDimension& d = gCurrentDimension;
    ASErr result = kNoErr;
    const AIPathStyle& solid = gPathStyles.DimensionLineStyle;
    const AIPathStyle line = DimensionLinePathStyle();
    // The Bézier tool's reticle keeps its six paths in DimensionLines, solid as extension lines are: the
    // construction's own kind, not what the hover last found.
    const bool reticle =
        gToolState.CurrentTool == kBezierTool && gBezierExtraValues.ConstructionKind == kReticleElement;
    for (AIArtHandle part : d.ExtensionLines) Restyle(part, solid, result);
    for (AIArtHandle part : d.SeriesExtensionLines) Restyle(part, solid, result);
    for (AIArtHandle part : d.DimensionLines) Restyle(part, reticle ? solid : line, result);
    for (AIArtHandle part : d.DimensionLineHalves) Restyle(part, line, result);
    for (AIArtHandle part : d.AngleArcs) Restyle(part, line, result);
    for (AIArtHandle part : d.CircleParts) Restyle(part, line, result);
    Restyle(d.AuxLine, line, result);
    for (const DivisionMark* mark = gDivisionMarks.Head; mark != nullptr; mark = mark->Next)
        Restyle(mark->Path, solid, result);
    // Every end mark takes the one style the shape gives, found once.
    std::optional<AIPathStyle> markStyle;
    for (auto& set : d.EndMarks) {
        for (AIArtHandle mark : set) {
            if (!IsLiveArt(mark)) continue;
            if (!markStyle) markStyle = EndMarkPathStyle();
            KeepError(result, StyleLiveEndMark(mark, *markStyle));
        }
    }
    return result;
}

bool EndMarksShown() { return gCurrentOptions.EndMarkSize > 0.0; }

bool SecondEndMarksShown() {
    return EndMarksShown() && gCurrentOptions.ArrowHeads == 0 &&
           gCurrentOptions.ArrowPreset == kCustomArrowPreset;
}

ASErr BuildSegmentDimensionArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kExtension, &d.ExtensionLines[1]},
            {kExtension, &d.ExtensionLines[0]},
            {kEndMarksAtBothEnds},
            {kLine, &d.DimensionLineHalves[0]},
            {kLine, &d.DimensionLines[0]},
            {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingSegment);
    if (gHitState.HoverFlags.OverCentre == 0) {
        s.Marker(d.DimensionLines[0], format::SegmentMarker);
        s.Marker(d.DimensionLineHalves[0], format::SegmentMarker);
        s.Marker(d.DimensionLines[0], format::RefreshMarker);
    }
    return s.Result();
}

ASErr BuildArcLengthDimensionArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kExtension, &d.ExtensionLines[1]},
            {kExtension, &d.ExtensionLines[0]},
            {kEndMarksAtBothEnds},
            {kLine, &d.AngleArcs[0]},
            {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingSegment);
    return s.Result();
}

ASErr BuildOffsetDimensionArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kExtension, &d.ExtensionLines[1]},
            {kExtension, &d.ExtensionLines[0]},
            {kEndMarksAtBothEnds},
            {kLine, &d.DimensionLines[0]},
            {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingSegment);
    return s.Result();
}

ASErr BuildAngleDimensionArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kEndMarksAtBothEnds}, {kLine, &d.AngleArcs[0]}, {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingAngle);
    return s.Result();
}

ASErr BuildArcAngleDimensionArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kExtension, &d.ExtensionLines[0]},
            {kEndMarksAtBothEnds},
            {kLine, &d.AngleArcs[0]},
            {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingAngle);
    return s.Result();
}

ASErr BuildCircleDimensionArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{gCurrentOptions.Diameter != 0 ? kEndMarksAtBothEnds : kEndMarkAtFirstEnd},
            {kLine, &d.CircleParts[1]},
            {kLine, &d.CircleParts[0]},
            {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingCircle);
    s.Marker(d.CircleParts[0], format::CircleMarker);
    s.Marker(d.CircleParts[1], format::CircleMarker);
    s.Marker(d.CircleParts[0], format::RefreshMarker);
    return s.Result();
}

ASErr BuildLocalRadiusArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kEndMarkAtFirstEnd}, {kLine, &d.AuxLine}, {kLabel, &d.LabelFrames[0]}},
           &ToolState::EditingBezier);
    return s.Result();
}

ASErr BuildLocalTangentArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    s.Make({{kLine, &d.DimensionLines[0]}, {kLine, &d.AuxLine}}, &ToolState::EditingBezier);
    return s.Result();
}

ASErr BuildReticleArt() {
    AIArtHandle(&lines)[kSeriesCapacity] = gCurrentDimension.DimensionLines;
    Skeleton s;
    static_assert(kReticlePathCount == 6, "the reticle's parts are listed one by one");
    s.Make({{kExtension, &lines[5]},
            {kExtension, &lines[4]},
            {kExtension, &lines[3]},
            {kExtension, &lines[2]},
            {kExtension, &lines[1]},
            {kExtension, &lines[0]}},
           &ToolState::EditingBezier);
    return s.Result();
}

ASErr TagSeriesArt() {
    CurrentDimension& d = gCurrentDimension;
    Skeleton s;
    if (!s.Start()) return s.Result();
    const size_t count = SeriesDimensionCount(gToolState.ClickCount);
    for (size_t i = count; i-- > 0;) {
        s.Make(SkeletonPart{kEndMarksAtBothEnds, nullptr, i});
        s.Make(SkeletonPart{kLine, &d.DimensionLineHalves[i]});
        s.Make(SkeletonPart{kLine, &d.DimensionLines[i]});
    }
    for (size_t i = count; i-- > 0;) s.Make(SkeletonPart{kLabel, &d.LabelFrames[i]});
    gToolState.EditingSegment = 1;
    return s.Result();
}

ASErr NewSeriesExtensionLine(AIArtHandle* line) {
    ASErr result = NewDimensionPart(kPathArt, &gPathStyles.DimensionLineStyle, line);
    if (line != nullptr && *line != nullptr)
        KeepError(result, sAIArt->ReorderArt(*line, kPlaceInsideOnBottom, gCurrentDimension.DimensionGroup));
    return result;
}

ASErr StartDivisionTickList() {
    Skeleton s;
    s.Make({}, &ToolState::EditingBezier);
    return s.Result();
}

ASErr PushDivisionMark() {
    auto* mark = new (std::nothrow) DivisionMark;
    if (mark == nullptr) return kOutOfMemoryErr;
    const ASErr error = NewDimensionPart(kPathArt, &gPathStyles.DimensionLineStyle, &mark->Path);
    if (mark->Path == nullptr) {
        delete mark;
        return error;
    }
    mark->Next = gDivisionMarks.Head;
    gDivisionMarks.Head = mark;
    return error;
}

void DropDivisionMark() {
    DivisionMark* head = gDivisionMarks.Head;
    if (head == nullptr) return;
    DisposeArtIfValid(&head->Path);
    gDivisionMarks.Head = head->Next;
    delete head;
}

void ForgetDivisionMarks() {
    while (DivisionMark* head = gDivisionMarks.Head) {
        gDivisionMarks.Head = head->Next;
        delete head;
    }
}

size_t DivisionMarkCount() {
    size_t count = 0;
    for (const DivisionMark* mark = gDivisionMarks.Head; mark != nullptr; mark = mark->Next) ++count;
    return count;
}
