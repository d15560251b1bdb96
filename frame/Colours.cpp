#include "frame/Colours.h"

#include <cmath>
#include <cstring>

#include "frame/PathStyles.h"
#include "frame/SuiteTable.h"
#include "host/CustomColorSuite.h"
#include "host/SwatchGroupSuite.h"
#include "host/SwatchListSuite.h"

ColourSettings gColourSettings;

namespace {

constexpr double kPercent = 100.0;
constexpr double kLevels = 255.0;
constexpr float kFullChannel = 65535.0f;
constexpr int32_t kLevelToChannel = 255;

// `value` held to 0..maximum; NaN gives 0.
double Clamp(double value, double maximum) {
    if (!(value > 0.0)) return 0.0;
    return value > maximum ? maximum : value;
}

float Fraction(double value, double maximum) { return static_cast<float>(Clamp(value, maximum) / maximum); }

// The CMYK channels of the values as fractions (percent / 100), and the RGB channels (levels / 255).
AIFourColorStyle FourColour(const ColourValues& v) {
    return AIFourColorStyle{Fraction(v.Cyan, kPercent), Fraction(v.Magenta, kPercent), Fraction(v.Yellow, kPercent),
                            Fraction(v.Black, kPercent)};
}
AIThreeColorStyle ThreeColour(const ColourValues& v) {
    return AIThreeColorStyle{Fraction(v.Red, kLevels), Fraction(v.Green, kLevels), Fraction(v.Blue, kLevels)};
}

bool CustomColourUsable(AICustomColorHandle handle) {
    if (handle == nullptr) return false;
    return sAICustomColor == nullptr || sAICustomColor->ValidCustomColor(handle) != 0;
}

AIColor CustomColour(AICustomColorHandle handle) {
    AIColor colour;
    colour.kind = kCustomColor;
    colour.c.color = handle;
    colour.c.tint = 0.0f;
    return colour;
}

AICustomColorHandle& SwatchColourOf(int32_t which) {
    return which == kTextSide ? gColourSettings.TextSwatchColour : gColourSettings.StrokeSwatchColour;
}

// The custom colour a swatch shows for one side: grey and RGB as three channels, CMYK as four.
AICustomColor SwatchDefinition(int32_t which) {
    const ColourValues& v = ColourValuesOf(which);
    AICustomColor colour;
    switch (ColourModelOf(which)) {
        case kGreyModel: {
            const float level = 1.0f - Fraction(v.Grey, kPercent);
            colour.kind = kCustomThreeColor;
            colour.c.rgb = AIThreeColorStyle{level, level, level};
            break;
        }
        case kCmykModel:
            colour.kind = kCustomFourColor;
            colour.c.f = FourColour(v);
            break;
        default:
            colour.kind = kCustomThreeColor;
            colour.c.rgb = ThreeColour(v);
            break;
    }
    return colour;
}

bool SameCustomColour(const AICustomColor& a, const AICustomColor& b) {
    if (a.kind != b.kind) return false;
    if (a.kind == kCustomFourColor) {
        return a.c.f.cyan == b.c.f.cyan && a.c.f.magenta == b.c.f.magenta && a.c.f.yellow == b.c.f.yellow &&
               a.c.f.black == b.c.f.black;
    }
    if (a.kind == kCustomThreeColor) {
        return a.c.rgb.red == b.c.rgb.red && a.c.rgb.green == b.c.rgb.green && a.c.rgb.blue == b.c.rgb.blue;
    }
    return a.c.gray.gray == b.c.gray.gray;
}

// The swatch of that name in the group, created when missing.
ASErr FindOrCreateSwatch(AISwatchGroupRef group, const char* name, AISwatchRef* swatch) {
    if (sAISwatchGroup->LocateSwatch(group, name, swatch) == kNoErr) return kNoErr;
    const ASErr error = sAISwatchGroup->InsertNthSwatch(group, -1, swatch);
    if (error != kNoErr) return error;
    return sAISwatchList->SetSwatchName(*swatch, name);
}

// The custom colour that the swatch shows (reused when it has one, else the one of that name, else new),
// set to `definition`.
ASErr DefineSwatchColour(AISwatchRef swatch, const char* name, const AICustomColor& definition,
                         AICustomColorHandle* handle) {
    AIColor current;
    ASErr error = sAISwatchList->GetAIColor(swatch, &current);
    AICustomColorHandle found = nullptr;
    if (error == kNoErr && current.kind == kCustomColor && CustomColourUsable(current.c.color)) {
        found = current.c.color;
    } else if (sAICustomColor->GetCustomColorByName(name, &found) != kNoErr) {
        found = nullptr;
    }
    if (found == nullptr) {
        error = sAICustomColor->NewCustomColor(&definition, name, &found);
        if (error != kNoErr) return error;
    } else {
        AICustomColor existing;
        error = sAICustomColor->GetCustomColor(found, &existing);
        if (error != kNoErr || !SameCustomColour(existing, definition)) {
            error = sAICustomColor->SetCustomColor(found, &definition);
            if (error != kNoErr) return error;
        }
    }
    *handle = found;
    if (error == kNoErr && current.kind == kCustomColor && current.c.color == found && current.c.tint == 0.0f) {
        return kNoErr;
    }
    const AIColor shown = CustomColour(found);
    return sAISwatchList->SetAIColor(swatch, &shown);
}

// Sets both swatches of the group from the committed colours; the first failure, else 0.
ASErr FillColourSwatches(AISwatchGroupRef group) {
    ASErr first = kNoErr;
    constexpr struct {
        int32_t Side;
        const char* Name;
    } kSwatches[] = {{kStrokeSide, kStrokeSwatchName}, {kTextSide, kTextSwatchName}};
    for (const auto& swatchOf : kSwatches) {
        AISwatchRef swatch = nullptr;
        AICustomColorHandle handle = nullptr;
        ASErr error = FindOrCreateSwatch(group, swatchOf.Name, &swatch);
        if (error == kNoErr) {
            error = DefineSwatchColour(swatch, swatchOf.Name, SwatchDefinition(swatchOf.Side), &handle);
        }
        if (error == kNoErr) SwatchColourOf(swatchOf.Side) = handle;
        if (first == kNoErr) first = error;
    }
    return first;
}

bool HaveSwatchSuites() {
    return sAISwatchList != nullptr && sAISwatchGroup != nullptr && sAICustomColor != nullptr;
}

// Finds the plug-in's swatch group in the document (creating it when `create`) and sets its two swatches;
// without the group and `create` it does nothing.
ASErr FillColourSwatchGroup(bool create) {
    if (!HaveSwatchSuites()) return kBadParameterErr;
    AISwatchListRef list = nullptr;
    ASErr error = sAISwatchList->GetSwatchList(nullptr, &list);
    if (error != kNoErr) return error;
    AISwatchGroupRef group = nullptr;
    if (sAISwatchList->GetSwatchGroupByName(list, kColourSwatchGroupName, &group) != kNoErr) {
        if (!create) return kNoErr;
        error = sAISwatchList->NewSwatchGroup(list, &group);
        if (error == kNoErr) error = sAISwatchGroup->SetSwatchGroupName(group, kColourSwatchGroupName);
        if (error != kNoErr) return error;
    }
    return FillColourSwatches(group);
}

}  // namespace

int32_t ColourModelOf(int32_t which) {
    return which == kTextSide ? gColourSettings.TextModel : gColourSettings.StrokeModel;
}

const ColourValues& ColourValuesOf(int32_t which) {
    return which == kTextSide ? gColourSettings.Text : gColourSettings.Stroke;
}

AIColor ProcessColour(int32_t model, const ColourValues& values) {
    AIColor colour;
    switch (model) {
        case kGreyModel:
            colour.kind = kGrayColor;
            colour.g.gray = Fraction(values.Grey, kPercent);
            break;
        case kCmykModel:
            colour.kind = kFourColor;
            colour.f = FourColour(values);
            break;
        default:
            colour.kind = kThreeColor;
            colour.rgb = ThreeColour(values);
            break;
    }
    return colour;
}

AIColor CommittedStrokeColour(int32_t globalSwatches) {
    if (globalSwatches != 0 && CustomColourUsable(gColourSettings.StrokeSwatchColour)) {
        return CustomColour(gColourSettings.StrokeSwatchColour);
    }
    return ProcessColour(gColourSettings.StrokeModel, gColourSettings.Stroke);
}

AIColor* GetArtColour(AIColor* colour, int32_t which) {
    if (colour == nullptr) return nullptr;
    const AICustomColorHandle swatch = SwatchColourOf(which);
    AIColor result;
    if (gColourSettings.GlobalSwatches != 0 && CustomColourUsable(swatch)) {
        result = CustomColour(swatch);
    } else if (gColourSettings.TextLock != 0) {
        result = gPathStyles.DimensionLineStyle.stroke.color;
    } else {
        result = ProcessColour(ColourModelOf(which), ColourValuesOf(which));
    }
    (which == kTextSide ? gColourSettings.TextColour : gColourSettings.StrokeColour) = result;
    *colour = result;
    return colour;
}

ADMRGBColor* CmykToDisplayRgb(ADMRGBColor* colour, float cyan, float magenta, float yellow, float black) {
    if (colour == nullptr) return nullptr;
    const float k = static_cast<float>(Clamp(black, 1.0));
    const auto channel = [k](float x) {
        const float level = (1.0f - ((1.0f - k) * static_cast<float>(Clamp(x, 1.0)) + k)) * kFullChannel;
        return static_cast<uint16_t>(Clamp(level, kFullChannel));
    };
    colour->red = channel(cyan);
    colour->green = channel(magenta);
    colour->blue = channel(yellow);
    return colour;
}

ADMRGBColor DisplayColour(int32_t model, const ColourValues& v) {
    const auto level = [](double value) {
        return static_cast<uint16_t>(static_cast<int32_t>(Clamp(value, kLevels)) * kLevelToChannel);
    };
    ADMRGBColor colour;
    switch (model) {
        case kGreyModel: {
            const int32_t white = static_cast<int32_t>(kPercent - Clamp(v.Grey, kPercent));
            const uint16_t channel = static_cast<uint16_t>(white * kLevelToChannel * kLevelToChannel / 100);
            colour = ADMRGBColor{channel, channel, channel};
            break;
        }
        case kCmykModel:
            CmykToDisplayRgb(&colour, static_cast<float>(v.Cyan / kPercent), static_cast<float>(v.Magenta / kPercent),
                             static_cast<float>(v.Yellow / kPercent), static_cast<float>(v.Black / kPercent));
            break;
        default:
            colour = ADMRGBColor{level(v.Red), level(v.Green), level(v.Blue)};
            break;
    }
    return colour;
}

ADMRGBColor* GetDisplayColour(ADMRGBColor* colour, int32_t which) {
    if (colour == nullptr) return nullptr;
    *colour = DisplayColour(ColourModelOf(which), ColourValuesOf(which));
    return colour;
}

ASErr MakeColourSwatches() { return FillColourSwatchGroup(true); }

ASErr UpdateColourSwatches() { return FillColourSwatchGroup(false); }

ASErr CustomColourChangedNotify() {
    if (gColourSettings.GlobalSwatches == 0) return kNoErr;
    const ASErr error = UpdateColourSwatches();
    ApplyStrokeColourToStyles(gColourSettings.GlobalSwatches);
    return error;
}
