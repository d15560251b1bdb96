// The modal dialogs that the tools and the panel open. The dialogs stand above the tools and the panel, so
// each dialog's folder gives its opener to start-up, which installs it here; a dialog whose opener is not
// installed does not open.
#pragma once

#include <cstdint>


enum class ModalDialog : int32_t {
    Preferences,
    Colours,
    OtherOptions,
    FreeTexts,
    ArrowEditor,
    SegmentCreation,
    AngleCreation,
    CircleCreation,
    BezierCreation,
};

// Opens the dialog modally when it is not already open; returns when it has closed.
using DialogOpener = void (*)();

void InstallDialogOpener(ModalDialog which, DialogOpener opener);
// Runs the installed opener of the dialog; does nothing while none is installed.
void OpenModalDialog(ModalDialog which);
// Forgets every installed opener.
void ClearDialogOpeners();
