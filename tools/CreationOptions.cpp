#include "tools/CreationOptions.h"

#include "frame/Settings.h"
#include "records/CurrentOptions.h"

void LoadCreationOptions() {
    const Settings& s = gSettings;
    CurrentOptions& o = gCurrentOptions;
    o.AngleCreateAngle = s.AngleCreateAngle;
    o.AngleCreateWidth = s.AngleCreateWidth;
    o.AngleCreateWithDimension = s.AngleCreateWithDimension;
    o.CircleCreateWidth = s.CircleCreateWidth;
    o.CircleCreateAngle = s.CircleCreateAngle;
    o.CircleCreateWithDimension = s.CircleCreateWithDimension;
    o.CircleCreateArc = s.CircleCreateArc;
    o.CircleCreateSector = s.CircleCreateSector;
    o.SegmentCreateRotation = s.SegmentCreateRotation;
    o.SegmentCreateWidth = s.SegmentCreateWidth;
    o.SegmentCreateWithDimension = s.SegmentCreateWithDimension;
}
