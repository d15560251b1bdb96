// Drawing the feedback texts through the annotator's drawer, beside the last hover point.
#include "frame/SuiteTable.h"
#include "host/AnnotatorDrawerSuite.h"
#include "host/DocumentViewSuite.h"
#include "tools/Annotator.h"
#include "records/DragValues.h"
#include "tools/Readouts.h"
#include "records/ToolState.h"

CreationReadings CurrentCreationReadings() {
    const DragValues& d = gDragValues;
    return CreationReadings{d.CreatedAngleRotation, d.CreatedAngleSide, d.CreatedCircleRadius, d.ArcSweep,
                            d.CreatedCirclePath};
}

namespace {

// The view point of an artwork point in the document's view.
AIPoint ToView(AIRealPoint point) {
    AIDocumentViewHandle view = nullptr;
    AIPoint result;
    sAIDocumentView->GetNthDocumentView(0, &view);
    sAIDocumentView->ArtworkPointToViewPoint(view, &point, &result);
    return result;
}

// The axis of a centred angle, a guide line 1.0 wide.
void DrawAngleAxis(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    AIRealPoint from;
    AIRealPoint to;
    if (CreatedAngleAxis(CurrentCreationReadings(), from, to)) DrawGuideLine(message, from, to, colour, 1.0f);
}

} // namespace

void DrawFeedbackText(AIAnnotatorMessage* message, const AIRGBColor& colour, const FeedbackText& text) {
    if (text.LineCount == 0) return;
    const AIPoint hover = ToView(gToolState.ClickViewPoint);
    sAIAnnotatorDrawer->SetColor(message->drawer, &colour);
    sAIAnnotatorDrawer->SetFontPreset(message->drawer, text.FontPreset);
    for (int16_t row = 0; row < text.LineCount; ++row) {
        if (text.Lines[row].Length == 0) continue;
        const AIPoint origin = FeedbackLinePoint(text, hover, row);
        sAIAnnotatorDrawer->DrawText(message->drawer, text.Lines[row].CStr(), &origin);
    }
}

void DrawMeasureReadouts(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, MeasureReadoutText(CurrentCreationReadings()));
    DrawAngleAxis(message, colour);
}

void DrawSegmentHints(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, SegmentHintText());
}
void DrawAngleHints(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, AngleHintText());
}
void DrawCircleHints(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, CircleHintText());
}
void DrawBezierHints(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, BezierHintText());
}
void DrawLengthAreaHints(AIAnnotatorMessage* message, const AIRGBColor& colour, DockedPanel* panel) {
    const FeedbackText text = LengthAreaHintText();
    DrawFeedbackText(message, colour, text);
    if (panel != nullptr && text.LineCount > kCurvePartRow) panel->ShowCurvePartText(text.Lines[kCurvePartRow].CStr());
}
void DrawCancelledClickHint(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, CancelledClickHintText());
}
void DrawModifyHint(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    DrawFeedbackText(message, colour, ModifyHintText());
}
