// The AI Art Set Suite over the stand-in document.
#include <algorithm>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

using Members = ArtSetMembers;

ASErr NewArtSet(AIArtSet* artSet) {
    if (artSet == nullptr) {
        return kBadParameterErr;
    }
    *artSet = TheDocument().NewArtSet();
    return kNoErr;
}

ASErr DisposeArtSet(AIArtSet* artSet) {
    if (artSet == nullptr) {
        return kBadParameterErr;
    }
    const ASErr error = TheDocument().DisposeArtSet(*artSet);
    if (error == kNoErr) {
        *artSet = nullptr;
    }
    return error;
}

ASErr CountArtSet(AIArtSet artSet, int32_t* count) {
    Members* members = nullptr;
    if (const ASErr error = TheDocument().FindArtSet(artSet, &members); error != kNoErr || count == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    *count = static_cast<int32_t>(members->order.size());
    return kNoErr;
}

ASErr IndexArtSet(AIArtSet artSet, int32_t index, AIArtHandle* art) {
    Members* members = nullptr;
    if (const ASErr error = TheDocument().FindArtSet(artSet, &members); error != kNoErr || art == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    if (index < 0 || static_cast<size_t>(index) >= members->order.size()) {
        *art = nullptr;
        return kIndexOutOfRangeErr;
    }
    *art = members->order[static_cast<size_t>(index)];
    return kNoErr;
}

ASErr AddArtToArtSet(AIArtSet artSet, AIArtHandle art) {
    Members* members = nullptr;
    if (const ASErr error = TheDocument().FindArtSet(artSet, &members); error != kNoErr) {
        return error;
    }
    ArtNode* node = nullptr;
    if (const ASErr error = TheDocument().FindNode(art, &node); error != kNoErr) {
        return error;
    }
    if (members->held.insert(art).second) {
        members->order.push_back(art);
    }
    return kNoErr;
}

ASErr RemoveArtFromArtSet(AIArtSet artSet, AIArtHandle art) {
    Members* members = nullptr;
    if (const ASErr error = TheDocument().FindArtSet(artSet, &members); error != kNoErr || art == nullptr) {
        return error != kNoErr ? error : kBadParameterErr;
    }
    if (members->held.erase(art) == 1) {
        members->order.erase(std::find(members->order.begin(), members->order.end(), art));
    }
    return kNoErr;
}

ASErr ClearArtSet(AIArtSet artSet) {
    Members* members = nullptr;
    if (const ASErr error = TheDocument().FindArtSet(artSet, &members); error != kNoErr) {
        return error;
    }
    members->order.clear();
    members->held.clear();
    return kNoErr;
}

} // namespace

const AIArtSetSuite& ArtSetSuiteTable() {
    static const AIArtSetSuite table{
        .NewArtSet = NewArtSet,
        .DisposeArtSet = DisposeArtSet,
        .CountArtSet = CountArtSet,
        .IndexArtSet = IndexArtSet,
        .AddArtToArtSet = AddArtToArtSet,
        .RemoveArtFromArtSet = RemoveArtFromArtSet,
        .ClearArtSet = ClearArtSet,
    };
    return table;
}

} // namespace sim
