#include "tools/MeasuredPoints.h"

MeasuredPoints gMeasuredPoints;
SeriesPointTable gSeriesPointTable;
