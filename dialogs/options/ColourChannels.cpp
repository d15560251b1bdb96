#include "dialogs/options/ColourChannels.h"

#include <iterator>

#include "dialogs/options/ColourWorkingCopy.h"
#include "dialogs/options/DialogSupport.h"
#include "frame/Colours.h"
#include "frame/NumericFields.h"
#include "frame/SuiteTable.h"
#include "host/ADMDrawerSuite.h"
#include "host/ADMItemSuite.h"

namespace {

// One model's rows: its first channel, how many rows, and the channels' upper bound.
struct ChannelGroup {
    int32_t Model;
    int32_t FirstChannel;
    int32_t RowCount;
    float Maximum;
};

constexpr ChannelGroup kChannelGroups[] = {
    {kGreyModel, kGreyChannel, 1, 100.0f},
    {kRgbModel, kRedChannel, 3, 255.0f},
    {kCmykModel, kCyanChannel, 4, 100.0f},
};

struct ChannelTips {
    const char* Slider;
    const char* Edit;  // null: the blue edit has none
};

constexpr ChannelTips kChannelTips[kColourChannelCount] = {
    {"Glissière de réglage du gris.", "Niveau de gris (de 0 % à 100 %)."},
    {"Glissière de réglage du rouge.", "Niveau de rouge (de 0 à 255)."},
    {"Glissière de réglage du vert.", "Niveau de vert (de 0 à 255)."},
    {"Glissière de réglage du bleu.", nullptr},
    {"Glissière de réglage du cyan.", "Pourcentage de cyan (de 0% à 100%)."},
    {"Glissière de réglage du magenta.", "Pourcentage de magenta (de 0% à 100%)."},
    {"Glissière de réglage du jaune.", "Pourcentage de jaune (de 0% à 100%)."},
    {"Glissière de réglage du noir.", "Pourcentage de noir (de 0% à 100%)."},
};

// The letter and tip of each caption button under the grey, RGB and CMYK models.
struct Caption {
    const char* Letter;
    const char* Tip;
};
constexpr Caption kBlack{"N", "Noir"};
constexpr Caption kCaptions[kColourChannelCount][3] = {
    {kBlack, kBlack, kBlack},
    {kBlack, {"R", "Rouge"}, {"C", "Cyan"}},
    {{"V", "Vert"}, {"V", "Vert"}, {"M", "Magenta"}},
    {{"B", "Bleu"}, {"B", "Bleu"}, {"J", "Jaune"}},
    {kBlack, {"R", "Rouge"}, {"C", "Cyan"}},
    {{"V", "Vert"}, {"V", "Vert"}, {"M", "Magenta"}},
    {{"B", "Bleu"}, {"B", "Bleu"}, {"J", "Jaune"}},
    {kBlack, kBlack, kBlack},
};

// Row geometry: each row 22 pixels below the one above.
constexpr int32_t kRowPitch = 22;
constexpr ADMRect kSliderRow{27, 75, 175, 88};
constexpr ADMRect kEditRow{193, 69, 233, 89};
constexpr ADMRect kCaptionRow{174, 69, 192, 89};
constexpr ADMRect kInnerFrame{4, 69, 23, 88};
constexpr ADMRect kOuterFrame{3, 68, 24, 89};
constexpr float kSliderStep = 0.1f;
constexpr float kEditSmallStep = 1.0f;
constexpr float kEditLargeStep = 10.0f;
constexpr int32_t kEditDecimals = 2;

// The ramp painted over each slider: 46 cells across 139 pixels.
constexpr int32_t kRampCells = 46;
constexpr int32_t kRampLast = kRampCells - 1;
constexpr double kRampWidth = 139.0;
constexpr int32_t kRampLeft = 2;
constexpr int32_t kRampCellWidth = 5;
constexpr int32_t kRampTop = 2;
constexpr int32_t kRampBottom = 6;
constexpr double kRampUnit = 65536.0 / 45.0;

// The swatch and the "%" column.
constexpr ADMRect kSwatch{5, 70, 22, 87};
constexpr ADMPoint kSwatchCut[] = {{5, 70}, {22, 70}, {22, 78}, {13, 87}, {5, 87}};
constexpr ADMRect kPercentColumn{239, 73, 248, 149};
constexpr int32_t kPercentLeft = 238;
constexpr int32_t kPercentBaseline = 83;
constexpr ADMRect kPercentCell{239, 73, 248, 84};
constexpr double kGreyToScreen = 650.25;  // 65025 / 100
constexpr double kLevelToScreen = 255.0;
constexpr double kPercent = 100.0;
constexpr double kFullScreenChannel = 65535.0;

ADMRect RowRect(const ADMRect& first, int32_t row) {
    return ADMRect{first.left, first.top + kRowPitch * row, first.right, first.bottom + kRowPitch * row};
}

const ChannelGroup& GroupOfModel(int32_t model) {
    for (const ChannelGroup& group : kChannelGroups)
        if (group.Model == model) return group;
    return kChannelGroups[1];
}

const ChannelGroup& GroupOfChannel(int32_t channel) {
    for (const ChannelGroup& group : kChannelGroups)
        if (channel >= group.FirstChannel && channel < group.FirstChannel + group.RowCount) return group;
    return kChannelGroups[0];
}

int32_t CaptionModel() {
    const int32_t model = TargetModel();
    return model >= kGreyModel && model <= kCmykModel ? model : kRgbModel;
}

// The channel of a slider or edit id, or -1.
int32_t ChannelOfItem(int32_t id) {
    if (id >= kFirstChannelSlider && id < kFirstChannelSlider + kColourChannelCount) return id - kFirstChannelSlider;
    if (id >= kFirstChannelEdit && id < kFirstChannelEdit + kColourChannelCount) return id - kFirstChannelEdit;
    return -1;
}

// Notify procedure of every slider and edit: the value goes into the edited side's channel and into the twin.
void ColourValueNotify(ADMItemRef item, ADMNotifierRef) {
    const int32_t id = ItemID(item);
    const int32_t channel = ChannelOfItem(id);
    if (channel < 0) return;
    ColourDialogWorkingCopy& working = gColourWorkingCopy;
    const double value = KeptFieldValue(item, ChannelValue(WorkingValues(working.Target), channel));
    ChannelValue(WorkingValues(working.Target), channel) = value;
    if (working.Target == kStrokeSide && working.TextLock != 0) ChannelValue(working.Text, channel) = value;
    const ADMDialogRef dialog = ItemDialog(item);
    const int32_t twin = id < kFirstChannelEdit ? kFirstChannelEdit + channel : kFirstChannelSlider + channel;
    SetItemFloat(dialog, twin, value);
    InvalidateDialog(dialog);
}

// Notify procedure of every caption button: the edit of its row takes the keyboard focus.
void ColourDialogPictureNotify(ADMItemRef item, ADMNotifierRef) {
    const int32_t id = ItemID(item);
    ActivateItem(ItemDialog(item), id - (kFirstChannelCaption - kFirstChannelEdit));
}

void ChannelCaptionDraw(ADMItemRef item, ADMDrawerRef drawer) {
    const int32_t channel = ItemID(item) - kFirstChannelCaption;
    if (channel < 0 || channel >= kColourChannelCount) return;
    const Caption& caption = kCaptions[channel][CaptionModel()];
    sADMDrawer->Clear(drawer);
    SetPen(drawer, kADMBlackColor);
    SetDrawFont(drawer, kDialogFont);
    DrawTextAt(drawer, caption.Letter, 6, 13);
    sADMItem->SetTipString(item, caption.Tip);
}

// The colour of ramp cell `cell` of the slider of `channel`, from the edited side's other channels.
ADMRGBColor RampColour(int32_t channel, int32_t cell) {
    const ColourValues& values = TargetValues();
    const int32_t ownDrop = 1;
    switch (GroupOfChannel(channel).Model) {
        case kGreyModel: {
            const uint16_t level = ScreenChannel((kRampLast - cell) * kRampUnit - (cell == 0 ? ownDrop : 0));
            return ADMRGBColor{level, level, level};
        }
        case kRgbModel: {
            const uint16_t own = ScreenChannel(cell * kRampUnit - (cell == kRampLast ? ownDrop : 0));
            const auto level = [&](int32_t c) {
                return c == channel ? own : ScreenChannel(ChannelValue(values, c) * kLevelToScreen);
            };
            return ADMRGBColor{level(kRedChannel), level(kGreenChannel), level(kBlueChannel)};
        }
        default: {
            const double black = values.Black / kPercent;
            const double ramp = static_cast<double>(cell) / kRampLast;
            const auto fraction = [&](int32_t c) {
                if (c == channel) return ramp;
                if (c == kBlackChannel) return black;
                return (1.0 - black) * (ChannelValue(values, c) / kPercent) + black;
            };
            ADMRGBColor colour;
            CmykToDisplayRgb(&colour, static_cast<float>(fraction(kCyanChannel)),
                             static_cast<float>(fraction(kMagentaChannel)), static_cast<float>(fraction(kYellowChannel)),
                             static_cast<float>(fraction(kBlackChannel)));
            return colour;
        }
    }
}

void ChannelSliderDraw(ADMItemRef item, ADMDrawerRef drawer) {
    sADMItem->DefaultDraw(item, drawer);
    const int32_t channel = ItemID(item) - kFirstChannelSlider;
    if (channel < 0 || channel >= kColourChannelCount) return;
    for (int32_t cell = 0; cell < kRampCells; ++cell) {
        const int32_t left = static_cast<int32_t>(kRampLeft + cell * kRampWidth / kRampCells);
        SetPen(drawer, RampColour(channel, cell));
        FillRect(drawer, ADMRect{left, kRampTop, left + kRampCellWidth, kRampBottom});
    }
}

void MakeChannelGroup(ADMDialogRef dialog, const ChannelGroup& group) {
    const ColourValues& committed = gColourSettings.Stroke;
    const auto value = [&](int32_t channel) { return ChannelValue(committed, channel); };
    for (int32_t row = 0; row < group.RowCount; ++row) {
        const int32_t channel = group.FirstChannel + row;
        const DialogItemSpec slider{.Id = kFirstChannelSlider + channel,
                                    .Type = kADMSliderType,
                                    .Bounds = RowRect(kSliderRow, row),
                                    .Tip = kChannelTips[channel].Slider,
                                    .Notify = ColourValueNotify,
                                    .Draw = ChannelSliderDraw};
        if (ADMItemRef item = MakeItem(dialog, slider)) {
            sADMItem->SetMinFloatValue(item, 0.0f);
            sADMItem->SetMaxFloatValue(item, group.Maximum);
            sADMItem->SetSmallIncrement(item, kSliderStep);
        }
        SetItemFloat(dialog, kFirstChannelSlider + channel, value(channel));
    }
    MakeItem(dialog, DialogItemSpec{.Id = kSwatchInnerFrame, .Type = kADMFrameType, .Bounds = kInnerFrame});
    MakeItem(dialog, DialogItemSpec{.Id = kSwatchOuterFrame, .Type = kADMFrameType, .Bounds = kOuterFrame});
    for (int32_t row = 0; row < group.RowCount; ++row) {
        const int32_t channel = group.FirstChannel + row;
        const DialogItemSpec edit{.Id = kFirstChannelEdit + channel,
                                  .Type = kADMTextEditType,
                                  .Bounds = RowRect(kEditRow, row),
                                  .Tip = kChannelTips[channel].Edit,
                                  .Notify = ColourValueNotify,
                                  .Font = kDialogFont};
        if (ADMItemRef item = MakeItem(dialog, edit)) {
            sADMItem->SetUnits(item, kADMNoUnits);
            sADMItem->SetPrecision(item, kEditDecimals);
            sADMItem->SetSmallIncrement(item, kEditSmallStep);
            sADMItem->SetLargeIncrement(item, kEditLargeStep);
            sADMItem->SetMinFloatValue(item, 0.0f);
            sADMItem->SetMaxFloatValue(item, group.Maximum);
        }
        SetItemFloat(dialog, kFirstChannelEdit + channel, value(channel));
        MakeItem(dialog, DialogItemSpec{.Id = kFirstChannelCaption + channel,
                                        .Type = kADMPicturePushButtonType,
                                        .Bounds = RowRect(kCaptionRow, row),
                                        .Notify = ColourDialogPictureNotify,
                                        .Draw = ChannelCaptionDraw});
    }
}

// The swatch colour of the edited side's working values, each level taken exactly.
ADMRGBColor SwatchColour() {
    const ColourValues& v = TargetValues();
    switch (TargetModel()) {
        case kGreyModel: {
            const uint16_t level = ScreenChannel((kPercent - v.Grey) * kGreyToScreen);
            return ADMRGBColor{level, level, level};
        }
        case kCmykModel: {
            const double black = v.Black / kPercent;
            const auto level = [black](double x) {
                return ScreenChannel((1.0 - ((1.0 - black) * (x / kPercent) + black)) * kFullScreenChannel);
            };
            return ADMRGBColor{level(v.Cyan), level(v.Magenta), level(v.Yellow)};
        }
        default:
            return ADMRGBColor{ScreenChannel(v.Red * kLevelToScreen), ScreenChannel(v.Green * kLevelToScreen),
                               ScreenChannel(v.Blue * kLevelToScreen)};
    }
}

void DrawSwatch(ADMDrawerRef drawer) {
    if (gColourWorkingCopy.GlobalSwatches == 0) {
        SetPen(drawer, SwatchColour());
        FillRect(drawer, kSwatch);
        return;
    }
    SetPen(drawer, kADMWhiteColor);
    FillRect(drawer, kSwatch);
    SetPen(drawer, SwatchColour());
    sADMDrawer->FillPolygon(drawer, kSwatchCut, static_cast<int32_t>(std::size(kSwatchCut)));
    SetPen(drawer, kADMBlackColor);
    DrawLine(drawer, 22, 78, 13, 87);
}

void DrawPercentSigns(ADMDrawerRef drawer) {
    SetDrawFont(drawer, kDialogFont);
    SetPen(drawer, kADMBlackColor);
    switch (TargetModel()) {
        case kGreyModel:
            ClearRect(drawer, kPercentColumn);
            DrawTextAt(drawer, "%", kPercentLeft, kPercentBaseline);
            break;
        case kCmykModel:
            for (int32_t row = 0; row < 4; ++row) {
                ClearRect(drawer, RowRect(kPercentCell, row));
                DrawTextAt(drawer, "%", kPercentLeft, kPercentBaseline + kRowPitch * row);
            }
            break;
        default:
            ClearRect(drawer, kPercentColumn);
            break;
    }
}

void ShowRows(ADMDialogRef dialog, int32_t model) {
    const ChannelGroup& shown = GroupOfModel(model);
    for (int32_t channel = 0; channel < kColourChannelCount; ++channel) {
        const bool visible = &GroupOfChannel(channel) == &shown;
        for (int32_t first : {kFirstChannelSlider, kFirstChannelCaption, kFirstChannelEdit}) {
            ShowItem(dialog, first + channel, visible);
            EnableItem(dialog, first + channel, visible);
        }
    }
}

}  // namespace

ChannelRange ChannelsOfModel(int32_t model) {
    const ChannelGroup& group = GroupOfModel(model);
    return ChannelRange{group.FirstChannel, group.RowCount};
}

void MakeGreySliderGroup(ADMDialogRef dialog) { MakeChannelGroup(dialog, kChannelGroups[0]); }

void MakeRgbSliderGroup(ADMDialogRef dialog) { MakeChannelGroup(dialog, kChannelGroups[1]); }

void MakeCmykSliderGroup(ADMDialogRef dialog) { MakeChannelGroup(dialog, kChannelGroups[2]); }

void ShowGreyGroup(ADMDialogRef dialog) { ShowRows(dialog, kGreyModel); }

void ShowModelGroup(ADMDialogRef dialog, int32_t model) { ShowRows(dialog, model); }

void ShowTargetChannelValues(ADMDialogRef dialog) {
    const ChannelGroup& group = GroupOfModel(TargetModel());
    const ColourValues& values = TargetValues();
    for (int32_t channel = group.FirstChannel; channel < group.FirstChannel + group.RowCount; ++channel) {
        SetItemFloat(dialog, kFirstChannelSlider + channel, ChannelValue(values, channel));
        SetItemFloat(dialog, kFirstChannelEdit + channel, ChannelValue(values, channel));
    }
}

void ColourGroupDraw(ADMDialogRef, ADMDrawerRef drawer) {
    DrawSwatch(drawer);
    DrawPercentSigns(drawer);
}
