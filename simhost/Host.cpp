#include "simhost/SimHost.h"

#include "simhost/ArtConverter.h"
#include "simhost/CursorSnap.h"
#include "simhost/DialogManager.h"
#include "simhost/HitTest.h"

namespace sim {

Logs& TheLogs() {
    static Logs logs;
    return logs;
}

void LogCall(const std::string& entry) { TheLogs().calls.push_back(entry); }

void ResetHost(bool clearPreferences) {
    TheLogs().Clear();
    ResetServices(clearPreferences);
    ResetDocument();
    ResetColours();
    ResetText();
    InstallServiceSuites();
    InstallDialogSuites();
    InstallDocumentSuites();
    InstallHitTestSuite();
    InstallCursorSnapSuite();
    InstallArtConverterSuite();
    InstallColourSuites();
    InstallTextSuites();
}

}  // namespace sim
