#include "dialogs/creation/FigureDialogCommon.h"

#include <cmath>
#include <cstring>

#include "dialogs/creation/AngleCreationDialog.h"
#include "dialogs/creation/CircleCreationDialog.h"
#include "dialogs/creation/SegmentCreationDialog.h"
#include "dimension/CurrentDimension.h"
#include "frame/Colours.h"
#include "frame/DialogOpeners.h"
#include "frame/NumericFields.h"
#include "frame/PluginReference.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "tools/ClickSequences.h"

namespace {


// The colour button's picture and its swatch: the frame in black and the colour inside.
constexpr int32_t kColourButtonPicture = 1079;
constexpr ADMRect kSwatchFrame{3, 5, 10, 17};
constexpr ADMRect kSwatchInside{4, 5, 9, 17};
// Above this grey the swatch has no black frame (it would not show against the colour).
constexpr double kFramelessGrey = 50.0;

// The orientation popup: 30 degrees apart from -150 to 180, separators after -30 and after 0.
constexpr int32_t kFirstOrientationStep = -5;
constexpr int32_t kLastOrientationStep = 6;
constexpr float kOrientationStep = 30.0f;
constexpr int32_t kSeparatorAfterSteps[] = {-1, 0};
constexpr int32_t kOrientationTextLength = 6;

uint16_t Channel(double value) { return static_cast<uint16_t>(std::trunc(std::fmax(0.0, std::fmin(value, 65535.0)))); }

void AppendEntry(ADMListRef list, int32_t id, const char* text, bool separator) {
    int32_t count = 0;
    sADMList->NumberOfEntries(list, &count);
    ADMEntryRef entry = nullptr;
    if (sADMList->InsertEntry(list, count, &entry) != kNoErr) return;
    sADMEntry->SetID(entry, id);
    sADMEntry->SetText(entry, text);
    if (separator) sADMEntry->MakeSeparator(entry, 1);
}

}  // namespace

void InstallFigureCreationDialogs() {
    InstallDialogOpener(ModalDialog::SegmentCreation, OpenSegmentCreationDialog);
    InstallDialogOpener(ModalDialog::AngleCreation, OpenAngleCreationDialog);
    InstallDialogOpener(ModalDialog::CircleCreation, OpenCircleCreationDialog);
}

void RunFigureDialog(int32_t resource, ADMDialogInitProc init, const int32_t& openFlag) {
    if (openFlag != 0) return;
    int32_t result = 0;
    sADMDialog->Modal(OwnPluginRef(), kFigureDialogName, resource, kADMModalDialogStyle, init, nullptr, 0,
                      &result);
}

void BuildFigureDialog(ADMDialogRef dialog, ADMDialogDrawProc draw, const char* title, const ADMRect& remembered,
                       const FigureDialogItem* items, size_t count, void (*copyStored)(int32_t id),
                       void (*show)(ADMItemRef item, int32_t id), int32_t& openFlag) {
    sADMDialog->SetDrawProc(dialog, draw);
    PlaceFigureDialog(dialog, title, remembered);
    for (size_t i = 0; i < count; ++i) {
        copyStored(items[i].Id);
        if (ADMItemRef item = CreateFigureDialogItem(dialog, items[i])) show(item, items[i].Id);
    }
    openFlag = 1;
}

bool TakeFieldValue(ADMItemRef field, ADMNotifierRef notifier, double& target) {
    if (!IsUserChange(notifier)) return false;
    target = KeptFieldValue(field, target);
    return true;
}

void ToggleFlag(ADMItemRef item, ADMNotifierRef notifier, int32_t& flag, int32_t redrawn) {
    if (!IsUserChange(notifier)) return;
    flag = flag != 0 ? 0 : 1;
    RedrawItemIn(item, redrawn);
}

ADMItemRef CreateFigureDialogItem(ADMDialogRef dialog, const FigureDialogItem& desc) {
    ADMItemRef item = nullptr;
    if (sADMItem->Create(dialog, desc.Id, desc.Type, &desc.Bounds, nullptr, nullptr, 0, &item) != kNoErr)
        return nullptr;
    if (desc.Label != nullptr) sADMItem->SetText(item, desc.Label);
    if (desc.Tip != nullptr) sADMItem->SetTipString(item, desc.Tip);
    if (desc.Draw != nullptr) sADMItem->SetDrawProc(item, desc.Draw);
    if (desc.Notify != nullptr) sADMItem->SetNotifyProc(item, desc.Notify);
    if (desc.Track != nullptr) sADMItem->SetTrackProc(item, desc.Track);
    return item;
}

ADMItemRef FigureDialogItemOf(ADMDialogRef dialog, int32_t id) {
    ADMItemRef item = nullptr;
    if (sADMDialog->GetItem(dialog, id, &item) != kNoErr) return nullptr;
    return item;
}

void ShowNumberIn(ADMItemRef anyItem, int32_t id, double value) {
    if (ADMItemRef item = SiblingItem(anyItem, id)) sADMItem->SetFloatValue(item, static_cast<float>(value));
}

void ShowFlagIn(ADMItemRef anyItem, int32_t id, int32_t flag) {
    if (ADMItemRef item = SiblingItem(anyItem, id)) sADMItem->SetBooleanValue(item, flag != 0 ? 1 : 0);
}

void EnableItemIn(ADMItemRef anyItem, int32_t id, bool enabled) {
    if (ADMItemRef item = SiblingItem(anyItem, id)) sADMItem->Enable(item, enabled ? 1 : 0);
}

void RedrawItemIn(ADMItemRef anyItem, int32_t id) {
    if (ADMItemRef item = SiblingItem(anyItem, id)) sADMItem->Invalidate(item);
}

int32_t ItemId(ADMItemRef item) {
    int32_t id = 0;
    sADMItem->GetID(item, &id);
    return id;
}

void PlaceFigureDialog(ADMDialogRef dialog, const char* title, const ADMRect& remembered) {
    sADMDialog->SetText(dialog, title);
    const ADMRect bounds{remembered.left, remembered.top, remembered.left + kFigureDialogWidth,
                         remembered.top + kFigureDialogHeight};
    sADMDialog->SetBoundsRect(dialog, &bounds);
}

void RememberFigureDialogBounds(ADMDialogRef dialog, ADMRect& remembered) {
    ADMRect bounds{};
    if (sADMDialog->GetBoundsRect(dialog, &bounds) == kNoErr) remembered = bounds;
}

void RememberItemDialogBounds(ADMItemRef item, ADMRect& remembered) {
    ADMDialogRef dialog = nullptr;
    if (sADMItem->GetDialog(item, &dialog) == kNoErr) RememberFigureDialogBounds(dialog, remembered);
}

void DropClickGroup() {
    DropNewGroup();
    if (gCurrentDimension.DimensionGroup == nullptr) ForgetDimensionParts();
}

void EndFigureDialog(ADMItemRef item, ADMNotifierRef notifier, ADMRect& remembered) {
    sADMItem->DefaultNotify(item, notifier);
    RememberItemDialogBounds(item, remembered);
    DropClickGroup();
}

void CancelFigureDialog(ADMItemRef item, ADMNotifierRef notifier, ADMRect& remembered, int32_t& openFlag) {
    sADMItem->DefaultNotify(item, notifier);
    DropClickGroup();
    openFlag = 0;
    RememberItemDialogBounds(item, remembered);
}

void SetUpNumberField(ADMItemRef field, const FieldRange& range, double value) {
    sADMItem->SetUnits(field, range.Units);
    sADMItem->SetSmallIncrement(field, range.Small);
    sADMItem->SetLargeIncrement(field, range.Large);
    sADMItem->SetMinFloatValue(field, range.Minimum);
    sADMItem->SetMaxFloatValue(field, range.Maximum);
    sADMItem->SetFloatValue(field, static_cast<float>(value));
}

void OrientationEntryText(float degrees, char (&text)[8]) {
    text[0] = ' ';
    text[1] = '\0';
    sADMBasic->ValueToString(degrees, text + 1, kOrientationTextLength, kADMNoUnits, 1, 0);
}

void FillOrientationPopup(ADMItemRef field) {
    ADMListRef list = nullptr;
    if (sADMItem->GetList(field, &list) != kNoErr || list == nullptr) return;
    int32_t id = 0;
    for (int32_t step = kFirstOrientationStep; step <= kLastOrientationStep; ++step, ++id) {
        char text[8];
        OrientationEntryText(static_cast<float>(step) * kOrientationStep, text);
        AppendEntry(list, id, text, false);
        for (int32_t after : kSeparatorAfterSteps)
            if (step == after) AppendEntry(list, -1, "-", true);
    }
}

void DrawNothing(ADMItemRef, ADMDrawerRef) {}

void FocusFigureDialogEdit(ADMItemRef item, int32_t id) {
    if (ADMItemRef field = SiblingItem(item, id)) sADMItem->Activate(field, 1);
}

void OpenColourDialogNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    OpenModalDialog(ModalDialog::Colours);
    ADMDialogRef dialog = nullptr;
    if (sADMItem->GetDialog(item, &dialog) == kNoErr) sADMDialog->Invalidate(dialog);
}

ADMRGBColor StrokeSwatchColour() {
    const ColourValues& v = gColourSettings.Stroke;
    ADMRGBColor colour;
    switch (gColourSettings.StrokeModel) {
    case kGreyModel: {
        const uint16_t level = Channel((100.0 - v.Grey) * 255.0 * 255.0 / 100.0);
        colour = {level, level, level};
        break;
    }
    case kCmykModel:
        CmykToDisplayRgb(&colour, static_cast<float>(v.Cyan * 0.01), static_cast<float>(v.Magenta * 0.01),
                         static_cast<float>(v.Yellow * 0.01), static_cast<float>(v.Black * 0.01));
        break;
    default:
        colour = {Channel(std::trunc(v.Red) * 255.0), Channel(std::trunc(v.Green) * 255.0),
                  Channel(std::trunc(v.Blue) * 255.0)};
        break;
    }
    return colour;
}

void ColourButtonSwatchDraw(ADMItemRef, ADMDrawerRef drawer) {
    const ADMPoint origin{0, 0};
    sADMDrawer->DrawResPicture(drawer, OwnPluginRef(), kColourButtonPicture, &origin);
    const bool frameless = gColourSettings.StrokeModel == kGreyModel && gColourSettings.Stroke.Grey > kFramelessGrey;
    if (frameless) {
        sADMDrawer->ClearRect(drawer, &kSwatchFrame);
    } else {
        sADMDrawer->SetADMColor(drawer, kADMBlackColor);
        sADMDrawer->DrawRect(drawer, &kSwatchFrame);
    }
    const ADMRGBColor colour = StrokeSwatchColour();
    sADMDrawer->SetRGBColor(drawer, &colour);
    sADMDrawer->FillRect(drawer, &kSwatchInside);
}

void DrawDialogPicture(ADMDialogRef dialog, ADMDrawerRef drawer, int32_t picture, ADMPoint at) {
    sADMDialog->DefaultDraw(dialog, drawer);
    sADMDrawer->DrawResPicture(drawer, OwnPluginRef(), picture, &at);
}
