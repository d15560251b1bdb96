#include "frame/Colours.h"
#include "frame/PathStyles.h"
#include "frame/PreferenceStore.h"
#include "frame/Settings.h"
#include "panel/CurrentOptions.h"

ASErr LoadSettings() {
    const ASErr error = ReadPreferences();
    InitPathStyles();
    LoadAllCurrentOptions();
    ApplyStrokeColourToStyles(gColourSettings.GlobalSwatches);
    return error;
}
