// The colour model of the plug-in: the committed stroke and text colours, their host records and the two
// global swatches of the document.
#pragma once

#include <cstdint>

#include "host/Types.h"

// The colour models of the stroke and text colours.
enum ColourModel : int32_t { kGreyModel = 0, kRgbModel = 1, kCmykModel = 2 };
// Which colour an operation takes.
enum ColourSide : int32_t { kStrokeSide = 0, kTextSide = 1 };

// The values of one colour in each model: grey, cyan, magenta, yellow and black in percent (0..100),
// red, green and blue in levels (0..255).
struct ColourValues {
    double Grey = 0.0;
    double Red = 0.0;
    double Green = 0.0;
    double Blue = 0.0;
    double Cyan = 0.0;
    double Magenta = 0.0;
    double Yellow = 0.0;
    double Black = 0.0;
};

struct ColourSettings {
    int32_t StrokeModel = 0;           // "TypeCoulTraits"
    int32_t TextModel = 0;             // "TypeCoulTexte"
    ColourValues Stroke;               // "Gris", "Rouge", "Vert", "Bleu", "Cyan", "Magenta", "Jaune", "NoirCMJN"
    ColourValues Text;                 // "GrisTexte" ... "NoirTexteCMJN"
    int32_t TextLock = 0;              // "CadenasTexte": the text takes the stroke colour
    int32_t GlobalSwatches = 0;        // "CouleursGlobales"
    double OpenArrowAngle = 0.0;       // "AnglePointe1" (degrees)
    double TriangleArrowAngle = 0.0;   // "AnglePointe2" (degrees)
    int32_t HollowTriangle = 0;        // "FlecheCreuse"
    AIColor StrokeColour;              // the host record GetArtColour last gave for strokes
    AIColor TextColour;                // the host record GetArtColour last gave for text
    AICustomColorHandle StrokeSwatchColour = nullptr;  // custom colour of the swatch "Vek Couleur traits"
    AICustomColorHandle TextSwatchColour = nullptr;    // custom colour of the swatch "Vek Couleur texte"
};

extern ColourSettings gColourSettings;

// Names of the document objects that hold the global colours.
#define kColourSwatchGroupName "Couleurs Vek-Tavorine"
#define kStrokeSwatchName "Vek Couleur traits"
#define kTextSwatchName "Vek Couleur texte"

// The model and values of one side.
int32_t ColourModelOf(int32_t which);
const ColourValues& ColourValuesOf(int32_t which);

// The host process colour of a model and its values (grey x 0.01, RGB / 255, CMYK x 0.01), channels clamped.
AIColor ProcessColour(int32_t model, const ColourValues& values);

// The committed stroke colour as a host record: with `globalSwatches` on, the stroke swatch's custom colour with
// tint 0.0 (the process colour while that custom colour is missing or stale), else the process colour.
AIColor CommittedStrokeColour(int32_t globalSwatches);

// The host colour of new art for strokes (0) or text (1); also kept as that side's committed record.
AIColor* GetArtColour(AIColor* colour, int32_t which);
// The screen colour of a model and its values, each level taken whole: grey g gives every channel
// trunc(trunc(100 - g) x 255 x 255 / 100), RGB trunc(v) x 255, CMYK CmykToDisplayRgb of the percents / 100.
ADMRGBColor DisplayColour(int32_t model, const ColourValues& values);
// The screen colour of strokes (0) or text (1) from the committed model and values.
ADMRGBColor* GetDisplayColour(ADMRGBColor* colour, int32_t which);
// The screen colour of a CMYK colour given in 0..1: each channel (1 - k)(1 - x) x 65535, truncated.
ADMRGBColor* CmykToDisplayRgb(ADMRGBColor* colour, float cyan, float magenta, float yellow, float black);

// Creates or updates the swatch group and its two swatches from the committed colours.
ASErr MakeColourSwatches();
// Updates the two swatches when the group exists; does nothing without it.
ASErr UpdateColourSwatches();
// The "Couleur" notifier: with global swatches on, the swatches and the path styles follow the committed
// colours again.
ASErr CustomColourChangedNotify();
