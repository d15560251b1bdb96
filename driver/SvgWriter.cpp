#include "driver/SvgWriter.h"

#include "driver/LogWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "simhost/Document.h"
#include "simhost/Text.h"

namespace driver {

namespace {

// The space left around the art: a fixed part and a share of the art's larger side.
constexpr float kMarginMinimum = 10.0f;
constexpr float kMarginShare = 0.05f;
// How guides look on screen.
constexpr const char* kGuideStroke = "#4affff";
constexpr float kGuideWidth = 0.5f;

std::string Number(AIReal value) {
    return RealText(value);
}

bool SamePoint(AIRealPoint a, AIRealPoint b) {
    return a.h == b.h && a.v == b.v;
}

// An SVG point: the artwork point with v negated.
std::string SvgPoint(AIRealPoint point) {
    return Number(point.h) + "," + Number(-point.v);
}

int Channel(AIReal value) {
    return static_cast<int>(std::lround(std::clamp(static_cast<double>(value), 0.0, 1.0) * 255.0));
}

std::string Hex(int red, int green, int blue) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    return text;
}

// The screen colour of a document colour. Grey runs from 0 white to 1 black; CMYK is shown without a profile;
// swatch colours, patterns and gradients, which the document part does not resolve, show black.
std::string SvgColour(const AIColor& colour) {
    switch (colour.kind) {
    case kGrayColor: {
        const int level = Channel(1.0f - colour.g.gray);
        return Hex(level, level, level);
    }
    case kThreeColor:
        return Hex(Channel(colour.rgb.red), Channel(colour.rgb.green), Channel(colour.rgb.blue));
    case kFourColor: {
        const AIReal white = 1.0f - std::clamp(colour.f.black, 0.0f, 1.0f);
        return Hex(Channel((1.0f - colour.f.cyan) * white), Channel((1.0f - colour.f.magenta) * white),
                   Channel((1.0f - colour.f.yellow) * white));
    }
    case kNoneColor:
        return "none";
    default:
        return "#000000";
    }
}

// One segment of path data from `from` to `to`: a line when both handles lie on their anchors, else a curve.
std::string SegmentData(const AIPathSegment& from, const AIPathSegment& to) {
    if (SamePoint(from.out, from.p) && SamePoint(to.in, to.p))
        return " L" + SvgPoint(to.p);
    return " C" + SvgPoint(from.out) + " " + SvgPoint(to.in) + " " + SvgPoint(to.p);
}

std::string PathData(const std::vector<AIPathSegment>& segments, bool closed) {
    if (segments.empty())
        return "";
    std::string data = "M";
    data += SvgPoint(segments.front().p);
    for (size_t i = 1; i < segments.size(); ++i)
        data += SegmentData(segments[i - 1], segments[i]);
    if (closed && segments.size() > 1) {
        const std::string closing = SegmentData(segments.back(), segments.front());
        if (closing[1] == 'C')
            data += closing;
        data += " Z";
    }
    return data;
}

std::string Attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + XmlEscaped(value) + "\"";
}

std::string StrokeAttributes(const AIStrokeStyle& stroke) {
    constexpr const char* kCaps[] = {"butt", "round", "square"};
    constexpr const char* kJoins[] = {"miter", "round", "bevel"};
    std::string text =
        Attribute("stroke", SvgColour(stroke.color)) + Attribute("stroke-width", Number(stroke.width));
    if (stroke.cap > kAIButtCap && stroke.cap <= kAIProjectingCap)
        text += Attribute("stroke-linecap", kCaps[stroke.cap]);
    if (stroke.join > kAIMiterJoin && stroke.join <= kAIBevelJoin)
        text += Attribute("stroke-linejoin", kJoins[stroke.join]);
    else if (stroke.miterLimit != 4.0f && stroke.miterLimit >= 1.0f)
        text += Attribute("stroke-miterlimit", Number(stroke.miterLimit));
    if (stroke.dash.length > 0) {
        std::string dashes;
        for (int i = 0; i < stroke.dash.length && i < kMaxDashComponents; ++i)
            dashes.append(i ? " " : "").append(Number(stroke.dash.array[i]));
        text += Attribute("stroke-dasharray", dashes);
        if (stroke.dash.offset != 0.0f)
            text += Attribute("stroke-dashoffset", Number(stroke.dash.offset));
    }
    return text;
}

std::string PathElement(const sim::ArtNode& node) {
    std::string element = "<path";
    if (!node.name.empty())
        element += Attribute("data-name", node.name);
    element += Attribute("d", PathData(node.segments, node.closed));
    if (node.guide) {
        element += Attribute("class", "guide") + Attribute("stroke", kGuideStroke) +
                   Attribute("stroke-width", Number(kGuideWidth)) + Attribute("fill", "none");
        return element + "/>";
    }
    const AIPathStyle& style = node.style;
    element += style.strokePaint ? StrokeAttributes(style.stroke) : Attribute("stroke", "none");
    element += Attribute("fill", style.fillPaint ? SvgColour(style.fill.color) : "none");
    if (style.fillPaint && style.evenodd)
        element += Attribute("fill-rule", "evenodd");
    return element + "/>";
}

// A text frame: its matrix places the text's anchor and orients it; the SVG matrix negates the v parts.
std::string TextElement(const sim::ArtNode& node) {
    constexpr const char* kAnchors[] = {"start", "end", "middle"};
    const sim::TextData& text = node.text;
    const AIRealMatrix& m = text.transform;
    std::string element = "<text";
    if (!node.name.empty())
        element += Attribute("data-name", node.name);
    element += Attribute("transform", "matrix(" + Number(m.a) + " " + Number(-m.b) + " " + Number(-m.c) +
                                          " " + Number(m.d) + " " + Number(m.tx) + " " + Number(-m.ty) + ")");
    if (!text.font.empty())
        element += Attribute("font-family", text.font);
    element += Attribute("font-size", Number(text.size)) + Attribute("fill", SvgColour(text.fill));
    if (text.justification > 0 && text.justification <= 2)
        element += Attribute("text-anchor", kAnchors[text.justification]);
    element += ">";
    if (text.runs.empty())
        return element + XmlEscaped(text.contents) + "</text>";
    for (const sim::TextRun& run : text.runs) {
        const size_t start = std::min(run.start, text.contents.size());
        element += "<tspan";
        if (!run.font.empty())
            element += Attribute("font-family", run.font);
        element += Attribute("font-size", Number(run.size)) + Attribute("fill", SvgColour(run.fill));
        // A raised or lowered run (a tolerance) keeps its shift, upward in the text's own frame as in SVG's.
        if (run.baselineShift != 0.0f)
            element += Attribute("baseline-shift", Number(run.baselineShift));
        element += ">" + XmlEscaped(text.contents.substr(start, run.length)) + "</tspan>";
    }
    return element + "</text>";
}

// The box of everything drawn, in SVG coordinates, widened by half the widest stroke.
struct Extent {
    float left = std::numeric_limits<float>::max(), top = std::numeric_limits<float>::max();
    float right = std::numeric_limits<float>::lowest(), bottom = std::numeric_limits<float>::lowest();
    float stroke = 0.0f;
    bool Empty() const { return left > right; }
    void Add(AIRealPoint point) {
        left = std::min(left, point.h);
        right = std::max(right, point.h);
        top = std::min(top, -point.v);
        bottom = std::max(bottom, -point.v);
    }
};

bool IsShown(const sim::ArtNode& node) {
    return !(node.userAttr & kArtHidden);
}

void Measure(const sim::Document& document, AIArtHandle art, Extent& extent) {
    const sim::ArtNode* node = document.Art(art);
    if (!node || !IsShown(*node))
        return;
    for (const AIPathSegment& segment : node->segments) {
        extent.Add(segment.p);
        extent.Add(segment.in);
        extent.Add(segment.out);
    }
    if (node->type == kPathArt && node->style.strokePaint)
        extent.stroke = std::max(extent.stroke, node->style.stroke.width);
    // A text takes the box the host measures it by, turned as it is drawn.
    AIRealRect bounds;
    if (node->type == kTextFrameArt && sim::TextFrameBounds(art, &bounds)) {
        extent.Add({bounds.left, bounds.bottom});
        extent.Add({bounds.right, bounds.top});
    }
    for (AIArtHandle child : document.Children(art))
        Measure(document, child, extent);
}

void WriteArt(const sim::Document& document, AIArtHandle art, int depth, std::string& out) {
    const sim::ArtNode* node = document.Art(art);
    if (!node || !IsShown(*node))
        return;
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    if (node->type == kPathArt) {
        if (!node->segments.empty())
            out += indent + PathElement(*node) + "\n";
        return;
    }
    if (node->type == kTextFrameArt) {
        if (!node->text.contents.empty())
            out += indent + TextElement(*node) + "\n";
        return;
    }
    out += indent + "<g" + (node->name.empty() ? "" : Attribute("data-name", node->name)) + ">\n";
    const std::vector<AIArtHandle> children = document.Children(art);
    for (auto child = children.rbegin(); child != children.rend(); ++child)
        WriteArt(document, *child, depth + 1, out);
    out += indent + "</g>\n";
}

std::string ViewBox(const Extent& extent) {
    if (extent.Empty())
        return "0 0 100 100";
    const float width = extent.right - extent.left, height = extent.bottom - extent.top;
    const float margin =
        std::max(kMarginMinimum, kMarginShare * std::max(width, height)) + extent.stroke / 2.0f;
    return Number(extent.left - margin) + " " + Number(extent.top - margin) + " " +
           Number(width + 2 * margin) + " " + Number(height + 2 * margin);
}

} // namespace

std::string XmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\t') ? ' ' : c;
        }
    }
    return out;
}

std::string SvgDocument() {
    const sim::Document& document = sim::TheDocument();
    std::vector<AILayerHandle> shown; // bottom first, the order they paint in
    for (int32_t i = document.LayerCount() - 1; i >= 0; --i) {
        const sim::Layer* layer = document.LayerInfo(document.LayerAt(i));
        if (layer && layer->visible)
            shown.push_back(document.LayerAt(i));
    }
    Extent extent;
    for (AILayerHandle layer : shown)
        Measure(document, document.LayerGroup(layer), extent);

    std::string body;
    for (AILayerHandle layer : shown) {
        body += "  <g" + Attribute("data-layer", document.LayerInfo(layer)->title) + ">\n";
        const std::vector<AIArtHandle> art = document.Children(document.LayerGroup(layer));
        for (auto item = art.rbegin(); item != art.rend(); ++item)
            WriteArt(document, *item, 2, body);
        body += "  </g>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"" +
           Attribute("viewBox", ViewBox(extent)) + ">\n" + body + "</svg>\n";
}

} // namespace driver
