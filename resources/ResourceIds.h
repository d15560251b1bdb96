// Identifiers of the plug-in's resources.
#pragma once

#include <cstdint>

constexpr int32_t kPluginPropertyListID = 16000;
constexpr int32_t kFrameErrorStringsID = 16050;
constexpr int32_t kPanelMenuID = 128;
// The cursor of a drag across the panel's decimals indicator.
constexpr int32_t kDecimalsDragCursorID = 1100;

// Empty dialog shells on which the dialogs build their items in code.
constexpr int32_t kPanelDialogID = 16400;
constexpr int32_t kCustomScaleDialogID = 16401;
constexpr int32_t kAboutDialogID = 16600;
constexpr int32_t kColourDialogID = 16700;
constexpr int32_t kPreferencesDialogID = 16900;
constexpr int32_t kArrowEditorDialogID = 17000;
constexpr int32_t kOtherOptionsDialogID = 17300;
constexpr int32_t kSegmentCreationDialogID = 17400;
constexpr int32_t kAngleCreationDialogID = 17500;
constexpr int32_t kCircleCreationDialogID = 17600;
constexpr int32_t kBezierCreationDialogID = 17700;
constexpr int32_t kFreeTextDialogID = 17800;

// String list 16050: entry 1 is the text for a code the list does not name, "%s" standing for the code; every
// further entry is a code, a tab and the code's text.
constexpr int32_t kGenericErrorString = 1;
constexpr int32_t kFirstCodedErrorString = 2;
constexpr char kErrorStringSeparator = '\t';

// Entry ids of the panel's flyout menu (menu 128): the id is the entry's position counted from 1.
constexpr int32_t kFlyoutOptionsEntry = 1;
constexpr int32_t kFlyoutArrowsEntry = 2;
constexpr int32_t kFlyoutColoursEntry = 4;
constexpr int32_t kFlyoutOtherOptionsEntry = 5;
constexpr int32_t kFlyoutArrowEditorEntry = 6;
constexpr int32_t kFlyoutPreferencesEntry = 8;
constexpr int32_t kFlyoutHelpEntry = 10;
