// Loading of the live option values from the stored settings.
#pragma once

#include "records/CurrentOptions.h"

// The length the reload gives the Bézier tool's path length: 5 millimetres in points.
constexpr float kDefaultBezierPathLength = 14.173228f;

// The general part of the reload: line width (and the stroke width of DimensionLineStyle), arrows or points
// and the preset (applied to ArrowHeadShape), end-mark size, scale and ScaleRatio, decimals, text size.
void LoadGeneralOptions();
// The unit step shared by the tool loads: unit and unit suffix.
void LoadUnitOptions();
// The Segment page's values (offsets, horizontal text, orientation, side ties, series, SeriesLabelStep).
void LoadSegmentOptions();
// The Angle page's values (degree sign, offsets, arc radius).
void LoadAngleOptions();
// The Cercle page's values (offsets, tie line, diameter or radius).
void LoadCircleOptions();
// The Bézier page's values (offsets, mode, division count, path length).
void LoadBezierOptions();
// Every live value from Settings at once: the panel-free start-up copy.
void LoadAllCurrentOptions();
// SeriesLabelStep from the live values: the text size, raised to 0.08 x the end size when that is larger.
void UpdateSeriesLabelStep();
