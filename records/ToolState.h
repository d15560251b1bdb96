// State of the tools: the current tool and the one-shot flags the tools and the panel share.
#pragma once

#include <cstdint>

#include "host/Types.h"
#include "records/BezierElement.h"

// The five tools, numbered as the current tool holds them.
enum ToolNumber : int32_t {
    kNoToolSelected = 0,  // before the first selection
    kSegmentTool = 1,
    kAngleTool = 2,
    kCircleTool = 3,
    kBezierTool = 4,
    kMeasureTool = 5
};

// Tools, and the host tool handles kept for them.
constexpr int32_t kToolCount = 5;
// Tools that can create a figure when their first click hits no art: segment, angle, circle, Bézier.
constexpr int32_t kCreateOnClickCount = 4;

struct ToolState {
    ToolNumber CurrentTool = kNoToolSelected;
    AIToolHandle ToolHandles[kToolCount] = {};  // the host handle of tool k at k - 1
    AILayerHandle CurrentLayer = nullptr;       // the layer that receives the next dimension group
    AILayerHandle SavedLayer = nullptr;         // the host's current layer when the tool was selected
    int32_t SegmentArrowsFlag = 0;       // the Segment end marks point the other way
    int16_t ClickCount = 0;              // clicks of the running click sequence; 0 none under way
    int16_t SeriesClickCount = 0;        // series points of the series just finished
    // A dimension of that tool is being built or re-edited: its art exists and follows the panel.
    int32_t EditingSegment = 0;
    int32_t EditingAngle = 0;
    int32_t EditingCircle = 0;
    int32_t EditingBezier = 0;
    // Segment, angle, circle, Bézier: the first click hit no art, so a drag shapes a new figure and an
    // unmoved mouse-up opens the tool's creation dialog.
    int32_t CreateOnClick[kCreateOnClickCount] = {};
    // Segment, angle, circle, Bézier: the figure of the current creation click has been made (its path exists
    // unless its group had gone); cleared by the click that starts a creation.
    int32_t CreationStarted[kCreateOnClickCount] = {};
    int32_t ClickInProgress = 0;         // a click has been handled and its dimension is being placed
    // The press was taken by the Alt or Shift gesture or refused with an alert: it started no gesture, so its
    // drag and its release change nothing.
    int32_t PressConsumed = 0;
    int32_t PressDragged = 0;            // the cursor has left the press by more than a hand's tremor, until the release
    // The press re-opened a dimension or took a series point: its drag places that dimension, as it places one
    // the press built.
    int32_t PressOpened = 0;
    // The press made the current group (a first pick's skeleton included) or re-opened the current dimension: its
    // release finishes that one. The release of any other press leaves the current dimension, an earlier one, as is.
    int32_t PressMade = 0;
    int32_t DimensionStarted = 0;        // the click sequence has taken its first element
    int32_t AwaitingSegmentClick = 0;    // the measure between two segments waits for the second segment
    // The group the first pick of the running click sequence made, its skeleton until the sequence ends. A
    // cancel, a tool change or a re-open takes that skeleton away with the links it held, and gives back the
    // dimension that was current before it. Null when that pick made none.
    AIArtHandle SequenceGroup = nullptr;
    int32_t ArcLengthMode = 0;           // the Segment tool measures the length of a circular arc
    int32_t CurveOffsetMode = 0;         // the Segment tool's dimension runs along a curve at an offset
    int32_t AngleOnArc = 0;              // the Angle tool measures the angle of a circular arc
    // Element the Bézier tool works on; kNoBezierElement once the tool is selected, before any element.
    BezierElement BezierElementKind = kReticleElement;
    // Text position of a linear dimension: 0 centred in a gap of the line, 1 shifted past the first end,
    // 2 past the second end.
    int8_t LabelPosition = 0;
    AIRealPoint CursorPoint;             // the point of the last mouse-down or drag message
    AIRealPoint PressPoint;              // the point of the last mouse-down
    AIRealPoint MarqueeStart;            // the first corner of the Longueurs & aires marquee
    AIRealPoint ClickViewPoint;          // artwork point beside which the click hints are drawn
    int32_t ClickCancelled = 0;          // the running click sequence was cancelled by holding Control
    int32_t WithEnds = 0;                // Control held at the last cursor or drag message
    int32_t DragModifier = 0;            // left Windows key held at the last drag message
    int32_t SeriesPreview = 0;           // Alt held at the last drag message
    int32_t SubtractArea = 0;            // the next path added to the measured set is subtracted
    int32_t OffsetDragActive = 0;        // a drag has placed a dimension along a curve
    float CircleLabelAngle = 0.0f;       // radians, from the circle's centre to the cursor during a drag
    float CircleLabelDistance = 0.0f;    // distance from the centre at which an Alt-drag places the circle label
    AIArtSet MeasuredSet = nullptr;      // the paths chosen with the Longueurs & aires tool
    uint32_t MeasuredCount = 0;          // paths in MeasuredSet
    int16_t MeasuredAnchorIndex = 0;     // anchor of the first point of a two-point measure
};

extern ToolState gToolState;
