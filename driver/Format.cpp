#include "driver/Format.h"

#include <charconv>

namespace driver {

std::string Number(AIReal value) {
    if (value == 0.0f) value = 0.0f;  // no "-0"
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string PointText(AIRealPoint point) { return Number(point.h) + "," + Number(point.v); }

bool SamePoint(AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; }

}  // namespace driver
