#include "dimension/Placement.h"

#include <cstdio>
#include <cstdlib>

#include "dimension/CurrentDimension.h"
#include "dimension/DimensionArt.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "frame/CanvasWrites.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/TagSuite.h"
#include "records/CurrentDimension.h"

namespace {

namespace format = DimensionArtFormat;

// Room for the text of one placement tag: two numbers of nine significant digits.
constexpr size_t kMaxPlacementTagLength = 64;

// Nine significant digits give a float back exactly; a double as closely as art coordinates need.
void WriteNumbers(AIArtHandle group, const char* key, double first, const double* second = nullptr) {
    char text[kMaxPlacementTagLength] = {};
    if (second == nullptr)
        std::snprintf(text, sizeof text, "%.9g", first);
    else
        std::snprintf(text, sizeof text, "%.9g %.9g", first, *second);
    sAITag->SetTag(group, key, format::TagType, text);
}

// The numbers of tag `key` (one, or two apart by a blank): false when the tag is absent or holds anything else
// than that many finite numbers an artwork float holds.
bool ReadNumbers(AIArtHandle group, const char* key, double* first, double* second = nullptr) {
    char text[kMaxPlacementTagLength] = {};
    if (sAITag->GetStringTag(group, key, text, sizeof text) != kNoErr) return false;
    char* end = nullptr;
    const double a = std::strtod(text, &end);
    if (end == text || !FitsArtworkFloat(a)) return false;
    double b = 0.0;
    if (second != nullptr) {
        if (*end != ' ') return false;
        char* start = end + 1;
        b = std::strtod(start, &end);
        if (end == start || !FitsArtworkFloat(b)) return false;
    }
    if (*end != '\0') return false;
    *first = a;
    if (second != nullptr) *second = b;
    return true;
}

// A flag tag: "0" or "1"; empty for anything else.
std::optional<bool> ReadFlag(AIArtHandle group, const char* key) {
    char text[2] = {};
    if (sAITag->GetStringTag(group, key, text, sizeof text) != kNoErr || (text[0] != '0' && text[0] != '1'))
        return std::nullopt;
    return text[0] == '1';
}

}  // namespace

DimensionPlacement ReadPlacement(AIArtHandle group) {
    DimensionPlacement kept;
    if (!IsLiveArt(group)) return kept;
    char name[kMaxGroupNameLength] = {};
    AIBoolean isDefault = true;
    DimensionKind kind{};
    if (sAIArt->GetArtName(group, name, sizeof name, &isDefault) == kNoErr && !isDefault && KindNamed(name, &kind))
        kept.Kind = kind;
    double a = 0.0, b = 0.0;
    if (ReadNumbers(group, format::OffsetKey, &a)) kept.Offset = a;
    if (const std::optional<bool> end = ReadFlag(group, format::OutsideEndKey)) kept.OutsideEnd = *end ? 1 : 0;
    // An arc is its radius and its side together, or nothing.
    const std::optional<bool> reentrant = ReadFlag(group, format::ReentrantKey);
    if (ReadNumbers(group, format::ArcRadiusKey, &a) && a >= kNegligibleLength && reentrant) {
        kept.ArcRadius = a;
        kept.Reentrant = reentrant;
    }
    if (ReadNumbers(group, format::LeaderBendKey, &a, &b))
        kept.LeaderBend = AIRealPoint{static_cast<AIReal>(a), static_cast<AIReal>(b)};
    if (ReadNumbers(group, format::TickLengthKey, &a) && a >= 0.0) kept.TickLength = a;
    return kept;
}

void KeepPlacement(const DimensionPlacement& placement) {
    const AIArtHandle group = gCurrentDimension.DimensionGroup;
    if (!IsLiveArt(group)) return;
    if (placement.Offset && FitsArtworkFloat(*placement.Offset))
        WriteNumbers(group, format::OffsetKey, *placement.Offset);
    if (placement.OutsideEnd) {
        const int8_t end = *placement.OutsideEnd;
        if (end == 0 || end == 1)
            sAITag->SetTag(group, format::OutsideEndKey, format::TagType, end == 0 ? "0" : "1");
        else
            sAITag->DeleteTag(group, format::OutsideEndKey);
    }
    if (placement.ArcRadius && FitsArtworkFloat(*placement.ArcRadius))
        WriteNumbers(group, format::ArcRadiusKey, *placement.ArcRadius);
    if (placement.Reentrant)
        sAITag->SetTag(group, format::ReentrantKey, format::TagType, *placement.Reentrant ? "1" : "0");
    if (placement.LeaderBend && FitsArtworkFloat(placement.LeaderBend->h) && FitsArtworkFloat(placement.LeaderBend->v)) {
        const double v = placement.LeaderBend->v;
        WriteNumbers(group, format::LeaderBendKey, placement.LeaderBend->h, &v);
    }
    if (placement.TickLength && FitsArtworkFloat(*placement.TickLength))
        WriteNumbers(group, format::TickLengthKey, *placement.TickLength);
}

DimensionPlacement KeptPlacement() { return ReadPlacement(gCurrentDimension.DimensionGroup); }

void KeepOutsideEnd(int8_t end) {
    DimensionPlacement placement;
    placement.OutsideEnd = end;
    KeepPlacement(placement);
}

int8_t KeptOutsideEnd() { return KeptPlacement().OutsideEnd.value_or(-1); }

void KeepAngleArc(AngleArc arc) {
    DimensionPlacement placement;
    placement.ArcRadius = arc.Radius;
    placement.Reentrant = arc.Reentrant;
    KeepPlacement(placement);
}

bool CurrentBuiltKind(DimensionKind* kind) {
    const std::optional<DimensionKind> built = KeptPlacement().Kind;
    if (!built) return false;
    *kind = *built;
    return true;
}
