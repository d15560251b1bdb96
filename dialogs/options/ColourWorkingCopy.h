// The colours that the colour dialog edits until its OK commits them, and the side being edited.
#pragma once

#include <cstdint>

#include "frame/Colours.h"

struct ColourDialogWorkingCopy {
    int32_t StrokeModel = kRgbModel;
    int32_t TextModel = kRgbModel;
    ColourValues Stroke;
    ColourValues Text;
    int32_t TextLock = 0;
    int32_t GlobalSwatches = 0;
    double OpenArrowAngle = 0.0;      // "AnglePointe1", degrees
    double TriangleArrowAngle = 0.0;  // "AnglePointe2", degrees
    int32_t HollowTriangle = 0;       // "FlecheCreuse"
    int32_t Target = kStrokeSide;     // the side the channel rows edit: strokes ("Traits") or text ("Texte")
};

extern ColourDialogWorkingCopy gColourWorkingCopy;

// The channels of a colour in item order: grey, red, green, blue, cyan, magenta, yellow, black.
enum ColourChannel : int32_t {
    kGreyChannel = 0,
    kRedChannel,
    kGreenChannel,
    kBlueChannel,
    kCyanChannel,
    kMagentaChannel,
    kYellowChannel,
    kBlackChannel,
    kColourChannelCount
};

// The value of channel `channel` (0..7) in `values`.
double& ChannelValue(ColourValues& values, int32_t channel);
double ChannelValue(const ColourValues& values, int32_t channel);

int32_t& WorkingModel(int32_t side);
ColourValues& WorkingValues(int32_t side);
// The model and values of the side being edited.
int32_t TargetModel();
const ColourValues& TargetValues();
