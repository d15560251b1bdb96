#include "dimension/Skeletons.h"

#include <new>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "frame/ArrowHeads.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/PathStyleSuite.h"
#include "host/PathSuite.h"
#include "host/TagSuite.h"
#include "host/TextFrameSuite.h"
#include "panel/CurrentOptions.h"
#include "tools/HitState.h"
#include "tools/ToolState.h"

DivisionMarkList gDivisionMarks;

namespace {

namespace format = DimensionArtFormat;

// The end marks made at each dimension: 0 and 1 at its two ends, 2 and 3 their second variants.
constexpr size_t kFirstEnd = 0;
constexpr size_t kSecondEnd = 1;
constexpr size_t kFirstEndVariant = 2;
constexpr size_t kSecondEndVariant = 3;

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
    void Line(AIArtHandle& part) {
        const AIPathStyle style = DimensionLinePathStyle();
        Keep(NewDimensionPart(kPathArt, &style, &part));
    }
    void Extension(AIArtHandle& part) { Keep(NewDimensionPart(kPathArt, &gPathStyles.DimensionLineStyle, &part)); }
    void Label(AIArtHandle& part) { Keep(NewDimensionPart(kTextFrameArt, nullptr, &part)); }
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
    void Marker(AIArtHandle part, const char* marker) {
        if (part != nullptr) Keep(sAITag->SetTag(part, marker, format::TagType, format::VekValue));
    }
    ASErr Result() const { return result_; }

private:
    void Keep(ASErr error) { KeepError(result_, error); }
    void EndMark(AIArtHandle& part) {
        const AIPathStyle style = EndMarkPathStyle();
        Keep(NewDimensionPart(kPathArt, &style, &part));
        if (part != nullptr) Keep(sAIPath->SetPathClosed(part, gArrowHeadShape.EndMarkClosed != 0 ? 1 : 0));
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
    ASErr result = sAITag->SetTag(*part, format::Vek, format::TagType, format::VekValue);
    if (style != nullptr && type == kPathArt) {
        if (const ASErr styled = sAIPathStyle->SetPathStyle(*part, style); styled != kNoErr) result = styled;
    }
    return result;
}

AIPathStyle DimensionLinePathStyle() {
    AIPathStyle style = gPathStyles.BasePathStyle;
    style.stroke.width = gPathStyles.DimensionLineStyle.stroke.width;
    return style;
}

AIPathStyle EndMarkPathStyle() {
    const bool filled = gArrowHeadShape.EndMarkClosed != 0 && gArrowHeadShape.Hollow == 0;
    return filled ? gPathStyles.EndMarkStyle : gPathStyles.DimensionLineStyle;
}

bool EndMarksShown() { return gCurrentOptions.EndMarkSize > 0.0; }

bool SecondEndMarksShown() {
    return EndMarksShown() && gCurrentOptions.ArrowHeads == 0 && gCurrentOptions.ArrowPreset == kCustomArrowPreset;
}

ASErr BuildSegmentDimensionArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.Extension(d.ExtensionLines[1]);
    s.Extension(d.ExtensionLines[0]);
    s.EndMarks(0, true);
    s.Line(d.DimensionLineHalves[0]);
    s.Line(d.DimensionLines[0]);
    s.Label(d.LabelFrames[0]);
    if (gHitState.HoverFlags.OverCentre == 0) {
        s.Marker(d.DimensionLines[0], format::SegmentMarker);
        s.Marker(d.DimensionLineHalves[0], format::SegmentMarker);
        s.Marker(d.DimensionLines[0], format::RefreshMarker);
    }
    gToolState.EditingSegment = 1;
    return s.Result();
}

ASErr BuildArcLengthDimensionArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.Extension(d.ExtensionLines[1]);
    s.Extension(d.ExtensionLines[0]);
    s.EndMarks(0, true);
    s.Line(d.AngleArcs[0]);
    s.Label(d.LabelFrames[0]);
    gToolState.EditingSegment = 1;
    return s.Result();
}

ASErr BuildOffsetDimensionArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.Extension(d.ExtensionLines[1]);
    s.Extension(d.ExtensionLines[0]);
    s.EndMarks(0, true);
    s.Line(d.DimensionLines[0]);
    s.Label(d.LabelFrames[0]);
    gToolState.EditingSegment = 1;
    return s.Result();
}

ASErr BuildAngleDimensionArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.EndMarks(0, true);
    s.Line(d.AngleArcs[0]);
    s.Label(d.LabelFrames[0]);
    gToolState.EditingAngle = 1;
    return s.Result();
}

ASErr BuildArcAngleDimensionArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.Extension(d.ExtensionLines[0]);
    s.EndMarks(0, true);
    s.Line(d.AngleArcs[0]);
    s.Label(d.LabelFrames[0]);
    gToolState.EditingAngle = 1;
    return s.Result();
}

ASErr BuildCircleDimensionArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.EndMarks(0, gCurrentOptions.Diameter != 0);
    s.Line(d.CircleParts[1]);
    s.Line(d.CircleParts[0]);
    s.Label(d.LabelFrames[0]);
    s.Marker(d.CircleParts[0], format::CircleMarker);
    s.Marker(d.CircleParts[1], format::CircleMarker);
    s.Marker(d.CircleParts[0], format::RefreshMarker);
    gToolState.EditingCircle = 1;
    return s.Result();
}

ASErr BuildLocalRadiusArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.EndMarks(0, false);
    s.Line(d.AuxLine);
    s.Label(d.LabelFrames[0]);
    gToolState.EditingBezier = 1;
    return s.Result();
}

ASErr BuildLocalTangentArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    s.Line(d.DimensionLines[0]);
    s.Line(d.AuxLine);
    gToolState.EditingBezier = 1;
    return s.Result();
}

ASErr BuildReticleArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    for (size_t i = kReticlePathCount; i-- > 0;) s.Extension(gCurrentDimension.DimensionLines[i]);
    gToolState.EditingBezier = 1;
    return s.Result();
}

ASErr TagSeriesArt() {
    Skeleton s;
    if (!s.Start()) return s.Result();
    CurrentDimension& d = gCurrentDimension;
    const size_t count = SeriesDimensionCount(gToolState.ClickCount);
    for (size_t i = count; i-- > 0;) {
        s.EndMarks(i, true);
        s.Line(d.DimensionLineHalves[i]);
        s.Line(d.DimensionLines[i]);
    }
    for (size_t i = count; i-- > 0;) s.Label(d.LabelFrames[i]);
    gToolState.EditingSegment = 1;
    return s.Result();
}

ASErr StartDivisionTickList() {
    ForgetDivisionMarks();
    Skeleton s;
    if (!s.Start()) return s.Result();
    gToolState.EditingBezier = 1;
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
