// The panel's items as the host sees them after start-up, against the tables the panel is built from.
#include <cmath>

#include "case_name.h"
#include "dimension/ValueFormat.h"
#include "frame/SettingRanges.h"
#include "panel/PanelItems.h"
#include "panel/PanelProcedures.h"
#include "records/CurrentDimension.h"
#include "panel_fixture.h"

namespace {

using paneltest::PanelTest;

constexpr const char* PB = kADMPicturePushButtonType;
constexpr const char* PS = kADMPictureStaticType;
constexpr const char* SE = kADMSpinEditType;
constexpr const char* SP = kADMSpinEditPopupType;
constexpr const char* PL = kADMPopupListType;
constexpr const char* TS = kADMTextStaticType;
constexpr const char* TE = kADMTextEditType;

constexpr const char* kWidthTip = "Épaisseur des traits\rClic+Commande->Épaisseur par défaut.";
constexpr const char* kEndTip = "Taille des extrémités\rClic+Commande->Taille par défaut.";
constexpr const char* kDecTip = "Nombre de chiffres après la virgule (de 0 à 6).";
constexpr const char* kTieTip = "Longueur des attaches latérales\rClic+Commande->Longueur par défaut.";
constexpr const char* kDirTip = "Change le sens des pointes >-</<-> (touche Control).";
constexpr const char* kSizeTip = "Corps du texte (Clic+Commande->Corps par défaut).";
constexpr const char* kColTip = "Dialogue des couleurs et options.";
constexpr const char* kGapTip = "Écart entre les différents arcs.";
constexpr const char* kDivTip =
    "Nombre de divisions d'un segment, d'un angle, d'un arc ou d'une courbe de Bézier\rClic+Commande->Nombre par défaut.";
constexpr const char* kCTieTip = "Longueur de la ligne d'attache\rClic+Commande->Longueur par défaut.";
constexpr const char* kCAngTip = "Angle de la cote (de -180° à 180°).";
constexpr const char* kRadTip = "Rayon de l'arc\rClic+Commande->Rayon par défaut.";
constexpr const char* kHTip = "Décalage horizontal du texte\rClic+Commande->Décalage par défaut.";
constexpr const char* kVTip = "Décalage vertical du texte\rClic+Commande->Décalage par défaut.";
constexpr const char* kShapeTip = "Forme des pointes des flèches.";
constexpr const char* kNone = "";

using Draw = ADMItemDrawProc;
using Note = ADMItemNotifyProc;
using Track = ADMItemTrackProc;

struct Row {
    int32_t id;
    const char* type;
    ADMRect bounds;
    const char* tip;  // "" none
    bool font;
    Draw draw;
    Note notify;
    Track track;
};

// Rectangles as the items stand after start-up, when the inactive Segment page has placed items 12 and 18
// (made at 153, 68 and 0, 48).
const Row kRows[] = {
    {100, PS, {0, 0, 240, 172}, "Cliquez sur le panneau pour activer l'outil.", false, PanelNoOpProc, CoverClickNotify, nullptr},
    {5, PB, {216, 2, 236, 22}, nullptr, false, nullptr, ReloadPanelNotify, CancelDimensionTrack},
    {6, PB, {206, 10, 216, 20}, nullptr, false, WebPageButtonPictureDraw, OpenWebPageNotify, nullptr},
    {7, SP, {25, 23, 110, 45}, kWidthTip, true, nullptr, LineWidthNotify, nullptr},
    {8, PB, {15, 23, 23, 45}, kWidthTip, false, PanelNoOpProc, ActivatePartnerItemNotify, ResetLineWidthTrack},
    {80, PB, {1, 23, 15, 45}, kColTip, false, LineColourButtonDraw, ColourButtonNotify, nullptr},
    {9, SP, {25, 1, 110, 23}, kEndTip, true, nullptr, EndMarkSizeNotify, nullptr},
    {10, PB, {8, 6, 20, 23}, kEndTip, false, PanelNoOpProc, ActivatePartnerItemNotify, ResetEndSizeTrack},
    {11, PB, {2, 6, 19, 22}, "Bascule Flèches/Points.", false, ArrowsPointsPictureDraw, ArrowsPointsNotify, nullptr},
    {17, SE, {25, 45, 57, 67}, kDecTip, true, nullptr, DecimalsNotify, nullptr},
    {18, PB, {0, 47, 24, 63}, kDecTip, false, DecimalsIndicatorDraw, nullptr, DecimalsDragTrack},
    {40, kADMPopupMenuType, {94, 90, 110, 109}, "Texte libre.", true, nullptr, FreeTextMenuNotify, nullptr},
    {41, TE, {5, 90, 96, 109}, kNone, true, nullptr, FreeTextEditNotify, nullptr},
    {57, TE, {150, 90, 235, 109}, kNone, true, nullptr, ToleranceTextNotify, nullptr},
    {58, PB, {125, 90, 149, 109}, "Active la zone de texte de tolérance.", false, TolerancePictureDraw, ToleranceButtonNotify, nullptr},
    {83, TS, {3, 133, 236, 152}, "Affiche l'aire de la figure cliquée (polygone ou disque).", true, nullptr, nullptr, nullptr},
    {15, SE, {151, 23, 236, 45}, kTieTip, true, nullptr, SideTieLengthNotify, nullptr},
    {94, PB, {108, 23, 120, 45}, "Avec ou sans attaches.", false, PanelNoOpProc, WithTiesNotify, nullptr},
    {16, PB, {116, 27, 148, 39}, kTieTip, false, TiesPictureDraw, ActivatePartnerItemNotify, nullptr},
    {93, PB, {181, 4, 191, 21}, "Active ou non la tavorine en série.", false, PanelNoOpProc, SeriesOnNotify, nullptr},
    {0, PB, {193, 4, 202, 13}, "Type un", false, PanelNoOpProc, SeriesTypeOneNotify, nullptr},
    {1, PB, {193, 14, 202, 23}, "Type deux", false, PanelNoOpProc, SeriesTypeTwoNotify, nullptr},
    {96, PB, {181, 4, 203, 21}, kNone, false, SeriesTypePictureDraw, nullptr, nullptr},
    {19, PB, {72, 48, 93, 66}, "Texte horizontal ou oblique.", false, TextOrientationPictureDraw, TextOrientationNotify, nullptr},
    {20, PB, {122, 49, 148, 64}, "Texte décalé à droite, décalé à gauche ou centré.", false, PanelNoOpProc, TextPositionNotify, nullptr},
    {95, PB, {109, 53, 120, 64}, kNone, false, PanelNoOpProc, SideTextNotify, nullptr},
    {99, PB, {109, 53, 120, 64}, kNone, false, TextPositionPictureDraw, nullptr, nullptr},
    {53, PB, {203, 49, 218, 64}, "Inverse la ligne de cote.", false, InvertLinePictureDraw, FlipLineNotify, nullptr},
    {52, PB, {221, 51, 236, 60}, kDirTip, false, SegmentArrowDirectionPictureDraw, SegmentArrowsNotify, nullptr},
    {21, kADMTextEditScrollingPopupType, {6, 151, 106, 173}, "Noms des polices installées.", true, nullptr, FontNotify, nullptr},
    {22, SE, {151, 151, 236, 173}, kSizeTip, true, nullptr, TextSizeNotify, nullptr},
    {23, PB, {132, 154, 148, 167}, kSizeTip, false, TextColourButtonDraw, ActivatePartnerItemNotify, nullptr},
    {81, PB, {112, 154, 132, 167}, kColTip, false, PanelNoOpProc, ColourButtonNotify, nullptr},
    {59, PB, {113, 48, 129, 64}, "Arc normal.", false, SingleArcPictureDraw, SingleArcNotify, nullptr},
    {60, PB, {130, 48, 146, 64}, "Arcs multiples.", false, MultipleArcsPictureDraw, MultipleArcsNotify, nullptr},
    {61, SE, {151, 45, 236, 67}, "Nombre d'arcs (maximum 20).", true, nullptr, ArcCountNotify, nullptr},
    {62, SE, {151, 67, 236, 89}, kGapTip, true, nullptr, ArcGapNotify, nullptr},
    {63, kADMPictureRadioButtonType, {126, 67, 150, 89}, kGapTip, false, PanelNoOpProc, ActivatePartnerItemNotify, nullptr},
    {69, PB, {60, 51, 75, 60}, kDirTip, false, BezierArrowDirectionPictureDraw, BezierArrowsNotify, nullptr},
    {70, SE, {151, 23, 236, 45}, "Longueur du tracé.", true, nullptr, BezierLengthNotify, nullptr},
    {71, PB, {106, 25, 147, 45}, "Longueur du tracé.", false, PathLengthPictureDraw, ActivatePartnerItemNotify, nullptr},
    {72, SE, {187, 45, 236, 67}, kDivTip, true, nullptr, DivisionCountNotify, nullptr},
    {73, PB, {162, 45, 186, 67}, kDivTip, false, PanelNoOpProc, ActivatePartnerItemNotify, nullptr},
    {54, PB, {113, 48, 129, 64}, "Partager le tracé (segment, angle, arc ou courbe).", false, SharePathPictureDraw, SharePathNotify, nullptr},
    {55, PB, {129, 48, 145, 64}, "Tracé du rayon local.", false, LocalRadiusPictureDraw, LocalRadiusNotify, nullptr},
    {56, PB, {145, 48, 161, 64}, "Tracé de la tangente locale.", false, LocalTangentPictureDraw, LocalTangentNotify, nullptr},
    {64, PB, {60, 51, 75, 60}, kDirTip, false, CircleArrowDirectionPictureDraw, CircleArrowsNotify, nullptr},
    {68, PB, {85, 47, 102, 64}, "Diamètre ou rayon.", false, DiameterRadiusPictureDraw, DiameterRadiusNotify, nullptr},
    {66, SE, {151, 23, 236, 45}, kCTieTip, true, nullptr, CircleTieLengthNotify, nullptr},
    {67, PB, {110, 27, 151, 43}, kCTieTip, false, CircleTieLengthPictureDraw, ActivatePartnerItemNotify, nullptr},
    {65, SP, {151, 45, 236, 67}, kCAngTip, true, nullptr, CircleDimensionAngleNotify, nullptr},
    {82, PB, {110, 50, 151, 72}, kCAngTip, false, CircleAnglePictureDraw, ActivatePartnerItemNotify, nullptr},
    {48, PL, {3, 67, 107, 84}, kNone, true, nullptr, AngleFormatNotify, nullptr},
    {50, SE, {151, 23, 236, 45}, kRadTip, true, nullptr, ArcRadiusNotify, nullptr},
    {51, PB, {108, 25, 149, 41}, kRadTip, false, ArcRadiusPictureDraw, ActivatePartnerItemNotify, nullptr},
    {47, PB, {60, 52, 75, 61}, kDirTip, false, AngleArrowDirectionPictureDraw, AngleArrowsNotify, nullptr},
    {49, PB, {85, 48, 103, 66}, "Saillant<->Rentrant.", false, SalientReentrantPictureDraw, SalientReentrantNotify, nullptr},
    {44, PB, {151, 48, 167, 64}, "Cote parallèle au segment.", false, ParallelPictureDraw, ParallelNotify, nullptr},
    {45, PB, {167, 48, 183, 64}, "Cote projetée horizontale.", false, ProjectedHorizontalPictureDraw, ProjectedHorizontalNotify, nullptr},
    {46, PB, {183, 48, 199, 64}, "Cote projetée verticale.", false, ProjectedVerticalPictureDraw, ProjectedVerticalNotify, nullptr},
    {24, SE, {25, 111, 110, 133}, kHTip, true, nullptr, SegmentOffsetXNotify, nullptr},
    {26, PB, {0, 111, 24, 133}, kHTip, false, FirstTextOffsetPictureDraw, ActivatePartnerItemNotify, nullptr},
    {25, SE, {151, 111, 236, 133}, kVTip, true, nullptr, SegmentOffsetYNotify, nullptr},
    {27, PB, {110, 111, 151, 133}, kVTip, false, SecondTextOffsetPictureDraw, ActivatePartnerItemNotify, nullptr},
    {28, SE, {25, 111, 110, 133}, "Décalage angulaire par défaut.", true, nullptr, AngleOffsetANotify, nullptr},
    {31, PB, {110, 111, 151, 133}, "Décalage radial par défaut.", false, SecondTextOffsetPictureDraw, ActivatePartnerItemNotify, nullptr},
    {32, SE, {25, 111, 110, 133}, kHTip, true, nullptr, CircleOffsetXNotify, nullptr},
    {37, SE, {151, 111, 236, 133}, kVTip, true, nullptr, BezierOffsetYNotify, nullptr},
    {39, PB, {110, 111, 151, 133}, kVTip, false, SecondTextOffsetPictureDraw, ActivatePartnerItemNotify, nullptr},
    {42, PL, {6, 46, 59, 63}, "Précision pour les pouces fractionnaires.", true, nullptr, PrecisionPopupNotify, nullptr},
    {43, PL, {6, 68, 110, 85}, "Liste des unités.", true, nullptr, UnitPopupNotify, nullptr},
    {88, TS, {5, 55, 235, 75}, "Longueur totale de tous les tracés sélectionnés.", true, nullptr, nullptr, nullptr},
    {92, TS, {5, 123, 235, 143}, "Nombre total de tracés sélectionnés.", true, nullptr, nullptr, nullptr},
    {84, PB, {113, 4, 129, 20}, kShapeTip, false, ArrowShape1PictureDraw, ArrowShape1Notify, nullptr},
    {87, PB, {161, 4, 177, 20}, "Forme des pointes des flèches ou Dialogue Éditeur de flèche…(touche ALT enfoncée).", false, ArrowShape4PictureDraw, ArrowShape4Notify, nullptr},
    {12, PL, {151, 68, 234, 85}, "Échelle du dessin", true, nullptr, ScalePopupNotify, nullptr},
    {13, PB, {128, 70, 152, 86}, "Échelle du dessin", false, ScalePictureDraw, nullptr, ScalePictureTrack},
    {74, kADMTextStaticMultiLineType, {244, 2, 476, 157}, "Texte de l'aide.", true, nullptr, nullptr, nullptr},
    {75, PB, {443, 159, 456, 170}, "Page suivante de l'aide.", false, nullptr, HelpNextPageNotify, nullptr},
    {76, PB, {260, 159, 273, 170}, "Première page de l'aide.", false, nullptr, HelpPreviousPageNotify, nullptr},
    {78, TS, {331, 159, 351, 173}, "Numéro de page de l'aide.", true, nullptr, nullptr, nullptr},
    {79, TS, {351, 159, 361, 173}, kNone, true, nullptr, nullptr, nullptr},
    {77, TS, {361, 159, 381, 173}, kNone, true, nullptr, nullptr, nullptr},
};

class Inventory : public PanelTest, public ::testing::WithParamInterface<Row> {};

TEST_P(Inventory, EachItemHasItsTypePlaceTipFontAndProcedures) {
    Start();
    const Row& row = GetParam();
    const sim::ItemData& item = Item(row.id);
    EXPECT_EQ(item.type, row.type);
    EXPECT_EQ(item.bounds.left, row.bounds.left);
    EXPECT_EQ(item.bounds.top, row.bounds.top);
    EXPECT_EQ(item.bounds.right, row.bounds.right);
    EXPECT_EQ(item.bounds.bottom, row.bounds.bottom);
    if (row.tip != nullptr) {
        EXPECT_EQ(item.tip, row.tip);
    }
    EXPECT_EQ(item.font == kPanelFont, row.font);
    EXPECT_EQ(item.drawProc, row.draw);
    // A notifier runs through the panel's one notification, which finds it in the item's table row.
    const auto* spec = static_cast<const PanelItemSpec*>(item.userData);
    EXPECT_EQ(spec != nullptr ? spec->Notify : nullptr, row.notify);
    EXPECT_EQ(item.notifyProc != nullptr, row.notify != nullptr);
    EXPECT_EQ(item.trackProc, row.track);
}

INSTANTIATE_TEST_SUITE_P(Items, Inventory, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return CaseName("Item", info.param.id); });

// A numeric field: its unit (shown or not), steps, range and starting value in points or its own number.
struct Field {
    int32_t id;
    int32_t units;
    bool shown;
    float small;
    float large;
    float minimum;
    float maximum;
    float value;
    int32_t precision;
};

constexpr float kLength = 16383.0f;
constexpr float kMm = 2.8346457f;
constexpr float kAnyNumber = 1.0e30f;

// With the built-in defaults: millimetres, 0.5 pt lines... the values are those the defaults give. Each range is
// the range of the setting the field edits (lengths to 16383 pt), the field's own minimum kept.
const Field kFields[] = {
    {17, kADMPointUnits, false, 1.0f, 10.0f, 0.0f, 6.0f, 2.0f, 0},
    {9, kADMPercentUnits, true, 5.0f, 50.0f, 0.0f, 1000.0f, 100.0f, -1},
    {15, kADMMillimeterUnits, true, kMm, 28.346457f, -kLength, kLength, 10.0f, -1},
    {61, kADMNoUnits, false, 1.0f, 10.0f, 1.0f, 20.0f, 2.0f, -1},
    {62, kADMPointUnits, false, 1.0f, 10.0f, 0.0f, 862.0f, 5.0f, -1},  // twenty arcs span at most 16383 pt
    {72, kADMNoUnits, false, 1.0f, 10.0f, 1.0f, 10000.0f, 5.0f, -1},
    {70, kADMMillimeterUnits, false, kMm, 28.346457f, 0.0f, kLength, 14.173228f, -1},
    {65, kADMDegreeUnits, true, 1.0f, 10.0f, -kAnyNumber, kAnyNumber, 45.0f, -1},  // directions: within a turn
    {28, kADMDegreeUnits, true, 1.0f, 10.0f, -kAnyNumber, kAnyNumber, 0.0f, -1},   // when read, not stopped
    {50, kADMMillimeterUnits, false, kMm, 28.346457f, static_cast<float>(kSmallestArcRadius), kLength, 34.015748f, -1},
    {24, kADMPointUnits, true, 1.0f, 10.0f, -kLength, kLength, 0.0f, -1},
    {22, kADMPointUnits, false, 1.0f, 4.0f, 0.1f, 1296.0f, 12.0f, -1},
};

class Fields : public PanelTest, public ::testing::WithParamInterface<Field> {};

TEST_P(Fields, EachFieldHasItsUnitStepsRangeAndValue) {
    Seed("Precision", sim::PrefValue::Int(2));  // not a first run: the defaults below stand as seeded
    Seed("Attaches", sim::PrefValue::Real(10.0));
    Seed("Zoom", sim::PrefValue::Real(100.0));
    Seed("Corps", sim::PrefValue::Real(12.0));
    Seed("NbDivBez", sim::PrefValue::Int(5));
    Seed("UnitePrefs", sim::PrefValue::Int(0));
    Start();
    const Field& f = GetParam();
    const sim::ItemData& item = Item(f.id);
    EXPECT_EQ(item.units, f.units);
    EXPECT_EQ(item.showUnits, f.shown);
    EXPECT_FLOAT_EQ(item.smallIncrement, f.small);
    EXPECT_FLOAT_EQ(item.largeIncrement, f.large);
    EXPECT_FLOAT_EQ(item.minimum, f.minimum);
    EXPECT_FLOAT_EQ(item.maximum, f.maximum);
    EXPECT_NEAR(item.value, f.value, 1e-4);
    EXPECT_EQ(item.precision, f.precision);
}

INSTANTIATE_TEST_SUITE_P(Items, Fields, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return CaseName("Item", info.param.id); });

TEST_F(PanelTest, PopupsListTheirEntriesWithIdsSeparatorsAndTicks) {
    Seed("Precision", sim::PrefValue::Int(2));
    Seed("AfficheUnite", sim::PrefValue::Bool(true));
    Seed("AfficheUniteAngle", sim::PrefValue::Bool(false));
    Seed("UnitePrefs", sim::PrefValue::Int(3));
    Seed("TexteLibre3", sim::PrefValue::String("Hauteur"));
    Start();
    EXPECT_EQ(Entries(7), (std::vector<std::string>{"0:0.2 pt", "1:0.4 pt", "2:0.6 pt", "3:0.8 pt", "4:1.0 pt",
                                                    "5:1.2 pt", "6:1.4 pt", "7:1.6 pt", "8:1.8 pt", "9:2.0 pt",
                                                    "10:3.0 pt", "11:4.0 pt", "12:5.0 pt", "13:10.0 pt",
                                                    "14:15.0 pt", "15:20.0 pt"}));
    EXPECT_EQ(Entries(9), (std::vector<std::string>{"0:0%", "-", "1:100%", "2:125%", "3:150%", "4:175%", "5:200%",
                                                    "6:225%", "7:250%", "8:275%", "9:300%"}));
    EXPECT_EQ(Entries(42), (std::vector<std::string>{"0:1", "1:1/2", "2:1/4", "3:1/8", "4:1/16", "5:1/32"}));
    EXPECT_EQ(Chosen(42), 3);
    EXPECT_TRUE(Item(42).visible);  // fractional inches
    EXPECT_EQ(Entries(43), (std::vector<std::string>{"0:mm", "1:cm", "2:po (décimal)", "3:po (fractionnaire)",
                                                     "4:pi po (fractionnaire)", "5:Point", "6:Pica", "7:m",
                                                     "8:Cote (sans)", "9:Texte libre", "-", "11:Afficher l'unité.+"}));
    EXPECT_EQ(Chosen(43), 3);
    EXPECT_EQ(Entries(48), (std::vector<std::string>{"0:Degrés (x,y°)", "1:Degrés (x° y' z'')", "2:Cote (sans)",
                                                     "3:Texte libre", "-", "5:Afficher l'unité."}));
    EXPECT_EQ(Chosen(48), 0);
    EXPECT_EQ(Entries(40).size(), 7u);
    EXPECT_EQ(Entries(40)[2], "2:Hauteur");
    EXPECT_EQ(Entries(40)[5], "-");
    EXPECT_EQ(Entries(40)[6], "6:Modifier…");
    // The dimension angle: every 30 degrees, a blank before each, separators on both sides of 0.
    const std::vector<std::string> angles = Entries(65);
    ASSERT_EQ(angles.size(), 14u);
    EXPECT_EQ(angles[5], "-");
    EXPECT_EQ(angles[6], "5: 0.0°");
    EXPECT_EQ(angles[7], "-");
    EXPECT_EQ(angles[13], "11: 180°");
    EXPECT_EQ(angles[0], "0: -150");  // the text limit cuts what does not fit
    // The scale popup: 28 entries, the three separators without ids, 1/1 chosen.
    const std::vector<std::string> scales = Entries(12);
    ASSERT_EQ(scales.size(), 28u);
    EXPECT_EQ(scales[0], "0:1/125");
    EXPECT_EQ(scales[11], "-");
    EXPECT_EQ(scales[12], "12:1+");
    EXPECT_EQ(scales[26], "26:Autre échelle…");
    EXPECT_EQ(scales[27], "27:3/7");
    EXPECT_EQ(Chosen(12), 12);
}

TEST_F(PanelTest, ItemsStartWithTheValuesTheirBuildersSet) {
    Seed("Precision", sim::PrefValue::Int(4));
    Seed("Virgule", sim::PrefValue::Bool(false));
    Seed("RadioCoteType", sim::PrefValue::Int(1));
    Seed("Attaches", sim::PrefValue::Real(10.0));
    Seed("Zoom", sim::PrefValue::Real(100.0));
    Start();
    EXPECT_EQ(Item(57).text, "0.25");
    EXPECT_EQ(Item(17).text, "4");
    EXPECT_FALSE(Item(19).enabled);  // projected horizontal
    EXPECT_FALSE(Item(95).enabled);  // text centred
    EXPECT_FALSE(Item(99).enabled);
    EXPECT_EQ(Item(83).text, "Aire du polygone=");
    EXPECT_EQ(Item(88).text, "L (sélection)=");
    EXPECT_EQ(Item(18).mask, 0x20046);
    EXPECT_EQ(Item(5).pictureID, 1001);
    EXPECT_EQ(Item(5).selectedPictureID, 1002);
    EXPECT_EQ(Item(14).pictureID, 1076);
    EXPECT_FALSE(Item(14).visible);  // scale 1
    EXPECT_DOUBLE_EQ(gDimensionValues.ExtensionLineReach, 14.0);
    EXPECT_EQ(gValueFormat.ToleranceOn, 0);
    EXPECT_EQ(gValueFormat.InchFraction, 8);
}

}  // namespace
