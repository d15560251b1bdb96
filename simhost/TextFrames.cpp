// The stand-in host's point-text frames.
#include <cmath>

#include "simhost/TextInternal.h"

namespace sim {

namespace {

ASErr NewPointText(int16_t paintOrder, AIArtHandle prep, int16_t orientation, AIRealPoint anchor,
                   AIArtHandle* newTextFrame) {
    if (newTextFrame == nullptr || !std::isfinite(anchor.h) || !std::isfinite(anchor.v)) {
        return kBadParameterErr;
    }
    if (orientation == kVerticalTextOrientation) return kNotImplementedErr;
    if (orientation != kHorizontalTextOrientation) return kBadParameterErr;
    ArtNode* node = nullptr;
    if (const ASErr error = TheDocument().NewArt(kTextFrameArt, paintOrder, prep, &node); error != kNoErr) {
        return error;
    }
    text::StartText(*node);
    node->text.transform.tx = anchor.h;
    node->text.transform.ty = anchor.v;
    *newTextFrame = Document::Handle(node);
    return kNoErr;
}

ASErr GetPointTextAnchor(AIArtHandle textFrame, AIRealPoint* anchor) {
    ArtNode* node = nullptr;
    if (anchor == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *anchor = AIRealPoint{node->text.transform.tx, node->text.transform.ty};
    return kNoErr;
}

ASErr GetTextFrameMatrix(AIArtHandle textFrame, AIRealMatrix* matrix) {
    ArtNode* node = nullptr;
    if (matrix == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *matrix = node->text.transform;
    return kNoErr;
}

// A matrix that places text: finite entries and an inverse.
bool UsableMatrix(const AIRealMatrix& m) {
    for (const AIReal entry : {m.a, m.b, m.c, m.d, m.tx, m.ty}) {
        if (!std::isfinite(entry)) return false;
    }
    return static_cast<double>(m.a) * m.d - static_cast<double>(m.b) * m.c != 0.0;
}

ASErr SetTextFrameMatrix(AIArtHandle textFrame, const AIRealMatrix* matrix) {
    ArtNode* node = nullptr;
    if (matrix == nullptr || !UsableMatrix(*matrix)) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    node->text.transform = *matrix;
    return kNoErr;
}

ASErr GetATETextRange(AIArtHandle textFrame, TextRangeRef* range) {
    ArtNode* node = nullptr;
    if (range == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *range = text::Ranges().Add(text::Range{textFrame, 0, static_cast<int32_t>(node->text.contents.size())});
    return kNoErr;
}

ASErr GetATEStory(AIArtHandle textFrame, StoryRef* story) {
    ArtNode* node = nullptr;
    if (story == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindFrame(textFrame, &node); error != kNoErr) return error;
    *story = text::Stories().Add(textFrame);
    return kNoErr;
}

}  // namespace

const AITextFrameSuite& TextFrameSuiteTable() {
    static const AITextFrameSuite suite = {NewPointText,       GetPointTextAnchor, GetTextFrameMatrix,
                                           SetTextFrameMatrix, GetATETextRange,    GetATEStory};
    return suite;
}

}  // namespace sim
