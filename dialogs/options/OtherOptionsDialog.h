// The other-options dialog "Autres options  (Vek-Tavorine).": the extension lines' offset, the text gap, the
// decimal separator, the tolerance text's size and offset, dashed dimension lines with their two dash/gap
// pairs and round or square ends, and the font step.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

#define kOtherOptionsDialogName "ModèleBidon"
#define kOtherOptionsTitle "Autres options  (Vek-Tavorine)."
constexpr int32_t kOtherOptionsWidth = 308;
constexpr int32_t kOtherOptionsHeight = 269;
constexpr int32_t kOtherOptionsExpandedHeight = 319;

// Item ids.
constexpr int32_t kOtherOptionsOkButton = 1;
constexpr int32_t kOtherOptionsCancelButton = 2;
constexpr int32_t kOtherOptionsDefaultButton = 3;
constexpr int32_t kTieOffsetEdit = 12;
constexpr int32_t kTieOffsetPicture = 13;
constexpr int32_t kTextGapEdit = 14;
constexpr int32_t kTextGapPicture = 15;
constexpr int32_t kReducedToleranceBox = 16;
constexpr int32_t kToleranceOffsetEdit = 17;
constexpr int32_t kToleranceOffsetPicture = 18;
constexpr int32_t kCommaRadio = 19;
constexpr int32_t kPointRadio = 20;
constexpr int32_t kExpandButton = 21;
constexpr int32_t kFontStepEdit = 22;
constexpr int32_t kFontStepHintButton = 23;
constexpr int32_t kToleranceSample = 24;
constexpr int32_t kSeparatorSample = 25;
constexpr int32_t kValueSample = 26;
constexpr int32_t kDashOneEdit = 27;
constexpr int32_t kDashTwoEdit = 28;
constexpr int32_t kGapOneEdit = 29;
constexpr int32_t kGapTwoEdit = 30;
constexpr int32_t kDashButton = 31;
constexpr int32_t kDashEndsButton = 32;
constexpr int32_t kDashPreview = 33;

// What the dialog edits until its OK; the font step has no working copy (its field changes the setting).
struct OtherOptionsWorkingCopy {
    double ExtensionGap = 0.0;       // "Gap"
    double TextGap = 0.0;            // "GapTexteSeg"
    char DecimalSeparator = ',';     // "Virgule"
    int32_t ReducedToleranceText = 0;// "TailleTexteTol"
    double ToleranceOffset = 0.0;    // "DecaleTexteTol"
    int32_t Dashed = 0;              // "Pointille"
    int32_t RoundDashEnds = 0;       // "BoutRond"
    double DashOne = 0.0;            // "TiretUn"
    double GapOne = 0.0;             // "TrouUn"
    double DashTwo = 0.0;            // "TiretDeux"
    double GapTwo = 0.0;             // "TrouDeux"
    int32_t PreviousTrackY = 0;      // the vertical drags' previous pointer position
};

extern OtherOptionsWorkingCopy gOtherOptionsWorkingCopy;

// Runs the dialog modally unless it is already open; returns when it has closed.
void OpenOtherOptionsDialog();
ASErr OtherOptionsInit(ADMDialogRef dialog);

// The drawing procedures, shared by the dialog's files.
void OtherOptionsDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void TieOffsetPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void TextGapPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ToleranceOffsetPictureDraw(ADMItemRef item, ADMDrawerRef drawer);
void ToleranceSampleDraw(ADMItemRef item, ADMDrawerRef drawer);
void SeparatorSampleDraw(ADMItemRef item, ADMDrawerRef drawer);
void ValueSampleDraw(ADMItemRef item, ADMDrawerRef drawer);
void DashButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void DashEndsButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
void DashPreviewDraw(ADMItemRef item, ADMDrawerRef drawer);
void ExpandButtonDraw(ADMItemRef item, ADMDrawerRef drawer);
// The tips that follow a state of the working copy.
const char* ReducedToleranceTip(int32_t reduced);
const char* DashEndsTip(int32_t round);
