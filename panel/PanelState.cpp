#include "panel/PanelState.h"

#include "panel/PanelChange.h"

void ResetPanelState() {
    PanelDialog = nullptr;
    ScreenBounds = AIRect{};
    HelpPage = 1;
    HelpPageCount = 0;
    DragTrackX = 0;
    ForgetRefusedChanges();
}
