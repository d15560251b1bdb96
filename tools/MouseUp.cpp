// The mouse-up: the end of each tool's press.
#include "dimension/CurrentDimension.h"
#include "dimension/ValueFormat.h"
#include "figures/BezierFigure.h"
#include "figures/CircleFigure.h"
#include "figures/SegmentFigure.h"
#include "frame/DialogOpeners.h"
#include "frame/TavorinePlugIn.h"
#include "records/BezierExtraValues.h"
#include "records/CurrentOptions.h"
#include "records/DragValues.h"
#include "tools/ClickSequences.h"
#include "tools/ClickSupport.h"
#include "tools/DimensionParts.h"
#include "tools/MouseDrag.h"
#include "records/MeasuredPoints.h"
#include "records/ToolState.h"

namespace {

// Indexes of the tools that create a figure on an empty click.
constexpr int32_t kSegmentCreate = kSegmentTool - 1;
constexpr int32_t kAngleCreate = kAngleTool - 1;
constexpr int32_t kCircleCreate = kCircleTool - 1;
constexpr int32_t kBezierCreate = kBezierTool - 1;

void EndTwoClickSequence() {
    if (gToolState.ClickCount > 1) gToolState.ClickCount = 0;
}

// A dimension without a value keeps no empty label; a press that made nothing leaves an earlier dimension's.
void DropLabelWhen(bool noValue) {
    if (noValue && gToolState.PressMade != 0) DisposeArtIfValid(&gCurrentDimension.LabelFrames[0]);
}

// An empty click released where it went down, give or take a hand's tremor, opens the tool's creation dialog.
// Whether it moved farther is told by the drag messages, since far from the origin single precision cannot tell
// a moved cursor point from the first.
void OpenCreationDialogWhen(int32_t create, const AIToolMessage& message, ModalDialog dialog) {
    const bool unmoved = gToolState.PressDragged == 0 && WithinTremor(message.cursor);
    if (gToolState.CreateOnClick[create] != 0 && unmoved) OpenModalDialog(dialog);
}

// A created figure whose creation box asks for no dimension loses the group its click prepared; a creation
// dialog has already dropped that group and given the earlier dimension back, which stays.
void DropFigureGroupWhen(int32_t create, int32_t withDimension) {
    if (gToolState.CreateOnClick[create] != 0 && withDimension == 0 &&
        gCurrentDimension.DimensionGroup == gReplacedDimension.By)
        DisposeArtIfValid(&gCurrentDimension.DimensionGroup);
}

void SegmentMouseUp(const AIToolMessage& message) {
    SelectDimensionParts();
    if (gCurrentOptions.SeriesOn == 0) EndTwoClickSequence();
    if (gToolState.EditingSegment != 0 && gCurrentOptions.SeriesOn != 0) {
        gToolState.SeriesClickCount = gToolState.ClickCount;
        gToolState.ClickCount = 0;
        gToolState.EditingSegment = 0;
    }
    RememberSegment(gDimensionValues.DimensionLineEnds[0].p, gDimensionValues.DimensionLineEnds[1].p);
    DropLabelWhen(gCurrentOptions.Unit == kUnitNoValue);
    OpenCreationDialogWhen(kSegmentCreate, message, ModalDialog::SegmentCreation);
    if (gToolState.CreateOnClick[kSegmentCreate] != 0 && gToolState.PressDragged != 0) DropCollapsedSegment();
    DropFigureGroupWhen(kSegmentCreate, gCurrentOptions.SegmentCreateWithDimension);
    gToolState.CreateOnClick[kSegmentCreate] = 0;
    gToolState.OffsetDragActive = 0;
    gDragValues.OffsetAlertShown = 0;
    gToolState.DimensionStarted = 0;
    gToolState.SeriesPreview = 0;
}

void AngleMouseUp(const AIToolMessage& message) {
    SelectDimensionParts();
    DropLabelWhen(gValueFormat.AngleFormat == kAngleNoValue);
    OpenCreationDialogWhen(kAngleCreate, message, ModalDialog::AngleCreation);
    if (gToolState.CreateOnClick[kAngleCreate] != 0 && gToolState.PressDragged != 0) DropCollapsedAngle();
    EndTwoClickSequence();
    DropFigureGroupWhen(kAngleCreate, gCurrentOptions.AngleCreateWithDimension);
    gToolState.CreateOnClick[kAngleCreate] = 0;
}

void CircleMouseUp(const AIToolMessage& message) {
    SelectDimensionParts();
    DropLabelWhen(gCurrentOptions.Unit == kUnitNoValue);
    OpenCreationDialogWhen(kCircleCreate, message, ModalDialog::CircleCreation);
    if (gToolState.CreateOnClick[kCircleCreate] != 0 && gToolState.PressDragged != 0) DropCollapsedCircle();
    EndTwoClickSequence();
    DropFigureGroupWhen(kCircleCreate, gCurrentOptions.CircleCreateWithDimension);
    gToolState.CreateOnClick[kCircleCreate] = 0;
}

void BezierMouseUp(const AIToolMessage& message) {
    // A local construction dragged off its curve is gone, and the group its press made goes with it.
    if (gToolState.CreateOnClick[kBezierCreate] == 0 && gBezierExtraValues.ConstructionKind == kNoBezierElement)
        DisposeEmptyGroup();
    SelectDimensionParts();
    DropLabelWhen(gCurrentOptions.Unit == kUnitNoValue && gCurrentOptions.BezierMode == 1);
    EndTwoClickSequence();
    OpenCreationDialogWhen(kBezierCreate, message, ModalDialog::BezierCreation);
    if (gToolState.CreateOnClick[kBezierCreate] != 0 && gToolState.PressDragged != 0) DropCollapsedBezier();
    gToolState.CreateOnClick[kBezierCreate] = 0;
    gToolState.ClickInProgress = 0;
}

void MeasureMouseUp(DockedPanel* panel) {
    EndTwoClickSequence();
    if (panel != nullptr) panel->ShowSelectionMeasures();
    gToolState.ClickInProgress = 0;
}

// The end of the current tool's press.
void EndPress(const AIToolMessage& message, DockedPanel* panel) {
    switch (gToolState.CurrentTool) {
    case kSegmentTool: SegmentMouseUp(message); break;
    case kAngleTool: AngleMouseUp(message); break;
    case kCircleTool: CircleMouseUp(message); break;
    case kBezierTool: BezierMouseUp(message); break;
    case kMeasureTool: MeasureMouseUp(panel); break;
    default: break;
    }
    if (gToolState.CurrentTool == kMeasureTool) return;
    DropUnbuiltDimension();
    // A press that drew nothing into its group (divisions too far out to lay) leaves no empty group.
    if (gToolState.ClickCount == 0) DisposeEmptyGroup();
}

}  // namespace

ASErr TavorinePlugIn::ToolMouseUp(AIToolMessage* message) {
    // Whatever the tool and whatever the press, the release ends the gesture.
    const bool consumed = gToolState.PressConsumed != 0;
    gToolState.ClickInProgress = 0;
    gToolState.PressConsumed = 0;
    // A release may make another dimension current (the one given back when it drops what its press built, or
    // the figure a creation dialog built): the panel then shows that dimension's placement.
    const ShownPlacement before = LivePlacement();
    if (!consumed) EndPress(*message, PanelDialogue);
    ShowPlacementIfChanged(this, before);
    // No drag places anything after it: a rebuild (a panel change, update-all) takes the end the drag kept.
    gToolState.PressDragged = 0;
    if (PanelDialogue != nullptr) PanelDialogue->ShowFigureArea();
    return kNoErr;
}
