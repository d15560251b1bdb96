#include "frame/SettingsTable.h"

#include <cstring>

#include "frame/Colours.h"
#include "frame/SettingRanges.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/FontSuite.h"

namespace {

using enum SettingType;
using enum SettingGroup;

constexpr IntegerRange kAnyInteger{};
constexpr IntegerRange Between(int32_t minimum, int32_t maximum) { return IntegerRange{minimum, maximum}; }

// Ranges of the stored reals: what a drawing can use, and what the dialogs that edit them allow.
constexpr double kPi = 3.14159265358979323846;
constexpr RealRange kSignedLength{};
constexpr RealRange kLength{0.0, kLongestDrawingLength};
constexpr RealRange kStrokeLength = kStrokeWidthRange;
// End-mark size, percent (0: no end marks).
constexpr RealRange kEndMarkPercent{0.0, 1000.0};
// Label body size, in points.
constexpr RealRange kTextSize{0.1, 1296.0};
// Scale terms: below 1 the read rules give 1; the custom ones fall back to 1 below a ten-thousandth (0: no
// custom scale). Both reach kLargestScaleTerm, so that a map's scale can be set either way.
constexpr RealRange kScale{1.0, kLargestScaleTerm};
constexpr RealRange kCustomScale{0.0, kLargestScaleTerm};
// Directions: a value beyond a turn is the same direction within one.
constexpr RealRange kDegrees{-360.0, 360.0, 360.0};
constexpr RealRange kTurnRadians{-2.0 * kPi, 2.0 * kPi, 2.0 * kPi};
constexpr RealRange kHalfTurnRadians{-kPi, kPi, 2.0 * kPi};
// The angle's radius: the smallest that draws an arc, so that no click draws nothing.
constexpr RealRange kArcRadius{kSmallestArcRadius, kLongestDrawingLength};
constexpr RealRange kArrowTipDegrees{0.0, 90.0};
constexpr RealRange kPercentChannel{0.0, 100.0};
constexpr RealRange kByteChannel{0.0, 255.0};
constexpr RealRange kFactor{0.0, 100.0};
// The replicas' scale step has no bound of its own; past the canvas's width in points a replica of even a
// one-point shape would lie beyond the canvas, and the scaled points would leave what a float holds.
constexpr RealRange kReplicaScaleStep{-kLongestDrawingLength, kLongestDrawingLength};
// The arrow-head editor's canvas, in its units.
constexpr RealRange kArrowEditorX{-6.0, 16.0};
constexpr RealRange kArrowEditorY{-6.0, 6.0};

constexpr SettingEntry Flag(const char* key, double value, int32_t* address, SettingGroup group = General) {
    return SettingEntry{key, Boolean, group, value, nullptr, address, kAnyInteger};
}
constexpr SettingEntry Whole(const char* key, double value, int32_t* address, IntegerRange range = kAnyInteger,
                             SettingGroup group = General) {
    return SettingEntry{key, Integer, group, value, nullptr, address, range};
}
constexpr SettingEntry Number(const char* key, double value, double* address, RealRange range = RealRange{},
                              SettingGroup group = General) {
    return SettingEntry{key, Real, group, value, nullptr, address, kAnyInteger, false, range};
}
constexpr SettingEntry Text(const char* key, const char* value, char** address) {
    return SettingEntry{key, String, General, 0.0, value, address, kAnyInteger};
}
constexpr SettingEntry FixedName(const char* key, const char* value, char* address) {
    return SettingEntry{key, Name, General, 0.0, value, address, kAnyInteger};
}

Settings& s = gSettings;
ColourSettings& c = gColourSettings;

// A name setting whose built-in default is the first font of the host's font list.
constexpr const char* kHostFirstFont = nullptr;

// Copies the name of the host's first font into `name` (empty when the host lists none).
void CopyHostFirstFontName(char (&name)[kSettingsNameSize]) {
    name[0] = '\0';
    AIFontKey font = nullptr;
    if (sAIFont == nullptr || sAIFont->IndexFontList(0, &font) != kNoErr) return;
    if (sAIFont->GetFontName(font, name, sizeof name) != kNoErr) name[0] = '\0';
    name[sizeof name - 1] = '\0';
}

const SettingEntry kSettingsTable[] = {
    // The preferences dialog, in the order of its OK.
    Number("Epaisseur", 0.24, &s.LineWidth, kStrokeLength),
    Number("Zoom", 100.0, &s.EndMarkSize, kEndMarkPercent),
    Number("Attaches", 28.3464564929, &s.SideTieLength),
    Whole("UnitePrefs", 0, &s.Unit, Between(0, 7)),
    Number("EchelleNum", 1.0, &s.ScaleNumerator, kScale),
    Number("EchelleDen", 1.0, &s.ScaleDenominator, kScale),
    Whole("Precision", 0, &s.Decimals, Between(0, 6)),
    Whole("RadioFleche", 0, &s.ArrowPreset, Between(0, 3)),
    Whole("RadioCoteType", 0, &s.DimensionOrientation, Between(0, 2)),
    Flag("TexteHoriz", 0, &s.HorizontalText),
    Flag("AfficheUniteAngle", 1, &s.ShowAngleUnit),
    Number("DecalageSegX", 0.0, &s.SegmentOffsetX),
    Number("DecalageSegY", 0.0, &s.SegmentOffsetY),
    Number("DecalageAngA", 0.0, &s.AngleOffsetAngle, kDegrees),
    Number("DecalageAngR", 0.0, &s.AngleOffsetRadius),
    Number("DecalageCerX", 0.0, &s.CircleOffsetX),
    Number("DecalageCerY", 0.0, &s.CircleOffsetY),
    Number("DecalageBezierX", 0.0, &s.BezierOffsetX),
    Number("DecalageBezierY", 0.0, &s.BezierOffsetY),
    Flag("Diametre", 0, &s.Diameter),
    Flag("FouP", 1, &s.ArrowHeads),
    Flag("Son", 0, &s.Sound),
    Flag("ChypreVF", 0, &s.PrefixSuffixOn),
    Text("ChypreAvant", "[", &s.Prefix),
    Text("ChypreApres", "]", &s.Suffix),
    Flag("OutilsGroupe", 0, &s.ToolsGrouped),
    Flag("Calque", 0, &s.OwnLayer),
    FixedName("Police", kHostFirstFont, s.FontName),
    SettingEntry{"NumPolice", Integer, General, 0, nullptr, &s.FontNumber, Between(0, kMaxFontIndex), true},
    Number("Corps", 12.0, &s.TextSize, kTextSize),
    Whole("NombreSouvenirsPrefs", 20, &s.RememberedPointCount, Between(2, kMaxRememberedPoints)),
    Flag("Magnetisme", 1, &s.Magnetism),
    Number("Ligne", 34.01574803, &s.CircleTieLength),
    Number("Rayon", 34.01574803, &s.ArcRadius, kArcRadius),
    Whole("NbDivBez", 3, &s.DivisionCount, Between(1, kMaxDivisionCount)),
    Whole("PartRayTanBez", 0, &s.BezierMode, Between(0, 2)),
    Flag("BoutsBez", 1, &s.DivisionEndTicks),
    Flag("RouD", 1, &s.CircleSymbolShown),
    Flag("RouDAvant", 1, &s.CircleSymbolBefore),
    Flag("AvecRayTrace", 1, &s.RadiusLineDrawn),
    Whole("TypeArcSpecialPrefs", 0, &s.MultipleArcType, Between(0, 2)),
    Number("CoefArcSpecial", 3.0, &s.MultipleArcWidthFactor, kFactor),
    Flag("AngleDroitAuto", 1, &s.AutoRightAngle),
    Flag("AfficheUnite", 1, &s.ShowUnit),
    Whole("SymbolePiedPrefs", 0, &s.FootSymbol, Between(0, 2)),
    Whole("SymbolePoucePrefs", 0, &s.InchSymbol, Between(0, 2)),
    Flag("Redessiner", 0, &s.RedrawAll),
    FixedName("NomCalque", "Dimensions", s.LayerName),
    Flag("AvecAttaches", 1, &s.SideTiesOn),
    Flag("CoteSerie", 0, &s.SeriesOn),
    Whole("TypeCoteSerie", 0, &s.SeriesKind, Between(0, 1)),

    // The colour dialog.
    Whole("TypeCoulTraits", 1, &c.StrokeModel, Between(0, 2)),
    Whole("TypeCoulTexte", 1, &c.TextModel, Between(0, 2)),
    Number("Gris", 100.0, &c.Stroke.Grey, kPercentChannel),
    Number("Rouge", 196.0, &c.Stroke.Red, kByteChannel),
    Number("Vert", 25.0, &c.Stroke.Green, kByteChannel),
    Number("Bleu", 127.0, &c.Stroke.Blue, kByteChannel),
    Number("Cyan", 23.0, &c.Stroke.Cyan, kPercentChannel),
    Number("Magenta", 97.0, &c.Stroke.Magenta, kPercentChannel),
    Number("Jaune", 4.0, &c.Stroke.Yellow, kPercentChannel),
    Number("NoirCMJN", 0.0, &c.Stroke.Black, kPercentChannel),
    Number("GrisTexte", 100.0, &c.Text.Grey, kPercentChannel),
    Number("RougeTexte", 196.0, &c.Text.Red, kByteChannel),
    Number("VertTexte", 25.0, &c.Text.Green, kByteChannel),
    Number("BleuTexte", 127.0, &c.Text.Blue, kByteChannel),
    Number("CyanTexte", 23.0, &c.Text.Cyan, kPercentChannel),
    Number("MagentaTexte", 97.0, &c.Text.Magenta, kPercentChannel),
    Number("JauneTexte", 4.0, &c.Text.Yellow, kPercentChannel),
    Number("NoirTexteCMJN", 0.0, &c.Text.Black, kPercentChannel),
    Flag("CadenasTexte", 1, &c.TextLock),
    Flag("CouleursGlobales", 0, &c.GlobalSwatches),
    Number("AnglePointe1", 17.0, &c.OpenArrowAngle, kArrowTipDegrees),
    Number("AnglePointe2", 17.0, &c.TriangleArrowAngle, kArrowTipDegrees),
    Flag("FlecheCreuse", 1, &c.HollowTriangle),

    // Other options.
    Number("Gap", 0.0, &s.ExtensionGap),
    Number("GapTexteSeg", 2.0, &s.TextGap, kLength),
    SettingEntry{"Virgule", Separator, General, 1.0, nullptr, &s.DecimalSeparator, kAnyInteger},
    Flag("TailleTexteTol", 1, &s.ReducedToleranceText),
    Number("DecaleTexteTol", 1.5, &s.ToleranceOffset),
    Flag("Pointille", 0, &s.Dashed),
    Flag("BoutRond", 1, &s.RoundDashEnds),
    Number("TiretUn", 6.0, &s.DashOne, kStrokeLength),
    Number("TrouUn", 6.0, &s.GapOne, kStrokeLength),
    Number("TiretDeux", 0.0, &s.DashTwo, kStrokeLength),
    Number("TrouDeux", 0.0, &s.GapTwo, kStrokeLength),
    Whole("VariablePolice", 0, &s.FontStep, Between(-kMaxFontIndex, kMaxFontIndex)),

    // Preferred free texts.
    Text("TexteLibre1", "Longueur", &s.FreeTexts[0]),
    Text("TexteLibre2", "Largeur", &s.FreeTexts[1]),
    Text("TexteLibre3", "Hauteur", &s.FreeTexts[2]),
    Text("TexteLibre4", "Profondeur", &s.FreeTexts[3]),
    Text("TexteLibre5", "Rayon", &s.FreeTexts[4]),

    // Creation dialogs.
    Number("SegEpaisCrea", 2.5, &s.SegmentCreateWidth, kStrokeLength),
    Number("SegRotCrea", 45.0, &s.SegmentCreateRotation, kDegrees),
    Flag("CaseCreaSeg", 1, &s.SegmentCreateWithDimension),
    Flag("CentreCreaSeg", 0, &s.SegmentCreateCentred),
    Number("AngCrea", 45.0, &s.AngleCreateAngle, kDegrees),
    Number("AngEpaisCrea", 2.5, &s.AngleCreateWidth, kStrokeLength),
    Flag("CaseCreaAng", 1, &s.AngleCreateWithDimension),
    Flag("CentreCreaAng", 0, &s.AngleCreateCentred),
    Number("CerEpaisCrea", 2.5, &s.CircleCreateWidth, kStrokeLength),
    Number("AngCerCrea", 0.7853981633974483, &s.CircleCreateAngle, kHalfTurnRadians),
    Flag("CaseCreaCer", 1, &s.CircleCreateWithDimension),
    Flag("CreaArcCer", 0, &s.CircleCreateArc),
    Flag("CreaSecteurCer", 0, &s.CircleCreateSector),

    // The Bézier curve, in the order its dialog writes them; per-point keys follow them.
    Whole("NbPtsBez", 4, &s.BezierShape.PointCount, Between(2, kMaxShapePoints), BezierCurve),
    Flag("FouOBez", 1, &s.BezierShape.Closed, BezierCurve),
    Flag("CouPBez", 0, &s.BezierShape.Hollow, BezierCurve),
    Whole("RepBez", 1, &s.BezierReplicas.Count, Between(1, 24), BezierCurve),
    Number("RotRepBez", 0.0, &s.BezierReplicas.RotationStep, kTurnRadians, BezierCurve),
    Number("DecalHBez", 0.0, &s.BezierReplicas.HorizontalStep, kSignedLength, BezierCurve),
    Number("DecalVBez", 0.0, &s.BezierReplicas.VerticalStep, kSignedLength, BezierCurve),
    Number("GrosReducBez", 0.0, &s.BezierReplicas.ScaleStep, kReplicaScaleStep, BezierCurve),

    // The preferred arrow, in the order its editor writes them; per-point keys follow them.
    Whole("NbPtsFlEdit", 6, &s.PreferredArrowShape.PointCount, Between(2, kMaxShapePoints), PreferredArrow),
    Flag("FouOEdit", 1, &s.PreferredArrowShape.Closed, PreferredArrow),
    Flag("CouPEdit", 0, &s.PreferredArrowShape.Hollow, PreferredArrow),
    Flag("SymetriEdit", 0, &s.PreferredArrowShape.Symmetric, PreferredArrow),
    Number("DebEditSegX", 2.0, &s.PreferredArrowShape.LineStartX, kArrowEditorX, PreferredArrow),
    Number("DebEditSegY", 0.0, &s.PreferredArrowShape.LineStartY, kArrowEditorY, PreferredArrow),

    // Panel state and custom scale.
    Flag("PanneauVisible", 1, &s.PanelVisible),
    Flag("PanneauGrand", 1, &s.OptionsShown),
    Number("EchelleNumPersoReal", 3.0, &s.CustomScaleNumerator, kCustomScale),
    Number("EchelleDenPersoReal", 7.0, &s.CustomScaleDenominator, kCustomScale),
};

}  // namespace

std::span<const SettingEntry> SettingsTable() { return kSettingsTable; }

const SettingEntry* FindSetting(const char* key) {
    if (key == nullptr) return nullptr;
    for (const SettingEntry& entry : kSettingsTable) {
        if (std::strcmp(entry.Key, key) == 0) return &entry;
    }
    return nullptr;
}

void SetSettingToDefault(const SettingEntry& entry) {
    switch (entry.Type) {
        case Boolean:
        case Integer:
            *static_cast<int32_t*>(entry.Address) = static_cast<int32_t>(entry.DefaultNumber);
            break;
        case Real:
            *static_cast<double*>(entry.Address) = entry.DefaultNumber;
            break;
        case String:
            SetSettingString(*static_cast<char**>(entry.Address), entry.DefaultText);
            break;
        case Name: {
            char hostFont[kSettingsNameSize] = {};
            const char* text = entry.DefaultText;
            if (text == kHostFirstFont) {
                CopyHostFirstFontName(hostFont);
                text = hostFont;
            }
            SetSettingName(static_cast<char*>(entry.Address), kSettingsNameSize, text);
            break;
        }
        case Separator:
            *static_cast<char*>(entry.Address) = entry.DefaultNumber != 0.0 ? ',' : '.';
            break;
    }
}
