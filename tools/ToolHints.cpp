// The click-step hints of the five tools, "Clic annulé." and "Modifier", built as text columns.
#include <cmath>
#include <cstdio>

#include "dimension/BezierExtras.h"
#include "dimension/DimensionArtFormat.h"
#include "dimension/Geometry.h"
#include "dimension/Links.h"
#include "frame/Settings.h"
#include "frame/SuiteTable.h"
#include "host/MatchingArtSuite.h"
#include "records/CurrentOptions.h"
#include "records/HitState.h"
#include "records/MeasuredPoints.h"
#include "tools/ClickSupport.h"
#include "tools/MeasuredSet.h"
#include "tools/Readouts.h"
#include "records/ToolState.h"

namespace {

// Pi as the circle area takes it, in single precision.
constexpr AIReal kCirclePi = 3.1415927f;

const HoverFlagSet& Flags() { return gHitState.HoverFlags; }
bool NoValueUnit() { return gCurrentOptions.Unit == kUnitNoValue || gCurrentOptions.Unit == kUnitFreeText; }

// The length text between two anchors, as a linear dimension between them shows it.
const char* LengthBetween(AIRealPoint a, AIRealPoint b) {
    FormatLengthText(a.h, a.v, b.h, b.v, gToolState.SeriesPreview);
    return gValueTextBuffer.CStr();
}

const char* CurveLength() {
    FormatCurveLengthText(gHitState.HitArt);
    return gValueTextBuffer.CStr();
}

// The signed angle at the hovered vertex between its two neighbours.
AIReal VertexAngle() {
    const AIArtHandle art = gHitState.HitArt;
    const AIRealPoint vertex = PathRecord(art, gHitState.VertexIndex).p;
    const AIRealPoint u = UnitTowards(vertex, PathRecord(art, gHitState.PreviousIndex).p);
    const AIRealPoint w = UnitTowards(vertex, PathRecord(art, gHitState.NextIndex).p);
    const double cosine = std::fmax(-1.0, std::fmin(1.0, Dot2(u, w)));
    const double angle = std::acos(cosine);
    return static_cast<AIReal>(Cross2(w, u) < 0.0 ? -angle : angle);
}

void SegmentAnchorHint(FeedbackText& text) {
    const int16_t count = gToolState.ClickCount;
    if (count == 0) {
        text.SetLine(0, "Point d'ancrage 1");
    } else if (gCurrentOptions.SeriesOn != 0) {
        if (count < 1 || count > 9) return;
        char label[32];
        std::snprintf(label, sizeof label, "Point d'ancrage %d", count + 1);
        text.SetLine(0, label);
    } else {
        text.SetLine(0, "Point d'ancrage 2");
        text.SetLine(1, "Segment");
        text.SetLine(2, LengthBetween(gMeasuredPoints.FirstPoint.p, gHitState.SnapSegment.p));
    }
}

void SegmentSideHint(FeedbackText& text) {
    if (IsCrossedPolygon(&gHitState.HitArt) == 0) {
        text.SetLine(0, "Segment");
        text.SetLine(1, LengthBetween(gHitState.SnapSegment.p, gHitState.HitSegment.p));
        return;
    }
    text.SetLine(1, "Segment");
    if (NoValueUnit()) {
        text.SetLine(2, "Aire=", gAreaTextBuffer.CStr());
        return;
    }
    text.SetLine(2, LengthBetween(gHitState.SnapSegment.p, gHitState.HitSegment.p));
    text.SetLine(3, "Aire=", gAreaTextBuffer.CStr());
}

void SegmentCentreHint(FeedbackText& text) {
    if (gToolState.ClickCount == 0) {
        text.SetLine(0, "Point 1 (centre de l'objet)");
        return;
    }
    text.SetLine(0, "Point 2 (centre de l'objet)");
    text.SetLine(1, "Segment");
    text.SetLine(2, LengthBetween(gMeasuredPoints.FirstPoint.p, gHitState.SnapSegment.p));
}

// The radius of the arc under the cursor, as the hover test found it (the last click's radius may be another).
AIReal HoveredArcRadius() { return gFoundArc.ArcRadiusFound; }

void CircleArcHint(FeedbackText& text) {
    text.SetLine(1, gCurrentOptions.Diameter != 0 ? "Arc de cercle (diamètre)" : "Arc de cercle (rayon)");
    int16_t areaRow = 2;
    if (!NoValueUnit()) {
        FormatCircleDimensionText(HoveredArcRadius());
        text.SetLine(2, gValueTextBuffer.CStr());
        areaRow = 3;
    }
    const AIReal r = HoveredArcRadius();
    if (FormatAreaText(&gHitState.HitArt, r * r * kCirclePi, 1) != 0) {
        text.SetLine(areaRow, "Aire=", gAreaTextBuffer.CStr());
    }
}

// "Avec bouts" when exactly one of "BoutsBez" and Control is on.
const char* EndsText() {
    return (gSettings.DivisionEndTicks != 0) != (gToolState.WithEnds != 0) ? "Avec bouts" : "Sans bouts";
}

void DivisionHint(FeedbackText& text, const char* label) {
    char parts[32];
    std::snprintf(parts, sizeof parts, "Partage en %d", static_cast<int>(LiveDivisionCount()));
    text.SetLine(0, label);
    text.SetLine(1, parts);
    text.SetLine(2, EndsText());
}

void DivisionModeHint(FeedbackText& text) {
    const HoverFlagSet& f = Flags();
    if (f.OverAnchor != 0) {
        DivisionHint(text, "Point d'ancrage (partage angle)");
    } else if (f.OverSegment != 0) {
        DivisionHint(text, "Segment (partage)");
    } else if (f.OverArc != 0) {
        if (PathClosed(gHitState.HitArt)) {
            text.SetLine(0, "Réticule");
        } else {
            DivisionHint(text, "Arc de cercle (partage)");
        }
    } else if (f.OverCurve != 0) {
        DivisionHint(text, "Courbe de Bézier (partage)");
    }
}


bool AreaSubtracted() {
    return gToolState.SubtractArea != 0 || ArtHasTag(gHitState.HitArt, DimensionArtFormat::SubtractedAreaMarker);
}

void MeasureAnchorHint(FeedbackText& text) {
    text.SetLine(0, gToolState.ClickCount < 2 ? "Mesure premier point." : "Mesure second point.");
    text.SetLine(1, "L totale courbe=", CurveLength());
    if (gToolState.ClickCount <= 0) return;
    FormatMeasure(gHitState.HitArt, static_cast<uint16_t>(gToolState.MeasuredAnchorIndex),
                  static_cast<uint16_t>(gHitState.HitStartIndex));
    text.SetLine(2, "L partie courbe=", gValueTextBuffer.CStr());
}

void MeasurePathHint(FeedbackText& text) {
    // What the click would do: take a member out of the measured set, or add the path.
    if (InMeasuredSet(gHitState.HitArt)) {
        text.SetLine(0, "Retire le tracé de la sélection.");
    } else if (gToolState.MeasuredCount == 0) {
        text.SetLine(0, "Sélectionne le tracé.");
    } else {
        text.SetLine(0, "Ajoute le tracé à la sélection.");
        if (!PathClosed(gHitState.HitArt)) return;
        text.SetLine(1, AreaSubtracted() ? "Soustraction de l'aire à l'aire totale."
                                         : "Addition de l'aire à l'aire totale.");
    }
}

bool SomeArtSelected() {
    AIBoolean selected = 0;
    return sAIMatchingArt->IsSomeArtSelected(&selected) == kNoErr && selected != 0;
}

} // namespace

FeedbackText SegmentHintText() {
    FeedbackText text;
    const HoverFlagSet& f = Flags();
    if (f.OverAnchor != 0) {
        SegmentAnchorHint(text);
    } else if (f.OverSegment != 0) {
        SegmentSideHint(text);
    } else if (f.OverArc != 0) {
        text.SetLine(0, "Arc de cercle (longueur)");
    } else if (f.OverCurve != 0) {
        text.SetLine(0, "Courbe.");
        text.SetLine(1, "L courbe=", CurveLength());
    } else if (f.OverCentre != 0) {
        SegmentCentreHint(text);
    }
    return text;
}

FeedbackText AngleHintText() {
    FeedbackText text;
    const HoverFlagSet& f = Flags();
    if (f.OverAnchor != 0) {
        text.SetLine(0, "Point d'ancrage (sommet)");
        if (f.NotAVertex != 0) return text;
        FormatAngleText(VertexAngle(), gMeasuredPoints.AngleFlip);
        text.SetLine(1, "Angle=", gValueTextBuffer.CStr());
    } else if (f.OverSegment != 0) {
        text.SetLine(0, gToolState.ClickCount == 0 ? "Premier côté de l'angle" : "Second côté de l'angle");
    } else if (f.OverArc != 0) {
        text.SetLine(0, "Arc de cercle (angle)");
    } else if (f.OverCurve != 0) {
        text.SetLine(0, "Courbe.");
        text.SetLine(1, CurveLength());
    }
    return text;
}

FeedbackText CircleHintText() {
    FeedbackText text;
    text.StartOffset = 12;
    const HoverFlagSet& f = Flags();
    if (f.OverAnchor != 0) {
        text.SetLine(0, gToolState.ClickCount == 0 ? "Point initial de l'arc" : "Point final de l'arc");
    } else if (f.OverArc != 0) {
        CircleArcHint(text);
    } else if (f.OverSegment != 0) {
        text.SetLine(0, "Segment");
    } else if (f.OverCurve != 0) {
        text.SetLine(0, "Courbe.");
        text.SetLine(1, CurveLength());
    }
    return text;
}

// True when the Bézier tool, in its radius or tangent mode, hovers a curve or an arc whose length it shows.
bool BezierShowsCurveLength() {
    const int32_t mode = gCurrentOptions.BezierMode;
    return (mode == 1 || mode == 2) && (Flags().OverCurve != 0 || Flags().OverArc != 0);
}

FeedbackText BezierHintText() {
    FeedbackText text;
    if (gCurrentOptions.BezierMode == 0) {
        DivisionModeHint(text);
    } else if (BezierShowsCurveLength()) {
        text.SetLine(0, gCurrentOptions.BezierMode == 1 ? "Rayon local" : "Tangente locale");
        text.SetLine(1, "L courbe=", CurveLength());
    }
    return text;
}

namespace {

// Each leaves in the value buffer the value its tool's hint shows for what is hovered now, checking the hover
// flags in the hint's own order; false when that hint shows no value.
bool FormatSegmentHoverValue() {
    const HoverFlagSet& f = Flags();
    const int16_t count = gToolState.ClickCount;
    if (f.OverAnchor != 0) {
        if (count == 0 || gCurrentOptions.SeriesOn != 0) return false;
        LengthBetween(gMeasuredPoints.FirstPoint.p, gHitState.SnapSegment.p);
    } else if (f.OverSegment != 0) {
        // A crossed polygon's side shows only its area when the unit writes no value.
        if (NoValueUnit() && IsCrossedPolygon(&gHitState.HitArt) != 0) return false;
        LengthBetween(gHitState.SnapSegment.p, gHitState.HitSegment.p);
    } else if (f.OverArc != 0) {
        return false;
    } else if (f.OverCurve != 0) {
        CurveLength();
    } else if (f.OverCentre != 0) {
        if (count == 0) return false;
        LengthBetween(gMeasuredPoints.FirstPoint.p, gHitState.SnapSegment.p);
    } else {
        return false;
    }
    return true;
}

bool FormatAngleHoverValue() {
    const HoverFlagSet& f = Flags();
    if (f.OverAnchor != 0) {
        if (f.NotAVertex != 0) return false;
        // The angle formats that write nothing leave the buffer as it was: empty, not an earlier value.
        gValueTextBuffer.Clear();
        FormatAngleText(VertexAngle(), gMeasuredPoints.AngleFlip);
        return true;
    }
    if (f.OverSegment != 0 || f.OverArc != 0 || f.OverCurve == 0) return false;
    CurveLength();
    return true;
}

bool FormatCircleHoverValue() {
    const HoverFlagSet& f = Flags();
    if (f.OverAnchor != 0) return false;
    if (f.OverArc != 0) {
        if (NoValueUnit()) return false;
        FormatCircleDimensionText(HoveredArcRadius());
        return true;
    }
    if (f.OverSegment != 0 || f.OverCurve == 0) return false;
    CurveLength();
    return true;
}

// Over an anchor the hint shows the whole path's length, then, once a first point is taken, the part's length:
// the value the next click measures.
bool FormatLengthAreaHoverValue() {
    if (Flags().OverAnchor == 0 || gToolState.ClickInProgress != 0) return false;
    if (gToolState.ClickCount > 0) {
        FormatMeasure(gHitState.HitArt, static_cast<uint16_t>(gToolState.MeasuredAnchorIndex),
                      static_cast<uint16_t>(gHitState.HitStartIndex));
    } else {
        CurveLength();
    }
    return true;
}

bool FormatBezierHoverValue() {
    if (!BezierShowsCurveLength()) return false;
    CurveLength();
    return true;
}

bool FormatToolHoverValue() {
    switch (gToolState.CurrentTool) {
    case kSegmentTool:
        return FormatSegmentHoverValue();
    case kAngleTool:
        return FormatAngleHoverValue();
    case kCircleTool:
        return FormatCircleHoverValue();
    case kBezierTool:
        return FormatBezierHoverValue();
    case kMeasureTool:
        return FormatLengthAreaHoverValue();
    default:
        return false;
    }
}

}  // namespace

void FormatHoverValue() {
    if (!FormatToolHoverValue()) gValueTextBuffer.Clear();
}

FeedbackText LengthAreaHintText() {
    FeedbackText text;
    const HoverFlagSet& f = Flags();
    const bool overPath = f.OverSegment != 0 || f.OverCurve != 0 || f.OverArc != 0;
    if (f.OverAnchor != 0 && gToolState.ClickInProgress == 0) {
        MeasureAnchorHint(text);
    } else if (overPath) {
        MeasurePathHint(text);
    } else if (f.OverAnchor == 0 && gToolState.ClickInProgress == 0 && SomeArtSelected()) {
        text.SetLine(0, "Désélectionne tout.");
    }
    return text;
}

FeedbackText CancelledClickHintText() {
    FeedbackText text;
    text.FontPreset = 2;
    text.SetLine(0, "Clic annulé.");
    return text;
}

FeedbackText ModifyHintText() {
    FeedbackText text;
    text.StartOffset = 12;
    if (Flags().OverDimension != 0 || Flags().OverDimensionArc != 0) text.SetLine(0, "Modifier");
    return text;
}
