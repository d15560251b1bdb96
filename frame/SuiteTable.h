// The plug-in's process-wide suite pointers and the use-counted tables that acquire and release them.
#pragma once

#include <cstddef>

#include "host/ADMBasicSuite.h"
#include "host/ContextSuite.h"
#include "host/MenuSuite.h"
#include "host/NotifierSuite.h"
#include "host/PreferenceSuite.h"
#include "host/SPAccessSuite.h"
#include "host/SPBasic.h"
#include "host/SPPluginsSuite.h"
#include "host/Suites.h"
#include "host/ToolSuite.h"

// Suites whose tables the other host headers define; code that calls one includes its header.
struct SPBlocksSuite;
struct AIAnnotatorSuite;
struct AIAnnotatorDrawerSuite;
struct AIURLSuite;
struct AIPluginSuite;
struct AIRuntimeSuite;
struct AIArtSuite;
struct AIPathSuite;
struct AIPathStyleSuite;
struct AITagSuite;
struct AIMatchingArtSuite;
struct AIArtSetSuite;
struct AITransformArtSuite;
struct AIArtConverterSuite;
struct AITextFrameSuite;
struct AIFontSuite;
struct AIATEPaintSuite;
struct AIDocumentSuite;
struct AIDocumentViewSuite;
struct AILayerSuite;
struct AIHitTestSuite;
struct AICursorSnapSuite;
struct AIMdMemorySuite;
struct AIRealMathSuite;
struct AIRealBezierSuite;
struct AICustomColorSuite;
struct AISwatchListSuite;
struct AISwatchGroupSuite;
struct AIUnicodeStringSuite;
struct ASLibSuite;
struct ADMDialogSuite;
struct ADMDialogGroupSuite;
struct ADMItemSuite;
struct ADMListSuite;
struct ADMEntrySuite;
struct ADMNotifierSuite;
struct ADMTrackerSuite;
struct ADMIconSuite1;
struct ADMIconSuite;
struct ADMDrawerSuite;
struct ATETextRangeSuite;
struct ATECharFeaturesSuite;
struct ATEParaFeaturesSuite;
struct ATEFontSuite;
struct ATEStorySuite;
struct ATEApplicationPaintSuite;

// The broker of the current message header.
extern SPBasicSuite* sSPBasic;

// Frame suites.
extern SPAccessSuite* sSPAccess;
extern SPPluginsSuite* sSPPlugins;
extern AINotifierSuite* sAINotifier;
extern AIContextSuite* sAIContext;
extern ADMBasicSuite* sADMBasic;

// Main table.
extern SPBlocksSuite* sSPBlocks;
extern AIMenuSuite* sAIMenu;
extern AIToolSuite* sAITool;
extern AIAnnotatorSuite* sAIAnnotator;
extern AIAnnotatorDrawerSuite* sAIAnnotatorDrawer;
extern AIURLSuite* sAIURL;
extern AIPreferenceSuite* sAIPreference;
extern AIPluginSuite* sAIPlugin;
extern AIRuntimeSuite* sAIRuntime;
extern AIArtSuite* sAIArt;
extern AIPathSuite* sAIPath;
extern AIPathStyleSuite* sAIPathStyle;
extern AITagSuite* sAITag;
extern AIMatchingArtSuite* sAIMatchingArt;
extern AIArtSetSuite* sAIArtSet;
extern AITransformArtSuite* sAITransformArt;
extern AIArtConverterSuite* sAIArtConverter;
extern AITextFrameSuite* sAITextFrame;
extern AIFontSuite* sAIFont;
extern AIATEPaintSuite* sAIATEPaint;
extern AIDocumentSuite* sAIDocument;
extern AIDocumentViewSuite* sAIDocumentView;
extern AILayerSuite* sAILayer;
extern AIHitTestSuite* sAIHitTest;
extern AICursorSnapSuite* sAICursorSnap;
extern AIMdMemorySuite* sAIMdMemory;
extern AIRealMathSuite* sAIRealMath;
extern AIRealBezierSuite* sAIRealBezier;
extern AICustomColorSuite* sAICustomColor;
extern AISwatchListSuite* sAISwatchList;
extern AISwatchGroupSuite* sAISwatchGroup;
extern AIUnicodeStringSuite* sAIUnicodeString;
extern ASLibSuite* sASLib;
extern ADMDialogSuite* sADMDialog;
extern ADMDialogGroupSuite* sADMDialogGroup;
extern ADMItemSuite* sADMItem;
extern ADMListSuite* sADMList;
extern ADMEntrySuite* sADMEntry;
extern ADMNotifierSuite* sADMNotifier;
extern ADMTrackerSuite* sADMTracker;
extern ADMIconSuite1* sADMIcon1;  // version 1
extern ADMIconSuite* sADMIcon;    // version 2
extern ADMDrawerSuite* sADMDrawer;
extern ATETextRangeSuite* sATETextRange;
extern ATECharFeaturesSuite* sATECharFeatures;
extern ATEParaFeaturesSuite* sATEParaFeatures;
extern ATEFontSuite* sATEFont;
extern ATEStorySuite* sATEStory;
extern ATEApplicationPaintSuite* sATEApplicationPaint;

// One suite the plug-in needs: its name, its version and the address of the process-wide pointer it fills.
struct SuiteEntry {
    const char* Name;
    int32_t Version;
    void* Pointer;
};

// A list of suites acquired and released together. A second acquisition only counts; the last release
// gives the suites back to the host.
struct SuiteTable {
    const SuiteEntry* Entries;
    size_t Count;
    int32_t UseCount;
};

// The five frame suites, acquired first.
extern SuiteTable gFrameSuiteTable;
// Every other suite.
extern SuiteTable gSuiteTable;

// Acquires every suite of the table in order. The first failure releases what was acquired, leaves every
// pointer of the table null and is returned. A null broker fails with kBadParameterErr.
ASErr AcquireSuites(SuiteTable& table, SPBasicSuite* basic);
// Counts one release; at zero gives every suite back to the host and clears the pointers.
void ReleaseSuites(SuiteTable& table, SPBasicSuite* basic);
