// The colour dialog "Couleurs (Vek-Tavorine).": the colour of everything the plug-in strokes and of the labels'
// text, each in grey, RGB or CMYK, the text locked to the strokes, the two global swatches, and the tip angles
// of the two arrow-head presets with the triangle hollow or filled.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// The dialog's shell, name and window size.
#define kColourDialogName "ModèleBidon"
#define kColourDialogTitle "Couleurs (Vek-Tavorine)."
constexpr int32_t kColourDialogWidth = 258;
constexpr int32_t kColourDialogHeight = 257;

// Item ids besides the channel rows.
constexpr int32_t kColourOkButton = 1;
constexpr int32_t kColourCancelButton = 2;
constexpr int32_t kColourDefaultButton = 3;
constexpr int32_t kOpenArrowPicture = 107;
constexpr int32_t kOpenArrowAngleEdit = 108;
constexpr int32_t kTriangleArrowAngleEdit = 110;
constexpr int32_t kTriangleArrowPicture = 111;
constexpr int32_t kStrokeTargetRadio = 114;
constexpr int32_t kTextTargetRadio = 115;
constexpr int32_t kTextLockPicture = 116;
constexpr int32_t kGlobalSwatchesBox = 117;
constexpr int32_t kColourModelPopup = 118;

// Runs the dialog modally unless it is already open; returns when it has closed.
void OpenColourDialog();
// The init procedure: fills the working copy from the committed colours and builds every item.
ASErr ColourDialogInit(ADMDialogRef dialog);

// Procedures shared by the dialog's files.
void ColourPreviewDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void OpenArrowPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void TriangleArrowPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
ADMBoolean OpenArrowAngleTrack(ADMItemRef item, ADMTrackerRef tracker);
ADMBoolean TriangleArrowTrack(ADMItemRef item, ADMTrackerRef tracker);
void TextLockPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ColourDialogOk(ADMItemRef item, ADMNotifierRef notifier);
void ColourDialogCancel(ADMItemRef item, ADMNotifierRef notifier);
void ColourDialogDefault(ADMItemRef item, ADMNotifierRef notifier);
// The tips that follow a state of the working copy.
const char* TriangleAngleTip(int32_t hollow);
const char* TextLockTip(int32_t locked);
const char* GlobalSwatchesTip(int32_t global);
