#include "panel/PanelState.h"

void ResetPanelState() {
    PanelDialog = nullptr;
    ScreenBounds = AIRect{};
    HelpPage = 1;
    HelpPageCount = 0;
    DragTrackX = 0;
}
