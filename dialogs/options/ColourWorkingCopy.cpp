#include "dialogs/options/ColourWorkingCopy.h"

ColourDialogWorkingCopy gColourWorkingCopy;

namespace {

constexpr double ColourValues::*kChannels[kColourChannelCount] = {
    &ColourValues::Grey, &ColourValues::Red,     &ColourValues::Green,  &ColourValues::Blue,
    &ColourValues::Cyan, &ColourValues::Magenta, &ColourValues::Yellow, &ColourValues::Black,
};

int32_t ValidChannel(int32_t channel) { return channel >= 0 && channel < kColourChannelCount ? channel : 0; }

}  // namespace

double& ChannelValue(ColourValues& values, int32_t channel) { return values.*kChannels[ValidChannel(channel)]; }

double ChannelValue(const ColourValues& values, int32_t channel) { return values.*kChannels[ValidChannel(channel)]; }

int32_t& WorkingModel(int32_t side) {
    return side == kTextSide ? gColourWorkingCopy.TextModel : gColourWorkingCopy.StrokeModel;
}

ColourValues& WorkingValues(int32_t side) {
    return side == kTextSide ? gColourWorkingCopy.Text : gColourWorkingCopy.Stroke;
}

int32_t TargetModel() { return WorkingModel(gColourWorkingCopy.Target); }

const ColourValues& TargetValues() { return WorkingValues(gColourWorkingCopy.Target); }
