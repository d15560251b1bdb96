// The stand-in's annotators and the recording drawer their draw messages receive.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/AnnotatorDrawerSuite.h"
#include "host/AnnotatorSuite.h"

namespace sim {

// One primitive the drawer recorded, with the drawer state it was drawn in.
struct DrawnShape {
    std::string kind; // "line", "rect", "ellipse", "polygon", "bezier" or "text"
    std::vector<AIPoint> points; // line: start, end; rect and ellipse: {left, top}, {right, bottom};
                                 // bezier: start, then control1, control2, end of each piece
    bool fill = false;
    std::string text;
    AIRGBColor colour;
    AIReal width = 1.0f;
    bool dashed = false;
    int32_t font = 0;
};

// What one draw pass drew.
struct DrawerRecording {
    AIRGBColor colour;
    AIReal width = 1.0f;
    bool dashed = false;
    int32_t font = 0;
    std::vector<DrawnShape> shapes;
};

struct AnnotatorRecord {
    AIAnnotatorHandle handle = nullptr;
    SPPluginRef plugin = nullptr;
    std::string name;
    bool active = true;
};

class AnnotatorRegistry {
  public:
    void Reset();
    ASErr Add(SPPluginRef plugin, const char* name, AIAnnotatorHandle* annotator);
    AnnotatorRecord* Find(AIAnnotatorHandle annotator);
    const std::deque<AnnotatorRecord>& Records() const { return records_; }

    // Sends "AI Annotation"/"AI Draw" to every active annotator, each with a fresh recording drawer; returns
    // the first failure, else 0. The recording of the pass replaces the last one.
    ASErr Draw();
    const DrawerRecording& LastDrawing() const { return last_; }
    // The drawer a pass is drawing into; null outside a pass.
    DrawerRecording* Drawing(AIAnnotatorDrawer drawer);

    // Rectangles asked to be repainted, in order.
    std::vector<AIRect> invalidated;

  private:
    std::deque<AnnotatorRecord> records_;
    DrawerRecording last_;
    AIAnnotatorDrawer current_ = nullptr;
};

AnnotatorRegistry& TheAnnotators();
const AIAnnotatorSuite& AnnotatorSuiteTable();
const AIAnnotatorDrawerSuite& AnnotatorDrawerSuiteTable();

} // namespace sim
