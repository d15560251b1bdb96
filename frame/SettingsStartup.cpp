#include "frame/Colours.h"
#include "frame/PathStyles.h"
#include "frame/PreferenceStore.h"
#include "frame/Settings.h"
#include "frame/LiveOptions.h"

ASErr LoadSettings() {
    const ASErr error = ReadPreferences();
    InitPathStyles();
    LoadLiveOptions();
    ApplyStrokeColourToStyles(gColourSettings.GlobalSwatches);
    return error;
}
