#include "dimension/Links.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArtFormat.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/TagSuite.h"

namespace {

namespace format = DimensionArtFormat;

// Room for a 32-bit decimal number and its terminator.
constexpr size_t kNumberTextSize = 16;

// The decimal text of a number.
struct NumberText {
    char Text[kNumberTextSize] = {};
    explicit NumberText(int32_t value) { std::snprintf(Text, sizeof Text, "%d", static_cast<int>(value)); }
};

// Which parts of the current dimension carry a link.
enum class LinkedKind { Linear, Angle, Circle };

// The live parts of the current dimension that carry a link of that kind.
std::vector<AIArtHandle> LinkedParts(LinkedKind kind) {
    const CurrentDimension& d = gCurrentDimension;
    std::vector<AIArtHandle> parts;
    const auto add = [&parts](AIArtHandle art) {
        if (IsLiveArt(art)) parts.push_back(art);
    };
    switch (kind) {
    case LinkedKind::Angle:
        for (AIArtHandle arc : d.AngleArcs) add(arc);
        break;
    case LinkedKind::Circle:
        for (AIArtHandle part : d.CircleParts) add(part);
        break;
    case LinkedKind::Linear:
        add(d.DimensionLines[0]);
        add(d.DimensionLineHalves[0]);
        break;
    }
    return parts;
}

// Writes the link `key` on the path and the parts, and on the parts the anchor indexes (under the index keys
// from `firstIndexKey` on) and the marker when one is given.
ASErr WriteLink(AIArtHandle path, const char* key, LinkedKind kind, size_t firstIndexKey,
                std::initializer_list<int16_t> indexes, const char* marker) {
    if (path == nullptr) return kBadParameterErr;
    if (!IsLiveArt(path)) return kStaleHandleErr;
    // A dimension's own part is measured like any path, but never linked: its tags are its dimension's.
    if (ArtHasTag(path, format::Vek)) return kNoErr;
    int32_t id = 0;
    if (!ReadLinkId(path, key, &id)) id = NewLinkId(key);
    const NumberText idText(id);
    ASErr result = kNoErr;
    KeepError(result, sAITag->SetTag(path, key, format::TagType, idText.Text));
    for (AIArtHandle part : LinkedParts(kind)) {
        KeepError(result, sAITag->SetTag(part, key, format::TagType, idText.Text));
        if (marker != nullptr) KeepError(result, SetMarker(part, marker));
        size_t k = firstIndexKey;
        for (const int16_t index : indexes) {
            const char* indexKey = format::AnchorIndexKeys[k++];
            KeepError(result, sAITag->SetTag(part, indexKey, format::TagType, NumberText(index).Text));
        }
    }
    CurrentDimension& d = gCurrentDimension;
    d.LinkKey = key;
    d.LinkId = id;
    for (int16_t& kept : d.LinkIndexes) kept = -1;
    size_t k = firstIndexKey;
    for (const int16_t index : indexes) d.LinkIndexes[k++] = index;
    return result;
}

// Calls `visit` with every art of the document.
template <typename Visit>
void ForEveryArt(Visit visit) {
    const AIMatchingArtSpec every{kAnyArt, 0, 0};
    AIMdMemoryHandle matches = nullptr;
    int32_t count = 0;
    if (sAIMatchingArt->GetMatchingArt(&every, 1, &matches, &count) != kNoErr || matches == nullptr) return;
    void* block = nullptr;
    if (sAIMdMemory->MdMemoryDeref(matches, &block) == kNoErr && block != nullptr) {
        const auto* art = static_cast<const AIArtHandle*>(block);
        for (int32_t i = 0; i < count; ++i) visit(art[i]);
    }
    sAIMdMemory->MdMemoryDisposeHandle(matches);
}

}  // namespace

ASErr SetMarker(AIArtHandle art, const char* marker) {
    return sAITag->SetTag(art, marker, format::TagType, format::VekValue);
}

bool ArtHasTag(AIArtHandle art, const char* key) {
    const char* type = nullptr;
    return art != nullptr && sAITag->GetTagType(art, key, &type) == kNoErr && type != nullptr;
}

bool IsEndMark(AIArtHandle art) { return ArtHasTag(art, format::EndMarkMarker); }

bool ReadLinkId(AIArtHandle art, const char* key, int32_t* id) {
    char text[kNumberTextSize] = {};
    if (id == nullptr || sAITag->GetStringTag(art, key, text, sizeof text) != kNoErr) return false;
    if (text[0] < '0' || text[0] > '9') return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (*end != '\0' || errno != 0 || value > INT32_MAX - 1) return false;
    *id = static_cast<int32_t>(value);
    return true;
}

int32_t NewLinkId(const char* key) {
    int32_t largest = 0;
    ForEveryArt([key, &largest](AIArtHandle art) {
        int32_t id = 0;
        if (ReadLinkId(art, key, &id) && id > largest) largest = id;
    });
    return largest + 1;
}

bool UnlinkOrphan(AIArtHandle path, const char* key) {
    int32_t id = 0;
    if (!ReadLinkId(path, key, &id)) return false;
    bool shared = false;
    ForEveryArt([&](AIArtHandle art) {
        int32_t other = 0;
        if (art != path && ReadLinkId(art, key, &other) && other == id) shared = true;
    });
    return !shared && sAITag->DeleteTag(path, key) == kNoErr;
}

void UnlinkOrphans(const std::vector<const char*>& keys) {
    if (keys.empty()) return;
    std::vector<AIArtHandle> linked;
    ForEveryArt([&](AIArtHandle art) {
        if (ArtHasTag(art, format::Vek)) return;  // a dimension's part keeps its links
        int32_t id = 0;
        for (const char* key : keys)
            if (ReadLinkId(art, key, &id)) linked.push_back(art);
    });
    for (AIArtHandle art : linked)
        for (const char* key : keys) UnlinkOrphan(art, key);
}

ASErr LinkFirstPoint(AIArtHandle path, int16_t anchorIndex) {
    return WriteLink(path, format::FirstPointLink, LinkedKind::Linear, 0, {anchorIndex}, nullptr);
}

ASErr LinkSecondPoint(AIArtHandle path, int16_t anchorIndex) {
    return WriteLink(path, format::SecondPointLink, LinkedKind::Linear, 1, {anchorIndex}, nullptr);
}

ASErr LinkOnSegment(AIArtHandle path, int16_t firstIndex, int16_t secondIndex) {
    return WriteLink(path, format::OnSegmentLink, LinkedKind::Linear, 0, {firstIndex, secondIndex}, nullptr);
}

ASErr LinkAngle(AIArtHandle path, int16_t previousIndex, int16_t vertexIndex, int16_t nextIndex) {
    return WriteLink(path, format::AngleLink, LinkedKind::Angle, 0, {previousIndex, vertexIndex, nextIndex},
                     format::AngleMarker);
}

ASErr LinkCircle(AIArtHandle path, int16_t firstIndex, int16_t secondIndex) {
    return WriteLink(path, format::CircleLink, LinkedKind::Circle, 0, {firstIndex, secondIndex}, nullptr);
}
