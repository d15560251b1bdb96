#include "tools/Annotator.h"

#include <algorithm>
#include <array>
#include <climits>
#include <utility>

#include "dimension/DimensionArtFormat.h"
#include "dimension/Links.h"
#include "frame/SuiteTable.h"
#include "host/AnnotatorDrawerSuite.h"
#include "host/AnnotatorSuite.h"
#include "host/ArtSetSuite.h"
#include "host/ArtSuite.h"
#include "host/CursorSnapSuite.h"
#include "host/DocumentViewSuite.h"
#include "host/MatchingArtSuite.h"
#include "host/MdMemorySuite.h"
#include "host/PathSuite.h"
#include "host/PreferenceSuite.h"
#include "host/RealMathSuite.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "tools/MeasuredSet.h"
#include "tools/Readouts.h"
#include "records/ToolState.h"

namespace {

// Half the size of a point marker, in pixels.
constexpr int32_t kMarkerHalfSize = 3;
// Width of a guide line that runs along a screen row or column.
constexpr AIReal kStraightGuideWidth = 3.0f;
// Width of a partial outline.
constexpr AIReal kPartialOutlineWidth = 3.0f;
// Widths of the hover outlines: the usual one, and a closed path about to be subtracted.
constexpr AIReal kOutlineWidth = 2.0f;
constexpr AIReal kSubtractOutlineWidth = 4.0f;
// A full 16-bit colour channel.
constexpr uint16_t kFullChannel = 65535;
// The Smart Guides colour preferences, read with no prefix.
constexpr const char* kSmartGuidesChannels[] = {"snapomatic/Color/red", "snapomatic/Color/green",
                                                "snapomatic/Color/blue"};

// The document view the annotations are drawn in.
AIDocumentViewHandle AnnotationView() {
    AIDocumentViewHandle view = nullptr;
    sAIDocumentView->GetNthDocumentView(0, &view);
    return view;
}

AIPoint ToView(AIRealPoint point) {
    AIPoint view;
    sAIDocumentView->ArtworkPointToViewPoint(AnnotationView(), &point, &view);
    return view;
}

// One anchor of a path; a failed read gives an empty segment.
AIPathSegment Anchor(AIArtHandle path, int16_t index) {
    AIPathSegment segment;
    sAIPath->GetPathSegments(path, index, 1, &segment);
    return segment;
}

// The cubic piece running from segment `from` to segment `to`, in the view.
AIAnnotatorBezierPiece ViewPiece(const AIPathSegment& from, const AIPathSegment& to) {
    return AIAnnotatorBezierPiece{ToView(from.out), ToView(to.in), ToView(to.p)};
}

// Whether tool-5 hovering is over any path part.
bool OverAnyPart(const HoverFlagSet& f) {
    return f.OverAnchor != 0 || f.OverSegment != 0 || f.OverCurve != 0 || f.OverArc != 0;
}

void DrawSegmentToolMarkers(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (gToolState.OffsetDragActive != 0) {
        DrawPointMarker(message, 1, gMeasuredPoints.CurveClickPoint, colour);
    } else if (f.OverIntersection != 0 || f.OverAnchor != 0 || f.OverCentre != 0) {
        DrawPointMarker(message, 0, gHitState.SnapSegment.p, colour);
    } else if (f.OverSegment != 0) {
        DrawGuideLine(message, gHitState.SnapSegment.p, gHitState.HitSegment.p, colour, kOutlineWidth);
    } else if (f.OverArc != 0 || f.OverCurve != 0) {
        DrawPathOutline(message, colour, kOutlineWidth, gHitState.HitArt);
        DrawPointMarker(message, 1, gHitState.CurveHitPoint, colour);
    }
}

void DrawAngleToolMarkers(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (f.OverAnchor != 0) {
        DrawPointMarker(message, 0, gHitState.SnapSegment.p, colour);
    } else if (f.OverSegment != 0) {
        DrawGuideLine(message, gHitState.SnapSegment.p, gHitState.HitSegment.p, colour, kOutlineWidth);
    } else if (f.OverArc != 0) {
        DrawPathOutline(message, colour, kOutlineWidth, gHitState.HitArt);
        DrawPointMarker(message, 1, gHitState.CurveHitPoint, colour);
    }
}

void DrawCircleToolMarkers(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (f.OverAnchor != 0)
        DrawPointMarker(message, 0, gHitState.SnapSegment.p, colour);
    if (f.OverArc != 0)
        DrawPathOutline(message, colour, kOutlineWidth, gHitState.HitArt);
}

void DrawBezierToolMarkers(AIAnnotatorMessage* message, const AIRGBColor& colour) {
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (OverAnyPart(f))
        DrawPathOutline(message, colour, kOutlineWidth, gHitState.HitArt);
    const BezierElement kind = gToolState.BezierElementKind;
    if (!((kind >= kArcElement && kind <= kCurveElement) || kind == kNoBezierElement))
        return;
    if (f.OverAnchor != 0)
        DrawPointMarker(message, 0, gHitState.SnapSegment.p, colour);
    else if (f.OverSegment != 0 || f.OverArc != 0 || f.OverCurve != 0)
        DrawPointMarker(message, 1, gHitState.HoverPoint.p, colour);
}

// Draws tool 5's markers; the status of the closed-path query when one was made.
ASErr DrawMeasureToolMarkers(AIAnnotatorMessage* message, const AIRGBColor& colour, ASErr status) {
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (gToolState.ClickInProgress != 0)
        return status;
    if (f.OverAnchor != 0)
        DrawPointMarker(message, 0, gHitState.SnapSegment.p, colour);
    if (!OverAnyPart(f))
        return status;
    if (gToolState.ClickCount > 0) {
        DrawPartialPathOutline(message, colour, gHitState.HitArt, gToolState.MeasuredAnchorIndex,
                               gHitState.HitStartIndex);
        return status;
    }
    AIReal width = kOutlineWidth;
    if (gToolState.MeasuredCount > 0 && gToolState.SubtractArea != 0) {
        AIBoolean closed = false;
        status = sAIPath->GetPathClosed(gHitState.HitArt, &closed);
        if (status == kNoErr && closed)
            width = kSubtractOutlineWidth;
    }
    DrawPathOutline(message, colour, width, gHitState.HitArt);
    return status;
}

// The hover markers of the current tool in the layer colour.
ASErr DrawHoverMarkers(AIAnnotatorMessage* message, const AIRGBColor& colour, ASErr status) {
    switch (gToolState.CurrentTool) {
    case kSegmentTool:
        DrawSegmentToolMarkers(message, colour);
        return status;
    case kAngleTool:
        DrawAngleToolMarkers(message, colour);
        return status;
    case kCircleTool:
        DrawCircleToolMarkers(message, colour);
        return status;
    case kBezierTool:
        DrawBezierToolMarkers(message, colour);
        return status;
    case kMeasureTool:
        return DrawMeasureToolMarkers(message, colour, status);
    default:
        return status;
    }
}

// Read-outs while a figure is created, else "Modifier" over a re-editable dimension, else the hints.
void DrawTexts(AIAnnotatorMessage* message, const AIRGBColor& colour, DockedPanel* panel) {
    const bool creating = std::any_of(std::begin(gToolState.CreateOnClick), std::end(gToolState.CreateOnClick),
                                      [](int32_t flag) { return flag != 0; });
    const HoverFlagSet& f = gHitState.HoverFlags;
    if (creating)
        DrawMeasureReadouts(message, colour);
    else if (gCurrentOptions.SeriesOn == 0 && (f.OverDimension != 0 || f.OverDimensionArc != 0))
        DrawModifyHint(message, colour);
    else
        DrawToolHints(message, colour, panel);
}

// Selects the untagged paths within the user's reach that the marquee's artwork rectangle holds, adding them to
// the measured set: fully, as a click selects its members, so that the read-out counts them. Guides are never
// measured.
void SelectMarqueedPaths(const AIRealRect& marquee, AIArtHandle* paths, int32_t count) {
    constexpr int32_t kWhollySelected = kArtSelected | kArtFullySelected;
    for (int32_t i = 0; i < count; ++i) {
        if (ArtHasTag(paths[i], DimensionArtFormat::Vek) || !UserCanSelect(paths[i]) ||
            IsGuide(paths[i]))
            continue;
        AIRealRect bounds;
        sAIArt->GetArtBounds(paths[i], &bounds);
        if (sAIRealMath->AIRealRectInRect(&marquee, &bounds)) {
            sAIArt->SetArtUserAttr(paths[i], kWhollySelected, kWhollySelected);
            sAIArtSet->AddArtToArtSet(gToolState.MeasuredSet, paths[i]);
        } else {
            sAIArt->SetArtUserAttr(paths[i], kArtSelected | kArtFullySelected, 0);
        }
    }
    RecountMeasuredSet();
}

// A Smart Guides channel as the host stores it (0..1) in 16 bits; out-of-range values take the nearest end.
uint16_t ChannelFromReal(double value) {
    if (!(value > 0.0)) return 0;
    if (value >= 1.0) return kFullChannel;
    return static_cast<uint16_t>(static_cast<float>(value) * static_cast<float>(kFullChannel));
}

}  // namespace

AIPoint OffsetViewPoint(AIPoint p, int64_t dh, int64_t dv) {
    const auto saturated = [](int64_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return AIPoint{saturated(p.h + dh), saturated(p.v + dv)};
}

ASErr AddVekAnnotator(SPPluginRef plugin, AIAnnotatorHandle* annotator) {
    sAIAnnotator->AddAnnotator(plugin, kVekAnnotatorName, annotator);
    return sAIAnnotator->SetAnnotatorActive(*annotator, false);
}

AIRGBColor SmartGuidesColour(ASErr* status) {
    uint16_t channels[3] = {};
    for (size_t i = 0; i < std::size(kSmartGuidesChannels); ++i) {
        double value = 0.0;
        *status = sAIPreference->GetRealPreference(nullptr, kSmartGuidesChannels[i], &value);
        if (*status != kNoErr)
            value = 0.0;
        channels[i] = ChannelFromReal(value);
    }
    return AIRGBColor{channels[0], channels[1], channels[2]};
}

ASErr DrawToolAnnotations(AIAnnotatorMessage* message, DockedPanel* panel) {
    AILayerHandle layer = nullptr;
    AIRGBColor layerColour;
    sAILayer->GetCurrentLayer(&layer);
    ASErr status = sAILayer->GetLayerColor(layer, &layerColour);
    if (gToolState.CurrentTool == kMeasureTool && gToolState.ClickInProgress != 0)
        DrawMarqueeSelection(message);
    if (sAICursorSnap->UseCustomSnap(AnnotationView()))
        DrawTexts(message, SmartGuidesColour(&status), panel);
    return DrawHoverMarkers(message, layerColour, status);
}

void DrawMarqueeSelection(AIAnnotatorMessage* message) {
    const AIPoint start = ToView(gToolState.MarqueeStart);
    const AIPoint end = ToView(gToolState.CursorPoint);
    // A press the mouse has not dragged is no marquee: a repaint during a click leaves the set as it is.
    if (start.h == end.h && start.v == end.v)
        return;
    // The marquee makes the set, and the selection with it, anew.
    sAIMatchingArt->DeselectAll();
    sAIArtSet->DisposeArtSet(&gToolState.MeasuredSet);
    sAIArtSet->NewArtSet(&gToolState.MeasuredSet);
    gToolState.MeasuredCount = 0;
    const AIRect viewRect{start.h, start.v, end.h, end.v};
    AIRect screen;
    sAIDocumentView->GetDocumentViewBounds(AnnotationView(), &screen);
    sAIAnnotator->InvalAnnotationRect(nullptr, &screen);
    sAIAnnotatorDrawer->SetLineDashed(message->drawer, true);
    sAIAnnotatorDrawer->DrawRect(message->drawer, &viewRect, false);
    sAIAnnotatorDrawer->SetLineDashed(message->drawer, false);
    const AIMatchingArtSpec paths{kPathArt, 0, 0};
    AIMdMemoryHandle matches = nullptr;
    int32_t count = 0;
    if (sAIMatchingArt->GetMatchingArt(&paths, 1, &matches, &count) != kNoErr || count == 0)
        return;
    const AIRealPoint a = gToolState.MarqueeStart;
    const AIRealPoint b = gToolState.CursorPoint;
    const AIRealRect marquee{std::min(a.h, b.h), std::max(a.v, b.v), std::max(a.h, b.h), std::min(a.v, b.v)};
    void* array = nullptr;
    if (sAIMdMemory->MdMemoryDeref(matches, &array) == kNoErr)
        SelectMarqueedPaths(marquee, static_cast<AIArtHandle*>(array), count);
    sAIMdMemory->MdMemoryDisposeHandle(matches);
}

void DrawPointMarker(AIAnnotatorMessage* message, int32_t inset, AIRealPoint point, const AIRGBColor& colour) {
    sAIAnnotatorDrawer->SetColor(message->drawer, &colour);
    const AIPoint c = ToView(point);
    const int32_t half = kMarkerHalfSize - inset;
    const AIPoint topLeft = OffsetViewPoint(c, -half, -half);
    const AIPoint bottomRight = OffsetViewPoint(c, half, half);
    const AIRect rect{topLeft.h, topLeft.v, bottomRight.h, bottomRight.v};
    sAIAnnotatorDrawer->DrawEllipse(message->drawer, &rect, false);
}

void DrawGuideLine(AIAnnotatorMessage* message, AIRealPoint a, AIRealPoint b, const AIRGBColor& colour,
                   AIReal width) {
    sAIAnnotatorDrawer->SetColor(message->drawer, &colour);
    const AIPoint start = ToView(a);
    const AIPoint end = ToView(b);
    const bool straight = start.h == end.h || start.v == end.v;
    sAIAnnotatorDrawer->SetLineWidth(message->drawer, straight ? kStraightGuideWidth : width);
    sAIAnnotatorDrawer->DrawLine(message->drawer, &start, &end);
}

void DrawPathOutline(AIAnnotatorMessage* message, const AIRGBColor& colour, AIReal width, AIArtHandle path) {
    static std::array<AIAnnotatorBezierPiece, kMaxOutlinePieces> pieces;
    int16_t count = 0;
    AIBoolean closed = false;
    sAIPath->GetPathSegmentCount(path, &count);
    sAIPath->GetPathClosed(path, &closed);
    sAIAnnotatorDrawer->SetLineWidth(message->drawer, width);
    sAIAnnotatorDrawer->SetColor(message->drawer, &colour);
    if (count < 1)
        return;
    const AIPathSegment first = Anchor(path, 0);
    const AIPoint start = ToView(first.p);
    AIPathSegment previous = first;
    int32_t drawn = 0;
    for (int16_t i = 1; i < count && drawn < kMaxOutlinePieces; ++i) {
        const AIPathSegment next = Anchor(path, i);
        pieces[static_cast<size_t>(drawn++)] = ViewPiece(previous, next);
        previous = next;
    }
    if (closed && drawn < kMaxOutlinePieces)
        pieces[static_cast<size_t>(drawn++)] = ViewPiece(previous, first);
    sAIAnnotatorDrawer->DrawBezierChain(message->drawer, &start, pieces.data(), drawn, false);
}

void DrawPartialPathOutline(AIAnnotatorMessage* message, const AIRGBColor& colour, AIArtHandle path,
                            int16_t anchorA, int16_t anchorB) {
    int16_t count = 0;
    AIBoolean closed = false;
    sAIPath->GetPathSegmentCount(path, &count);
    sAIPath->GetPathClosed(path, &closed);
    sAIAnnotatorDrawer->SetLineWidth(message->drawer, kPartialOutlineWidth);
    sAIAnnotatorDrawer->SetColor(message->drawer, &colour);
    if (count < 1)
        return;
    const auto drawPiece = [&](int16_t from, int16_t to) {
        const AIPathSegment start = Anchor(path, from);
        const AIPoint startPoint = ToView(start.p);
        const AIAnnotatorBezierPiece piece = ViewPiece(start, Anchor(path, to));
        sAIAnnotatorDrawer->DrawBezierChain(message->drawer, &startPoint, &piece, 1, false);
    };
    const auto wrapped = [count](int16_t index) { return static_cast<int16_t>(((index % count) + count) % count); };
    if (closed && wrapped(anchorA) != wrapped(anchorB)) {
        // On a closed path the part runs forward from the first anchor to the second, through the closing
        // segment when need be, as its length is measured.
        for (int16_t i = wrapped(anchorA); i != wrapped(anchorB); i = wrapped(static_cast<int16_t>(i + 1)))
            drawPiece(i, wrapped(static_cast<int16_t>(i + 1)));
        return;
    }
    if (anchorA > anchorB)
        std::swap(anchorA, anchorB);
    const bool whole = closed || anchorA == anchorB;
    if (whole) {
        anchorA = 0;
        anchorB = static_cast<int16_t>(count - 1);
    }
    anchorA = std::max<int16_t>(anchorA, 0);
    anchorB = std::min<int16_t>(anchorB, static_cast<int16_t>(count - 1));
    for (int16_t i = anchorA; i < anchorB; ++i)
        drawPiece(i, static_cast<int16_t>(i + 1));
    if (whole && closed) {
        const AIPathSegment first = Anchor(path, 0);
        const AIPathSegment last = Anchor(path, static_cast<int16_t>(count - 1));
        const AIPoint start = ToView(first.p);
        const AIAnnotatorBezierPiece piece{ToView(first.in), ToView(last.out), ToView(last.p)};
        sAIAnnotatorDrawer->DrawBezierChain(message->drawer, &start, &piece, 1, false);
    }
}

void DrawToolHints(AIAnnotatorMessage* message, const AIRGBColor& colour, DockedPanel* panel) {
    const bool cancelled = gToolState.ClickCancelled != 0;
    switch (gToolState.CurrentTool) {
    case kSegmentTool:
        cancelled ? DrawCancelledClickHint(message, colour) : DrawSegmentHints(message, colour);
        break;
    case kAngleTool:
        cancelled ? DrawCancelledClickHint(message, colour) : DrawAngleHints(message, colour);
        break;
    case kCircleTool:
        cancelled ? DrawCancelledClickHint(message, colour) : DrawCircleHints(message, colour);
        break;
    case kBezierTool:
        DrawBezierHints(message, colour);
        break;
    case kMeasureTool:
        DrawLengthAreaHints(message, colour, panel);
        break;
    default:
        break;
    }
}
