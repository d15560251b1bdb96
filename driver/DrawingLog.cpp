#include "driver/DrawingLog.h"

#include "driver/LogWriter.h"

namespace driver {

namespace {

std::string ShapeLine(const sim::DrawnShape& shape) {
    std::string line = "drawn " + shape.kind;
    if (shape.kind == "text")
        line += " \"" + OneLine(shape.text) + "\"";
    for (const AIPoint& point : shape.points)
        line += " (" + std::to_string(point.h) + "," + std::to_string(point.v) + ")";
    if (shape.fill)
        line += " filled";
    line += " rgb=" + std::to_string(shape.colour.red) + "," + std::to_string(shape.colour.green) + "," +
            std::to_string(shape.colour.blue);
    line += " width=" + RealText(shape.width);
    if (shape.dashed)
        line += " dashed";
    if (shape.kind == "text")
        line += " font=" + std::to_string(shape.font);
    return line + "\n";
}

} // namespace

std::string DrawingText(const sim::DrawerRecording& drawing) {
    if (drawing.shapes.empty())
        return "nothing drawn\n";
    std::string text;
    for (const sim::DrawnShape& shape : drawing.shapes)
        text += ShapeLine(shape);
    return text;
}

} // namespace driver
