// The stand-in host's text: point-text frames on the document's art, a small text engine (ranges, character
// and paragraph features, stories, fonts, paints), the font list and deterministic text metrics.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/ATEPaintSuite.h"
#include "host/ATESuites.h"
#include "host/FontSuite.h"
#include "host/TextFrameSuite.h"
#include "host/Types.h"

namespace sim {

// One font of the host's list.
struct FontInfo {
    std::string name;      // the name a user picks it by
    std::string fullName;  // family and style
};

// The fixed font list, in the host's order. "Arial" comes before "Arial Black", whose name it begins.
const std::vector<FontInfo>& FontList();

// Metrics: every character advances kCharacterAdvance x its size; a line reaches its size above the baseline
// (moved by the character's baseline shift) and kCharacterDescent x its size below it, as a font's descenders
// (the comma, the tails of g and p) do.
constexpr AIReal kCharacterAdvance = 0.6f;
constexpr AIReal kCharacterDescent = 0.2f;
// What a new text frame gets before anything is set: the first font of the list, this size, black.
constexpr AIReal kDefaultTextSize = 12.0f;

// The bounds of a text frame in artwork coordinates: the box of its characters in the text's own coordinates
// (placed by the justification about the anchor), taken through the frame's matrix. An empty text gives the
// anchor alone. False for anything but a live text frame.
bool TextFrameBounds(AIArtHandle frame, AIRealRect* bounds);
// The width of a text frame's characters before the matrix.
AIReal TextAdvanceWidth(AIArtHandle frame);
// The baseline shift of run `run` of a text frame (ArtNode::text.runs), 0 when there is no such run.
AIReal RunBaselineShift(AIArtHandle frame, size_t run);
// Text-engine references handed out and not yet released.
size_t LiveTextReferences();

// The suite tables of the text part, registered by InstallTextSuites.
const AITextFrameSuite& TextFrameSuiteTable();
const AIFontSuite& FontSuiteTable();
const AIATEPaintSuite& ATEPaintSuiteTable();
const ATETextRangeSuite& TextRangeSuiteTable();
const ATECharFeaturesSuite& CharFeaturesSuiteTable();
const ATEParaFeaturesSuite& ParaFeaturesSuiteTable();
const ATEFontSuite& ATEFontSuiteTable();
const ATEStorySuite& StorySuiteTable();
const ATEApplicationPaintSuite& ApplicationPaintSuiteTable();

}  // namespace sim
