// The selection of the dimension's parts and the remembered dimension lines.
#include "tools/DimensionParts.h"

#include <new>

#include "dimension/CurrentDimension.h"
#include "frame/SuiteTable.h"
#include "host/ArtSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/Platform.h"
#include "tools/RememberedSegments.h"

namespace {

constexpr uint32_t kOutOfMemoryBeep = 9001;
constexpr uint32_t kOutOfMemoryBeepDuration = 100;

// Selects one child of the group when it is a path or a text frame not both locked and hidden.
ASErr SelectPart(AIArtHandle child) {
    int16_t type = kUnknownArt;
    ASErr error = sAIArt->GetArtType(child, &type);
    if (error != kNoErr || (type != kPathArt && type != kTextFrameArt)) return error;
    int32_t attr = 0;
    error = sAIArt->GetArtUserAttr(child, kArtLocked | kArtHidden, &attr);
    if (error != kNoErr) return error;
    if (attr == (kArtLocked | kArtHidden)) return kNoErr;
    return sAIArt->SetArtUserAttr(child, kArtFullySelected, kArtFullySelected);
}

bool SamePoint(const AIRealPoint& a, float x, float y) { return a.h == x && a.v == y; }

// True when the node holds these two ends, in either order.
bool Holds(const RememberedSegment& node, const AIRealPoint& first, const AIRealPoint& second) {
    const bool firstEnd = SamePoint(first, node.X1, node.Y1) || SamePoint(second, node.X1, node.Y1);
    const bool secondEnd = SamePoint(first, node.X2, node.Y2) || SamePoint(second, node.X2, node.Y2);
    return firstEnd && secondEnd;
}

void Store(RememberedSegment& node, const AIRealPoint& first, const AIRealPoint& second) {
    node.X1 = first.h;
    node.Y1 = first.v;
    node.X2 = second.h;
    node.Y2 = second.v;
}

// A full list: every node takes the ends of the one before it, the oldest ends are dropped.
void ShiftTowardsTail(RememberedSegment* head) {
    RememberedSegment carried = *head;
    for (RememberedSegment* node = head->Next; node != nullptr; node = node->Next) {
        const RememberedSegment own = *node;
        node->X1 = carried.X1;
        node->Y1 = carried.Y1;
        node->X2 = carried.X2;
        node->Y2 = carried.Y2;
        carried = own;
    }
}

}  // namespace

ASErr SelectDimensionParts() {
    ASErr result = sAIMatchingArt->DeselectAll();
    int16_t type = kUnknownArt;
    if (sAIArt->GetArtType(gCurrentDimension.DimensionGroup, &type) != kNoErr || type != kGroupArt) return result;
    AIArtHandle child = nullptr;
    KeepError(result, sAIArt->GetArtFirstChild(gCurrentDimension.DimensionGroup, &child));
    while (child != nullptr) {
        KeepError(result, SelectPart(child));
        AIArtHandle next = nullptr;
        KeepError(result, sAIArt->GetArtSibling(child, &next));
        child = next;
    }
    return result;
}

void RememberSegment(const AIRealPoint& first, const AIRealPoint& second) {
    int32_t ends = 0;
    for (const RememberedSegment* node = gRememberedSegments.Head; node != nullptr; node = node->Next) {
        if (Holds(*node, first, second)) return;
        ends += 2;
    }
    if (ends >= 2 * RememberedSegmentLimit()) {
        ShiftTowardsTail(gRememberedSegments.Head);
        Store(*gRememberedSegments.Head, first, second);
        return;
    }
    auto* node = new (std::nothrow) RememberedSegment;
    if (node == nullptr) {
        Beep(kOutOfMemoryBeep, kOutOfMemoryBeepDuration);
        return;
    }
    Store(*node, first, second);
    node->Next = gRememberedSegments.Head;
    gRememberedSegments.Head = node;
}
