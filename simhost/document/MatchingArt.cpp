// The AI Matching Art Suite over the stand-in document.
#include <cstring>

#include "simhost/document/Internal.h"

namespace sim {

namespace {

bool Matches(const ArtNode& node, const AIMatchingArtSpec& wanted) {
    const bool kind = wanted.type == kAnyArt || wanted.type == node.type;
    return kind && ((node.userAttr ^ wanted.attr) & wanted.whichAttr) == 0;
}

// Hands the matching art out in a new memory block; no block when nothing matches.
ASErr Collect(const AIMatchingArtSpec* specs, int16_t numSpecs, AIMdMemoryHandle* matches,
              int32_t* numMatches) {
    if (specs == nullptr || numSpecs <= 0 || matches == nullptr || numMatches == nullptr) {
        return kBadParameterErr;
    }
    Document& document = TheDocument();
    std::vector<AIArtHandle> found;
    for (AIArtHandle art : document.AllArt()) {
        const ArtNode& node = *document.Art(art);
        for (int16_t i = 0; i < numSpecs; ++i) {
            if (Matches(node, specs[i])) {
                found.push_back(art);
                break;
            }
        }
    }
    *numMatches = static_cast<int32_t>(found.size());
    *matches = nullptr;
    if (found.empty()) {
        return kNoErr;
    }
    *matches = document.NewMemory(found.size() * sizeof(AIArtHandle));
    std::vector<unsigned char>* block = nullptr;
    document.FindMemory(*matches, &block);
    std::memcpy(block->data(), found.data(), block->size());
    return kNoErr;
}

ASErr GetMatchingArt(const AIMatchingArtSpec* specs, int16_t numSpecs, AIMdMemoryHandle* matches,
                     int32_t* numMatches) {
    return Collect(specs, numSpecs, matches, numMatches);
}

ASErr GetSelectedArt(AIMdMemoryHandle* matches, int32_t* numMatches) {
    const AIMatchingArtSpec selected{kAnyArt, kArtSelected, kArtSelected};
    return Collect(&selected, 1, matches, numMatches);
}

ASErr IsSomeArtSelected(AIBoolean* selected) {
    if (selected == nullptr) {
        return kBadParameterErr;
    }
    Document& document = TheDocument();
    *selected = 0;
    for (AIArtHandle art : document.AllArt()) {
        if (document.Art(art)->userAttr & kArtSelected) {
            *selected = 1;
        }
    }
    return kNoErr;
}

ASErr DeselectAll() {
    TheDocument().DeselectAll();
    return kNoErr;
}

} // namespace

const AIMatchingArtSuite& MatchingArtSuiteTable() {
    static const AIMatchingArtSuite table{
        .GetMatchingArt = GetMatchingArt,
        .GetSelectedArt = GetSelectedArt,
        .IsSomeArtSelected = IsSomeArtSelected,
        .DeselectAll = DeselectAll,
    };
    return table;
}

} // namespace sim
