// The preferences dialog: the defaults of new dimensions, a common page and one page per tool. Its items edit
// working copies of the stored settings; OK stores and writes them, "Par défaut" puts the factory values back
// and "Annuler" drops them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "frame/Settings.h"
#include "host/ADMTypes.h"

// The tool pages, by the number of their tool.
enum PrefsPageNumber : int32_t {
    kSegmentPrefsPage = 1,
    kAnglePrefsPage = 2,
    kCirclePrefsPage = 3,
    kBezierPrefsPage = 4,
    kLengthsPrefsPage = 5,
};

// The size of the dialog, in pixels.
constexpr int32_t kPrefsDialogWidth = 460;
constexpr int32_t kPrefsDialogHeight = 395;

// What the dialog's items edit: one working value per setting of the dialog, of the stored setting's type.
struct PreferencesWorkingCopy {
    double LineWidth = 0.0;              // "Epaisseur"
    double EndMarkSize = 0.0;            // "Zoom"
    double SideTieLength = 0.0;          // "Attaches"
    int32_t Unit = 0;                    // "UnitePrefs"
    double ScaleNumerator = 1.0;         // "EchelleNum"
    double ScaleDenominator = 1.0;       // "EchelleDen"
    int32_t Decimals = 0;                // "Precision"
    int32_t ArrowPreset = 0;             // "RadioFleche"
    int32_t DimensionOrientation = 0;    // "RadioCoteType"
    int32_t HorizontalText = 0;          // "TexteHoriz"
    int32_t ShowAngleUnit = 0;           // "AfficheUniteAngle"
    double SegmentOffsetX = 0.0;         // "DecalageSegX"
    double SegmentOffsetY = 0.0;         // "DecalageSegY"
    double AngleOffsetAngle = 0.0;       // "DecalageAngA"
    double AngleOffsetRadius = 0.0;      // "DecalageAngR"
    double CircleOffsetX = 0.0;          // "DecalageCerX"
    double CircleOffsetY = 0.0;          // "DecalageCerY"
    double BezierOffsetX = 0.0;          // "DecalageBezierX"
    double BezierOffsetY = 0.0;          // "DecalageBezierY"
    int32_t Diameter = 0;                // "Diametre"
    int32_t ArrowHeads = 0;              // "FouP"
    int32_t Sound = 0;                   // "Son"
    int32_t PrefixSuffixOn = 0;          // "ChypreVF"
    std::string Prefix;                  // "ChypreAvant": a string of its own, never the stored one
    std::string Suffix;                  // "ChypreApres"
    int32_t ToolsGrouped = 0;            // "OutilsGroupe"
    int32_t OwnLayer = 0;                // "Calque"
    char FontName[kSettingsNameSize] = {};   // "Police"
    int32_t FontNumber = 0;              // "NumPolice": the font the popup chose when the dialog was built
    double TextSize = 0.0;               // "Corps"
    int32_t RememberedPointCount = 0;    // "NombreSouvenirsPrefs"
    int32_t Magnetism = 0;               // "Magnetisme"
    double CircleTieLength = 0.0;        // "Ligne"
    double ArcRadius = 0.0;              // "Rayon"
    int32_t DivisionCount = 0;           // "NbDivBez"
    int32_t BezierMode = 0;              // "PartRayTanBez"
    int32_t DivisionEndTicks = 0;        // "BoutsBez"
    int32_t CircleSymbolShown = 0;       // "RouD"
    int32_t CircleSymbolBefore = 0;      // "RouDAvant"
    int32_t RadiusLineDrawn = 0;         // "AvecRayTrace"
    int32_t MultipleArcType = 0;         // "TypeArcSpecialPrefs"
    double MultipleArcWidthFactor = 0.0; // "CoefArcSpecial"
    int32_t AutoRightAngle = 0;          // "AngleDroitAuto"
    int32_t ShowUnit = 0;                // "AfficheUnite"
    int32_t FootSymbol = 0;              // "SymbolePiedPrefs"
    int32_t InchSymbol = 0;              // "SymbolePoucePrefs"
    int32_t RedrawAll = 0;               // "Redessiner"
    char LayerName[kSettingsNameSize] = {};  // "NomCalque"
    int32_t SideTiesOn = 0;              // "AvecAttaches"
    int32_t SeriesOn = 0;                // "CoteSerie"
    int32_t SeriesKind = 0;              // "TypeCoteSerie"
};

// The sample value text: 39 characters and the terminator, kept between openings.
constexpr size_t kSampleTextSize = 40;

// The dialog's own state: the working copies, the page on show and the last sample.
struct PreferencesDialogState {
    PreferencesWorkingCopy Working;
    int32_t PrefsPage = kSegmentPrefsPage;
    char SampleTextBuffer[kSampleTextSize] = {};
};
extern PreferencesDialogState gPrefs;

// Puts the dialog's state back to its start (for a fresh plug-in, as in a new test).
void ResetPreferencesDialogState();

// The alert shown when OK could not write every key.
#define kPrefsNotAllSavedAlert "Les préférences n'ont pas toutes été enregistrées."

// The opener that start-up installs: runs the dialog modally unless it is already up.
void OpenPreferencesDialog();

// Dialog procedures.
ASErr PreferencesDialogInit(ADMDialogRef dialog);
void PreferencesDialogDraw(ADMDialogRef dialog, ADMDrawerRef drawer);
void DrawPreferencesFrames(ADMDrawerRef drawer);

// The three buttons.
void PreferencesDialogOk(ADMItemRef item, ADMNotifierRef notifier);
void PreferencesDialogCancel(ADMItemRef item, ADMNotifierRef notifier);
void PreferencesDialogDefault(ADMItemRef item, ADMNotifierRef notifier);

// The invisible picture buttons beside the fields: a click puts the focus into the field.
void CompanionButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
// Makes the item `id` of the item's dialog the active item; the id is taken as a signed 16-bit number.
void SelectDialogItem(ADMItemRef item, int32_t id);

// The OK sequence on the working copies: stores and writes the keys in order, stopping where a row says so.
// A row whose write fails keeps its stored value. Answers true when every key was written.
bool CommitPreferences();
// The factory values of the common page, then of the page in PrefsPage, into the working copies.
void SetFactoryPreferences();
