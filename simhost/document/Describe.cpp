// Stable text descriptions of the document's nodes, for tree dumps and test failures.
#include <charconv>

#include "simhost/Document.h"

namespace sim {

namespace {

// The shortest text that reads back as the same value; -0 is written 0.
template <typename Real> std::string Number(Real value) {
    if (value == Real(0)) {
        return "0";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Point(AIRealPoint p) {
    return Number(p.h) + "," + Number(p.v);
}

std::string Colour(const AIColor& c) {
    switch (c.kind) {
    case kGrayColor:
        return "gray(" + Number(c.g.gray) + ")";
    case kFourColor:
        return "cmyk(" + Number(c.f.cyan) + "," + Number(c.f.magenta) + "," + Number(c.f.yellow) + "," +
               Number(c.f.black) + ")";
    case kThreeColor:
        return "rgb(" + Number(c.rgb.red) + "," + Number(c.rgb.green) + "," + Number(c.rgb.blue) + ")";
    case kCustomColor:
        return "custom(" + std::to_string(reinterpret_cast<uintptr_t>(c.c.color)) + "," + Number(c.c.tint) +
               ")";
    case kPattern:
        return "pattern";
    case kGradient:
        return "gradient";
    default:
        return "none";
    }
}

std::string Style(const AIPathStyle& s) {
    static const char* const kCaps[] = {"butt", "round", "projecting"};
    static const char* const kJoins[] = {"miter", "round", "bevel"};
    std::string out = " stroke=";
    if (s.strokePaint) {
        out += Colour(s.stroke.color) + " width=" + Number(s.stroke.width);
        out += " cap=" + std::string(kCaps[static_cast<size_t>(s.stroke.cap) % 3]);
        out += " join=" + std::string(kJoins[static_cast<size_t>(s.stroke.join) % 3]);
        out += " miter=" + Number(s.stroke.miterLimit);
        if (s.stroke.dash.length > 0) {
            out += " dash=[";
            for (int16_t i = 0; i < s.stroke.dash.length && i < kMaxDashComponents; ++i) {
                out.append(i > 0 ? "," : "").append(Number(s.stroke.dash.array[i]));
            }
            out += "] offset=" + Number(s.stroke.dash.offset);
        }
    } else {
        out += "none";
    }
    out += " fill=" + (s.fillPaint ? Colour(s.fill.color) : std::string("none"));
    return out;
}

std::string Anchor(const AIPathSegment& s) {
    const bool straight = s.in.h == s.p.h && s.in.v == s.p.v && s.out.h == s.p.h && s.out.v == s.p.v;
    std::string out = "(";
    out += Point(s.p);
    if (!straight) {
        out += " in " + Point(s.in) + " out " + Point(s.out);
    }
    if (!s.corner) {
        out += " smooth";
    }
    return out + ")";
}

std::string Attributes(int32_t attr) {
    std::string out;
    const auto add = [&out](const char* word) { out += (out.empty() ? " attrs=" : ",") + std::string(word); };
    if (attr & kArtSelected)
        add("selected");
    if (attr & kArtFullySelected)
        add("fully-selected");
    if (attr & kArtLocked)
        add("locked");
    if (attr & kArtHidden)
        add("hidden");
    return out;
}

std::string Kind(int16_t type) {
    switch (type) {
    case kGroupArt:
        return "group";
    case kPathArt:
        return "path";
    case kTextFrameArt:
        return "text";
    default:
        return "unknown";
    }
}

// The text with backslashes, quotes and line breaks escaped, so that a description stays on one line.
std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

std::string TagValue::Describe() const {
    if (type == kTagTypeInteger) {
        return type + ":" + std::to_string(integer);
    }
    if (type == kTagTypeReal) {
        return type + ":" + Number(real);
    }
    if (type == kTagTypeBoolean) {
        return type + ":" + (boolean ? "true" : "false");
    }
    return type + ":" + Escaped(text);
}

std::string Document::Describe(AIArtHandle art) const {
    const ArtNode* node = Art(art);
    if (node == nullptr) {
        return "invalid";
    }
    std::string out = Kind(node->type);
    if (!node->name.empty()) {
        out += " \"" + Escaped(node->name) + "\"";
    }
    if (node->type == kPathArt) {
        out += node->closed ? " closed" : " open";
        if (node->guide) {
            out += " guide";
        }
    }
    out += Attributes(node->userAttr);
    if (!node->tags.empty()) {
        out += " tags={";
        bool first = true;
        for (const auto& [name, value] : node->tags) {
            out += (first ? "" : ", ") + name + "=" + value.Describe();
            first = false;
        }
        out += "}";
    }
    if (node->type == kPathArt) {
        out += Style(node->style) + " anchors=[";
        for (size_t i = 0; i < node->segments.size(); ++i) {
            out.append(i > 0 ? " " : "").append(Anchor(node->segments[i]));
        }
        out += "]";
    }
    if (node->type == kTextFrameArt) {
        const TextData& t = node->text;
        out += " contents=\"" + Escaped(t.contents) + "\" font=\"" + Escaped(t.font) + "\" size=" + Number(t.size) +
               " fill=" + Colour(t.fill) + " justification=" + std::to_string(t.justification) +
               " at=" + Number(t.transform.tx) + "," + Number(t.transform.ty);
    }
    return out;
}

void Document::DescribeInto(const ArtNode* node, int depth, std::string& out) const {
    for (const ArtNode* child : node->children) {
        out += std::string(static_cast<size_t>(depth) * 2, ' ') + Describe(Handle(child)) + "\n";
        DescribeInto(child, depth + 1, out);
    }
}

std::string Document::DescribeTree() const {
    std::string out;
    for (const auto& layer : layers_) {
        out += "layer \"" + Escaped(layer->title) + "\"" + (layer->visible ? " visible" : " hidden") +
               (layer->locked ? " locked" : " unlocked") + " colour=" + std::to_string(layer->colour.red) +
               "," + std::to_string(layer->colour.green) + "," + std::to_string(layer->colour.blue) +
               (layer.get() == current_ ? " current" : "") + "\n";
        DescribeInto(layer->group, 1, out);
    }
    return out;
}

} // namespace sim
