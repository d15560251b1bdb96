#include "host/Suites.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"
#include "simhost/TextInternal.h"

namespace sim {

void ResetText() {
    text::Ranges().Clear();
    text::CharFeatureSets().Clear();
    text::ParaFeatureSets().Clear();
    text::Stories().Clear();
    text::Fonts().Clear();
    text::Paints().Clear();
}

void InstallTextSuites() {
    SuiteRegistry& suites = TheSuites();
    suites.Register(kAITextFrameSuite, kAITextFrameSuiteVersion, &TextFrameSuiteTable());
    suites.Register(kAIFontSuite, kAIFontSuiteVersion, &FontSuiteTable());
    suites.Register(kAIATEPaintSuite, kAIATEPaintSuiteVersion, &ATEPaintSuiteTable());
    suites.Register(kATETextRangeSuite, kATETextRangeSuiteVersion, &TextRangeSuiteTable());
    suites.Register(kATECharFeaturesSuite, kATECharFeaturesSuiteVersion, &CharFeaturesSuiteTable());
    suites.Register(kATEParaFeaturesSuite, kATEParaFeaturesSuiteVersion, &ParaFeaturesSuiteTable());
    suites.Register(kATEFontSuite, kATEFontSuiteVersion, &ATEFontSuiteTable());
    suites.Register(kATEStorySuite, kATEStorySuiteVersion, &StorySuiteTable());
    suites.Register(kATEApplicationPaintSuite, kATEApplicationPaintSuiteVersion,
                    &ApplicationPaintSuiteTable());
}

}  // namespace sim
