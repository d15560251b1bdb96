#include "host/Suites.h"
#include "simhost/Document.h"
#include "simhost/SimHost.h"
#include "simhost/SuiteRegistry.h"

namespace sim {

void ResetDocument() {
    TheDocument().Reset();
}

void InstallDocumentSuites() {
    SuiteRegistry& suites = TheSuites();
    suites.Register(kAIArtSuite, kAIArtSuiteVersion, &ArtSuiteTable());
    suites.Register(kAIPathSuite, kAIPathSuiteVersion, &PathSuiteTable());
    suites.Register(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &PathStyleSuiteTable());
    suites.Register(kAITagSuite, kAITagSuiteVersion, &TagSuiteTable());
    suites.Register(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &MatchingArtSuiteTable());
    suites.Register(kAIArtSetSuite, kAIArtSetSuiteVersion, &ArtSetSuiteTable());
    suites.Register(kAILayerSuite, kAILayerSuiteVersion, &LayerSuiteTable());
    suites.Register(kAIDocumentSuite, kAIDocumentSuiteVersion, &DocumentSuiteTable());
    suites.Register(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &DocumentViewSuiteTable());
    suites.Register(kAITransformArtSuite, kAITransformArtSuiteVersion, &TransformArtSuiteTable());
    suites.Register(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &MdMemorySuiteTable());
}

} // namespace sim
