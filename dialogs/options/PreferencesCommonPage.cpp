// The common page: the defaults every tool shares, above the tool pages.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include "dialogs/options/PreferencesDialog.h"
#include "dialogs/options/PreferencesItems.h"
#include "dialogs/options/PreferencesPages.h"
#include "frame/Colours.h"
#include "frame/DialogOpeners.h"
#include "frame/NumericFields.h"
#include "frame/PluginReference.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/ADMBasicSuite.h"
#include "host/ADMDialogSuite.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMEntrySuite.h"
#include "host/ADMItemSuite.h"
#include "host/ADMListSuite.h"
#include "host/ADMNotifierSuite.h"
#include "host/ADMTrackerSuite.h"
#include "host/FontSuite.h"
#include "host/Platform.h"
#include "panel/FontChoice.h"
#include "records/DialogPositions.h"
#include "records/DragValues.h"

using namespace prefsitems;

namespace {

using W = PreferencesWorkingCopy;

void ToolPopupNotify(ADMItemRef item, ADMNotifierRef notifier);
void ToggleArrowsPointsNotify(ADMItemRef item, ADMNotifierRef notifier);
void EndMarkShapeButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawEndMarkShapeButton(ADMItemRef item, ADMDrawerRef drawer);
void DrawScaleLabel(ADMItemRef item, ADMDrawerRef drawer);
void DecimalsNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawPrecisionGauge(ADMItemRef item, ADMDrawerRef drawer);
ADMBoolean PrecisionGaugeTrack(ADMItemRef item, ADMTrackerRef tracker);
void SoundNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawSoundButton(ADMItemRef item, ADMDrawerRef drawer);
void RedrawAllNotify(ADMItemRef item, ADMNotifierRef notifier);
void PrefixSwitchNotify(ADMItemRef item, ADMNotifierRef notifier);
void PrefixNotify(ADMItemRef item, ADMNotifierRef notifier);
void FontNotify(ADMItemRef item, ADMNotifierRef notifier);
void DrawBodySizePicture(ADMItemRef item, ADMDrawerRef drawer);
void PrefsColourButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
void OwnLayerNotify(ADMItemRef item, ADMNotifierRef notifier);
void PipetteNotify(ADMItemRef item, ADMNotifierRef notifier);
void LayerNameNotify(ADMItemRef item, ADMNotifierRef notifier);

constexpr int32_t kDialogFont = 1;
constexpr int32_t kSmallFont = 13;

constexpr const char* kWidthTip = "Épaisseurs par défaut.";
constexpr const char* kColourTip = "Dialogue des couleurs et options.";
constexpr const char* kDecimalsTip = "Nombre de chiffres après la virgule par défaut (de 0 à 6).";
constexpr const char* kPrefixTip = "Caractères avant la cote.";
constexpr const char* kSuffixTip = "Caractères après la cote.";
constexpr const char* kBodySizeTip = "Corps du texte (Clic+Commande->Corps par défaut).";
constexpr const char* kSizeArrowsTip = "Taille des pointes par défaut (à partir de 0%).";
constexpr const char* kSizePointsTip = "Taille des points par défaut (à partir de 0%).";
constexpr const char* kShapeArrowsTip = "Forme de la pointe de flèche par défaut.";
constexpr const char* kShapePointsTip = "Forme des points par défaut.";
constexpr const char* kRedrawAllTip =
    "En cas de clic sur une cote pour la modifier, toutes les cotes modifiables seront modifiées d'un seul coup.";
constexpr const char* kRedrawOneTip =
    "En cas de clic sur une cote pour la modifier, seule la cote cliquée sera modifiée.";
constexpr const char* kNewLayerTip = "Les cotes seront sur un nouveau calque.";
constexpr const char* kSameLayerTip = "Les cotes seront sur le même calque que l'objet cliqué.";

constexpr FieldLook kWidthLook{.Units = kADMPointUnits, .SmallStep = 0.1f, .LargeStep = 1.0f, .Minimum = 0.0f};
constexpr FieldLook kSizeLook{.Units = kADMPercentUnits, .SmallStep = 5.0f, .LargeStep = 50.0f, .Minimum = 0.0f};
constexpr FieldLook kDecimalsLook{.SmallStep = 1.0f, .Minimum = 0.0f, .Maximum = 6.0f, .Precision = 0};
constexpr FieldLook kBodyLook{.Units = kADMPointUnits, .SmallStep = 1.0f, .LargeStep = 4.0f, .Minimum = 0.1f};

constexpr const char* kPicture = kADMPicturePushButtonType;

const PrefsItemSpec kCommonItems[] = {
    {.Id = kToolPopupItem, .Type = kADMPopupListType, .Bounds = {20, 189, 180, 207}, .Notify = ToolPopupNotify},
    {.Id = kLineWidthItem, .Type = kADMSpinEditPopupType, .Bounds = {34, 20, 110, 40}, .Tip = kWidthTip,
     .Notify = RealFieldNotify, .Look = kWidthLook, .Numeric = true, .Value = {.Real = &W::LineWidth},
     .Key = "Epaisseur"},
    {.Id = kLineWidthPicture, .Type = kPicture, .Bounds = {14, 17, 31, 23}, .Tip = kWidthTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kStrokeColourButton, .Type = kPicture, .Bounds = {18, 23, 28, 38}, .Tip = kColourTip,
     .Notify = PrefsColourButtonNotify, .Draw = NoOpProc},
    {.Id = kArrowsPointsItem, .Type = kPicture, .Bounds = {194, 24, 212, 37},
     .Tip = "Bascule Flèches/Points par défaut.", .Notify = ToggleArrowsPointsNotify, .Draw = NoOpProc},
    {.Id = kEndMarkSizeItem, .Type = kADMSpinEditPopupType, .Bounds = {238, 20, 314, 40},
     .Notify = RealFieldNotify, .Look = kSizeLook, .Numeric = true, .Value = {.Real = &W::EndMarkSize},
     .Key = "Zoom"},
    {.Id = kEndMarkSizePicture, .Type = kPicture, .Bounds = {216, 22, 236, 38}, .Notify = CompanionButtonNotify,
     .Draw = NoOpProc},
    {.Id = kEndMarkShapeItem, .Type = kPicture, .Bounds = {340, 22, 358, 40}, .Notify = EndMarkShapeButtonNotify,
     .Draw = DrawEndMarkShapeButton},
    {.Id = kEndMarkShapeItem + 1, .Type = kPicture, .Bounds = {359, 22, 377, 40},
     .Notify = EndMarkShapeButtonNotify, .Draw = DrawEndMarkShapeButton},
    {.Id = kEndMarkShapeItem + 2, .Type = kPicture, .Bounds = {378, 22, 396, 40},
     .Notify = EndMarkShapeButtonNotify, .Draw = DrawEndMarkShapeButton},
    {.Id = kEndMarkShapeItem + 3, .Type = kPicture, .Bounds = {397, 22, 415, 40},
     .Notify = EndMarkShapeButtonNotify, .Draw = DrawEndMarkShapeButton},
    {.Id = kScalePopupItem, .Type = kADMPopupListType, .Bounds = {50, 48, 130, 66}, .Tip = "Échelle du dessin",
     .Notify = PreferencesScalePopupNotify, .Font = kDialogFont},
    {.Id = kScaleLabel, .Type = kPicture, .Bounds = {16, 49, 46, 65}, .Draw = DrawScaleLabel},
    {.Id = kDecimalsItem, .Type = kADMSpinEditType, .Bounds = {196, 48, 240, 66}, .Tip = kDecimalsTip,
     .Notify = DecimalsNotify, .Look = kDecimalsLook, .Numeric = true, .Value = {.Whole = &W::Decimals},
     .Key = "Precision"},
    {.Id = kDecimalsGauge, .Type = kPicture, .Bounds = {168, 46, 192, 68}, .Tip = kDecimalsTip,
     .Draw = DrawPrecisionGauge},
    {.Id = kSoundItem, .Type = kPicture, .Bounds = {414, 47, 434, 67},
     .Tip = "Active ou supprime le son de Vek-Tavorine.", .Notify = SoundNotify, .Draw = DrawSoundButton},
    {.Id = kRedrawAllItem, .Type = kADMTextCheckBoxType, .Bounds = {16, 76, 130, 92}, .Text = "Tout modifier.",
     .Notify = RedrawAllNotify, .Value = {.Whole = &W::RedrawAll}},
    {.Id = kPrefixSwitchItem, .Type = kADMTextCheckBoxType, .Bounds = {252, 76, 296, 92}, .Text = "[…]",
     .Tip = "Active/Désactive les caractères avant et après la cote.", .Notify = PrefixSwitchNotify,
     .Value = {.Whole = &W::PrefixSuffixOn}},
    {.Id = kPrefixItem, .Type = kADMTextEditType, .Bounds = {170, 75, 246, 93}, .Tip = kPrefixTip,
     .Notify = PrefixNotify},
    {.Id = kPrefixPicture, .Type = kPicture, .Bounds = {154, 76, 168, 92}, .Tip = kPrefixTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kSuffixItem, .Type = kADMTextEditType, .Bounds = {318, 75, 394, 93}, .Tip = kSuffixTip,
     .Notify = PrefixNotify},
    {.Id = kSuffixPicture, .Type = kPicture, .Bounds = {302, 76, 316, 92}, .Tip = kSuffixTip,
     .Notify = CompanionButtonNotify, .Draw = NoOpProc},
    {.Id = kFontPopupItem, .Type = kADMTextEditScrollingPopupType, .Bounds = {16, 102, 226, 120},
     .Tip = "Noms des polices installées.", .Notify = FontNotify},
    {.Id = kBodySizeItem, .Type = kADMSpinEditType, .Bounds = {366, 102, 434, 120}, .Tip = kBodySizeTip,
     .Notify = RealFieldNotify, .Look = kBodyLook, .Numeric = true, .Value = {.Real = &W::TextSize}, .Key = "Corps"},
    {.Id = kBodySizePicture, .Type = kPicture, .Bounds = {344, 104, 364, 118}, .Tip = kBodySizeTip,
     .Notify = CompanionButtonNotify, .Draw = DrawBodySizePicture},
    {.Id = kTextColourButton, .Type = kPicture, .Bounds = {326, 102, 342, 120}, .Tip = kColourTip,
     .Notify = PrefsColourButtonNotify, .Draw = NoOpProc},
    {.Id = kOwnLayerItem, .Type = kADMTextCheckBoxType, .Bounds = {16, 129, 196, 145},
     .Text = "Cotes sur calque séparé.", .Notify = OwnLayerNotify, .Value = {.Whole = &W::OwnLayer}},
    {.Id = kPipetteItem, .Type = kADMTextCheckBoxType, .Bounds = {16, 152, 270, 168},
     .Text = "Associer les outils à l'outil Pipette.", .Tip = "Outils indépendants ou associés à l'outil Pipette.",
     .Notify = PipetteNotify, .Value = {.Whole = &W::ToolsGrouped}},
    {.Id = kLayerNameItem, .Type = kADMTextEditType, .Bounds = {200, 128, 330, 146}, .Notify = LayerNameNotify,
     .Font = kDialogFont},
    {.Id = kFootSymbolItem, .Type = kADMPopupListType, .Bounds = {384, 128, 434, 146},
     .Tip = "Choix du symbole pour les pieds.", .Notify = ChoiceNotify, .Value = {.Whole = &W::FootSymbol},
     .Font = kSmallFont},
    {.Id = kInchSymbolItem, .Type = kADMPopupListType, .Bounds = {384, 151, 434, 169},
     .Tip = "Choix du symbole pour les pouces.", .Notify = ChoiceNotify, .Value = {.Whole = &W::InchSymbol},
     .Font = kSmallFont},
    {.Id = kSampleTextItem, .Type = kADMTextStaticType, .Bounds = {308, 275, 444, 291}, .Font = kDialogFont},
};

const PrefsTipRule kCommonTips[] = {
    {kEndMarkSizeItem, &W::ArrowHeads, kSizeArrowsTip, kSizePointsTip},
    {kEndMarkSizePicture, &W::ArrowHeads, kSizeArrowsTip, kSizePointsTip},
    {kEndMarkShapeItem, &W::ArrowHeads, kShapeArrowsTip, kShapePointsTip},
    {kEndMarkShapeItem + 1, &W::ArrowHeads, kShapeArrowsTip, kShapePointsTip},
    {kEndMarkShapeItem + 2, &W::ArrowHeads, kShapeArrowsTip, kShapePointsTip},
    {kEndMarkShapeItem + 3, &W::ArrowHeads, kShapeArrowsTip, kShapePointsTip},
    {kRedrawAllItem, &W::RedrawAll, kRedrawAllTip, kRedrawOneTip},
    {kOwnLayerItem, &W::OwnLayer, kNewLayerTip, kSameLayerTip},
};

constexpr const char* kToolNames[] = {"Outil Segment", "Outil Angle", "Outil Cercle", "Outil Bézier",
                                      "Outil Longueurs & aires"};
constexpr const char* kFootSymbols[] = {"'", "pi", "ft"};
constexpr const char* kInchSymbols[] = {"''", "po", "in"};

// The entries of the line-width and end-mark size lists.
constexpr double kLineWidths[] = {0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4, 1.6, 1.8, 2, 3, 4, 5, 10, 15, 20};
constexpr double kEndMarkSizes[] = {100, 125, 150, 175, 200, 225, 250, 275, 300};
constexpr size_t kWidthEntryLength = 8;
constexpr size_t kSizeEntryLength = 5;

// Icons of the end-mark shape buttons: [shape][arrows chosen, arrows, points chosen, points].
constexpr int32_t kShapeIcons[4][4] = {
    {1033, 1032, 1043, 1042}, {1035, 1034, 1045, 1044}, {1037, 1036, 1047, 1046}, {1039, 1038, 1049, 1048}};
constexpr int32_t kHollowTriangleChosen = 1041;
constexpr int32_t kHollowTriangle = 1040;
constexpr int32_t kHollowTriangleShape = 2;

constexpr int32_t kSoundOnIcon = 1135;
constexpr int32_t kSoundOffIcon = 1136;
constexpr int32_t kBodySizeIcon = 1025;
constexpr int32_t kGaugeCursor = 1100;
constexpr int32_t kGaugeTrackMask = 0x20046;
constexpr int32_t kGaugeWidth = 24;
constexpr int32_t kMaxDecimals = 6;
constexpr uint32_t kSoundOnFrequency = 9000;
constexpr uint32_t kSoundOnDuration = 100;
constexpr size_t kFontNameBufferSize = 1024;
constexpr size_t kFontNameKept = 255;
constexpr size_t kLayerNameEditable = 253;

// The host's text of a list entry: the value in `units` with `decimals` and the unit, at most `length` characters.
std::string EntryText(double value, int32_t units, int32_t decimals, size_t length) {
    char text[32] = {};
    sADMBasic->ValueToString(static_cast<float>(value), text, static_cast<int32_t>(length + 1), units, decimals, 1);
    return text;
}

void FillValueLists(ADMDialogRef dialog) {
    if (ADMItemRef width = PrefsItem(dialog, kLineWidthItem))
        for (size_t i = 0; i < std::size(kLineWidths); ++i)
            AppendEntry(width, EntryText(kLineWidths[i], kADMPointUnits, 1, kWidthEntryLength).c_str(),
                        static_cast<int32_t>(i));
    if (ADMItemRef size = PrefsItem(dialog, kEndMarkSizeItem)) {
        AppendEntry(size, EntryText(0.0, kADMPercentUnits, 0, kSizeEntryLength).c_str(), 0);
        AppendEntry(size, nullptr, -1);
        for (size_t i = 0; i < std::size(kEndMarkSizes); ++i)
            AppendEntry(size, EntryText(kEndMarkSizes[i], kADMPercentUnits, 0, kSizeEntryLength).c_str(),
                        static_cast<int32_t>(i + 1));
    }
}

void FillNamedLists(ADMDialogRef dialog) {
    if (ADMItemRef tools = PrefsItem(dialog, kToolPopupItem)) {
        for (size_t i = 0; i < std::size(kToolNames); ++i) AppendEntry(tools, kToolNames[i], static_cast<int32_t>(i));
        ChooseEntryAt(tools, gPrefs.PrefsPage - 1);
    }
    for (size_t i = 0; i < std::size(kFootSymbols); ++i)
        AppendEntry(PrefsItem(dialog, kFootSymbolItem), kFootSymbols[i], static_cast<int32_t>(i));
    for (size_t i = 0; i < std::size(kInchSymbols); ++i)
        AppendEntry(PrefsItem(dialog, kInchSymbolItem), kInchSymbols[i], static_cast<int32_t>(i));
}

// The host's fonts in the font popup, the one of the working font name chosen.
void FillFontPopup(ADMDialogRef dialog) {
    gPrefs.Working.FontNumber = SelectFontByName(PrefsItem(dialog, kFontPopupItem), gPrefs.Working.FontName);
}

void FillWorkingCopies() {
    PreferencesWorkingCopy& w = gPrefs.Working;
    const Settings& s = gSettings;
    w.LineWidth = s.LineWidth;
    w.EndMarkSize = s.EndMarkSize;
    w.ArrowHeads = s.ArrowHeads;
    w.ArrowPreset = s.ArrowPreset;
    w.Decimals = s.Decimals;
    w.Sound = s.Sound;
    w.RedrawAll = s.RedrawAll;
    w.PrefixSuffixOn = s.PrefixSuffixOn;
    w.Prefix = SettingString(s.Prefix);
    w.Suffix = SettingString(s.Suffix);
    SetSettingName(w.FontName, kFontNameKept + 1, s.PreferredFontName);
    w.TextSize = s.TextSize;
    w.OwnLayer = s.OwnLayer;
    SetSettingName(w.LayerName, kLayerNameEditable + 2, s.LayerName);
    w.ToolsGrouped = s.ToolsGrouped;
    w.FootSymbol = s.FootSymbol;
    w.InchSymbol = s.InchSymbol;
}

void EnablePrefixItems(ADMDialogRef dialog) {
    const bool on = gPrefs.Working.PrefixSuffixOn != 0;
    for (int32_t id : {kPrefixItem, kSuffixItem, kPrefixPicture, kSuffixPicture}) EnableItem(dialog, id, on);
}

void ShowTexts(ADMDialogRef dialog) {
    if (ADMItemRef prefix = PrefsItem(dialog, kPrefixItem)) sADMItem->SetText(prefix, gPrefs.Working.Prefix.c_str());
    if (ADMItemRef suffix = PrefsItem(dialog, kSuffixItem)) sADMItem->SetText(suffix, gPrefs.Working.Suffix.c_str());
    if (ADMItemRef layer = PrefsItem(dialog, kLayerNameItem)) sADMItem->SetText(layer, gPrefs.Working.LayerName);
    EnablePrefixItems(dialog);
    EnableItem(dialog, kLayerNameItem, gPrefs.Working.OwnLayer != 0);
}

void InvalidateShapeButtons(ADMDialogRef dialog) {
    for (int32_t shape = 0; shape < 4; ++shape) InvalidateItem(dialog, kEndMarkShapeItem + shape);
}

void ToolPopupNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const int32_t index = GetPopupIndex(item);
    if (index < 0) return;
    const ADMDialogRef dialog = DialogOf(item);
    gPrefs.PrefsPage = index + 1;
    ShowPreferencePage(dialog);
    RefreshSampleText(dialog);
    sADMDialog->Invalidate(dialog);
}

void ToggleArrowsPointsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = DialogOf(item);
    gPrefs.Working.ArrowHeads = gPrefs.Working.ArrowHeads != 0 ? 0 : 1;
    ApplyTipRules(dialog, kCommonTips, kEndMarkSizeItem);
    ApplyTipRules(dialog, kCommonTips, kEndMarkSizePicture);
    for (int32_t shape = 0; shape < 4; ++shape) ApplyTipRules(dialog, kCommonTips, kEndMarkShapeItem + shape);
    InvalidateItem(dialog, kEndMarkSizePicture);
    InvalidateItem(dialog, kArrowsPointsItem);
    InvalidateShapeButtons(dialog);
}

void EndMarkShapeButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    const ADMDialogRef dialog = DialogOf(item);
    gPrefs.Working.ArrowPreset = ItemId(item) - kEndMarkShapeItem;
    InvalidateShapeButtons(dialog);
    ActivateItem(dialog, kLineWidthItem);
}

void DrawEndMarkShapeButton(ADMItemRef item, ADMDrawerRef drawer) {
    const int32_t shape = ItemId(item) - kEndMarkShapeItem;
    if (shape < 0 || shape > 3) return;
    const bool chosen = gPrefs.Working.ArrowPreset == shape;
    const bool arrows = gPrefs.Working.ArrowHeads != 0;
    int32_t icon = kShapeIcons[shape][(arrows ? 0 : 2) + (chosen ? 0 : 1)];
    if (arrows && shape == kHollowTriangleShape && gColourSettings.HollowTriangle == 1)
        icon = chosen ? kHollowTriangleChosen : kHollowTriangle;
    DrawPrefsIconCentred(drawer, icon, kIconSquare);
}

void DrawScaleLabel(ADMItemRef item, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    sADMDrawer->SetFont(drawer, kSmallFont);
    const ADMPoint origin{0, 13};
    sADMDrawer->DrawText(drawer, "Éch.", &origin);
    sADMItem->SetTipString(item, "Échelle par défaut.");
}

void DecimalsNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.Decimals = HeldIntegerOf("Precision", FieldReal(item, gPrefs.Working.Decimals));
    const ADMDialogRef dialog = DialogOf(item);
    InvalidateItem(dialog, kDecimalsGauge);
    RefreshSampleText(dialog);
}

void FillBox(ADMDrawerRef drawer, ADMRect box) { sADMDrawer->FillRect(drawer, &box); }

void DrawPrecisionGauge(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->SetADMColor(drawer, kADMRedColor);
    FillBox(drawer, {0, 5, 2, 11});
    sADMDrawer->SetADMColor(drawer, kADMBlackColor);
    if (gSettings.DecimalSeparator == ',') {
        FillBox(drawer, {3, 9, 5, 11});
        FillBox(drawer, {4, 11, 5, 12});
        FillBox(drawer, {3, 12, 4, 13});
    } else {
        const ADMRect under{3, 9, 5, 13};
        sADMDrawer->ClearRect(drawer, &under);
        FillBox(drawer, {3, 9, 5, 11});
    }
    for (int32_t i = 0; i < kMaxDecimals; ++i) {
        sADMDrawer->SetADMColor(drawer, i < gPrefs.Working.Decimals ? kADMRedColor : kADMShadowColor);
        FillBox(drawer, {6 + 3 * i, 5, 8 + 3 * i, 11});
    }
}

// Dragging across the gauge steps the decimals: right or still raises them, left lowers them.
ADMBoolean PrecisionGaugeTrack(ADMItemRef item, ADMTrackerRef tracker) {
    ADMPoint point{};
    int32_t action = 0;
    sADMTracker->GetPoint(tracker, &point);
    sADMTracker->GetAction(tracker, &action);
    const int32_t h = point.h;
    if (h >= 0 && h <= kGaugeWidth) {
        sADMBasic->SetPlatformCursor(OwnPluginRef(), kGaugeCursor);
        if (action == kADMMouseMovedDownAction) {
            int32_t& last = gDragValues.DragTrackY;
            int32_t& decimals = gPrefs.Working.Decimals;
            decimals += (last - h) * h <= 0 ? 1 : -1;
            last = h;
            decimals = std::clamp(decimals, 0, kMaxDecimals);
            const ADMDialogRef dialog = DialogOf(item);
            if (ADMItemRef spin = PrefsItem(dialog, kDecimalsItem)) sADMItem->SetIntValue(spin, decimals);
            sADMItem->Invalidate(item);
            RefreshSampleText(dialog);
            ActivateItem(dialog, kDecimalsItem);
        }
    }
    ADMBoolean notify = 0;
    sADMItem->DefaultTrack(item, tracker, &notify);
    return notify;
}

void SoundNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.Sound = gPrefs.Working.Sound != 0 ? 0 : 1;
    sADMItem->Invalidate(item);
    if (gPrefs.Working.Sound != 0) Beep(kSoundOnFrequency, kSoundOnDuration);
    ActivateItem(DialogOf(item), kLineWidthItem);
}

void DrawSoundButton(ADMItemRef, ADMDrawerRef drawer) {
    sADMDrawer->Clear(drawer);
    DrawPrefsIcon(drawer, gPrefs.Working.Sound != 0 ? kSoundOnIcon : kSoundOffIcon, {0, 0});
}

void RedrawAllNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    gPrefs.Working.RedrawAll = gPrefs.Working.RedrawAll != 0 ? 0 : 1;
    ApplyTipRules(DialogOf(item), kCommonTips, kRedrawAllItem);
}

void PrefixSwitchNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMBoolean on = 0;
    sADMItem->GetBooleanValue(item, &on);
    gPrefs.Working.PrefixSuffixOn = on != 0 ? 1 : 0;
    const ADMDialogRef dialog = DialogOf(item);
    EnablePrefixItems(dialog);
    ActivateItem(dialog, on != 0 ? kPrefixItem : kLineWidthItem);
    RefreshSampleText(dialog);
}

// The prefix (123) and the suffix (124): the working string becomes the item's whole text.
void PrefixNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    int32_t length = 0;
    if (sADMItem->GetTextLength(item, &length) != kNoErr || length < 0) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    sADMItem->GetText(item, text.data(), length + 1);
    text.resize(std::strlen(text.c_str()));
    (ItemId(item) == kPrefixItem ? gPrefs.Working.Prefix : gPrefs.Working.Suffix) = std::move(text);
    RefreshSampleText(DialogOf(item));
}

void FontNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMListRef list = nullptr;
    ADMEntryRef entry = nullptr;
    int32_t fontIndex = -1;
    if (sADMItem->GetList(item, &list) != kNoErr || sADMList->GetActiveEntry(list, &entry) != kNoErr ||
        sADMEntry->GetID(entry, &fontIndex) != kNoErr)
        return;
    char name[kFontNameBufferSize] = {};
    AIFontKey font = nullptr;
    if (sAIFont->IndexFontList(fontIndex, &font) != kNoErr || sAIFont->GetFontName(font, name, sizeof name) != kNoErr)
        name[0] = '\0';
    SetSettingName(gPrefs.Working.FontName, kFontNameKept + 1, name);
}

void DrawBodySizePicture(ADMItemRef, ADMDrawerRef drawer) {
    DrawPrefsIcon(drawer, kBodySizeIcon, {0, 0});
    ADMRGBColor colour;
    GetDisplayColour(&colour, kTextSide);
    sADMDrawer->SetRGBColor(drawer, &colour);
    const ADMPoint lines[][2] = {{{4, 0}, {4, 3}}, {{15, 0}, {15, 3}}, {{5, 0}, {5, 2}}, {{14, 0}, {14, 2}},
                                 {{7, 12}, {12, 12}}};
    for (const auto& line : lines) sADMDrawer->DrawLine(drawer, &line[0], &line[1]);
    FillBox(drawer, {6, 0, 14, 2});
    FillBox(drawer, {9, 2, 11, 12});
}

void PrefsColourButtonNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    if (gDialogOpenFlags.ColourDialogRef == nullptr) OpenModalDialog(ModalDialog::Colours);
    sADMDialog->Invalidate(DialogOf(item));
}

void OwnLayerNotify(ADMItemRef item, ADMNotifierRef notifier) {
    if (!IsUserChange(notifier)) return;
    ADMBoolean on = 0;
    sADMItem->GetBooleanValue(item, &on);
    gPrefs.Working.OwnLayer = on != 0 ? 1 : 0;
    const ADMDialogRef dialog = DialogOf(item);
    ApplyTipRules(dialog, kCommonTips, kOwnLayerItem);
    EnableItem(dialog, kLayerNameItem, on != 0);
    if (ADMItemRef layer = PrefsItem(dialog, kLayerNameItem)) sADMItem->Activate(layer, on != 0 ? 1 : 0);
}

void PipetteNotify(ADMItemRef item, ADMNotifierRef notifier) {
    FlagBoxNotify(item, notifier);
    if (IsUserChange(notifier)) sADMDialog->Invalidate(DialogOf(item));
}

bool IsKeystroke(ADMNotifierRef notifier) {
    ADMBoolean matches = 0;
    if (sADMNotifier->IsNotifierType(notifier, kADMIntermediateChangedNotifier, &matches) == kNoErr && matches != 0)
        return true;
    return sADMNotifier->IsNotifierType(notifier, kADMTextSelectionChangeNotifier, &matches) == kNoErr &&
           matches != 0;
}

// Each keystroke in the layer name is taken at once, at most 253 characters.
void LayerNameNotify(ADMItemRef item, ADMNotifierRef notifier) {
    ADMBoolean enabled = 0;
    if (!IsKeystroke(notifier) || sADMItem->IsEnabled(item, &enabled) != kNoErr || enabled == 0) return;
    char text[kSettingsNameSize] = {};
    sADMItem->GetText(item, text, sizeof text);
    SetSettingName(gPrefs.Working.LayerName, kLayerNameEditable + 1, text);
}

}  // namespace

PrefsPageItems prefsitems::CommonPageItems() { return {kCommonItems, kCommonTips}; }

void BuildPreferencesCommonPage(ADMDialogRef dialog) {
    FillWorkingCopies();
    CreatePrefsItems(dialog, kCommonItems);
    FillNamedLists(dialog);
    FillValueLists(dialog);
    if (ADMItemRef scale = PrefsItem(dialog, kScalePopupItem)) {
        FillPreferencesScaleList(scale);
        SelectPreferencesScaleEntry(scale);
    }
    if (ADMItemRef gauge = PrefsItem(dialog, kDecimalsGauge)) {
        sADMItem->SetMask(gauge, kGaugeTrackMask);
        sADMItem->SetTrackProc(gauge, PrecisionGaugeTrack);
    }
    FillFontPopup(dialog);
    ShowWorkingValues(dialog, CommonPageItems());
    ShowTexts(dialog);
}

void ShowCommonPageValues(ADMDialogRef dialog) {
    ShowWorkingValues(dialog, CommonPageItems());
    ShowTexts(dialog);
    if (ADMItemRef scale = PrefsItem(dialog, kScalePopupItem)) SelectPreferencesScaleEntry(scale);
    InvalidateItem(dialog, kDecimalsGauge);
    InvalidateItem(dialog, kSoundItem);
    InvalidateShapeButtons(dialog);
}
