#include "resources/Resources.h"

#include <iterator>
#include <span>
#include <vector>

#include "resources/DialogImages.h"
#include "resources/EditorImages.h"
#include "resources/PanelIcons.h"
#include "resources/PreferencesIcons.h"
#include "resources/ResourceIds.h"
#include "resources/ToolCursors.h"
#include "resources/ToolIcons.h"

namespace {

constexpr PiPLProperty kPropertyList[] = {
    {kPIVendorAdobe, kPIKindProperty, 0, "SPEA"},
    {kPIVendorAdobe, kPIInterfaceVersionProperty, 2, nullptr},
    {kPIVendorAdobe, kPIWin32X86CodeProperty, 0, "PluginMain"},
    {kPIVendorAdobe, kPINameProperty, 0, "TextFileFormat"},
};

constexpr const char* kFrameErrorStrings[] = {
    "Une erreur inattendue s'est produite (code %s).",
    "!MEM\tMémoire insuffisante pour terminer l'opération.",
    "CANT\tUne erreur imprévue a interrompu l'opération.",
    "!MSG\tCe message de l'application n'est pas traité par Vek-Tavorine.",
    "S!Fd\tUn service de l'application est introuvable : Vek-Tavorine ne peut pas démarrer.",
    "!Acq\tUn service de l'application n'a pas pu être obtenu.",
    "PARM\tParamètre incorrect.",
    "STAL\tL'objet n'existe plus dans le document.",
    "LOCK\tL'objet ou le calque est verrouillé.",
    "NKey\tRéglage introuvable dans les préférences.",
    "WTyp\tRéglage des préférences d'un type inattendu.",
    "NIMP\tOpération non disponible dans cette application.",
    "DOC?\tAucun document n'est ouvert.",
    "NAM?\tNom introuvable.",
    "IDX?\tIndice hors limites.",
};

// Entries of the panel's flyout menu in order, all disabled until the panel lays out a tool's page.
constexpr MenuEntry kPanelMenu[] = {
    {"Afficher les options", 0},
    {"Flèches/Points", 0},
    {"-", 0},
    {"Couleurs...", 0},
    {"Autres options...", 0},
    {"Éditeur de flèche...", 0},
    {"-", 0},
    {"Préférences...", 0},
    {"-", 0},
    {"Afficher l'aide", 0},
};

// Dialog shells: the dialogs give their own titles and build their items in code.
constexpr DialogShell kPanelShell{"", 240, 172};
constexpr DialogShell kCustomScaleShell{"", 200, 120};
constexpr DialogShell kAboutShell{"", 0, 0};
constexpr DialogShell kColourShell{"", 213, 135};
constexpr DialogShell kPreferencesShell{"", 460, 395};
constexpr DialogShell kArrowEditorShell{"", 500, 400};
constexpr DialogShell kOtherOptionsShell{"", 308, 269};
constexpr DialogShell kSegmentCreationShell{"", 290, 220};
constexpr DialogShell kAngleCreationShell{"", 290, 220};
constexpr DialogShell kCircleCreationShell{"", 290, 220};
constexpr DialogShell kBezierCreationShell{"", 620, 585};
constexpr DialogShell kFreeTextShell{"", 260, 220};

// Pictures of the creation dialogs: the colour button's small double arrow, and beside each orientation field
// the figure whose orientation it sets (an inclined segment, an angle, an arc).
constexpr const char* kColourButtonRows[] = {
    "..#.......#..",
    ".##.......##.",
    "#############",
    ".##.......##.",
    "..#.......#..",
};
constexpr const char* kSegmentOrientationRows[] = {
    "...........#",
    "..........#.",
    ".........#..",
    "........#...",
    ".......#..#.",
    "......#....#",
    ".....#.....#",
    "....#......#",
    "...#.......#",
    "..#........#",
    ".#.........#",
    "############",
};
constexpr const char* kAngleOrientationRows[] = {
    "........#...",
    ".......#....",
    "......#.....",
    ".....#......",
    "....#..#....",
    "...#....#...",
    "..#......#..",
    ".#.......#..",
    "############",
};
constexpr const char* kArcOrientationRows[] = {
    "....####....",
    "..##....##..",
    ".#........#.",
    "#..........#",
    "#..........#",
    "#.....#.....",
    "#...........",
    ".#..........",
    "..##........",
};
constexpr PixelImage kColourButtonPicture{13, 5, kColourButtonRows};
constexpr PixelImage kSegmentOrientationPicture{12, 12, kSegmentOrientationRows};
constexpr PixelImage kAngleOrientationPicture{12, 9, kAngleOrientationRows};
constexpr PixelImage kArcOrientationPicture{12, 9, kArcOrientationRows};

constexpr PluginResource Picture(int32_t id, const PixelImage& image) {
    return PluginResource{kPictureResourceType, id, &image, 1};
}

constexpr PluginResource Shell(int32_t id, const DialogShell& shell) {
    return PluginResource{kDialogResourceType, id, &shell, 1};
}

constexpr PluginResource Icon(int32_t id, const PixelImage& image) {
    return PluginResource{kIconResourceType, id, &image, 1};
}

constexpr PluginResource Cursor(int32_t id, const PixelImage& image) {
    return PluginResource{kCursorResourceType, id, &image, 1};
}

constexpr PluginResource ToolCursor(size_t index) {
    return PluginResource{kCursorResourceType, kToolCursorIDs[index], &kCrosshairCursor, 1};
}

constexpr PluginResource kResources[] = {
    {kPiPLResourceType, kPluginPropertyListID, kPropertyList, std::size(kPropertyList)},
    {kStringListResourceType, kFrameErrorStringsID, kFrameErrorStrings, std::size(kFrameErrorStrings)},
    {kMenuResourceType, kPanelMenuID, kPanelMenu, std::size(kPanelMenu)},
    Shell(kPanelDialogID, kPanelShell),
    Shell(kCustomScaleDialogID, kCustomScaleShell),
    Shell(kAboutDialogID, kAboutShell),
    Shell(kColourDialogID, kColourShell),
    Shell(kPreferencesDialogID, kPreferencesShell),
    Shell(kArrowEditorDialogID, kArrowEditorShell),
    Shell(kOtherOptionsDialogID, kOtherOptionsShell),
    Shell(kSegmentCreationDialogID, kSegmentCreationShell),
    Shell(kAngleCreationDialogID, kAngleCreationShell),
    Shell(kCircleCreationDialogID, kCircleCreationShell),
    Shell(kBezierCreationDialogID, kBezierCreationShell),
    Shell(kFreeTextDialogID, kFreeTextShell),
    Picture(1079, kColourButtonPicture),
    Picture(1100, kSegmentOrientationPicture),
    Picture(1102, kAngleOrientationPicture),
    Picture(1106, kArcOrientationPicture),
    ToolCursor(0), ToolCursor(1), ToolCursor(2), ToolCursor(3), ToolCursor(4), ToolCursor(5),
    ToolCursor(6), ToolCursor(7), ToolCursor(8), ToolCursor(9), ToolCursor(10),
    // The option dialogs' lock, dash and line-end icons, and their drag cursors.
    Icon(1026, dialogimages::kOpenLock), Icon(1027, dialogimages::kClosedLock),
    Icon(1139, dialogimages::kDashesOn), Icon(1140, dialogimages::kDashesOff),
    Icon(1141, dialogimages::kSquareEnds), Icon(1142, dialogimages::kRoundEnds),
    Icon(1143, dialogimages::kSquareEndsOff), Icon(1144, dialogimages::kRoundEndsOff),
    Cursor(1100, dialogimages::kHorizontalDrag), Cursor(1101, dialogimages::kVerticalDrag),
    Cursor(1115, dialogimages::kHollowTriangle), Cursor(1116, dialogimages::kFilledTriangle),
    {kCursorResourceType, kDecimalsDragCursorID, &kCrosshairCursor, 1},
};

// The fixed resources, then one icon resource per panel picture, then the point editors' pictures, icons and
// cursors, then the pictures of the preferences dialog, then the tools' palette icons.
std::vector<PluginResource> AllResources() {
    std::vector<PluginResource> all(std::begin(kResources), std::end(kResources));
    for (size_t i = 0; i < kPanelIconCount; ++i)
        all.push_back({kIconResourceType, kPanelIcons[i].Id, &kPanelIcons[i].Image, 1});
    const std::span<const PluginResource> editor = EditorResources();
    all.insert(all.end(), editor.begin(), editor.end());
    const std::span<const PluginResource> pictures = PreferencesPictureResources();
    all.insert(all.end(), pictures.begin(), pictures.end());
    const std::span<const PluginResource> tools = ToolIconResources();
    all.insert(all.end(), tools.begin(), tools.end());
    return all;
}

} // namespace

extern "C" const PluginResourceTable* PluginResources() {
    static const std::vector<PluginResource> all = AllResources();
    static const PluginResourceTable table{all.data(), all.size()};
    return &table;
}
