#include "simhost/Annotator.h"

#include "host/Messages.h"
#include "simhost/PluginConnection.h"
#include "simhost/ServicesHandles.h"
#include "simhost/SimHost.h"

namespace sim {

AnnotatorRegistry& TheAnnotators() {
    static AnnotatorRegistry registry;
    return registry;
}

void AnnotatorRegistry::Reset() {
    records_.clear();
    last_ = DrawerRecording();
    current_ = nullptr;
    invalidated.clear();
}

ASErr AnnotatorRegistry::Add(SPPluginRef plugin, const char* name, AIAnnotatorHandle* annotator) {
    if (annotator == nullptr || name == nullptr || !ThePlugin().IsSelf(plugin))
        return kBadParameterErr;
    AnnotatorRecord record;
    record.handle = NewHandle<AIAnnotatorHandle>();
    record.plugin = plugin;
    record.name = name;
    records_.push_back(record);
    *annotator = record.handle;
    return kNoErr;
}

AnnotatorRecord* AnnotatorRegistry::Find(AIAnnotatorHandle annotator) {
    return FindRecord(records_, HasHandle(annotator));
}

DrawerRecording* AnnotatorRegistry::Drawing(AIAnnotatorDrawer drawer) {
    return drawer != nullptr && drawer == current_ ? &last_ : nullptr;
}

ASErr AnnotatorRegistry::Draw() {
    last_ = DrawerRecording();
    ASErr result = kNoErr;
    for (const AnnotatorRecord& record : records_) {
        if (!record.active || !ThePlugin().IsSelf(record.plugin))
            continue;
        current_ = NewHandle<AIAnnotatorDrawer>();
        const ASErr drawn = ThePlugin().SendAnnotation(kSelectorAIDrawAnnotation, record.handle, current_);
        current_ = nullptr;
        if (result == kNoErr)
            result = drawn;
    }
    return result;
}

namespace {

ASErr AddAnnotator(SPPluginRef self, const char* name, AIAnnotatorHandle* annotator) {
    return TheAnnotators().Add(self, name, annotator);
}

ASErr GetAnnotatorName(AIAnnotatorHandle annotator, const char** name) {
    return ReadRecord(TheAnnotators().Find(annotator), name,
                      [](const AnnotatorRecord& r) { return r.name.c_str(); });
}

ASErr GetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean* active) {
    return ReadRecord(TheAnnotators().Find(annotator), active,
                      [](const AnnotatorRecord& r) { return static_cast<AIBoolean>(r.active); });
}

ASErr SetAnnotatorActive(AIAnnotatorHandle annotator, AIBoolean active) {
    return ChangeRecord(TheAnnotators().Find(annotator), [active](AnnotatorRecord& r) { r.active = active != 0; });
}

ASErr InvalAnnotationRect(AIDocumentViewHandle, const AIRect* rect) {
    if (rect == nullptr)
        return kBadParameterErr;
    TheAnnotators().invalidated.push_back(*rect);
    return kNoErr;
}

// Records one shape with the drawer's state.
ASErr Record(AIAnnotatorDrawer drawer, const char* kind, std::vector<AIPoint> points, bool fill,
             const char* text = "") {
    DrawerRecording* drawing = TheAnnotators().Drawing(drawer);
    if (drawing == nullptr)
        return kBadParameterErr;
    drawing->shapes.push_back(DrawnShape{kind, std::move(points), fill, text, drawing->colour, drawing->width,
                                         drawing->dashed, drawing->font});
    return kNoErr;
}

// Changes the drawer's state.
template <class Change> ASErr ChangeDrawer(AIAnnotatorDrawer drawer, Change change) {
    DrawerRecording* drawing = TheAnnotators().Drawing(drawer);
    if (drawing == nullptr)
        return kBadParameterErr;
    change(*drawing);
    return kNoErr;
}

ASErr SetColor(AIAnnotatorDrawer drawer, const AIRGBColor* colour) {
    if (colour == nullptr)
        return kBadParameterErr;
    return ChangeDrawer(drawer, [colour](DrawerRecording& d) { d.colour = *colour; });
}

ASErr GetColor(AIAnnotatorDrawer drawer, AIRGBColor* colour) {
    if (colour == nullptr)
        return kBadParameterErr;
    return ChangeDrawer(drawer, [colour](DrawerRecording& d) { *colour = d.colour; });
}

ASErr SetLineWidth(AIAnnotatorDrawer drawer, AIReal width) {
    return ChangeDrawer(drawer, [width](DrawerRecording& d) { d.width = width; });
}

ASErr GetLineWidth(AIAnnotatorDrawer drawer, AIReal* width) {
    if (width == nullptr)
        return kBadParameterErr;
    return ChangeDrawer(drawer, [width](DrawerRecording& d) { *width = d.width; });
}

ASErr SetLineDashed(AIAnnotatorDrawer drawer, AIBoolean dashed) {
    return ChangeDrawer(drawer, [dashed](DrawerRecording& d) { d.dashed = dashed != 0; });
}

ASErr SetFontPreset(AIAnnotatorDrawer drawer, int32_t preset) {
    return ChangeDrawer(drawer, [preset](DrawerRecording& d) { d.font = preset; });
}

ASErr DrawLine(AIAnnotatorDrawer drawer, const AIPoint* start, const AIPoint* end) {
    if (start == nullptr || end == nullptr)
        return kBadParameterErr;
    return Record(drawer, "line", {*start, *end}, false);
}

// The two corners of a rectangle as points.
std::vector<AIPoint> Corners(const AIRect& rect) {
    return {AIPoint{rect.left, rect.top}, AIPoint{rect.right, rect.bottom}};
}

ASErr DrawRect(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill) {
    return rect == nullptr ? kBadParameterErr : Record(drawer, "rect", Corners(*rect), fill != 0);
}

ASErr DrawEllipse(AIAnnotatorDrawer drawer, const AIRect* rect, AIBoolean fill) {
    return rect == nullptr ? kBadParameterErr : Record(drawer, "ellipse", Corners(*rect), fill != 0);
}

ASErr DrawPolygon(AIAnnotatorDrawer drawer, const AIPoint* points, int32_t count, AIBoolean fill) {
    if (points == nullptr || count < 0)
        return kBadParameterErr;
    return Record(drawer, "polygon", std::vector<AIPoint>(points, points + count), fill != 0);
}

ASErr DrawBezierChain(AIAnnotatorDrawer drawer, const AIPoint* start, const AIAnnotatorBezierPiece* pieces,
                      int32_t count, AIBoolean fill) {
    if (start == nullptr || count < 0 || (count > 0 && pieces == nullptr))
        return kBadParameterErr;
    if (count == 0)
        return TheAnnotators().Drawing(drawer) != nullptr ? kNoErr : kBadParameterErr;
    std::vector<AIPoint> points{*start};
    for (int32_t i = 0; i < count; ++i) {
        points.push_back(pieces[i].control1);
        points.push_back(pieces[i].control2);
        points.push_back(pieces[i].end);
    }
    return Record(drawer, "bezier", std::move(points), fill != 0);
}

ASErr DrawText(AIAnnotatorDrawer drawer, const char* text, const AIPoint* origin) {
    if (text == nullptr || origin == nullptr)
        return kBadParameterErr;
    return Record(drawer, "text", {*origin}, false, text);
}

} // namespace

const AIAnnotatorSuite& AnnotatorSuiteTable() {
    static const AIAnnotatorSuite suite{AddAnnotator, GetAnnotatorName, GetAnnotatorActive, SetAnnotatorActive,
                                        InvalAnnotationRect};
    return suite;
}

const AIAnnotatorDrawerSuite& AnnotatorDrawerSuiteTable() {
    static const AIAnnotatorDrawerSuite suite{.SetColor = SetColor,
                                              .GetColor = GetColor,
                                              .SetLineWidth = SetLineWidth,
                                              .GetLineWidth = GetLineWidth,
                                              .SetLineDashed = SetLineDashed,
                                              .SetFontPreset = SetFontPreset,
                                              .DrawLine = DrawLine,
                                              .DrawRect = DrawRect,
                                              .DrawEllipse = DrawEllipse,
                                              .DrawPolygon = DrawPolygon,
                                              .DrawBezierChain = DrawBezierChain,
                                              .DrawText = DrawText};
    return suite;
}

} // namespace sim
