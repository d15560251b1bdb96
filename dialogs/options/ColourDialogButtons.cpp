// The colour dialog's three buttons: OK commits and writes the working copy and refreshes what shows the
// colours, "Annuler" drops it, "Défaut" loads black strokes and text into it.
#include "dialogs/options/ColourChannels.h"
#include "dialogs/options/ColourDialog.h"
#include "dialogs/options/ColourWorkingCopy.h"
#include "dialogs/options/DialogSupport.h"
#include "dialogs/options/PanelLinks.h"
#include "dialogs/options/SettingWrites.h"
#include "frame/ArrowHeads.h"
#include "frame/Colours.h"
#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/ADMItemSuite.h"
#include "panel/PanelItems.h"
#include "records/CurrentOptions.h"
#include "records/DialogPositions.h"

namespace {

// The keys of the eight channels of each side, in channel order.
constexpr const char* kStrokeChannelKeys[kColourChannelCount] = {"Gris", "Rouge",   "Vert",  "Bleu",
                                                                  "Cyan", "Magenta", "Jaune", "NoirCMJN"};
constexpr const char* kTextChannelKeys[kColourChannelCount] = {"GrisTexte", "RougeTexte",   "VertTexte",  "BleuTexte",
                                                                "CyanTexte", "MagentaTexte", "JauneTexte", "NoirTexteCMJN"};

// The triangular arrow-head preset, whose hollow flag follows "FlecheCreuse".
constexpr int32_t kTriangleArrowPreset = 2;
// What "Défaut" loads: black in grey for both sides, both tips at 17 degrees.
constexpr double kDefaultGrey = 100.0;
constexpr double kDefaultArrowAngle = 17.0;

// Writes the channels of the committed model of one side from the working copy.
void WriteChannels(SettingWrites& writes, int32_t side) {
    const char* const* keys = side == kTextSide ? kTextChannelKeys : kStrokeChannelKeys;
    const ColourValues& working = WorkingValues(side);
    const ChannelRange channels = ChannelsOfModel(ColourModelOf(side));
    for (int32_t channel = channels.First; channel < channels.First + channels.Count; ++channel) {
        writes.Real(keys[channel], ChannelValue(working, channel));
    }
}

// The host records, the path styles and the swatches follow the committed colours. The styles come first:
// with the text locked to the strokes the text record is a copy of the strokes' style colour, which must
// already be the new one.
void RefreshCommittedColours() {
    ColourSettings& c = gColourSettings;
    if (c.GlobalSwatches != 0) MakeColourSwatches();
    ApplyStrokeColourToStyles(c.GlobalSwatches);
    AIColor record;
    GetArtColour(&record, kStrokeSide);
    GetArtColour(&record, kTextSide);
    if (gCurrentOptions.ArrowPreset == kTriangleArrowPreset) gArrowHeadShape.Hollow = c.HollowTriangle;
}

void CloseColourDialog(ADMItemRef item) {
    gDialogPositions.ColourDialogBounds = DialogBounds(ItemDialog(item));
    gDialogOpenFlags.ColourDialogRef = nullptr;
}

}  // namespace

void ColourDialogOk(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    const ColourDialogWorkingCopy& w = gColourWorkingCopy;
    SettingWrites writes;
    writes.Integer("TypeCoulTraits", w.StrokeModel);
    writes.Integer("TypeCoulTexte", w.TextModel);
    writes.Real("AnglePointe1", w.OpenArrowAngle);
    writes.Real("AnglePointe2", w.TriangleArrowAngle);
    writes.Flag("FlecheCreuse", w.HollowTriangle);
    writes.Flag("CadenasTexte", w.TextLock);
    writes.Flag("CouleursGlobales", w.GlobalSwatches);
    WriteChannels(writes, kStrokeSide);
    WriteChannels(writes, kTextSide);
    RefreshCommittedColours();
    CloseColourDialog(item);
    InvalidatePanelItem(kPanelStrokeColourButton);
    InvalidatePanelItem(kPanelTextColourButton);
    if (gDialogOpenFlags.PrefsDialogOpen != 0) InvalidateDialog(gDialogOpenFlags.PrefsDialogRef);
    writes.TellUser();
}

void ColourDialogCancel(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    CloseColourDialog(item);
}

void ColourDialogDefault(ADMItemRef item, ADMNotifierRef notifier) {
    sADMItem->DefaultNotify(item, notifier);
    const ADMDialogRef dialog = ItemDialog(item);
    ColourDialogWorkingCopy& w = gColourWorkingCopy;
    w.StrokeModel = w.TextModel = kGreyModel;
    SelectEntryByID(DialogItem(dialog, kColourModelPopup), kGreyModel);

    w.GlobalSwatches = 0;
    SetItemBoolean(dialog, kGlobalSwatchesBox, false);
    SetItemTip(dialog, kGlobalSwatchesBox, GlobalSwatchesTip(0));

    w.OpenArrowAngle = w.TriangleArrowAngle = kDefaultArrowAngle;
    w.HollowTriangle = 1;
    w.TextLock = 1;
    SetItemBoolean(dialog, kTextLockPicture, true);
    SetItemTip(dialog, kTextLockPicture, TextLockTip(1));
    InvalidateItem(dialog, kTextLockPicture);

    w.Target = kStrokeSide;
    SetItemBoolean(dialog, kStrokeTargetRadio, true);
    SetItemBoolean(dialog, kTextTargetRadio, false);
    EnableItem(dialog, kStrokeTargetRadio, false);
    EnableItem(dialog, kTextTargetRadio, false);

    SetItemBoolean(dialog, kTriangleArrowPicture, true);
    SetItemTip(dialog, kTriangleArrowAngleEdit, TriangleAngleTip(1));
    InvalidateItem(dialog, kTriangleArrowPicture);
    InvalidateItem(dialog, kOpenArrowPicture);
    SetItemFloat(dialog, kOpenArrowAngleEdit, kDefaultArrowAngle);
    EnableItem(dialog, kOpenArrowAngleEdit, true);
    ActivateItem(dialog, kOpenArrowAngleEdit);
    SetItemFloat(dialog, kTriangleArrowAngleEdit, kDefaultArrowAngle);

    w.Stroke.Grey = w.Text.Grey = kDefaultGrey;
    SetItemFloat(dialog, kFirstChannelSlider + kGreyChannel, kDefaultGrey);
    SetItemFloat(dialog, kFirstChannelEdit + kGreyChannel, kDefaultGrey);
    InvalidateItem(dialog, kFirstChannelCaption + kGreyChannel);
    ShowGreyGroup(dialog);
    InvalidateDialog(dialog);
}
