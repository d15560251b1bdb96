// The reload of the panel's fields from the stored settings, and the end marks that follow the live values.
#pragma once

// The values every page shares: line width, arrows or points and the preset, end size (end marks made or
// disposed to follow it), scale, decimals, text size and font.
void LoadGeneralFields();
// The values of one tool's page and its fields, each tool's own way (the unit step for all but the Angle).
void LoadSegmentFields();
void LoadAngleFields();
void LoadCircleFields();
void LoadBezierFields();
void LoadMeasureFields();
// Makes, for the current tool, each end mark whose art the host no longer knows.
void RecreateEndMarks();
