#include "dialogs/options/OptionsDialogsState.h"

#include "dialogs/options/ColourWorkingCopy.h"
#include "dialogs/options/FreeTextDialog.h"
#include "dialogs/options/OtherOptionsDialog.h"
#include "dialogs/options/PreferencesDialog.h"

void ResetOptionsDialogsState() {
    ResetPreferencesDialogState();
    gColourWorkingCopy = ColourDialogWorkingCopy{};
    gFreeTextWorkingCopy = FreeTextWorkingCopy{};
    gOtherOptionsWorkingCopy = OtherOptionsWorkingCopy{};
}
