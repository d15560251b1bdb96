// The six predefined tips of the arrow-head editor, as the editor holds a shape: the tip at the origin, the
// outline towards positive x, mirrored about the x axis; In and Out are the editor's handles of each point.
#pragma once

#include <cstdint>

// One point of a predefined tip: anchor, In handle, Out handle.
struct ArrowTipPoint {
    float AnchorX, AnchorY;
    float InX, InY;
    float OutX, OutY;
};

// The most points a predefined tip has.
constexpr int kMaxTipPoints = 12;

struct ArrowTip {
    int8_t PointCount;
    float LineStartX;  // the line-start point is (LineStartX, 0)
    ArrowTipPoint Points[kMaxTipPoints];
};

// A corner point: both handles on the anchor.
constexpr ArrowTipPoint Corner(float x, float y) { return ArrowTipPoint{x, y, x, y, x, y}; }

// Every predefined tip is closed, filled (not hollow) and moved symmetrically when the editor loads it.
constexpr int kPredefinedTipCount = 6;
constexpr ArrowTip kPredefinedArrowTips[kPredefinedTipCount] = {
    // Tip 1: a notched arrow.
    {6, 2.0f, {Corner(0, 0), Corner(10, -5), Corner(10, -4), Corner(2, 0), Corner(10, 4), Corner(10, 5)}},
    // Tip 2: a notched arrow with square barbs.
    {10, 2.0f, {Corner(0, 0), Corner(7.5f, -5), Corner(10, -5), Corner(10, -4), Corner(8, -4), Corner(2, 0),
                Corner(8, 4), Corner(10, 4), Corner(10, 5), Corner(7.5f, 5)}},
    // Tip 3: a curved arrow with a rounded notch.
    {4, 11.0f, {{0, 0, 10, -1, 10, 1}, {16, -6, 16, -2.5f, 14, -2.5f}, {11, 0, 15, 1, 15, -1},
                {16, 6, 14, 2.5f, 16, 2.5f}}},
    // Tip 4: a curved triangle.
    {3, 12.0f, {{0, 0, 7.5f, -1, 7.5f, 1}, {15, -5, 11, 0, 10, -1.5f}, {15, 5, 10, 1.5f, 11, 0}}},
    // Tip 5: a notched arrow with curved barbs (the factory preferred arrow).
    {6, 2.0f, {Corner(0, 0), {11, -4.5f, 14.6f, -5.8f, 11, -4.5f}, {13, -2, 10.7f, -1.4f, 15.25f, -2.55f},
               Corner(2, 0), {13, 2, 15.25f, 2.55f, 10.7f, 1.4f}, {11, 4.5f, 11, 4.5f, 14.6f, 5.8f}}},
    // Tip 6: a double arrow with curved barbs.
    {12, 13.0f, {Corner(0, 0), {4, -3, 4, -3, 2.8f, -0.6f}, {4, -1, 4, -1, 4.7f, -1.8f},
                 {8, -4, 9, -1.5f, 6.4f, -0.6f}, Corner(8, -1), {14, -6, 15.7f, -2.5f, 11.2f, -0.6f},
                 {13, 0, 13.7f, 0.8f, 13.7f, -0.8f}, {14, 6, 11.2f, 0.6f, 15.7f, 2.5f}, Corner(8, 1),
                 {8, 4, 6.4f, 0.6f, 9, 1.5f}, {4, 1, 4.7f, 1.8f, 4, 1}, {4, 3, 2.8f, 0.6f, 4, 3}}},
};
