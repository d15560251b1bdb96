// The other-options dialog's pictures and samples, drawn from the working copy in the stroke and text colours,
// and the dialog's own decoration.
#include <string>
#include <string_view>

#include "dialogs/options/DialogSupport.h"
#include "dialogs/options/OtherOptionsDialog.h"
#include "frame/Colours.h"
#include "frame/SuiteTable.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"

namespace {

// Host palette colours the pictures name by number.
constexpr ADMColor kMeasuredObjectColour = static_cast<ADMColor>(18);
constexpr ADMColor kEtchShadowColour = static_cast<ADMColor>(6);
constexpr ADMColor kEtchLightColour = static_cast<ADMColor>(1);

// Dash icons: dashes on or off; line ends round or square, with dashes on or off.
constexpr int32_t kDashesOnIcon = 1139;
constexpr int32_t kDashesOffIcon = 1140;
constexpr int32_t kSquareEndsIcon = 1141;
constexpr int32_t kRoundEndsIcon = 1142;
constexpr int32_t kSquareEndsOffIcon = 1143;
constexpr int32_t kRoundEndsOffIcon = 1144;

// The dash preview: 244 by 4 pixels, dashes laid from x 2 while x is below 241.
constexpr ADMRect kSolidPreview{0, 0, 244, 4};
constexpr int32_t kPreviewStart = 2;
constexpr int32_t kPreviewEnd = 241;
constexpr int32_t kPreviewHeight = 4;

// The tolerance group's etched separator and title, and the font-step hint of the expanded dialog.
constexpr int32_t kEtchTop = 118;
constexpr int32_t kEtchLeftStart = 3;
constexpr int32_t kEtchLeftEnd = 123;
constexpr int32_t kEtchRightStart = 187;
constexpr int32_t kEtchRightEnd = 302;
constexpr ADMRect kEtchTitleBox{124, 110, 186, 124};
constexpr ADMPoint kEtchTitle{125, 120};
constexpr const char* kFontStepHint =
    "Si la police du panneau ne correspond pas à celle utilisée, augmentez de 1 en 1 jusqu'à satisfaction.";
constexpr ADMRect kHintBox{12, 245, 223, 295};
constexpr size_t kHintLineCharacters = 36;
constexpr int32_t kHintLineHeight = 13;
constexpr int32_t kExpandedMinimum = 300;

ADMRGBColor StrokeColour() {
    ADMRGBColor colour;
    GetDisplayColour(&colour, kStrokeSide);
    return colour;
}

ADMRGBColor TextColour() {
    ADMRGBColor colour;
    GetDisplayColour(&colour, kTextSide);
    return colour;
}

const char* ToleranceText() { return gOtherOptionsWorkingCopy.DecimalSeparator == '.' ? "±0.25" : "±0,25"; }

// An arrow head of two strokes meeting at `tip`, drawn from `back` above and below the line.
void ArrowStrokes(ADMDrawerRef drawer, int32_t backH, int32_t tipH, int32_t v, int32_t spread) {
    DrawLine(drawer, backH, v - spread, tipH, v);
    DrawLine(drawer, backH, v + spread, tipH, v);
}

void FillRects(ADMDrawerRef drawer, std::initializer_list<ADMRect> rects) {
    for (const ADMRect& rect : rects) FillRect(drawer, rect);
}

// The number of characters of a UTF-8 text.
size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++count;
    return count;
}

// Draws `text` word by word into lines of at most kHintLineCharacters characters from the top of `box`.
void DrawWrapped(ADMDrawerRef drawer, std::string_view text, const ADMRect& box) {
    int32_t baseline = box.top + kHintLineHeight - 1;
    std::string line;
    const auto flush = [&] {
        if (line.empty()) return;
        DrawTextAt(drawer, line.c_str(), box.left, baseline);
        baseline += kHintLineHeight;
        line.clear();
    };
    while (!text.empty()) {
        const size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        if (!line.empty() && CharacterCount(line) + 1 + CharacterCount(word) > kHintLineCharacters) flush();
        if (!line.empty()) line += ' ';
        line += word;
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    flush();
}

}  // namespace

void TieOffsetPictureDraw(ADMItemRef, ADMDrawerRef drawer) {
    const double gap = gOtherOptionsWorkingCopy.ExtensionGap;
    int32_t reach = 0;
    if (gap > 13.0) {
        reach = 17;
    } else if (gap <= -8.0) {
        reach = 38;
    } else {
        reach = WholePixels(30.0 - gap);
    }
    sADMDrawer->Clear(drawer);
    SetPen(drawer, StrokeColour());
    DrawLine(drawer, 1, 15, 29, 15);
    ArrowStrokes(drawer, 4, 1, 15, 3);
    ArrowStrokes(drawer, 23, 26, 15, 3);
    DrawLine(drawer, 0, 11, 0, reach);
    DrawLine(drawer, 27, 11, 27, reach);
    const ADMPoint object[] = {{1, 30}, {27, 30}, {21, 36}, {7, 36}};
    SetPen(drawer, kMeasuredObjectColour);
    sADMDrawer->FillPolygon(drawer, object, 4);
    SetPen(drawer, kADMBlackColor);
    sADMDrawer->DrawPolygon(drawer, object, 4);
}

void TextGapPictureDraw(ADMItemRef, ADMDrawerRef drawer) {
    const double gap = gOtherOptionsWorkingCopy.TextGap;
    const int32_t leftEnd = WholePixels(16.0 - gap);
    const int32_t rightStart = gap > 19.0 ? 37 : WholePixels(19.0 + gap);
    sADMDrawer->Clear(drawer);
    SetPen(drawer, StrokeColour());
    DrawLine(drawer, 0, 23, leftEnd, 23);
    DrawLine(drawer, rightStart, 23, 37, 23);
    ArrowStrokes(drawer, 3, 0, 23, 3);
    ArrowStrokes(drawer, 34, 37, 23, 3);
    SetPen(drawer, TextColour());
    SetDrawFont(drawer, kDialogFont);
    DrawTextAt(drawer, "T", 15, 26);
}

void ToleranceOffsetPictureDraw(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    SetPen(drawer, TextColour());
    SetDrawFont(drawer, kSmallFont);
    DrawTextAt(drawer, ToleranceText(), 0, 32);
    SetPen(drawer, kADMBlackColor);
    DrawLine(drawer, 14, 18, 14, 10);
    DrawLine(drawer, 11, 13, 14, 10);
    DrawLine(drawer, 17, 13, 14, 10);
    DrawLine(drawer, 14, 39, 14, 47);
    DrawLine(drawer, 11, 44, 14, 47);
    DrawLine(drawer, 17, 44, 14, 47);
}

void ToleranceSampleDraw(ADMItemRef, ADMDrawerRef drawer) {
    const OtherOptionsWorkingCopy& w = gOtherOptionsWorkingCopy;
    const double offset = w.ToleranceOffset;
    const bool reduced = w.ReducedToleranceText != 0;
    const double highest = reduced ? 27.0 : 24.0;
    const double lowest = reduced ? -22.0 : -20.0;
    int32_t baseline = 0;
    if (offset > highest) {
        baseline = reduced ? 7 : 10;
    } else if (offset < lowest) {
        baseline = 57;
    } else {
        baseline = WholePixels(35.0 - offset);
    }
    sADMDrawer->Clear(drawer);
    SetPen(drawer, TextColour());
    SetDrawFont(drawer, reduced ? kSmallFont : kPlainFont);
    DrawTextAt(drawer, ToleranceText(), 0, baseline);
}

void SeparatorSampleDraw(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    SetPen(drawer, TextColour());
    SetDrawFont(drawer, kPlainFont);
    DrawTextAt(drawer, gOtherOptionsWorkingCopy.DecimalSeparator == '.' ? "20.06" : "20,06", 0, 11);
}

void ValueSampleDraw(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    SetPen(drawer, TextColour());
    DrawTextAt(drawer, "53 mm", 0, 12);
}

void DashButtonDraw(ADMItemRef item, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    DrawIconResource(drawer, item, gOtherOptionsWorkingCopy.Dashed != 0 ? kDashesOnIcon : kDashesOffIcon, 0, 0);
}

void DashEndsButtonDraw(ADMItemRef item, ADMDrawerRef drawer) {
    const OtherOptionsWorkingCopy& w = gOtherOptionsWorkingCopy;
    const bool round = w.RoundDashEnds != 0;
    const int32_t icon = w.Dashed != 0 ? (round ? kRoundEndsIcon : kSquareEndsIcon)
                                        : (round ? kRoundEndsOffIcon : kSquareEndsOffIcon);
    sADMDrawer->Clear(drawer);
    DrawIconResource(drawer, item, icon, 0, 0);
}

// Dashes from the two dash/gap pairs in whole pixels. A pattern that moves the preview forward by less than a
// pixel per round (pairs adding up to less than 1, or negative lengths) stops after its first round.
void DashPreviewDraw(ADMItemRef, ADMDrawerRef drawer) {
    const OtherOptionsWorkingCopy& w = gOtherOptionsWorkingCopy;
    sADMDrawer->Clear(drawer);
    SetPen(drawer, TextColour());
    if (w.Dashed == 0) {
        FillRect(drawer, kSolidPreview);
        return;
    }
    const bool round = w.RoundDashEnds != 0;
    const double pairs[2][2] = {{w.DashOne, w.GapOne}, {w.DashTwo, w.GapTwo}};
    int32_t x = kPreviewStart;
    while (x < kPreviewEnd) {
        const int32_t roundStart = x;
        for (const auto& pair : pairs) {
            const double dash = pair[0];
            const int32_t dashEnd = WholePixels(x + dash);
            if (dashEnd > x) FillRect(drawer, ADMRect{x, 0, dashEnd, kPreviewHeight});
            if (round) {
                const int32_t endCap = WholePixels(x - 1 + dash);
                const ADMRect startEnd{x - 1, 0, x + 3, kPreviewHeight};
                const ADMRect finishEnd{endCap, 0, endCap + 4, kPreviewHeight};
                sADMDrawer->FillOval(drawer, &startEnd);
                sADMDrawer->FillOval(drawer, &finishEnd);
            }
            x = WholePixels(x + dash + pair[1]);
        }
        if (x <= roundStart) break;
    }
}

void ExpandButtonDraw(ADMItemRef item, ADMDrawerRef drawer) {
    const ADMRect window = DialogBounds(ItemDialog(item));
    const bool standing = window.bottom - window.top >= kExpandedMinimum;
    sADMDrawer->Clear(drawer);
    SetPen(drawer, kADMBlackColor);
    if (standing) {
        FillRects(drawer, {{1, 4, 4, 9}, {0, 5, 5, 8}, {1, 9, 2, 11}, {1, 11, 4, 13}});
        SetPen(drawer, kADMWhiteColor);
        FillRect(drawer, ADMRect{2, 6, 3, 7});
    } else {
        FillRects(drawer, {{1, 5, 4, 10}, {0, 6, 5, 9}, {7, 6, 9, 9}, {5, 8, 7, 9}});
        SetPen(drawer, kADMWhiteColor);
        FillRect(drawer, ADMRect{2, 7, 3, 8});
    }
}

void OtherOptionsDraw(ADMDialogRef dialog, ADMDrawerRef drawer) {
    sADMDialog->DefaultDraw(dialog, drawer);
    SetPen(drawer, kEtchShadowColour);
    DrawLine(drawer, kEtchLeftStart, kEtchTop, kEtchLeftEnd, kEtchTop);
    DrawLine(drawer, kEtchRightStart, kEtchTop, kEtchRightEnd, kEtchTop);
    SetPen(drawer, kEtchLightColour);
    DrawLine(drawer, kEtchLeftStart, kEtchTop + 1, kEtchLeftEnd, kEtchTop + 1);
    DrawLine(drawer, kEtchRightStart, kEtchTop + 1, kEtchRightEnd, kEtchTop + 1);
    ClearRect(drawer, kEtchTitleBox);
    SetDrawFont(drawer, kDialogFont);
    SetPen(drawer, kADMBlackColor);
    DrawTextAt(drawer, "Tolérances.", kEtchTitle.h, kEtchTitle.v);
    const ADMRect window = DialogBounds(dialog);
    if (window.bottom - window.top >= kOtherOptionsExpandedHeight) DrawWrapped(drawer, kFontStepHint, kHintBox);
}
