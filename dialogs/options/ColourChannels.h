// The channel rows of the colour dialog: one group per colour model (grey: one row; RGB: three; CMYK: four), each
// row a slider, a text edit holding the same value and a caption button; the groups lie on top of each other
// and only the group of the edited side's model is shown.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// Item ids of channel k (0..7, grey, red, green, blue, cyan, magenta, yellow, black).
constexpr int32_t kFirstChannelSlider = 420;
constexpr int32_t kFirstChannelEdit = 430;
constexpr int32_t kFirstChannelCaption = 438;
// The two frames around the swatch.
constexpr int32_t kSwatchInnerFrame = 428;
constexpr int32_t kSwatchOuterFrame = 429;

// The channels of a model's group: the first and how many.
struct ChannelRange {
    int32_t First;
    int32_t Count;
};
ChannelRange ChannelsOfModel(int32_t model);

// Build the rows of a group, every slider and edit showing the committed stroke value of its channel.
void MakeGreySliderGroup(ADMDialogRef dialog);
void MakeRgbSliderGroup(ADMDialogRef dialog);
void MakeCmykSliderGroup(ADMDialogRef dialog);

// Shows and enables the grey rows; hides and disables the RGB and CMYK rows (the frames stay).
void ShowGreyGroup(ADMDialogRef dialog);
// The group of `model`.
void ShowModelGroup(ADMDialogRef dialog, int32_t model);
// Sets the slider and the edit of every row of the edited side's group to that side's working value.
void ShowTargetChannelValues(ADMDialogRef dialog);

// The swatch and the "%" signs of the edited side's group, drawn into the dialog by its draw procedure.
void ColourGroupDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
