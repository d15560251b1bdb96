// The texts the annotator draws beside the cursor: the live read-outs of a figure being created, the click-step
// hints of each tool, "Clic annulé." and "Modifier". Each text is first built as a column of lines (pure, from the
// tool state and the value routines), then drawn through the annotator's drawer.
#pragma once

#include <cstdint>

#include "dimension/ValueFormat.h"
#include "frame/FramePanel.h"
#include "host/LayerSuite.h"
#include "host/Messages.h"
#include "host/Types.h"

// Lines a feedback text holds at most, and the pixels between two lines.
constexpr int16_t kFeedbackLineCapacity = 4;
constexpr int32_t kFeedbackLineSpacing = 12;

// One line: a label and a value in a 45-byte buffer (44 and the terminator); a longer line is cut.
using FeedbackLine = BoundedText<45>;

// A column of lines drawn from a point StartOffset pixels right of the hover point; line n (from 0) lies
// n x 12 pixels lower. Empty lines keep their room.
struct FeedbackText {
    int32_t StartOffset = 16;
    int32_t FontPreset = 0;
    int16_t LineCount = 0;
    FeedbackLine Lines[kFeedbackLineCapacity];
    // Writes label then value into line `row` (from 0), extending LineCount to hold it.
    void SetLine(int16_t row, const char* label, const char* value = "");
};

// The view point of line `row` of a text whose hover point is `hover` in the view.
AIPoint FeedbackLinePoint(const FeedbackText& text, AIPoint hover, int16_t row);

// The values of the figure being created that the read-outs show, as the creation drag leaves them: the opening
// and side length of an angle (radians, points), the radius and sweep of a circle, arc or sector (points, radians)
// and the path the creation made for it.
struct CreationReadings {
    double AngleRotation = 0.0;
    double AngleSide = 0.0;
    double CircleRadius = 0.0;
    double Sweep = 0.0;
    AIArtHandle CirclePath = nullptr;
};

// The readings of the figure being created, from what the creation drag left in the drag values.
CreationReadings CurrentCreationReadings();

// The texts, built from the tool state as the next draw would show them.
FeedbackText MeasureReadoutText(const CreationReadings& figure);
FeedbackText SegmentHintText();
FeedbackText AngleHintText();
FeedbackText CircleHintText();
FeedbackText BezierHintText();
FeedbackText LengthAreaHintText();
// The row of the Longueurs & aires hint that holds the "L partie courbe=" line when it is drawn.
constexpr int16_t kCurvePartRow = 2;
FeedbackText CancelledClickHintText();
FeedbackText ModifyHintText();

// Leaves in the value buffer the value the current tool's hint shows for what the last hover test found (a
// length, an angle, a radius), else nothing. The Info panel shows it.
void FormatHoverValue();

// The axis of a centred angle being created, from its vertex: drawn when exactly one of the live "CentreCreaAng"
// and DragModifier is set. Result false when no axis shows.
bool CreatedAngleAxis(const CreationReadings& figure, AIRealPoint& from, AIRealPoint& to);

// Draws a text at the view point of ClickViewPoint in the colour given, in the text's font preset.
void DrawFeedbackText(AIAnnotatorMessage* message, const AIRGBColor& colour, const FeedbackText& text);

// What DrawAnnotations and DrawToolHints call: each builds its text and draws it in the Smart Guides colour.
void DrawMeasureReadouts(AIAnnotatorMessage* message, const AIRGBColor& colour);
void DrawSegmentHints(AIAnnotatorMessage* message, const AIRGBColor& colour);
void DrawAngleHints(AIAnnotatorMessage* message, const AIRGBColor& colour);
void DrawCircleHints(AIAnnotatorMessage* message, const AIRGBColor& colour);
void DrawBezierHints(AIAnnotatorMessage* message, const AIRGBColor& colour);
// The Longueurs & aires hints also give the panel, when there is one, the "L partie courbe=" line they draw.
void DrawLengthAreaHints(AIAnnotatorMessage* message, const AIRGBColor& colour, DockedPanel* panel);
void DrawCancelledClickHint(AIAnnotatorMessage* message, const AIRGBColor& colour);
void DrawModifyHint(AIAnnotatorMessage* message, const AIRGBColor& colour);
