// The stand-in text engine's model, shared by its source files: character styles, references and run editing.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "simhost/Document.h"
#include "simhost/Text.h"

namespace sim::text {

// Everything that styles one character.
struct CharStyle {
    std::string font;
    AIReal size = kDefaultTextSize;
    AIColor fill;
    AIReal shift = 0.0f;
};
bool SameColour(const AIColor& a, const AIColor& b);
bool SameStyle(const CharStyle& a, const CharStyle& b);

// Character features as the engine hands them out: each feature assigned or not.
struct CharFeatures {
    std::optional<std::string> font;
    std::optional<AIReal> size;
    std::optional<AIColor> fill;
    std::optional<AIReal> shift;
};
struct ParaFeatures {
    std::optional<int32_t> justification;
};
// A range of the text of one frame, in bytes.
struct Range {
    AIArtHandle frame = nullptr;
    int32_t start = 0;
    int32_t end = 0;
};

// A fresh number for a reference; numbers are never reused, not even after a reset.
uintptr_t NextReferenceId();

// The objects behind the references of one kind.
template <class Ref, class Object>
class Registry {
public:
    Ref Add(Object object) {
        const uintptr_t id = NextReferenceId();
        objects_.emplace(id, std::move(object));
        return reinterpret_cast<Ref>(id);
    }
    ASErr Find(Ref ref, Object** object) {
        if (ref == nullptr || object == nullptr) return kBadParameterErr;
        const auto found = objects_.find(reinterpret_cast<uintptr_t>(ref));
        if (found == objects_.end()) return kStaleHandleErr;
        *object = &found->second;
        return kNoErr;
    }
    ASErr Remove(Ref ref) {
        if (ref == nullptr) return kBadParameterErr;
        return objects_.erase(reinterpret_cast<uintptr_t>(ref)) == 1 ? kNoErr : kStaleHandleErr;
    }
    size_t Count() const { return objects_.size(); }
    void Clear() { objects_.clear(); }

private:
    std::map<uintptr_t, Object> objects_;
};

Registry<TextRangeRef, Range>& Ranges();
Registry<CharFeaturesRef, CharFeatures>& CharFeatureSets();
Registry<ParaFeaturesRef, ParaFeatures>& ParaFeatureSets();
Registry<StoryRef, AIArtHandle>& Stories();
Registry<FontRef, int32_t>& Fonts();  // the index of the font in FontList()
Registry<ApplicationPaintRef, AIColor>& Paints();

// The text frame behind a handle: kBadParameterErr for null or art of another kind, kStaleHandleErr for
// disposed art.
ASErr FindFrame(AIArtHandle frame, ArtNode** node);
// The frame of a range, with the range held inside the current text.
ASErr FindRange(TextRangeRef ref, Range** range, ArtNode** node);

// The style of each byte of a frame's text, and the runs rebuilt from such styles (equal neighbours merged;
// the frame's own font, size and fill follow the first character).
std::vector<CharStyle> Expand(const ArtNode& frame);
void Compress(ArtNode& frame, const std::vector<CharStyle>& styles);
// The style text typed into an empty frame gets.
CharStyle InsertionStyle(const ArtNode& frame);
void SetInsertionStyle(ArtNode& frame, const CharStyle& style);
// Starts a new frame's text: empty, in the default style, left justified.
void StartText(ArtNode& frame);

// True when `offset` is the end of the text or the start of a character.
bool IsCharacterBoundary(const std::string& text, size_t offset);
// The index in FontList() of a font name, -1 when none.
int32_t FontIndexOf(const std::string& name);

}  // namespace sim::text
