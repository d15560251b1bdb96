// The stored settings of the plug-in: one variable per preference key under the prefix "VekTavorine".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/Types.h"

// The most points a shape of the Bézier curve or arrow-head editor holds.
constexpr int kMaxShapePoints = 20;
// Size of the fixed font and layer name arrays, terminating zero included.
constexpr size_t kSettingsNameSize = 256;
// Number of preferred free texts.
constexpr int kFreeTextCount = 5;
// Longest text kept from a stored text setting (prefix, suffix, free texts), in bytes, cut at a character
// boundary: what a free-text field's 16-bit length holds. A stored name keeps kSettingsNameSize - 1 bytes.
constexpr size_t kMaxStoredTextLength = 32767;

// Six point tables of an editor shape: anchors and the two handles of each point, in shape units.
struct ShapePointTables {
    float AnchorX[kMaxShapePoints] = {};
    float AnchorY[kMaxShapePoints] = {};
    float InX[kMaxShapePoints] = {};
    float InY[kMaxShapePoints] = {};
    float OutX[kMaxShapePoints] = {};
    float OutY[kMaxShapePoints] = {};
};

// The Bézier curve of the creation dialog, in editor units (origin at the canvas centre, y downward).
struct BezierCurveShape {
    int32_t PointCount = 0;  // "NbPtsBez"
    int32_t Closed = 0;      // "FouOBez"
    int32_t Hollow = 0;      // "CouPBez": 1 stroked only, 0 filled
    ShapePointTables Points; // "PtBezierX99", "PtINOUTBeziXX99" (stored + 280.0 in x, + 180.0 in y)
};

// The replicas drawn with the Bézier curve.
struct BezierReplicaSteps {
    int32_t Count = 0;           // "RepBez"
    double RotationStep = 0.0;   // "RotRepBez" (radians)
    double HorizontalStep = 0.0; // "DecalHBez"
    double VerticalStep = 0.0;   // "DecalVBez"
    double ScaleStep = 0.0;      // "GrosReducBez"
};

// The preferred arrow drawn in the arrow-head editor.
struct PreferredArrow {
    int32_t PointCount = 0;  // "NbPtsFlEdit"
    int32_t Closed = 0;      // "FouOEdit"
    int32_t Hollow = 0;      // "CouPEdit": 1 stroked only, 0 filled
    int32_t Symmetric = 0;   // "SymetriEdit"
    double LineStartX = 0.0; // "DebEditSegX"
    double LineStartY = 0.0; // "DebEditSegY": always 0, the line start stays on the axis
    ShapePointTables Points; // "PtFlEditX99", "PtINOUTEditXX99" (stored + 6.0)
};

// Every stored setting except the colours (see ColourSettings in frame/Colours.h).
struct Settings {
    // The preferences dialog.
    double LineWidth = 0.0;              // "Epaisseur"
    double EndMarkSize = 0.0;            // "Zoom" (percent; 0 no end marks)
    double SideTieLength = 0.0;          // "Attaches"
    int32_t Unit = 0;                    // "UnitePrefs" (default unit 0..7)
    double ScaleNumerator = 0.0;         // "EchelleNum"
    double ScaleDenominator = 0.0;       // "EchelleDen"
    int32_t Decimals = 0;                // "Precision" (0..6)
    int32_t ArrowPreset = 0;             // "RadioFleche" (0..3)
    int32_t DimensionOrientation = 0;    // "RadioCoteType" (0 parallel, 1 horizontal, 2 vertical)
    int32_t HorizontalText = 0;          // "TexteHoriz"
    int32_t ShowAngleUnit = 0;           // "AfficheUniteAngle"
    double SegmentOffsetX = 0.0;         // "DecalageSegX"
    double SegmentOffsetY = 0.0;         // "DecalageSegY"
    double AngleOffsetAngle = 0.0;       // "DecalageAngA" (degrees)
    double AngleOffsetRadius = 0.0;      // "DecalageAngR"
    double CircleOffsetX = 0.0;          // "DecalageCerX"
    double CircleOffsetY = 0.0;          // "DecalageCerY"
    double BezierOffsetX = 0.0;          // "DecalageBezierX"
    double BezierOffsetY = 0.0;          // "DecalageBezierY"
    int32_t Diameter = 0;                // "Diametre" (1 diameter, 0 radius)
    int32_t ArrowHeads = 0;              // "FouP" (1 arrow heads, 0 points)
    int32_t Sound = 0;                   // "Son"
    int32_t PrefixSuffixOn = 0;          // "ChypreVF"
    char* Prefix = nullptr;              // "ChypreAvant" (owned; null counts as empty)
    char* Suffix = nullptr;              // "ChypreApres" (owned; null counts as empty)
    int32_t ToolsGrouped = 0;            // "OutilsGroupe"
    int32_t OwnLayer = 0;                // "Calque"
    char FontName[kSettingsNameSize] = {};  // "Police": the font of new labels this session
    int32_t FontNumber = 0;              // "NumPolice" (written, never read)
    double TextSize = 0.0;               // "Corps"
    int32_t RememberedPointCount = 0;    // "NombreSouvenirsPrefs"
    int32_t Magnetism = 0;               // "Magnetisme"
    double CircleTieLength = 0.0;        // "Ligne"
    double ArcRadius = 0.0;              // "Rayon"
    int32_t DivisionCount = 0;           // "NbDivBez"
    int32_t BezierMode = 0;              // "PartRayTanBez" (0 divide, 1 local radius, 2 local tangent)
    int32_t DivisionEndTicks = 0;        // "BoutsBez"
    int32_t CircleSymbolShown = 0;       // "RouD"
    int32_t CircleSymbolBefore = 0;      // "RouDAvant"
    int32_t RadiusLineDrawn = 0;         // "AvecRayTrace"
    int32_t MultipleArcType = 0;         // "TypeArcSpecialPrefs"
    double MultipleArcWidthFactor = 0.0; // "CoefArcSpecial"
    int32_t AutoRightAngle = 0;          // "AngleDroitAuto"
    int32_t ShowUnit = 0;                // "AfficheUnite"
    int32_t FootSymbol = 0;              // "SymbolePiedPrefs" (0..2)
    int32_t InchSymbol = 0;              // "SymbolePoucePrefs" (0..2)
    int32_t RedrawAll = 0;               // "Redessiner"
    char LayerName[kSettingsNameSize] = {};  // "NomCalque"
    int32_t SideTiesOn = 0;              // "AvecAttaches"
    int32_t SeriesOn = 0;                // "CoteSerie"
    int32_t SeriesKind = 0;              // "TypeCoteSerie" (0 from the origin, 1 chained)

    // Other options.
    double ExtensionGap = 0.0;           // "Gap"
    double TextGap = 0.0;                // "GapTexteSeg"
    char DecimalSeparator = ',';         // "Virgule" (stored 1 for ',', 0 for '.')
    int32_t ReducedToleranceText = 0;    // "TailleTexteTol"
    double ToleranceOffset = 0.0;        // "DecaleTexteTol"
    int32_t Dashed = 0;                  // "Pointille"
    int32_t RoundDashEnds = 0;           // "BoutRond"
    double DashOne = 0.0;                // "TiretUn"
    double GapOne = 0.0;                 // "TrouUn"
    double DashTwo = 0.0;                // "TiretDeux"
    double GapTwo = 0.0;                 // "TrouDeux"
    int32_t FontStep = 0;                // "VariablePolice"

    // Preferred free texts "TexteLibre1" to "TexteLibre5" (owned; null counts as empty).
    char* FreeTexts[kFreeTextCount] = {};

    // Creation dialogs.
    double SegmentCreateWidth = 0.0;      // "SegEpaisCrea"
    double SegmentCreateRotation = 0.0;   // "SegRotCrea" (degrees)
    int32_t SegmentCreateWithDimension = 0;  // "CaseCreaSeg"
    int32_t SegmentCreateCentred = 0;     // "CentreCreaSeg"
    double AngleCreateAngle = 0.0;        // "AngCrea" (degrees)
    double AngleCreateWidth = 0.0;        // "AngEpaisCrea"
    int32_t AngleCreateWithDimension = 0; // "CaseCreaAng"
    int32_t AngleCreateCentred = 0;       // "CentreCreaAng"
    double CircleCreateWidth = 0.0;       // "CerEpaisCrea"
    double CircleCreateAngle = 0.0;       // "AngCerCrea" (radians)
    int32_t CircleCreateWithDimension = 0;   // "CaseCreaCer"
    int32_t CircleCreateArc = 0;          // "CreaArcCer"
    int32_t CircleCreateSector = 0;       // "CreaSecteurCer"

    // The Bézier curve and the preferred arrow of the editors.
    BezierCurveShape BezierShape;
    BezierReplicaSteps BezierReplicas;
    PreferredArrow PreferredArrowShape;

    // Panel state and custom scale.
    int32_t PanelVisible = 0;             // "PanneauVisible"
    int32_t OptionsShown = 0;             // "PanneauGrand"
    double CustomScaleNumerator = 0.0;    // "EchelleNumPersoReal"
    double CustomScaleDenominator = 0.0;  // "EchelleDenPersoReal"

    // Derived at start-up.
    char PreferredFontName[kSettingsNameSize] = {};  // the "Police" the preferences dialog edits
    double ScaleRatio = 1.0;              // numerator / denominator of the drawing scale
};

extern Settings gSettings;

// Replaces an owned setting string by a copy of `text` (null counts as empty); frees the old one.
// Returns false, leaving the old string, when the copy cannot be allocated.
bool SetSettingString(char*& target, const char* text);
// The text of an owned setting string, "" for null.
const char* SettingString(const char* text);
// Copies `text` (null counts as empty) into a buffer of `size` bytes, cut to fit at a character boundary,
// always terminated.
void SetSettingName(char* target, size_t size, const char* text);
// The longest prefix of `text`, at most `limit` bytes, that ends at a UTF-8 character boundary.
size_t CutLength(const char* text, size_t limit);
// True when `text` is well-formed UTF-8 (no overlong form, surrogate or code point past U+10FFFF). With
// `cutAtEnd`, a character begun but not ended by the last bytes counts as well formed: a read cut short there.
bool IsUtf8(std::string_view text, bool cutAtEnd);
// The UTF-8 text of `text` read as Windows-1252; the five bytes that code page leaves unassigned stand for the
// control characters of the same number.
std::string Windows1252ToUtf8(std::string_view text);
// A stored real as a single-precision value: NaN gives 0, values beyond the float range the nearest limit.
float SettingAsFloat(double value);
// A stored length as a single-precision length: NaN and negative values give 0, values beyond the float range
// FLT_MAX.
float SettingAsLength(double value);
// Sets ScaleRatio to numerator / denominator, both rounded to single precision first; a ratio that is not
// finite and above zero (a zero denominator) leaves the old ratio.
void UpdateScaleRatio(double numerator, double denominator);
// The scale draws as the stored custom one: the same ratio within the single precision of the custom terms (a
// custom 0.3/1 made the default is stored with both terms at least 1, as 1/3.3333332); false while the custom
// scale cannot divide.
bool DrawsAsCustomScale(double numerator, double denominator);
// Frees the owned strings and returns every setting to its zero state.
void ClearSettings();

// The start-up settings step: reads the store (ReadPreferences), sets up the path styles, copies the live
// options and the end-mark preset, and puts the stroke colour into the styles. Returns ReadPreferences' result.
ASErr LoadSettings();
