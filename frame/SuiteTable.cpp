#include "frame/SuiteTable.h"

#include <cstring>
#include <iterator>

SPBasicSuite* sSPBasic = nullptr;

SPAccessSuite* sSPAccess = nullptr;
SPPluginsSuite* sSPPlugins = nullptr;
AINotifierSuite* sAINotifier = nullptr;
AIContextSuite* sAIContext = nullptr;
ADMBasicSuite* sADMBasic = nullptr;

SPBlocksSuite* sSPBlocks = nullptr;
AIMenuSuite* sAIMenu = nullptr;
AIToolSuite* sAITool = nullptr;
AIAnnotatorSuite* sAIAnnotator = nullptr;
AIAnnotatorDrawerSuite* sAIAnnotatorDrawer = nullptr;
AIURLSuite* sAIURL = nullptr;
AIPreferenceSuite* sAIPreference = nullptr;
AIPluginSuite* sAIPlugin = nullptr;
AIRuntimeSuite* sAIRuntime = nullptr;
AIArtSuite* sAIArt = nullptr;
AIPathSuite* sAIPath = nullptr;
AIPathStyleSuite* sAIPathStyle = nullptr;
AITagSuite* sAITag = nullptr;
AIMatchingArtSuite* sAIMatchingArt = nullptr;
AIArtSetSuite* sAIArtSet = nullptr;
AITransformArtSuite* sAITransformArt = nullptr;
AIArtConverterSuite* sAIArtConverter = nullptr;
AITextFrameSuite* sAITextFrame = nullptr;
AIFontSuite* sAIFont = nullptr;
AIATEPaintSuite* sAIATEPaint = nullptr;
AIDocumentSuite* sAIDocument = nullptr;
AIDocumentViewSuite* sAIDocumentView = nullptr;
AILayerSuite* sAILayer = nullptr;
AIHitTestSuite* sAIHitTest = nullptr;
AICursorSnapSuite* sAICursorSnap = nullptr;
AIMdMemorySuite* sAIMdMemory = nullptr;
AIRealMathSuite* sAIRealMath = nullptr;
AIRealBezierSuite* sAIRealBezier = nullptr;
AICustomColorSuite* sAICustomColor = nullptr;
AISwatchListSuite* sAISwatchList = nullptr;
AISwatchGroupSuite* sAISwatchGroup = nullptr;
AIUnicodeStringSuite* sAIUnicodeString = nullptr;
ASLibSuite* sASLib = nullptr;
ADMDialogSuite* sADMDialog = nullptr;
ADMDialogGroupSuite* sADMDialogGroup = nullptr;
ADMItemSuite* sADMItem = nullptr;
ADMListSuite* sADMList = nullptr;
ADMEntrySuite* sADMEntry = nullptr;
ADMNotifierSuite* sADMNotifier = nullptr;
ADMTrackerSuite* sADMTracker = nullptr;
ADMIconSuite1* sADMIcon1 = nullptr;
ADMIconSuite* sADMIcon = nullptr;
ADMDrawerSuite* sADMDrawer = nullptr;
ATETextRangeSuite* sATETextRange = nullptr;
ATECharFeaturesSuite* sATECharFeatures = nullptr;
ATEParaFeaturesSuite* sATEParaFeatures = nullptr;
ATEFontSuite* sATEFont = nullptr;
ATEStorySuite* sATEStory = nullptr;
ATEApplicationPaintSuite* sATEApplicationPaint = nullptr;

namespace {

// An entry whose pointer has the suite's own type.
template <class Suite>
constexpr SuiteEntry Entry(const char* name, int32_t version, Suite** pointer) {
    return SuiteEntry{name, version, pointer};
}

constexpr SuiteEntry kFrameSuites[] = {
    Entry(kSPAccessSuite, kSPAccessSuiteVersion, &sSPAccess),
    Entry(kSPPluginsSuite, kSPPluginsSuiteVersion, &sSPPlugins),
    Entry(kAINotifierSuite, kAINotifierSuiteVersion, &sAINotifier),
    Entry(kAIContextSuite, kAIContextSuiteVersion, &sAIContext),
    Entry(kADMBasicSuite, kADMBasicSuiteVersion, &sADMBasic),
};

constexpr SuiteEntry kMainSuites[] = {
    Entry(kSPBlocksSuite, kSPBlocksSuiteVersion, &sSPBlocks),
    Entry(kAIMenuSuite, kAIMenuSuiteVersion, &sAIMenu),
    Entry(kAIToolSuite, kAIToolSuiteVersion, &sAITool),
    Entry(kAIAnnotatorSuite, kAIAnnotatorSuiteVersion, &sAIAnnotator),
    Entry(kAIAnnotatorDrawerSuite, kAIAnnotatorDrawerSuiteVersion, &sAIAnnotatorDrawer),
    Entry(kAIURLSuite, kAIURLSuiteVersion, &sAIURL),
    Entry(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &sAIPreference),
    Entry(kAIPluginSuite, kAIPluginSuiteVersion, &sAIPlugin),
    Entry(kAIRuntimeSuite, kAIRuntimeSuiteVersion, &sAIRuntime),
    Entry(kAIArtSuite, kAIArtSuiteVersion, &sAIArt),
    Entry(kAIPathSuite, kAIPathSuiteVersion, &sAIPath),
    Entry(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &sAIPathStyle),
    Entry(kAITagSuite, kAITagSuiteVersion, &sAITag),
    Entry(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &sAIMatchingArt),
    Entry(kAIArtSetSuite, kAIArtSetSuiteVersion, &sAIArtSet),
    Entry(kAITransformArtSuite, kAITransformArtSuiteVersion, &sAITransformArt),
    Entry(kAIArtConverterSuite, kAIArtConverterSuiteVersion, &sAIArtConverter),
    Entry(kAITextFrameSuite, kAITextFrameSuiteVersion, &sAITextFrame),
    Entry(kAIFontSuite, kAIFontSuiteVersion, &sAIFont),
    Entry(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &sAIATEPaint),
    Entry(kAIDocumentSuite, kAIDocumentSuiteVersion, &sAIDocument),
    Entry(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &sAIDocumentView),
    Entry(kAILayerSuite, kAILayerSuiteVersion, &sAILayer),
    Entry(kAIHitTestSuite, kAIHitTestSuiteVersion, &sAIHitTest),
    Entry(kAICursorSnapSuite, kAICursorSnapSuiteVersion, &sAICursorSnap),
    Entry(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &sAIMdMemory),
    Entry(kAIRealMathSuite, kAIRealMathSuiteVersion, &sAIRealMath),
    Entry(kAIRealBezierSuite, kAIRealBezierSuiteVersion, &sAIRealBezier),
    Entry(kAICustomColorSuite, kAICustomColorSuiteVersion, &sAICustomColor),
    Entry(kAISwatchListSuite, kAISwatchListSuiteVersion, &sAISwatchList),
    Entry(kAISwatchGroupSuite, kAISwatchGroupSuiteVersion, &sAISwatchGroup),
    Entry(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &sAIUnicodeString),
    Entry(kASLibSuite, kASLibSuiteVersion, &sASLib),
    Entry(kADMDialogSuite, kADMDialogSuiteVersion, &sADMDialog),
    Entry(kADMDialogGroupSuite, kADMDialogGroupSuiteVersion, &sADMDialogGroup),
    Entry(kADMItemSuite, kADMItemSuiteVersion, &sADMItem),
    Entry(kADMListSuite, kADMListSuiteVersion, &sADMList),
    Entry(kADMEntrySuite, kADMEntrySuiteVersion, &sADMEntry),
    Entry(kADMNotifierSuite, kADMNotifierSuiteVersion, &sADMNotifier),
    Entry(kADMTrackerSuite, kADMTrackerSuiteVersion, &sADMTracker),
    Entry(kADMIconSuite, kADMIconSuiteVersion1, &sADMIcon1),
    Entry(kADMIconSuite, kADMIconSuiteVersion2, &sADMIcon),
    Entry(kADMDrawerSuite, kADMDrawerSuiteVersion, &sADMDrawer),
    Entry(kATETextRangeSuite, kATETextRangeSuiteVersion, &sATETextRange),
    Entry(kATECharFeaturesSuite, kATECharFeaturesSuiteVersion, &sATECharFeatures),
    Entry(kATEParaFeaturesSuite, kATEParaFeaturesSuiteVersion, &sATEParaFeatures),
    Entry(kATEFontSuite, kATEFontSuiteVersion, &sATEFont),
    Entry(kATEStorySuite, kATEStorySuiteVersion, &sATEStory),
    Entry(kATEApplicationPaintSuite, kATEApplicationPaintSuiteVersion, &sATEApplicationPaint),
};

// Writes a suite table's address into the process-wide pointer of its entry.
void SetPointer(const SuiteEntry& entry, const void* suite) { std::memcpy(entry.Pointer, &suite, sizeof suite); }

bool HasPointer(const SuiteEntry& entry) {
    const void* suite = nullptr;
    std::memcpy(&suite, entry.Pointer, sizeof suite);
    return suite != nullptr;
}

// Gives back the first `count` suites of the table, last first.
void ReleaseFirst(const SuiteTable& table, size_t count, SPBasicSuite* basic) {
    for (size_t i = count; i-- > 0;) {
        const SuiteEntry& entry = table.Entries[i];
        if (HasPointer(entry) && basic != nullptr) basic->ReleaseSuite(entry.Name, entry.Version);
        SetPointer(entry, nullptr);
    }
}

}  // namespace

SuiteTable gFrameSuiteTable{kFrameSuites, std::size(kFrameSuites), 0};
SuiteTable gSuiteTable{kMainSuites, std::size(kMainSuites), 0};

ASErr AcquireSuites(SuiteTable& table, SPBasicSuite* basic) {
    if (table.UseCount > 0) {
        ++table.UseCount;
        return kNoErr;
    }
    if (basic == nullptr || basic->AcquireSuite == nullptr) return kBadParameterErr;
    for (size_t i = 0; i < table.Count; ++i) {
        const SuiteEntry& entry = table.Entries[i];
        const void* suite = nullptr;
        ASErr error = basic->AcquireSuite(entry.Name, entry.Version, &suite);
        if (error == kNoErr && suite == nullptr) {
            basic->ReleaseSuite(entry.Name, entry.Version);
            error = kSuiteNotFoundErr;
        }
        if (error != kNoErr) {
            ReleaseFirst(table, i, basic);
            return error;
        }
        SetPointer(entry, suite);
    }
    table.UseCount = 1;
    return kNoErr;
}

void ReleaseSuites(SuiteTable& table, SPBasicSuite* basic) {
    if (table.UseCount == 0) return;
    if (--table.UseCount > 0) return;
    ReleaseFirst(table, table.Count, basic);
}
