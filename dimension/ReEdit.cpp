#include "dimension/ReEdit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <unordered_set>

#include "dimension/AngleBuilders.h"
#include "dimension/CircleBuilder.h"
#include "dimension/CurrentDimension.h"
#include "dimension/Definitions.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Placement.h"
#include "dimension/Redraw.h"
#include "dimension/LinearDimensions.h"
#include "dimension/Links.h"
#include "dimension/LiveValueSwap.h"
#include "dimension/Skeletons.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ArtSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathSuite.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

namespace format = DimensionArtFormat;

// The largest anchor index a 16-bit index holds.
constexpr int32_t kLargestAnchorIndex = INT16_MAX;

// Every path of the document, from the top layer down, each group's paths top first.
std::vector<AIArtHandle> DocumentPaths() {
    const AIMatchingArtSpec paths{kPathArt, 0, 0};
    AIMdMemoryHandle matches = nullptr;
    int32_t count = 0;
    std::vector<AIArtHandle> found;
    if (sAIMatchingArt->GetMatchingArt(&paths, 1, &matches, &count) != kNoErr || matches == nullptr) return found;
    void* block = nullptr;
    if (sAIMdMemory->MdMemoryDeref(matches, &block) == kNoErr && block != nullptr) {
        const auto* art = static_cast<const AIArtHandle*>(block);
        found.assign(art, art + std::max(count, int32_t{0}));
    }
    sAIMdMemory->MdMemoryDisposeHandle(matches);
    return found;
}

// The record of anchor `index` of the path; false when the path has no such anchor.
bool ReadAnchor(AIArtHandle path, int16_t index, AIPathSegment* anchor) {
    int16_t count = 0;
    if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || index < 0 || index >= count) return false;
    return sAIPath->GetPathSegments(path, index, 1, anchor) == kNoErr;
}

// The parent group of each part, to count a dimension of several marked parts once.
AIArtHandle GroupOf(AIArtHandle part) {
    AIArtHandle parent = nullptr;
    return sAIArt->GetArtParent(part, &parent) == kNoErr ? parent : nullptr;
}

// Anchor `index` of the first path of `group` that carries `marker` and not `unless` (when given); false when
// there is none. A dimension made before its placement was kept gives it back from its own parts so.
bool MarkedPartAnchor(AIArtHandle group, const char* marker, const char* unless, int16_t index, AIRealPoint* p) {
    AIArtHandle child = nullptr;
    if (!IsLiveArt(group) || sAIArt->GetArtFirstChild(group, &child) != kNoErr) return false;
    while (child != nullptr) {
        AIPathSegment anchor;
        if (ArtHasTag(child, marker) && (unless == nullptr || !ArtHasTag(child, unless)) && ReadAnchor(child, index, &anchor)) {
            *p = anchor.p;
            return true;
        }
        AIArtHandle next = nullptr;
        if (sAIArt->GetArtSibling(child, &next) != kNoErr) return false;
        child = next;
    }
    return false;
}

}  // namespace

bool ReadLinkIndex(AIArtHandle part, size_t which, int16_t* index) {
    int32_t value = 0;
    if (index == nullptr || which >= format::AnchorIndexKeyCount ||
        !ReadLinkId(part, format::AnchorIndexKeys[which], &value) || value > kLargestAnchorIndex) {
        return false;
    }
    *index = static_cast<int16_t>(value);
    return true;
}

namespace {

// The place of a link key in kDimensionLinkKeys; -1 for another key.
int LinkKeyIndex(const char* key) {
    for (size_t k = 0; k < std::size(kDimensionLinkKeys); ++k) {
        if (key != nullptr && std::strcmp(key, kDimensionLinkKeys[k]) == 0) return static_cast<int>(k);
    }
    return -1;
}

// The path is a measured path linked by `key` = id: it carries that link and no `vek`.
bool CarriesLink(AIArtHandle path, const char* key, int32_t id) {
    int32_t pathId = 0;
    return !ArtHasTag(path, format::Vek) && ReadLinkId(path, key, &pathId) && pathId == id;
}

AIArtHandle WalkForLinkedPath(const char* key, int32_t id) {
    for (AIArtHandle path : DocumentPaths()) {
        if (CarriesLink(path, key, id)) return path;
    }
    return nullptr;
}

}  // namespace

LinkedPathIndex::LinkedPathIndex() : byKey_(std::size(kDimensionLinkKeys)) {
    for (AIArtHandle path : DocumentPaths()) {
        if (ArtHasTag(path, format::Vek)) continue;
        for (size_t k = 0; k < std::size(kDimensionLinkKeys); ++k) {
            int32_t id = 0;
            if (ReadLinkId(path, kDimensionLinkKeys[k], &id)) byKey_[k][id].push_back(path);
        }
    }
}

AIArtHandle LinkedPathIndex::Find(const char* key, int32_t id) const {
    const int k = LinkKeyIndex(key);
    if (k < 0) return WalkForLinkedPath(key, id);
    const auto& paths = byKey_[static_cast<size_t>(k)];
    const auto found = paths.find(id);
    if (found == paths.end()) return nullptr;
    // A path disposed of since the pass, or whose tags changed, no longer answers.
    for (AIArtHandle path : found->second) {
        if (IsLiveArt(path) && CarriesLink(path, key, id)) return path;
    }
    return nullptr;
}

AIArtHandle FindLinkedPath(const char* key, int32_t id, const LinkedPathIndex* index) {
    return index != nullptr ? index->Find(key, id) : WalkForLinkedPath(key, id);
}

bool FindLinkedAnchor(AIArtHandle part, const char* key, size_t which, LinkedAnchor* anchor,
                      const LinkedPathIndex* index) {
    int32_t id = 0;
    LinkedAnchor found;
    if (anchor == nullptr || !ReadLinkId(part, key, &id) || !ReadLinkIndex(part, which, &found.Index)) return false;
    found.Path = FindLinkedPath(key, id, index);
    if (found.Path == nullptr || !ReadAnchor(found.Path, found.Index, &found.Anchor)) return false;
    *anchor = found;
    return true;
}

bool FindLinearAnchors(AIArtHandle part, LinearAnchors* anchors, const LinkedPathIndex* index) {
    if (anchors == nullptr) return false;
    LinearAnchors found;
    found.OnSegment = ArtHasTag(part, format::OnSegmentLink);
    const char* firstKey = found.OnSegment ? format::OnSegmentLink : format::FirstPointLink;
    const char* secondKey = found.OnSegment ? format::OnSegmentLink : format::SecondPointLink;
    if (!FindLinkedAnchor(part, firstKey, 0, &found.First, index) ||
        !FindLinkedAnchor(part, secondKey, 1, &found.Second, index)) {
        return false;
    }
    *anchors = found;
    return true;
}

bool FindAngleAnchors(AIArtHandle part, AngleAnchors* anchors, const LinkedPathIndex* index) {
    AngleAnchors found;
    if (anchors == nullptr || !FindLinkedAnchor(part, format::AngleLink, 0, &found.Previous, index) ||
        !FindLinkedAnchor(part, format::AngleLink, 1, &found.Vertex, index) ||
        !FindLinkedAnchor(part, format::AngleLink, 2, &found.Next, index)) {
        return false;
    }
    *anchors = found;
    return true;
}

bool FindCircleAnchors(AIArtHandle part, CircleAnchors* anchors, const LinkedPathIndex* index) {
    CircleAnchors found;
    if (anchors == nullptr || !FindLinkedAnchor(part, format::CircleLink, 0, &found.First, index) ||
        !FindLinkedAnchor(part, format::CircleLink, 1, &found.Second, index)) {
        return false;
    }
    *anchors = found;
    return true;
}

std::vector<AIArtHandle> LinearDimensionsToUpdate() {
    std::vector<AIArtHandle> lines;
    for (AIArtHandle path : DocumentPaths()) {
        if (ArtHasTag(path, format::RefreshMarker) &&
            (ArtHasTag(path, format::OnSegmentLink) || ArtHasTag(path, format::FirstPointLink))) {
            lines.push_back(path);
        }
    }
    return lines;
}

std::vector<AIArtHandle> AngleDimensionsToUpdate() {
    std::vector<AIArtHandle> arcs;
    std::unordered_set<AIArtHandle> groups;
    for (AIArtHandle path : DocumentPaths()) {
        if (!ArtHasTag(path, format::AngleLink) || !ArtHasTag(path, format::AngleMarker)) continue;
        if (groups.insert(GroupOf(path)).second) arcs.push_back(path);
    }
    return arcs;
}

void AlertMeasuredPathNotFound() { sADMBasic->MessageAlert(kMeasuredPathNotFoundAlert); }

namespace {

// The direction from the centre to the middle of the arc between the two ends, the arc being the segment that
// joins the two anchors (taken backwards when the first end follows the second on the path).
double ArcMiddleDirection(const CircleAnchors& arc, AIRealPoint centre) {
    const int16_t first = arc.First.Index;
    const int16_t second = arc.Second.Index;
    const bool forward = second == first + 1 || (first != second + 1 && second == 0);
    const AIRealBezier curve = CurveBetween(arc.First.Anchor, arc.Second.Anchor, forward ? 0 : 1);
    return DirectionFrom(centre, BezierPoint(curve, 0.5).ToPoint());
}

}  // namespace

bool ReplaceDimensionGroup(AIArtHandle part) {
    AIArtHandle group = GroupOf(part);
    AIArtHandle layerGroup = nullptr;
    if (!IsLiveArt(group) || sAIArt->GetArtParent(group, &layerGroup) != kNoErr || layerGroup == nullptr) {
        return false;
    }
    AIArtHandle fresh = nullptr;
    if (sAIArt->NewArt(kGroupArt, kPlaceAbove, group, &fresh) != kNoErr || fresh == nullptr) return false;
    // Its name (the kind it was built as) and its placement stay with the dimension; the press that re-opened it
    // keeps its definition afresh from what the rebuild put in force.
    char name[kMaxGroupNameLength] = {};
    AIBoolean isDefault = true;
    if (sAIArt->GetArtName(group, name, sizeof name, &isDefault) == kNoErr && !isDefault)
        sAIArt->SetArtName(fresh, name);
    const DimensionPlacement kept = ReadPlacement(group);
    DisposeArtIfValid(&group);
    gCurrentDimension.DimensionGroup = fresh;
    KeepPlacement(kept);
    return true;
}

RebuildResult RebuildSegmentDimensionOf(AIArtHandle part, const LinkedPathIndex* index) {
    LinearAnchors found;
    if (!FindLinearAnchors(part, &found, index)) return {RebuildOutcome::PathNotFound, kNoErr};
    const AIArtHandle group = GroupOf(part);
    const DimensionPlacement kept = ReadPlacement(group);
    // Its own kind and orientation, put in force: the panel then shows them, and its changes keep them.
    const DimensionKind kind =
        kept.Kind && *kept.Kind <= DimensionKind::SegmentVertical ? *kept.Kind : LinearKindInForce();
    gCurrentOptions.DimensionOrientation = KindOrientation(kind);
    AIRealPoint onLine{};
    const bool lineFound = MarkedPartAnchor(group, format::RefreshMarker, nullptr, 0, &onLine);
    if (!ReplaceDimensionGroup(part)) return {RebuildOutcome::Refused, kNoErr};
    MeasuredPoints& m = gMeasuredPoints;
    m.FirstPoint = found.First.Anchor;
    m.SecondPoint = found.Second.Anchor;
    m.SegmentAngle = static_cast<AIReal>(DirectionFrom(m.FirstPoint.p, m.SecondPoint.p));
    gToolState.ArcLengthMode = 0;
    gToolState.CurveOffsetMode = 0;
    // Its own offset, else the one its line shows, else the stored one: never the one another drag left.
    UseLinearOffset(kept.Offset ? *kept.Offset : lineFound ? LinearOffsetOf(onLine) : gSettings.SideTieLength);
    gHitState.MeasuredArt = found.Second.Path;
    ASErr result = kNoErr;
    {
        const LiveValueSwap notOverCentre(gHitState.HoverFlags.OverCentre, 0);
        result = BuildSegmentDimensionArt();
    }
    if (found.OnSegment) {
        KeepError(result, LinkOnSegment(found.First.Path, found.First.Index, found.Second.Index));
    } else {
        KeepError(result, LinkFirstPoint(found.First.Path, found.First.Index));
        KeepError(result, LinkSecondPoint(found.Second.Path, found.Second.Index));
    }
    KeepError(result, RedrawDimensionAs(kind));
    return {RebuildOutcome::Rebuilt, result};
}

RebuildResult RebuildAngleDimensionOf(AIArtHandle part, const LinkedPathIndex* index) {
    AngleAnchors found;
    if (!FindAngleAnchors(part, &found, index)) return {RebuildOutcome::PathNotFound, kNoErr};
    const AIArtHandle group = GroupOf(part);
    const DimensionPlacement kept = ReadPlacement(group);
    AIRealPoint onArc{};
    const bool arcFound = MarkedPartAnchor(group, format::AngleMarker, nullptr, 0, &onArc);
    if (!ReplaceDimensionGroup(part)) return {RebuildOutcome::Refused, kNoErr};
    MeasuredPoints& m = gMeasuredPoints;
    m.AngleVertex = found.Vertex.Anchor;
    m.AnglePointB = found.Previous.Anchor;
    m.AnglePointA = found.Next.Anchor;
    const AIRealPoint vertex = m.AngleVertex.p;
    m.AngleValue = static_cast<AIReal>(SignedAngle((Vector2(m.AnglePointB.p) - Vector2(vertex)).ToPoint(),
                                                   (Vector2(m.AnglePointA.p) - Vector2(vertex)).ToPoint()));
    // Its own arc, else the one its first arc shows, else the stored radius; its own side, else the salient one.
    const double fromArc = arcFound ? Distance(vertex, onArc) : 0.0;
    gCurrentOptions.ArcRadius = kept.ArcRadius                     ? *kept.ArcRadius
                                : fromArc >= kNegligibleLength ? fromArc
                                                               : gSettings.ArcRadius;
    m.AngleFlip = kept.Reentrant.value_or(false) ? 1 : 0;
    gHitState.MeasuredArt = found.Vertex.Path;
    gToolState.AngleOnArc = 0;
    ASErr result = BuildAngleDimensionArt();
    KeepError(result, LinkAngle(found.Vertex.Path, found.Previous.Index, found.Vertex.Index, found.Next.Index));
    KeepError(result, RedrawDimensionAs(DimensionKind::Angle));
    return {RebuildOutcome::Rebuilt, result};
}

RebuildResult RebuildCircleDimensionOf(AIArtHandle part, const LinkedPathIndex* index) {
    CircleAnchors found;
    AIPathSegment centre;
    AIReal radius = 0.0f;
    if (!FindCircleAnchors(part, &found, index) ||
        !CircleFromChords(found.First.Anchor, found.Second.Anchor, &centre, &radius)) {
        return {RebuildOutcome::PathNotFound, kNoErr};
    }
    const AIArtHandle group = GroupOf(part);
    const DimensionPlacement kept = ReadPlacement(group);
    // Its own radius or diameter, put in force: the panel then shows it, and its changes keep it.
    const DimensionKind kind = kept.Kind && KindTool(*kept.Kind) == kCircleTool ? *kept.Kind
                               : gCurrentOptions.Diameter != 0                 ? DimensionKind::CircleDiameter
                                                                               : DimensionKind::CircleRadius;
    gCurrentOptions.Diameter = kind == DimensionKind::CircleDiameter ? 1 : 0;
    AIRealPoint bend{};
    const bool leaderFound = MarkedPartAnchor(group, format::CircleMarker, format::RefreshMarker, 1, &bend);
    if (!ReplaceDimensionGroup(part)) return {RebuildOutcome::Refused, kNoErr};
    MeasuredPoints& m = gMeasuredPoints;
    m.CircleCentre = centre.p;
    m.CircleRadius = radius;
    gDimensionValues.ArcMiddleAngle = static_cast<AIReal>(ArcMiddleDirection(found, centre.p));
    gHitState.MeasuredArt = found.First.Path;
    // Its own leader bend, else the one its leader shows, else towards the middle of its arc.
    const double reach = radius + gCurrentOptions.EndMarkSize * 0.01 + kCircleLabelClearance;
    AIRealPoint label = PointOnCircle(centre.p, reach, gDimensionValues.ArcMiddleAngle);
    if (kept.LeaderBend)
        label = (Vector2(centre.p) + Vector2(*kept.LeaderBend)).ToPoint();
    else if (leaderFound)
        label = bend;
    // The label point is in force for the panel's changes that follow, as a drag leaves it.
    gToolState.CursorPoint = label;
    gToolState.CircleLabelAngle = static_cast<AIReal>(DirectionFrom(centre.p, label));
    ASErr result = BuildCircleDimensionArt();
    KeepError(result, LinkCircle(found.First.Path, found.First.Index, found.Second.Index));
    KeepError(result, RedrawDimensionAs(kind));
    return {RebuildOutcome::Rebuilt, result};
}

namespace {

// The last host error of a pass, and how the rebuild of its last part ended.
struct RebuildPass {
    ASErr Error = kNoErr;
    RebuildOutcome Last = RebuildOutcome::Rebuilt;
};

RebuildPass RebuildAll(const std::vector<AIArtHandle>& parts, RebuildOne rebuild) {
    bool everyFound = true;
    RebuildPass pass;
    const LinkedPathIndex index;
    for (AIArtHandle part : parts) {
        const RebuildResult rebuilt = rebuild(part, &index);
        if (rebuilt.Outcome == RebuildOutcome::PathNotFound) everyFound = false;
        KeepError(pass.Error, rebuilt.Error);
        pass.Last = rebuilt.Outcome;
    }
    if (!everyFound) AlertMeasuredPathNotFound();
    return pass;
}

// A pass whose last part is the clicked dimension's. When that one's path is not found, no dimension is left
// current: the user pointed at it, so the panel's changes after the click change no other.
ASErr RebuildClickedLast(const std::vector<AIArtHandle>& parts, RebuildOne rebuild) {
    const RebuildPass pass = RebuildAll(parts, rebuild);
    if (pass.Last == RebuildOutcome::PathNotFound) ClearCurrentDimension();
    return pass.Error;
}

// With "Redessiner" on every dimension the list names, after which no click is left in progress; else the
// clicked one.
ASErr ReEditClicked(const AIToolHitData& hit, std::vector<AIArtHandle> (*every)(), RebuildOne rebuild) {
    if (gSettings.RedrawAll == 0) return RebuildClickedLast({hit.object}, rebuild);
    // The clicked dimension is rebuilt last, so that it is the one the panel's changes rebuild after the pass.
    std::vector<AIArtHandle> parts = every();
    const AIArtHandle clicked = GroupOf(hit.object);
    std::stable_partition(parts.begin(), parts.end(), [clicked](AIArtHandle part) { return GroupOf(part) != clicked; });
    const ASErr result = RebuildClickedLast(parts, rebuild);
    gToolState.ClickInProgress = 0;
    return result;
}

}  // namespace

ASErr RebuildEvery(const std::vector<AIArtHandle>& parts, RebuildOne rebuild) {
    return RebuildAll(parts, rebuild).Error;
}

ASErr ReEditSegmentDimension(const AIToolHitData& hit, const AIToolMessage& /*message*/) {
    return ReEditClicked(hit, LinearDimensionsToUpdate, RebuildSegmentDimensionOf);
}

ASErr ReEditAngleDimension(const AIToolHitData& hit, const AIToolMessage& /*message*/) {
    return ReEditClicked(hit, AngleDimensionsToUpdate, RebuildAngleDimensionOf);
}

ASErr RebuildCircleDimension(AIArtHandle* clickedArt) {
    return RebuildClickedLast({clickedArt != nullptr ? *clickedArt : nullptr}, RebuildCircleDimensionOf);
}
