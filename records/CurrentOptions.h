// The live option values that the panel shows and edits and the dimension builders read. The panel owns
// their loading.
#pragma once

#include <cstdint>

// Copied from Settings when the panel builds or reloads (and at start-up, so builders work before the panel
// exists); never written to the preference store. Names follow the stored tier in frame/Settings.h.
struct CurrentOptions {
    double LineWidth = 0.0;              // live "Epaisseur"
    double EndMarkSize = 0.0;            // live "Zoom" (percent; 0 no end marks)
    int32_t ArrowHeads = 0;              // live "FouP" (1 arrow heads, 0 points)
    int32_t ArrowPreset = 0;             // live "RadioFleche" (0..3)
    double ScaleNumerator = 0.0;         // live "EchelleNum"
    double ScaleDenominator = 0.0;       // live "EchelleDen"
    int32_t Decimals = 0;                // live "Precision" (0..6)
    double TextSize = 0.0;               // live "Corps"
    int32_t Unit = 0;                    // live "UnitePrefs" (unit code 0..9)
    int32_t ShowUnit = 0;                // live "AfficheUnite"
    double SegmentOffsetX = 0.0;         // live "DecalageSegX"
    double SegmentOffsetY = 0.0;         // live "DecalageSegY"
    int32_t HorizontalText = 0;          // live "TexteHoriz"
    int32_t DimensionOrientation = 0;    // live "RadioCoteType" (0 parallel, 1 horizontal, 2 vertical)
    double SideTieLength = 0.0;          // live "Attaches"
    int32_t SideTiesOn = 0;              // live "AvecAttaches"
    int32_t SeriesOn = 0;                // live "CoteSerie"
    int32_t SeriesKind = 0;              // live "TypeCoteSerie" (0 from the origin, 1 chained)
    int32_t ShowAngleUnit = 0;           // live "AfficheUniteAngle"
    double AngleOffsetAngle = 0.0;       // live "DecalageAngA"
    double AngleOffsetRadius = 0.0;      // live "DecalageAngR"
    double ArcRadius = 0.0;              // live "Rayon"
    double CircleOffsetX = 0.0;          // live "DecalageCerX"
    double CircleOffsetY = 0.0;          // live "DecalageCerY"
    double CircleTieLength = 0.0;        // live "Ligne"
    int32_t Diameter = 0;                // live "Diametre" (1 diameter, 0 radius)
    double BezierOffsetX = 0.0;          // live "DecalageBezierX"
    double BezierOffsetY = 0.0;          // live "DecalageBezierY"
    int32_t DivisionCount = 0;           // live "NbDivBez"
    int32_t BezierMode = 0;              // live "PartRayTanBez" (0 divide, 1 local radius, 2 local tangent)

    // Values of the creation dialogs, copied at each mouse-down; the centred flags only their dialogs set.
    double AngleCreateAngle = 0.0;        // live "AngCrea"
    double AngleCreateWidth = 0.0;        // live "AngEpaisCrea"
    int32_t AngleCreateWithDimension = 0; // live "CaseCreaAng"
    int32_t AngleCreateCentred = 0;       // live "CentreCreaAng" (0 until its dialog has opened)
    double CircleCreateWidth = 0.0;       // live "CerEpaisCrea"
    double CircleCreateAngle = 0.0;       // live "AngCerCrea"
    int32_t CircleCreateWithDimension = 0;   // live "CaseCreaCer"
    int32_t CircleCreateArc = 0;          // live "CreaArcCer"
    int32_t CircleCreateSector = 0;       // live "CreaSecteurCer"
    double SegmentCreateRotation = 0.0;   // live "SegRotCrea"
    double SegmentCreateWidth = 0.0;      // live "SegEpaisCrea"
    int32_t SegmentCreateWithDimension = 0;  // live "CaseCreaSeg"
    int32_t SegmentCreateCentred = 0;     // live "CentreCreaSeg" (0 until its dialog has opened)

    // Values the panel's Angle, Cercle and Bézier sections set when they are built.
    int8_t MultipleArcs = 0;             // several concentric arcs mark the angle
    int32_t ArcCount = 2;                // arcs drawn with multiple arcs, 1..20
    int32_t ArcGap = 5;                  // points between two arcs
    int32_t AngleArrowsFlag = 0;         // the angle's end marks point the other way
    int32_t CircleArrowsFlag = 0;        // the circle's end marks point the other way
    int32_t BezierArrowsFlag = 0;        // the local radius's end mark points the other way

    // Values derived from the live ones and kept beside them.
    int32_t FontIndex = 0;               // index of the label font in the host's font list
    float SeriesLabelStep = 0.0f;        // the larger of live "Corps" and 0.08 x live "Zoom"
    double ActiveEndMarkSize = 0.0;      // copy of live "Zoom" read by the angle builders
    float BezierPathLength = 0.0f;       // length along the curve of the Bézier tool's extras
};

extern CurrentOptions gCurrentOptions;
