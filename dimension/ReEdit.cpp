#include "dimension/ReEdit.h"

#include <algorithm>
#include <cstdint>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ArtSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathSuite.h"
#include "host/TagSuite.h"

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

bool HasTag(AIArtHandle art, const char* key) {
    const char* type = nullptr;
    return sAITag->GetTagType(art, key, &type) == kNoErr;
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

AIArtHandle FindLinkedPath(const char* key, int32_t id) {
    for (AIArtHandle path : DocumentPaths()) {
        int32_t pathId = 0;
        if (!HasTag(path, format::Vek) && ReadLinkId(path, key, &pathId) && pathId == id) return path;
    }
    return nullptr;
}

bool FindLinkedAnchor(AIArtHandle part, const char* key, size_t which, LinkedAnchor* anchor) {
    int32_t id = 0;
    LinkedAnchor found;
    if (anchor == nullptr || !ReadLinkId(part, key, &id) || !ReadLinkIndex(part, which, &found.Index)) return false;
    found.Path = FindLinkedPath(key, id);
    if (found.Path == nullptr || !ReadAnchor(found.Path, found.Index, &found.Anchor)) return false;
    *anchor = found;
    return true;
}

bool FindLinearAnchors(AIArtHandle part, LinearAnchors* anchors) {
    if (anchors == nullptr) return false;
    LinearAnchors found;
    found.OnSegment = HasTag(part, format::OnSegmentLink);
    const char* firstKey = found.OnSegment ? format::OnSegmentLink : format::FirstPointLink;
    const char* secondKey = found.OnSegment ? format::OnSegmentLink : format::SecondPointLink;
    if (!FindLinkedAnchor(part, firstKey, 0, &found.First) || !FindLinkedAnchor(part, secondKey, 1, &found.Second)) {
        return false;
    }
    *anchors = found;
    return true;
}

bool FindAngleAnchors(AIArtHandle part, AngleAnchors* anchors) {
    AngleAnchors found;
    if (anchors == nullptr || !FindLinkedAnchor(part, format::AngleLink, 0, &found.Previous) ||
        !FindLinkedAnchor(part, format::AngleLink, 1, &found.Vertex) ||
        !FindLinkedAnchor(part, format::AngleLink, 2, &found.Next)) {
        return false;
    }
    *anchors = found;
    return true;
}

bool FindCircleAnchors(AIArtHandle part, CircleAnchors* anchors) {
    CircleAnchors found;
    if (anchors == nullptr || !FindLinkedAnchor(part, format::CircleLink, 0, &found.First) ||
        !FindLinkedAnchor(part, format::CircleLink, 1, &found.Second)) {
        return false;
    }
    *anchors = found;
    return true;
}

std::vector<AIArtHandle> LinearDimensionsToUpdate() {
    std::vector<AIArtHandle> lines;
    for (AIArtHandle path : DocumentPaths()) {
        if (HasTag(path, format::RefreshMarker) &&
            (HasTag(path, format::OnSegmentLink) || HasTag(path, format::FirstPointLink))) {
            lines.push_back(path);
        }
    }
    return lines;
}

std::vector<AIArtHandle> AngleDimensionsToUpdate() {
    std::vector<AIArtHandle> arcs;
    std::vector<AIArtHandle> groups;
    for (AIArtHandle path : DocumentPaths()) {
        if (!HasTag(path, format::AngleLink) || !HasTag(path, format::AngleMarker)) continue;
        const AIArtHandle group = GroupOf(path);
        if (std::find(groups.begin(), groups.end(), group) != groups.end()) continue;
        groups.push_back(group);
        arcs.push_back(path);
    }
    return arcs;
}

void AlertMeasuredPathNotFound() { sADMBasic->MessageAlert(kMeasuredPathNotFoundAlert); }
