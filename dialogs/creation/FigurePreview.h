// Drawing in the creation dialogs' previews: points at a direction and distance from the preview's centre
// (y growing downward, angles counter-clockwise as in the document) and the shapes built from them.
#pragma once

#include <cstdint>

#include "host/ADMTypes.h"

// A preview's centre and what it draws around it.
struct PreviewFrame {
    int32_t CentreH;
    int32_t CentreV;

    // The point at distance `r` in direction `t` (radians), rounded to whole pixels.
    ADMPoint At(double r, double t) const;
    // The square of half-side `r` about the centre, for discs.
    ADMRect Disc(double r) const;
};

// Draws the two axes through the centre of a `width` x `height` preview in the host's shadow colour.
void DrawPreviewAxes(ADMDrawerRef drawer, const PreviewFrame& frame, int32_t width, int32_t height);
// Fills the band between radii `inner` and `outer` from direction `from` over `sweep` radians; its edges take a
// point at every pixel along them.
void FillPreviewBand(ADMDrawerRef drawer, const PreviewFrame& frame, double inner, double outer, double from,
                     double sweep);
// Draws the one-pixel arc of radius `r` from direction `from` over `sweep` radians, as straight lines a pixel
// long, so that it shows as smooth as a drawn circle.
void DrawPreviewArc(ADMDrawerRef drawer, const PreviewFrame& frame, double r, double from, double sweep);
// Takes the committed stroke colour as the drawing colour.
void UseStrokeColour(ADMDrawerRef drawer);
// The direction of the tracker's point from the preview's centre (radians, -pi..pi, +pi exactly left).
double TrackedDirection(ADMTrackerRef tracker, const PreviewFrame& frame);
// The host's tracking of the event; answers whether it ends in a notification.
ADMBoolean DefaultPreviewTrack(ADMItemRef item, ADMTrackerRef tracker);
