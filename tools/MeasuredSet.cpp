#include "tools/MeasuredSet.h"

#include "dimension/CurrentDimension.h"
#include "frame/SuiteTable.h"
#include "host/ArtSetSuite.h"
#include "host/ArtSuite.h"
#include "host/PathSuite.h"
#include "records/ToolState.h"
#include "tools/ClickSequences.h"

namespace {

constexpr int32_t kOutOfReach = kArtLocked | kArtHidden;

int32_t MemberCount() {
    int32_t count = 0;
    if (sAIArtSet->CountArtSet(gToolState.MeasuredSet, &count) != kNoErr || count < 0) return 0;
    return count;
}

}  // namespace

bool InMeasuredSet(AIArtHandle art) {
    if (art == nullptr) return false;
    const int32_t count = MemberCount();
    for (int32_t i = 0; i < count; ++i) {
        AIArtHandle member = nullptr;
        if (sAIArtSet->IndexArtSet(gToolState.MeasuredSet, i, &member) == kNoErr && member == art) return true;
    }
    return false;
}

void RecountMeasuredSet() {
    // A member the user has deleted since is no longer measured.
    for (int32_t i = MemberCount() - 1; i >= 0; --i) {
        AIArtHandle member = nullptr;
        if (sAIArtSet->IndexArtSet(gToolState.MeasuredSet, i, &member) == kNoErr && !IsLiveArt(member))
            sAIArtSet->RemoveArtFromArtSet(gToolState.MeasuredSet, member);
    }
    gToolState.MeasuredCount = static_cast<uint32_t>(MemberCount());
}

bool UserCanSelect(AIArtHandle art) {
    if (!IsLiveArt(art) || !ArtLayerEditable(art)) return false;
    // The art itself, then each group up to the layer's own group.
    for (AIArtHandle at = art; at != nullptr;) {
        int32_t attr = 0;
        if (sAIArt->GetArtUserAttr(at, kOutOfReach, &attr) != kNoErr || (attr & kOutOfReach) != 0) return false;
        AIArtHandle parent = nullptr;
        if (sAIArt->GetArtParent(at, &parent) != kNoErr) break;
        at = parent;
    }
    return true;
}

bool IsGuide(AIArtHandle art) {
    AIBoolean guide = false;
    return sAIPath->GetPathGuide(art, &guide) == kNoErr && guide;
}
