// The preferred free-text dialog "Texte libre préféré (Vek-Tavorine).": the five texts of the panel's free-text
// menu, which a label can show instead of a measured value.
#pragma once

#include <cstdint>
#include <string>

#include "frame/Settings.h"
#include "host/ADMTypes.h"

#define kFreeTextDialogName "bidon"
#define kFreeTextTitle "Texte libre préféré (Vek-Tavorine)."
constexpr int32_t kFreeTextWidth = 260;
constexpr int32_t kFreeTextHeight = 220;

constexpr int32_t kFreeTextOkButton = 1;
constexpr int32_t kFreeTextCancelButton = 2;
constexpr int32_t kFreeTextDefaultButton = 3;
// The fields of texts 1 to 5.
constexpr int32_t kFirstFreeTextField = 10;

// The texts as the fields hold them, following every keystroke, until OK.
struct FreeTextWorkingCopy {
    std::string Texts[kFreeTextCount];
};
extern FreeTextWorkingCopy gFreeTextWorkingCopy;

// Runs the dialog modally unless it is already open; returns when it has closed.
void OpenFreeTextDialog();
ASErr FreeTextInit(ADMDialogRef dialog);
