// The panel's read-outs of measured paths: the totals of the selected paths shown on the Longueurs & aires
// page, and the area of the figure the Segment or Cercle tool last measured. Texts only; no art is made.
#pragma once

#include <cstdint>
#include <string>

#include "dimension/ValueFormat.h"

// A read-out line of the Longueurs & aires page (39 characters), and the figure-area line (44 characters).
using ReadoutLine = BoundedText<40>;
using FigureAreaLine = BoundedText<45>;

// What the selected paths add up to: lengths in points, before the scale; areas in square points.
struct SelectionTotals {
    double LengthPoints = 0.0;  // closed paths whole, open paths from their first to their last anchor
    double AreaPoints = 0.0;    // the enclosed area of the closed paths, less that of the paths tagged "spa"
    int32_t PointCount = 0;     // anchors of the measured paths
    int32_t PathCount = 0;      // paths measured (dimension parts are not)
};

// The four lines of the selection read-out.
struct SelectionReadout {
    ReadoutLine Length;  // "L (sélection)=" and the length
    ReadoutLine Area;    // "A (sélection)=" and the area
    ReadoutLine Points;  // "Nombre de points=" and the count
    ReadoutLine Paths;   // "Nombre de tracés=" and the count
};

// The unit a read-out writes lengths in: the live unit, or the stored one while the live unit shows no number
// (8, 9), or points when neither does.
int32_t ReadoutLengthUnit();
// A length in points as the read-out writes it: divided by the scale, in ReadoutLengthUnit() with the live
// decimals, the unit suffix while ShowUnit is set, the fractional forms for units 3 and 4; a decimal form within
// `room` bytes, with fewer digits rather than a cut unit.
std::string SelectionLengthText(double points, size_t room = std::string::npos);
// The read-out lines of the totals; the length text is left in ValueTextBuffer and the area text in
// AreaTextBuffer, as the other formatters leave theirs.
SelectionReadout SelectionReadoutLines(const SelectionTotals& totals);

// Adds up the fully selected paths of the document; a selected dimension part loses its full selection and
// is neither measured nor counted.
SelectionTotals TotalSelectedPaths();

// The figure-area line of the current tool from the hit or measured path: "Aire du polygone=" for a closed
// polygon of straight sides clicked with the Segment tool ("Polygone croisé" when its sides cross), "Aire du
// disque=" for a closed circle measured with the Cercle tool. False, with nothing written, when there is no
// such figure.
bool FigureAreaText(FigureAreaLine& line);
