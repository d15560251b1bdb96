// The Bézier figure: the stored curve and its replicas laid as paths inside the dimension group of the click.
#pragma once

#include "frame/Settings.h"
#include "host/Types.h"

// Makes the replica paths once per creation, inside the dimension group on top of its contents, and reshapes
// them at later calls: replica r is the stored curve with its y negated, scaled by the base scale plus r scale
// steps about its origin, turned by the base rotation plus r rotation steps (counter-clockwise in the document,
// y up), and moved to the clicked point plus r offset steps (a positive vertical step moves up). Adds 1.0 to the x of the cursor point, so that the release of a drag that made the figure opens no dialog. A
// figure with a point that would not be finite is not laid: the replicas keep their last shape. Returns the error
// of a refused path (the routine stops there), else the last style's result.
ASErr MakeCreatedBezier();

// The figure of a creation drag that came back to its press (every anchor of every replica on one point) goes
// with its dimension group; a figure with some size stays.
void DropCollapsedBezier();

// The transform of replica `replica` (0-based) of a Bézier figure laid at `origin`.
AIRealMatrix BezierReplicaMatrix(const BezierReplicaSteps& steps, int32_t replica, double baseScaleX, double baseScaleY,
                                 AIReal baseRotation, AIRealPoint origin);
