// The stand-in text engine's character and paragraph features, fonts and paints.
#include <cmath>

#include "simhost/TextInternal.h"

namespace sim {

namespace {

using text::CharFeatures;
using text::ParaFeatures;

// Writes whether a feature is assigned, when the caller asked.
void Assigned(AIBoolean* assigned, bool value) {
    if (assigned != nullptr) *assigned = value ? 1 : 0;
}

ASErr FindFeatures(CharFeaturesRef features, const void* out, CharFeatures** f) {
    if (out == nullptr) return kBadParameterErr;
    return text::CharFeatureSets().Find(features, f);
}

ASErr NewCharFeatures(CharFeaturesRef* features) {
    if (features == nullptr) return kBadParameterErr;
    *features = text::CharFeatureSets().Add(CharFeatures());
    return kNoErr;
}

ASErr ReleaseCharFeatures(CharFeaturesRef features) { return text::CharFeatureSets().Remove(features); }

ASErr SetFont(CharFeaturesRef features, FontRef font) {
    CharFeatures* f = nullptr;
    int32_t* index = nullptr;
    if (const ASErr error = text::CharFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (const ASErr error = text::Fonts().Find(font, &index); error != kNoErr) return error;
    f->font = FontList()[static_cast<size_t>(*index)].name;
    return kNoErr;
}

ASErr GetFont(CharFeaturesRef features, FontRef* font, AIBoolean* assigned) {
    CharFeatures* f = nullptr;
    if (const ASErr error = FindFeatures(features, font, &f); error != kNoErr) return error;
    const int32_t index = f->font ? text::FontIndexOf(*f->font) : -1;
    *font = index < 0 ? nullptr : text::Fonts().Add(index);
    Assigned(assigned, index >= 0);
    return kNoErr;
}

ASErr SetFontSize(CharFeaturesRef features, AIReal size) {
    CharFeatures* f = nullptr;
    if (const ASErr error = text::CharFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (!std::isfinite(size) || size <= 0.0f) return kBadParameterErr;
    f->size = size;
    return kNoErr;
}

ASErr GetFontSize(CharFeaturesRef features, AIReal* size, AIBoolean* assigned) {
    CharFeatures* f = nullptr;
    if (const ASErr error = FindFeatures(features, size, &f); error != kNoErr) return error;
    *size = f->size.value_or(0.0f);
    Assigned(assigned, f->size.has_value());
    return kNoErr;
}

ASErr SetFillColor(CharFeaturesRef features, ApplicationPaintRef paint) {
    CharFeatures* f = nullptr;
    AIColor* colour = nullptr;
    if (const ASErr error = text::CharFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (const ASErr error = text::Paints().Find(paint, &colour); error != kNoErr) return error;
    f->fill = *colour;
    return kNoErr;
}

ASErr GetFillColor(CharFeaturesRef features, ApplicationPaintRef* paint, AIBoolean* assigned) {
    CharFeatures* f = nullptr;
    if (const ASErr error = FindFeatures(features, paint, &f); error != kNoErr) return error;
    *paint = f->fill ? text::Paints().Add(*f->fill) : nullptr;
    Assigned(assigned, f->fill.has_value());
    return kNoErr;
}

ASErr SetBaselineShift(CharFeaturesRef features, AIReal shift) {
    CharFeatures* f = nullptr;
    if (const ASErr error = text::CharFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (!std::isfinite(shift)) return kBadParameterErr;
    f->shift = shift;
    return kNoErr;
}

ASErr GetBaselineShift(CharFeaturesRef features, AIReal* shift, AIBoolean* assigned) {
    CharFeatures* f = nullptr;
    if (const ASErr error = FindFeatures(features, shift, &f); error != kNoErr) return error;
    *shift = f->shift.value_or(0.0f);
    Assigned(assigned, f->shift.has_value());
    return kNoErr;
}

ASErr NewParaFeatures(ParaFeaturesRef* features) {
    if (features == nullptr) return kBadParameterErr;
    *features = text::ParaFeatureSets().Add(ParaFeatures());
    return kNoErr;
}

ASErr ReleaseParaFeatures(ParaFeaturesRef features) { return text::ParaFeatureSets().Remove(features); }

ASErr SetJustification(ParaFeaturesRef features, int32_t justification) {
    ParaFeatures* f = nullptr;
    if (const ASErr error = text::ParaFeatureSets().Find(features, &f); error != kNoErr) return error;
    if (justification != kLeftJustify && justification != kRightJustify && justification != kCenterJustify) {
        return kBadParameterErr;
    }
    f->justification = justification;
    return kNoErr;
}

ASErr GetJustification(ParaFeaturesRef features, int32_t* justification, AIBoolean* assigned) {
    ParaFeatures* f = nullptr;
    if (justification == nullptr) return kBadParameterErr;
    if (const ASErr error = text::ParaFeatureSets().Find(features, &f); error != kNoErr) return error;
    *justification = f->justification.value_or(kLeftJustify);
    Assigned(assigned, f->justification.has_value());
    return kNoErr;
}

ASErr ReleaseFont(FontRef font) { return text::Fonts().Remove(font); }

ASErr IsEqualFont(FontRef font, FontRef other, AIBoolean* equal) {
    int32_t* a = nullptr;
    int32_t* b = nullptr;
    if (equal == nullptr) return kBadParameterErr;
    if (const ASErr error = text::Fonts().Find(font, &a); error != kNoErr) return error;
    if (const ASErr error = text::Fonts().Find(other, &b); error != kNoErr) return error;
    *equal = *a == *b ? 1 : 0;
    return kNoErr;
}

ASErr ReleasePaint(ApplicationPaintRef paint) { return text::Paints().Remove(paint); }

// Colours a paint can hold: the flat kinds, a swatch colour, or none.
bool PaintableKind(int16_t kind) {
    return kind == kGrayColor || kind == kFourColor || kind == kThreeColor || kind == kCustomColor ||
           kind == kNoneColor;
}

ASErr CreatePaint(const AIColor* colour, ApplicationPaintRef* paint) {
    if (colour == nullptr || paint == nullptr || !PaintableKind(colour->kind)) return kBadParameterErr;
    *paint = text::Paints().Add(*colour);
    return kNoErr;
}

ASErr GetPaintColour(ApplicationPaintRef paint, AIColor* colour) {
    AIColor* held = nullptr;
    if (colour == nullptr) return kBadParameterErr;
    if (const ASErr error = text::Paints().Find(paint, &held); error != kNoErr) return error;
    *colour = *held;
    return kNoErr;
}

}  // namespace

const ATECharFeaturesSuite& CharFeaturesSuiteTable() {
    static const ATECharFeaturesSuite suite = {
        NewCharFeatures, ReleaseCharFeatures, SetFont,          GetFont,          SetFontSize,
        GetFontSize,     SetFillColor,        GetFillColor,     SetBaselineShift, GetBaselineShift,
    };
    return suite;
}

const ATEParaFeaturesSuite& ParaFeaturesSuiteTable() {
    static const ATEParaFeaturesSuite suite = {NewParaFeatures, ReleaseParaFeatures, SetJustification,
                                               GetJustification};
    return suite;
}

const ATEFontSuite& ATEFontSuiteTable() {
    static const ATEFontSuite suite = {ReleaseFont, IsEqualFont};
    return suite;
}

const ATEApplicationPaintSuite& ApplicationPaintSuiteTable() {
    static const ATEApplicationPaintSuite suite = {ReleasePaint};
    return suite;
}

const AIATEPaintSuite& ATEPaintSuiteTable() {
    static const AIATEPaintSuite suite = {CreatePaint, GetPaintColour};
    return suite;
}

}  // namespace sim
