// The stand-in text engine's model: character styles, runs, references and metrics.
#include <algorithm>
#include <cmath>

#include "simhost/TextInternal.h"

namespace sim::text {

namespace {

bool IsLeadByte(unsigned char byte) { return (byte & 0xC0u) != 0x80u; }

}  // namespace

bool SameColour(const AIColor& a, const AIColor& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
    case kGrayColor: return a.g.gray == b.g.gray;
    case kFourColor:
        return a.f.cyan == b.f.cyan && a.f.magenta == b.f.magenta && a.f.yellow == b.f.yellow &&
               a.f.black == b.f.black;
    case kThreeColor: return a.rgb.red == b.rgb.red && a.rgb.green == b.rgb.green && a.rgb.blue == b.rgb.blue;
    case kCustomColor: return a.c.color == b.c.color && a.c.tint == b.c.tint;
    default: return true;
    }
}

bool SameStyle(const CharStyle& a, const CharStyle& b) {
    return a.font == b.font && a.size == b.size && SameColour(a.fill, b.fill) && a.shift == b.shift;
}

uintptr_t NextReferenceId() {
    static uintptr_t next = 0x7000;
    return ++next;
}

Registry<TextRangeRef, Range>& Ranges() {
    static Registry<TextRangeRef, Range> registry;
    return registry;
}
Registry<CharFeaturesRef, CharFeatures>& CharFeatureSets() {
    static Registry<CharFeaturesRef, CharFeatures> registry;
    return registry;
}
Registry<ParaFeaturesRef, ParaFeatures>& ParaFeatureSets() {
    static Registry<ParaFeaturesRef, ParaFeatures> registry;
    return registry;
}
Registry<StoryRef, AIArtHandle>& Stories() {
    static Registry<StoryRef, AIArtHandle> registry;
    return registry;
}
Registry<FontRef, int32_t>& Fonts() {
    static Registry<FontRef, int32_t> registry;
    return registry;
}
Registry<ApplicationPaintRef, AIColor>& Paints() {
    static Registry<ApplicationPaintRef, AIColor> registry;
    return registry;
}

ASErr FindFrame(AIArtHandle frame, ArtNode** node) {
    if (node == nullptr) return kBadParameterErr;
    if (const ASErr error = TheDocument().FindNode(frame, node); error != kNoErr) return error;
    return (*node)->type == kTextFrameArt ? kNoErr : kBadParameterErr;
}

ASErr FindRange(TextRangeRef ref, Range** range, ArtNode** node) {
    if (const ASErr error = Ranges().Find(ref, range); error != kNoErr) return error;
    if (const ASErr error = FindFrame((*range)->frame, node); error != kNoErr) return error;
    // Text removed through another range may have left this one past the end.
    const auto size = static_cast<int32_t>((*node)->text.contents.size());
    (*range)->end = std::min((*range)->end, size);
    (*range)->start = std::min((*range)->start, (*range)->end);
    return kNoErr;
}

std::vector<CharStyle> Expand(const ArtNode& frame) {
    const TextData& text = frame.text;
    std::vector<CharStyle> styles(text.contents.size(), InsertionStyle(frame));
    for (size_t r = 0; r < text.runs.size(); ++r) {
        const TextRun& run = text.runs[r];
        const CharStyle style{run.font, run.size, run.fill, run.baselineShift};
        for (size_t i = run.start; i < run.start + run.length && i < styles.size(); ++i) styles[i] = style;
    }
    return styles;
}

void Compress(ArtNode& frame, const std::vector<CharStyle>& styles) {
    TextData& text = frame.text;
    text.runs.clear();
    for (size_t i = 0; i < styles.size(); ++i) {
        if (!text.runs.empty() && SameStyle(styles[i], styles[i - 1])) {
            ++text.runs.back().length;
            continue;
        }
        text.runs.push_back(TextRun{i, 1, styles[i].font, styles[i].size, styles[i].fill, styles[i].shift});
    }
    if (!styles.empty()) SetInsertionStyle(frame, styles.front());
}

CharStyle InsertionStyle(const ArtNode& frame) {
    return CharStyle{frame.text.font, frame.text.size, frame.text.fill, frame.text.baselineShift};
}

void SetInsertionStyle(ArtNode& frame, const CharStyle& style) {
    frame.text.font = style.font;
    frame.text.size = style.size;
    frame.text.fill = style.fill;
    frame.text.baselineShift = style.shift;
}

void StartText(ArtNode& frame) {
    frame.text = TextData();
    CharStyle style;
    style.font = FontList().front().name;
    style.fill.kind = kGrayColor;
    style.fill.g.gray = 1.0f;
    SetInsertionStyle(frame, style);
}

bool IsCharacterBoundary(const std::string& text, size_t offset) {
    return offset == text.size() ||
           (offset < text.size() && IsLeadByte(static_cast<unsigned char>(text[offset])));
}

int32_t FontIndexOf(const std::string& name) {
    const std::vector<FontInfo>& fonts = FontList();
    for (size_t i = 0; i < fonts.size(); ++i)
        if (fonts[i].name == name) return static_cast<int32_t>(i);
    return -1;
}

}  // namespace sim::text

namespace sim {

namespace {

// The box of a frame's characters in the text's own coordinates, placed by the justification.
AIRealRect LocalTextBox(const ArtNode& frame) {
    const std::vector<text::CharStyle> styles = text::Expand(frame);
    double width = 0.0, bottom = 0.0, top = 0.0;
    bool any = false;
    for (size_t i = 0; i < styles.size(); ++i) {
        if ((static_cast<unsigned char>(frame.text.contents[i]) & 0xC0u) == 0x80u) continue;
        const text::CharStyle& s = styles[i];
        width += static_cast<double>(kCharacterAdvance) * s.size;
        const double low = static_cast<double>(s.shift) - static_cast<double>(kCharacterDescent) * s.size;
        bottom = any ? std::min(bottom, low) : low;
        top = any ? std::max<double>(top, s.shift + s.size) : s.shift + s.size;
        any = true;
    }
    double left = 0.0;
    if (frame.text.justification == kCenterJustify) left = -width / 2.0;
    if (frame.text.justification == kRightJustify) left = -width;
    return AIRealRect{static_cast<AIReal>(left), static_cast<AIReal>(top), static_cast<AIReal>(left + width),
                      static_cast<AIReal>(bottom)};
}

AIRealPoint Apply(const AIRealMatrix& m, AIReal h, AIReal v) {
    const double x = static_cast<double>(m.a) * h + static_cast<double>(m.c) * v + m.tx;
    const double y = static_cast<double>(m.b) * h + static_cast<double>(m.d) * v + m.ty;
    return {static_cast<AIReal>(x), static_cast<AIReal>(y)};
}

}  // namespace

bool TextFrameBounds(AIArtHandle frame, AIRealRect* bounds) {
    ArtNode* node = nullptr;
    if (bounds == nullptr || text::FindFrame(frame, &node) != kNoErr) return false;
    const AIRealRect box = LocalTextBox(*node);
    const AIRealMatrix& m = node->text.transform;
    const AIRealPoint corners[] = {Apply(m, box.left, box.bottom), Apply(m, box.right, box.bottom),
                                   Apply(m, box.right, box.top), Apply(m, box.left, box.top)};
    AIRealRect r{corners[0].h, corners[0].v, corners[0].h, corners[0].v};
    for (const AIRealPoint& p : corners) {
        r.left = std::min(r.left, p.h);
        r.right = std::max(r.right, p.h);
        r.bottom = std::min(r.bottom, p.v);
        r.top = std::max(r.top, p.v);
    }
    *bounds = r;
    return true;
}

AIReal TextAdvanceWidth(AIArtHandle frame) {
    ArtNode* node = nullptr;
    if (text::FindFrame(frame, &node) != kNoErr) return 0.0f;
    const AIRealRect box = LocalTextBox(*node);
    return box.right - box.left;
}

AIReal RunBaselineShift(AIArtHandle frame, size_t run) {
    ArtNode* node = nullptr;
    if (text::FindFrame(frame, &node) != kNoErr) return 0.0f;
    return run < node->text.runs.size() ? node->text.runs[run].baselineShift : 0.0f;
}

size_t LiveTextReferences() {
    return text::Ranges().Count() + text::CharFeatureSets().Count() + text::ParaFeatureSets().Count() +
           text::Stories().Count() + text::Fonts().Count() + text::Paints().Count();
}

}  // namespace sim
