// The stand-in text engine's ranges and stories.
#include <cstring>

#include "simhost/ServicesInternal.h"
#include "simhost/TextInternal.h"

namespace sim {

namespace {

using text::CharFeatures;
using text::CharStyle;
using text::ParaFeatures;
using text::Range;

// The range and its frame for an operation whose result goes to `out`: a null `out` is a bad parameter.
ASErr FindFor(TextRangeRef range, const void* out, Range** r, ArtNode** node) {
    return out == nullptr ? kBadParameterErr : text::FindRange(range, r, node);
}

ASErr ReleaseRange(TextRangeRef range) { return text::Ranges().Remove(range); }

ASErr CloneRange(TextRangeRef range, TextRangeRef* copy) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = FindFor(range, copy, &r, &node); error != kNoErr) return error;
    *copy = text::Ranges().Add(*r);
    return kNoErr;
}

ASErr GetRange(TextRangeRef range, int32_t* start, int32_t* end) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (start == nullptr || end == nullptr) return kBadParameterErr;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    *start = r->start;
    *end = r->end;
    return kNoErr;
}

ASErr SetRange(TextRangeRef range, int32_t start, int32_t end) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    const std::string& contents = node->text.contents;
    if (start < 0 || end < start || static_cast<size_t>(end) > contents.size() ||
        !text::IsCharacterBoundary(contents, static_cast<size_t>(start)) ||
        !text::IsCharacterBoundary(contents, static_cast<size_t>(end))) {
        return kBadParameterErr;
    }
    r->start = start;
    r->end = end;
    return kNoErr;
}

ASErr GetSize(TextRangeRef range, int32_t* size) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = FindFor(range, size, &r, &node); error != kNoErr) return error;
    *size = r->end - r->start;
    return kNoErr;
}

ASErr GetContents(TextRangeRef range, char* buffer, size_t size, size_t* length) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (buffer == nullptr || size == 0) return kBadParameterErr;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    const std::string part = node->text.contents.substr(static_cast<size_t>(r->start),
                                                        static_cast<size_t>(r->end - r->start));
    CopyBounded(part.c_str(), buffer, size);
    if (length != nullptr) *length = part.size();
    return kNoErr;
}

// True when every byte of text is part of a whole UTF-8 character.
bool IsWholeUtf8(const char* text) {
    const size_t n = std::strlen(text);
    size_t i = 0;
    while (i < n) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 1;
        if (lead >= 0xF8) return false;
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        else if (lead >= 0x80) return false;
        if (i + length > n) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

ASErr InsertAfter(TextRangeRef range, const char* inserted) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (inserted == nullptr || !IsWholeUtf8(inserted)) return kBadParameterErr;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    std::vector<CharStyle> styles = text::Expand(*node);
    const auto at = static_cast<size_t>(r->end);
    const CharStyle style =
        at > 0 ? styles[at - 1] : (styles.empty() ? text::InsertionStyle(*node) : styles.front());
    const size_t count = std::strlen(inserted);
    node->text.contents.insert(at, inserted);
    styles.insert(styles.begin() + static_cast<std::ptrdiff_t>(at), count, style);
    text::Compress(*node, styles);
    r->end += static_cast<int32_t>(count);
    return kNoErr;
}

ASErr Remove(TextRangeRef range) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    std::vector<CharStyle> styles = text::Expand(*node);
    const auto start = static_cast<size_t>(r->start), count = static_cast<size_t>(r->end - r->start);
    node->text.contents.erase(start, count);
    styles.erase(styles.begin() + static_cast<std::ptrdiff_t>(start),
                 styles.begin() + static_cast<std::ptrdiff_t>(start + count));
    text::Compress(*node, styles);
    r->end = r->start;
    return kNoErr;
}

// The styles a range covers: its characters, or for an empty range the character before it (the first one at
// the start, the insertion style of an empty text).
std::vector<CharStyle> CoveredStyles(const Range& r, const ArtNode& node) {
    const std::vector<CharStyle> styles = text::Expand(node);
    if (r.end > r.start) {
        return std::vector<CharStyle>(styles.begin() + r.start, styles.begin() + r.end);
    }
    if (styles.empty()) return {text::InsertionStyle(node)};
    return {styles[r.start > 0 ? static_cast<size_t>(r.start) - 1 : 0]};
}

ASErr GetCharFeatures(TextRangeRef range, CharFeaturesRef* features) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = FindFor(range, features, &r, &node); error != kNoErr) return error;
    const std::vector<CharStyle> covered = CoveredStyles(*r, *node);
    const CharStyle& first = covered.front();
    CharFeatures shared{first.font, first.size, first.fill, first.shift};
    for (const CharStyle& s : covered) {
        if (s.font != first.font) shared.font.reset();
        if (s.size != first.size) shared.size.reset();
        if (!text::SameColour(s.fill, first.fill)) shared.fill.reset();
        if (s.shift != first.shift) shared.shift.reset();
    }
    *features = text::CharFeatureSets().Add(shared);
    return kNoErr;
}

void ApplyFeatures(const CharFeatures& f, CharStyle& style) {
    if (f.font) style.font = *f.font;
    if (f.size) style.size = *f.size;
    if (f.fill) style.fill = *f.fill;
    if (f.shift) style.shift = *f.shift;
}

ASErr SetLocalCharFeatures(TextRangeRef range, CharFeaturesRef features) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    CharFeatures* f = nullptr;
    if (const ASErr error = text::CharFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    if (node->text.contents.empty()) {
        CharStyle style = text::InsertionStyle(*node);
        ApplyFeatures(*f, style);
        text::SetInsertionStyle(*node, style);
        return kNoErr;
    }
    std::vector<CharStyle> styles = text::Expand(*node);
    for (int32_t i = r->start; i < r->end; ++i) ApplyFeatures(*f, styles[static_cast<size_t>(i)]);
    text::Compress(*node, styles);
    return kNoErr;
}

ASErr GetParaFeatures(TextRangeRef range, ParaFeaturesRef* features) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = FindFor(range, features, &r, &node); error != kNoErr) return error;
    *features = text::ParaFeatureSets().Add(ParaFeatures{node->text.justification});
    return kNoErr;
}

ASErr SetLocalParaFeatures(TextRangeRef range, ParaFeaturesRef features) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    ParaFeatures* f = nullptr;
    if (const ASErr error = text::ParaFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (const ASErr error = text::FindRange(range, &r, &node); error != kNoErr) return error;
    if (f->justification) node->text.justification = *f->justification;
    return kNoErr;
}

ASErr GetStory(TextRangeRef range, StoryRef* story) {
    Range* r = nullptr;
    ArtNode* node = nullptr;
    if (const ASErr error = FindFor(range, story, &r, &node); error != kNoErr) return error;
    *story = text::Stories().Add(r->frame);
    return kNoErr;
}

ASErr ReleaseStory(StoryRef story) { return text::Stories().Remove(story); }

ASErr StoryFrame(StoryRef story, ArtNode** node, AIArtHandle* frame) {
    AIArtHandle* held = nullptr;
    if (const ASErr error = text::Stories().Find(story, &held); error != kNoErr) return error;
    *frame = *held;
    return text::FindFrame(*held, node);
}

ASErr GetStoryTextRange(StoryRef story, TextRangeRef* range) {
    ArtNode* node = nullptr;
    AIArtHandle frame = nullptr;
    if (range == nullptr) return kBadParameterErr;
    if (const ASErr error = StoryFrame(story, &node, &frame); error != kNoErr) return error;
    *range = text::Ranges().Add(Range{frame, 0, static_cast<int32_t>(node->text.contents.size())});
    return kNoErr;
}

ASErr GetStorySize(StoryRef story, int32_t* size) {
    ArtNode* node = nullptr;
    AIArtHandle frame = nullptr;
    if (size == nullptr) return kBadParameterErr;
    if (const ASErr error = StoryFrame(story, &node, &frame); error != kNoErr) return error;
    *size = static_cast<int32_t>(node->text.contents.size());
    return kNoErr;
}

}  // namespace

const ATETextRangeSuite& TextRangeSuiteTable() {
    static const ATETextRangeSuite suite = {
        ReleaseRange, CloneRange, GetRange, SetRange, GetSize, GetContents, InsertAfter, Remove,
        GetCharFeatures, SetLocalCharFeatures, GetParaFeatures, SetLocalParaFeatures, GetStory,
    };
    return suite;
}

const ATEStorySuite& StorySuiteTable() {
    static const ATEStorySuite suite = {ReleaseStory, GetStoryTextRange, GetStorySize};
    return suite;
}

}  // namespace sim
