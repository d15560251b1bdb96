// The name and version of every host suite the plug-in acquires.
#pragma once

#include <cstdint>

// Frame suites: acquired first, from a table of their own.
#define kSPAccessSuite "SP Access Suite"
constexpr int32_t kSPAccessSuiteVersion = 3;
#define kSPPluginsSuite "SP Plug-ins Suite"
constexpr int32_t kSPPluginsSuiteVersion = 4;
#define kAINotifierSuite "AI Notifier Suite"
constexpr int32_t kAINotifierSuiteVersion = 2;
#define kAIContextSuite "AI Context Suite"
constexpr int32_t kAIContextSuiteVersion = 5;
#define kADMBasicSuite "ADM Basic Suite"
constexpr int32_t kADMBasicSuiteVersion = 10;

// The main suite table.
#define kSPBlocksSuite "SP Blocks Suite"
constexpr int32_t kSPBlocksSuiteVersion = 2;
#define kAIMenuSuite "AI Menu Suite"
constexpr int32_t kAIMenuSuiteVersion = 9;
#define kAIToolSuite "AI Tool Suite"
constexpr int32_t kAIToolSuiteVersion = 11;
#define kAIAnnotatorSuite "AI Annotator Suite"
constexpr int32_t kAIAnnotatorSuiteVersion = 4;
#define kAIAnnotatorDrawerSuite "AI Annotator Drawer Suite"
constexpr int32_t kAIAnnotatorDrawerSuiteVersion = 2;
#define kAIURLSuite "AI URL Suite"
constexpr int32_t kAIURLSuiteVersion = 1;
#define kAIPreferenceSuite "AI Preference Suite"
constexpr int32_t kAIPreferenceSuiteVersion = 4;
#define kAIPluginSuite "AI Plugin Suite"
constexpr int32_t kAIPluginSuiteVersion = 3;
#define kAIRuntimeSuite "AI Runtime Suite"
constexpr int32_t kAIRuntimeSuiteVersion = 10;
#define kAIArtSuite "AI Art Suite"
constexpr int32_t kAIArtSuiteVersion = 15;
#define kAIPathSuite "AI Path Suite"
constexpr int32_t kAIPathSuiteVersion = 9;
#define kAIPathStyleSuite "AI Path Style Suite"
constexpr int32_t kAIPathStyleSuiteVersion = 11;
#define kAITagSuite "AI Tag Suite"
constexpr int32_t kAITagSuiteVersion = 2;
#define kAIMatchingArtSuite "AI Matching Art Suite"
constexpr int32_t kAIMatchingArtSuiteVersion = 5;
#define kAIArtSetSuite "AI Art Set Suite"
constexpr int32_t kAIArtSetSuiteVersion = 6;
#define kAITransformArtSuite "AI Transform Art Suite"
constexpr int32_t kAITransformArtSuiteVersion = 1;
#define kAIArtConverterSuite "AI Art Converter Suite"
constexpr int32_t kAIArtConverterSuiteVersion = 1;
#define kAITextFrameSuite "AI Text Frame Suite"
constexpr int32_t kAITextFrameSuiteVersion = 2;
#define kAIFontSuite "AI Font Suite"
constexpr int32_t kAIFontSuiteVersion = 4;
#define kAIATEPaintSuite "AIATE Paint Suite"
constexpr int32_t kAIATEPaintSuiteVersion = 1;
#define kAIDocumentSuite "AI Document Suite"
constexpr int32_t kAIDocumentSuiteVersion = 12;
#define kAIDocumentViewSuite "AI Document View Suite"
constexpr int32_t kAIDocumentViewSuiteVersion = 10;
#define kAILayerSuite "AI Layer Suite"
constexpr int32_t kAILayerSuiteVersion = 11;
#define kAIHitTestSuite "AI Hit Test Suite"
constexpr int32_t kAIHitTestSuiteVersion = 4;
#define kAICursorSnapSuite "AI Cursor Snap Suite"
constexpr int32_t kAICursorSnapSuiteVersion = 3;
#define kAIMdMemorySuite "AI MdMemory Suite"
constexpr int32_t kAIMdMemorySuiteVersion = 1;
#define kAIRealMathSuite "AI Real Math Suite"
constexpr int32_t kAIRealMathSuiteVersion = 1;
#define kAIRealBezierSuite "AI Real Bezier Suite"
constexpr int32_t kAIRealBezierSuiteVersion = 2;
#define kAICustomColorSuite "AI Custom Color Suite"
constexpr int32_t kAICustomColorSuiteVersion = 6;
#define kAISwatchListSuite "AI Swatch List Suite"
constexpr int32_t kAISwatchListSuiteVersion = 5;
#define kAISwatchGroupSuite "AI Swatch Group Suite"
constexpr int32_t kAISwatchGroupSuiteVersion = 1;
#define kAIUnicodeStringSuite "AI Unicode String Suite"
constexpr int32_t kAIUnicodeStringSuiteVersion = 6;
#define kASLibSuite "AS Lib Suite"
constexpr int32_t kASLibSuiteVersion = 2;
#define kADMDialogSuite "ADM Dialog Suite"
constexpr int32_t kADMDialogSuiteVersion = 10;
#define kADMDialogGroupSuite "ADM Dialog Group Suite"
constexpr int32_t kADMDialogGroupSuiteVersion = 1;
#define kADMItemSuite "ADM Item Suite"
constexpr int32_t kADMItemSuiteVersion = 7;
#define kADMListSuite "ADM List Suite"
constexpr int32_t kADMListSuiteVersion = 1;
#define kADMEntrySuite "ADM Entry Suite"
constexpr int32_t kADMEntrySuiteVersion = 2;
#define kADMNotifierSuite "ADM Notifier Suite"
constexpr int32_t kADMNotifierSuiteVersion = 2;
#define kADMTrackerSuite "ADM Tracker Suite"
constexpr int32_t kADMTrackerSuiteVersion = 2;
#define kADMIconSuite "ADM Icon Suite"
constexpr int32_t kADMIconSuiteVersion1 = 1;
constexpr int32_t kADMIconSuiteVersion2 = 2;
#define kADMDrawerSuite "ADM Drawer Suite"
constexpr int32_t kADMDrawerSuiteVersion = 7;

// The text engine, reached through a few suites of its own.
#define kATETextRangeSuite "ATE TextRange Suite"
constexpr int32_t kATETextRangeSuiteVersion = 1;
#define kATECharFeaturesSuite "ATE CharFeatures Suite"
constexpr int32_t kATECharFeaturesSuiteVersion = 1;
#define kATEParaFeaturesSuite "ATE ParaFeatures Suite"
constexpr int32_t kATEParaFeaturesSuiteVersion = 1;
#define kATEFontSuite "ATE Font Suite"
constexpr int32_t kATEFontSuiteVersion = 1;
#define kATEStorySuite "ATE Story Suite"
constexpr int32_t kATEStorySuiteVersion = 101;
#define kATEApplicationPaintSuite "ATE ApplicationPaint Suite"
constexpr int32_t kATEApplicationPaintSuiteVersion = 101;

// A suite as SP Basic acquires it: its name and version.
struct SuiteName {
    const char* Name;
    int32_t Version;
};

// Every suite above, in the order above: the frame suites first, then those of the main table.
inline constexpr SuiteName kHostSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion},
    {kSPPluginsSuite, kSPPluginsSuiteVersion},
    {kAINotifierSuite, kAINotifierSuiteVersion},
    {kAIContextSuite, kAIContextSuiteVersion},
    {kADMBasicSuite, kADMBasicSuiteVersion},
    {kSPBlocksSuite, kSPBlocksSuiteVersion},
    {kAIMenuSuite, kAIMenuSuiteVersion},
    {kAIToolSuite, kAIToolSuiteVersion},
    {kAIAnnotatorSuite, kAIAnnotatorSuiteVersion},
    {kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion},
    {kAIURLSuite, kAIURLSuiteVersion},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion},
    {kAIPluginSuite, kAIPluginSuiteVersion},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
    {kAIArtSuite, kAIArtSuiteVersion},
    {kAIPathSuite, kAIPathSuiteVersion},
    {kAIPathStyleSuite, kAIPathStyleSuiteVersion},
    {kAITagSuite, kAITagSuiteVersion},
    {kAIMatchingArtSuite, kAIMatchingArtSuiteVersion},
    {kAIArtSetSuite, kAIArtSetSuiteVersion},
    {kAITransformArtSuite, kAITransformArtSuiteVersion},
    {kAIArtConverterSuite, kAIArtConverterSuiteVersion},
    {kAITextFrameSuite, kAITextFrameSuiteVersion},
    {kAIFontSuite, kAIFontSuiteVersion},
    {kAIATEPaintSuite, kAIATEPaintSuiteVersion},
    {kAIDocumentSuite, kAIDocumentSuiteVersion},
    {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion},
    {kAILayerSuite, kAILayerSuiteVersion},
    {kAIHitTestSuite, kAIHitTestSuiteVersion},
    {kAICursorSnapSuite, kAICursorSnapSuiteVersion},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
    {kAIRealMathSuite, kAIRealMathSuiteVersion},
    {kAIRealBezierSuite, kAIRealBezierSuiteVersion},
    {kAICustomColorSuite, kAICustomColorSuiteVersion},
    {kAISwatchListSuite, kAISwatchListSuiteVersion},
    {kAISwatchGroupSuite, kAISwatchGroupSuiteVersion},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion},
    {kASLibSuite, kASLibSuiteVersion},
    {kADMDialogSuite, kADMDialogSuiteVersion},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion},
    {kADMItemSuite, kADMItemSuiteVersion},
    {kADMListSuite, kADMListSuiteVersion},
    {kADMEntrySuite, kADMEntrySuiteVersion},
    {kADMNotifierSuite, kADMNotifierSuiteVersion},
    {kADMTrackerSuite, kADMTrackerSuiteVersion},
    {kADMIconSuite, kADMIconSuiteVersion1},
    {kADMIconSuite, kADMIconSuiteVersion2},
    {kADMDrawerSuite, kADMDrawerSuiteVersion},
    {kATETextRangeSuite, kATETextRangeSuiteVersion},
    {kATECharFeaturesSuite, kATECharFeaturesSuiteVersion},
    {kATEParaFeaturesSuite, kATEParaFeaturesSuiteVersion},
    {kATEFontSuite, kATEFontSuiteVersion},
    {kATEStorySuite, kATEStorySuiteVersion},
    {kATEApplicationPaintSuite, kATEApplicationPaintSuiteVersion},
};
