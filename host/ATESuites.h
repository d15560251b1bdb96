// The text engine: text ranges, character and paragraph features, stories, fonts and paints, each a reference
// that the caller releases.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/Suites.h"
#include "host/Types.h"

// References handed out by the text engine. Each one is released once by the suite of its kind; a released
// reference is never valid again and answers kStaleHandleErr, a null one kBadParameterErr.
struct ATETextRangeOpaque;
struct ATECharFeaturesOpaque;
struct ATEParaFeaturesOpaque;
struct ATEStoryOpaque;
struct ATEFontOpaque;
struct ATEApplicationPaintOpaque;
using TextRangeRef = ATETextRangeOpaque*;
using CharFeaturesRef = ATECharFeaturesOpaque*;
using ParaFeaturesRef = ATEParaFeaturesOpaque*;
using StoryRef = ATEStoryOpaque*;
using FontRef = ATEFontOpaque*;
using ApplicationPaintRef = ATEApplicationPaintOpaque*;

// Paragraph justification.
enum ATEParagraphJustification : int32_t {
    kLeftJustify = 0,
    kRightJustify = 1,
    kCenterJustify = 2
};

// A range of the text of one text frame, [start, end) in bytes of its UTF-8 text. Both ends lie on character
// boundaries. A range whose frame was disposed answers kStaleHandleErr.
struct ATETextRangeSuite {
    ASErr (*Release)(TextRangeRef range);
    ASErr (*Clone)(TextRangeRef range, TextRangeRef* copy);
    ASErr (*GetRange)(TextRangeRef range, int32_t* start, int32_t* end);
    // Narrows or moves the range; ends outside the text, reversed ends or ends inside a character answer
    // kBadParameterErr and change nothing.
    ASErr (*SetRange)(TextRangeRef range, int32_t start, int32_t end);
    ASErr (*GetSize)(TextRangeRef range, int32_t* size);
    // Copies at most size - 1 bytes of the range's text, never splitting a character, and terminates the
    // buffer; *length (may be null) receives the whole length.
    ASErr (*GetContents)(TextRangeRef range, char* buffer, size_t size, size_t* length);
    // Inserts UTF-8 text after the range, which grows to hold it; the new text takes the features of the
    // character before it (of the first character when there is none before).
    ASErr (*InsertAfter)(TextRangeRef range, const char* text);
    // Removes the range's text; the range becomes empty at its start.
    ASErr (*Remove)(TextRangeRef range);
    // The character features that every character of the range shares: a feature on which they differ is left
    // unassigned. An empty range answers the features at its start.
    ASErr (*GetCharFeatures)(TextRangeRef range, CharFeaturesRef* features);
    // Gives every character of the range the features assigned in `features`; the others are left as they
    // are.
    ASErr (*SetLocalCharFeatures)(TextRangeRef range, CharFeaturesRef features);
    ASErr (*GetParaFeatures)(TextRangeRef range, ParaFeaturesRef* features);
    ASErr (*SetLocalParaFeatures)(TextRangeRef range, ParaFeaturesRef features);
    ASErr (*GetStory)(TextRangeRef range, StoryRef* story);
};

// Character features: each feature is either assigned a value or unassigned. Get operations answer the value
// and whether it is assigned (`assigned` may be null); an unassigned feature answers a zero value.
struct ATECharFeaturesSuite {
    // New features with nothing assigned.
    ASErr (*New)(CharFeaturesRef* features);
    ASErr (*Release)(CharFeaturesRef features);
    ASErr (*SetFont)(CharFeaturesRef features, FontRef font);
    // A new reference to the font; null when unassigned.
    ASErr (*GetFont)(CharFeaturesRef features, FontRef* font, AIBoolean* assigned);
    // Sizes must be above zero and finite.
    ASErr (*SetFontSize)(CharFeaturesRef features, AIReal size);
    ASErr (*GetFontSize)(CharFeaturesRef features, AIReal* size, AIBoolean* assigned);
    ASErr (*SetFillColor)(CharFeaturesRef features, ApplicationPaintRef paint);
    // A new reference to the paint; null when unassigned.
    ASErr (*GetFillColor)(CharFeaturesRef features, ApplicationPaintRef* paint, AIBoolean* assigned);
    // The baseline shift in points, upward positive; it must be finite.
    ASErr (*SetBaselineShift)(CharFeaturesRef features, AIReal shift);
    ASErr (*GetBaselineShift)(CharFeaturesRef features, AIReal* shift, AIBoolean* assigned);
};

// Paragraph features, assigned or not as character features are.
struct ATEParaFeaturesSuite {
    ASErr (*New)(ParaFeaturesRef* features);
    ASErr (*Release)(ParaFeaturesRef features);
    // One of ATEParagraphJustification; another value answers kBadParameterErr.
    ASErr (*SetJustification)(ParaFeaturesRef features, int32_t justification);
    ASErr (*GetJustification)(ParaFeaturesRef features, int32_t* justification, AIBoolean* assigned);
};

// A font of the text engine, made from a host font key (AI Font Suite).
struct ATEFontSuite {
    ASErr (*Release)(FontRef font);
    ASErr (*IsEqual)(FontRef font, FontRef other, AIBoolean* equal);
};

// The whole text of one text frame.
struct ATEStorySuite {
    ASErr (*Release)(StoryRef story);
    // A range over the whole text.
    ASErr (*GetTextRange)(StoryRef story, TextRangeRef* range);
    ASErr (*GetSize)(StoryRef story, int32_t* size);
};

// A paint (a colour) of the text engine, made from a host colour (AIATE Paint Suite).
struct ATEApplicationPaintSuite {
    ASErr (*Release)(ApplicationPaintRef paint);
};
