#include "driver/TreeDump.h"

#include "driver/Format.h"
#include "driver/LogWriter.h"
#include "simhost/Document.h"

namespace driver {

namespace {

std::string Indent(int depth) { return std::string(static_cast<size_t>(depth) * 2, ' '); }

std::string Quoted(const std::string& text) { return "\"" + OneLine(text) + "\""; }

std::string KindName(int16_t type) {
    switch (type) {
    case kGroupArt:
        return "group";
    case kPathArt:
        return "path";
    case kTextFrameArt:
        return "text";
    default:
        return "art";
    }
}

std::string ColourText(const AIColor& colour) {
    switch (colour.kind) {
    case kGrayColor:
        return "gray(" + Number(colour.g.gray) + ")";
    case kFourColor:
        return "cmyk(" + Number(colour.f.cyan) + "," + Number(colour.f.magenta) + "," + Number(colour.f.yellow) +
               "," + Number(colour.f.black) + ")";
    case kThreeColor:
        return "rgb(" + Number(colour.rgb.red) + "," + Number(colour.rgb.green) + "," + Number(colour.rgb.blue) +
               ")";
    case kCustomColor:
        return "custom(tint " + Number(colour.c.tint) + ")";
    case kPattern:
        return "pattern";
    case kGradient:
        return "gradient";
    case kNoneColor:
        break;
    }
    return "none";
}

// The user attributes that are set, after a blank each.
std::string AttributeText(int32_t attributes) {
    std::string text;
    if (attributes & kArtSelected) text += " selected";
    if (attributes & kArtFullySelected) text += " fully-selected";
    if (attributes & kArtLocked) text += " locked";
    if (attributes & kArtHidden) text += " hidden";
    return text;
}

std::string StyleText(const AIPathStyle& style) {
    constexpr const char* kCaps[] = {"butt", "round", "projecting"};
    constexpr const char* kJoins[] = {"miter", "round", "bevel"};
    std::string text = "style stroke=";
    if (style.strokePaint) {
        const AIStrokeStyle& stroke = style.stroke;
        text += ColourText(stroke.color) + " width=" + Number(stroke.width);
        if (stroke.cap >= kAIButtCap && stroke.cap <= kAIProjectingCap) text += std::string(" cap=") + kCaps[stroke.cap];
        if (stroke.join >= kAIMiterJoin && stroke.join <= kAIBevelJoin)
            text += std::string(" join=") + kJoins[stroke.join];
        if (stroke.dash.length > 0) {
            text += " dash=";
            for (int i = 0; i < stroke.dash.length && i < kMaxDashComponents; ++i)
                text += (i ? "," : "") + Number(stroke.dash.array[i]);
            if (stroke.dash.offset != 0.0f) text += " dash-offset=" + Number(stroke.dash.offset);
        }
    } else {
        text += "none";
    }
    text += " fill=" + (style.fillPaint ? ColourText(style.fill.color) : std::string("none"));
    if (style.fillPaint && style.evenodd) text += " even-odd";
    return text;
}

std::string AnchorText(const AIPathSegment& segment) {
    std::string text = "anchor " + PointText(segment.p);
    if (!SamePoint(segment.in, segment.p)) text += " in " + PointText(segment.in);
    if (!SamePoint(segment.out, segment.p)) text += " out " + PointText(segment.out);
    if (!segment.corner) text += " smooth";
    return text;
}

void DumpText(const sim::TextData& text, int depth, std::string& out) {
    out += Indent(depth) + "contents " + Quoted(text.contents) + "\n";
    out += Indent(depth) + "font " + Quoted(text.font) + " size=" + Number(text.size) +
           " fill=" + ColourText(text.fill) + " justification=" + std::to_string(text.justification) + "\n";
    const AIRealMatrix& m = text.transform;
    out += Indent(depth) + "matrix " + Number(m.a) + " " + Number(m.b) + " " + Number(m.c) + " " + Number(m.d) +
           " " + Number(m.tx) + " " + Number(m.ty) + "\n";
}

void DumpNode(const sim::Document& document, AIArtHandle art, int depth, std::string& out) {
    const sim::ArtNode* node = document.Art(art);
    if (!node) return;
    out += Indent(depth) + KindName(node->type);
    if (!node->name.empty()) out += " " + Quoted(node->name);
    if (node->type == kPathArt && node->closed) out += " closed";
    if (node->type == kPathArt && node->guide) out += " guide";
    out += AttributeText(node->userAttr) + "\n";
    for (const auto& [name, value] : node->tags) out += Indent(depth + 1) + "tag " + name + "=" + OneLine(value.Describe()) + "\n";
    if (node->type == kPathArt) {
        out += Indent(depth + 1) + StyleText(node->style) + "\n";
        for (const AIPathSegment& segment : node->segments) out += Indent(depth + 1) + AnchorText(segment) + "\n";
    } else if (node->type == kTextFrameArt) {
        DumpText(node->text, depth + 1, out);
    }
    for (AIArtHandle child : document.Children(art)) DumpNode(document, child, depth + 1, out);
}

}  // namespace

std::string TreeDump() {
    const sim::Document& document = sim::TheDocument();
    std::string out;
    for (int32_t i = 0; i < document.LayerCount(); ++i) {
        const AILayerHandle handle = document.LayerAt(i);
        const sim::Layer* layer = document.LayerInfo(handle);
        if (!layer) continue;
        out += "layer " + Quoted(layer->title);
        if (handle == document.CurrentLayer()) out += " current";
        if (layer->locked) out += " locked";
        if (!layer->visible) out += " hidden";
        out += "\n";
        for (AIArtHandle art : document.Children(document.LayerGroup(handle))) DumpNode(document, art, 1, out);
    }
    return out;
}

}  // namespace driver
