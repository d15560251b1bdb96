#include "driver/DialogSvg.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "driver/SvgWriter.h"
#include "host/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"

namespace driver {

namespace {

// Sizes of what the dialog manager paints around and in its items.
constexpr int kTitleHeight = 16;
constexpr int kPictureScale = 2;      // the SVG shows the dialog at twice its pixel size
constexpr double kFontSize = 9.0;     // the dialog font, in pixels
constexpr double kCharWidth = 5.4;    // a character's average advance in the dialog font
constexpr double kLineHeight = 11.0;  // a line of a multi-line text
constexpr int kArrowWidth = 11;       // the arrows of a spin field and the button of a popup

constexpr const char* kBackground = "#d4d0c8";
constexpr const char* kFieldColour = "#ffffff";
constexpr const char* kSelectionColour = "#b5d5ff";  // the selected text of the active field
constexpr const char* kFrameColour = "#808080";
constexpr const char* kTextColour = "#000000";
constexpr double kDisabledOpacity = 0.4;

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string RectElement(double x, double y, double w, double h, const std::string& fill, const std::string& stroke,
                        const std::string& extra = "") {
    return "<rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(w) + "\" height=\"" +
           Number(h) + "\" fill=\"" + fill + "\" stroke=\"" + stroke + "\"" + extra + "/>\n";
}

std::string TextElement(double x, double y, const std::string& text, const std::string& anchor = "start",
                        const std::string& colour = kTextColour) {
    return "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" font-family=\"sans-serif\" font-size=\"" +
           Number(kFontSize) + "\" fill=\"" + colour + "\" text-anchor=\"" + anchor + "\">" + XmlEscaped(text) +
           "</text>\n";
}

// The colours of the dialog manager's palette, by code.
std::string PaletteColour(int code) {
    static const char* const kPalette[] = {"#000000", "#ffffff", "#0a246a", "#ffffff", "#e8e8e8", kBackground,
                                           "#808080", "#a0a0a0", kBackground, "#b0b0b0", "#404040", "#ffffe1",
                                           "#000000", "#ffffff", "#000000", "#000000", "#ff0000"};
    return code >= 0 && code < static_cast<int>(std::size(kPalette)) ? kPalette[code] : "#000000";
}

// An image of the plug-in's resources (icon first, then picture), or null.
const PixelImage* PluginImage(int32_t id) {
    for (uint32_t type : {kIconResourceType, kPictureResourceType}) {
        const PluginResource* resource = sim::ThePlugin().FindResource(type, id);
        if (resource != nullptr && resource->data != nullptr)
            return static_cast<const PixelImage*>(resource->data);
    }
    return nullptr;
}

// The image at its top-left corner (x, y); a missing image shows its id in a dashed box of `fallbackSize`.
std::string ImageElements(int32_t id, double x, double y, double fallbackWidth = 16, double fallbackHeight = 16) {
    const PixelImage* image = PluginImage(id);
    if (image == nullptr) {
        return RectElement(x, y, fallbackWidth, fallbackHeight, "none", "#c00000", " stroke-dasharray=\"2 1\"") +
               TextElement(x + fallbackWidth / 2, y + fallbackHeight / 2 + 3, std::to_string(id), "middle", "#c00000");
    }
    std::string out = "<g data-picture=\"" + std::to_string(id) + "\">";
    for (int32_t row = 0; row < image->height; ++row) {
        const char* pixels = image->rows[row];
        for (int32_t column = 0; column < image->width && pixels[column] != '\0'; ++column) {
            const std::string colour = PixelColour(pixels[column]);
            if (colour.empty())
                continue;
            // Runs of one colour make one rectangle.
            int32_t run = 1;
            while (column + run < image->width && pixels[column + run] == pixels[column])
                ++run;
            out += "<rect x=\"" + Number(x + column) + "\" y=\"" + Number(y + row) + "\" width=\"" + Number(run) +
                   "\" height=\"1\" fill=\"" + colour + "\"/>";
            column += run - 1;
        }
    }
    return out + "</g>\n";
}

std::string ImageCentred(int32_t id, double left, double top, double right, double bottom) {
    const PixelImage* image = PluginImage(id);
    const double width = image != nullptr ? image->width : 16;
    const double height = image != nullptr ? image->height : 16;
    return ImageElements(id, left + (right - left - width) / 2, top + (bottom - top - height) / 2);
}

// What a draw procedure recorded, replayed in the item's (or dialog's) own coordinates.
class DrawingReplay {
  public:
    DrawingReplay(double width, double height) : width_(width), height_(height) {}

    std::string Replay(const sim::Drawing& drawing, const std::string& defaultLook) {
        std::string out;
        for (const std::string& line : drawing)
            out += Operation(line, defaultLook);
        return out;
    }

  private:
    std::string Operation(const std::string& line, const std::string& defaultLook) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        std::vector<double> n;
        double value = 0.0;
        const auto numbers = [&](size_t count) {
            n.clear();
            for (size_t i = 0; i < count && in >> value; ++i)
                n.push_back(value);
            return n.size() == count;
        };
        const auto rest = [&] {
            std::string text;
            std::getline(in, text);
            return text.empty() ? text : text.substr(1);
        };
        if (kind == "DefaultDraw")
            return defaultLook;
        if (kind == "RGB" && numbers(3)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%02x%02x%02x", static_cast<int>(n[0]) >> 8, static_cast<int>(n[1]) >> 8,
                          static_cast<int>(n[2]) >> 8);
            colour_ = hex;
            return {};
        }
        if (kind == "ADMColor" && numbers(1)) {
            colour_ = PaletteColour(static_cast<int>(n[0]));
            return {};
        }
        if (kind == "Clear")
            return RectElement(0, 0, width_, height_, kBackground, "none");
        if (kind == "ClearRect" && numbers(4))
            return RectElement(n[0], n[1], n[2] - n[0], n[3] - n[1], kBackground, "none");
        if ((kind == "Rect" || kind == "SunkenRect" || kind == "RaisedRect") && numbers(4))
            return RectElement(n[0] + 0.5, n[1] + 0.5, n[2] - n[0] - 1, n[3] - n[1] - 1, "none", colour_);
        if (kind == "FillRect" && numbers(4))
            return RectElement(n[0], n[1], n[2] - n[0], n[3] - n[1], colour_, "none");
        if (kind == "InvertRect" && numbers(4))  // white in difference mode turns each colour to its inverse
            return RectElement(n[0], n[1], n[2] - n[0], n[3] - n[1], "#ffffff", "none",
                               " style=\"mix-blend-mode:difference\"");
        if ((kind == "Oval" || kind == "FillOval") && numbers(4)) {
            const bool filled = kind == "FillOval";
            return "<ellipse cx=\"" + Number((n[0] + n[2]) / 2) + "\" cy=\"" + Number((n[1] + n[3]) / 2) +
                   "\" rx=\"" + Number((n[2] - n[0]) / 2) + "\" ry=\"" + Number((n[3] - n[1]) / 2) + "\" fill=\"" +
                   (filled ? colour_ : "none") + "\" stroke=\"" + (filled ? "none" : colour_) + "\"/>\n";
        }
        if (kind == "Line" && numbers(4))
            return "<line x1=\"" + Number(n[0] + 0.5) + "\" y1=\"" + Number(n[1] + 0.5) + "\" x2=\"" +
                   Number(n[2] + 0.5) + "\" y2=\"" + Number(n[3] + 0.5) + "\" stroke=\"" + colour_ + "\"/>\n";
        if ((kind == "Polygon" || kind == "FillPolygon") && numbers(1)) {
            const size_t count = static_cast<size_t>(n[0]);
            std::string points;
            for (size_t i = 0; i < count && in >> value; ++i) {
                double v = 0.0;
                in >> v;
                points += Number(value) + "," + Number(v) + " ";
            }
            const bool filled = kind == "FillPolygon";
            return "<polygon points=\"" + points + "\" fill=\"" + (filled ? colour_ : "none") + "\" stroke=\"" +
                   (filled ? "none" : colour_) + "\"/>\n";
        }
        if (kind == "Text" && numbers(2))
            return TextElement(n[0], n[1], rest(), "start", colour_);
        if (kind == "TextCentered" && numbers(4))
            return TextElement((n[0] + n[2]) / 2, (n[1] + n[3]) / 2 + 3, rest(), "middle", colour_);
        if ((kind == "Icon" || kind == "Picture") && numbers(3))
            return ImageElements(static_cast<int32_t>(n[0]), n[1], n[2]);
        if ((kind == "IconCentered" || kind == "PictureCentered") && numbers(5))
            return ImageCentred(static_cast<int32_t>(n[0]), n[1], n[2], n[3], n[4]);
        return {};  // fonts and clips change nothing that the picture shows
    }

    double width_;
    double height_;
    std::string colour_ = kTextColour;
};

// The text of the chosen entry of an item's list, or null.
const sim::EntryData* ChosenEntry(const sim::ItemData& item) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const sim::ListData* list = dialogs.ListByHandle(item.list);
    if (list == nullptr)
        return nullptr;
    for (uintptr_t handle : list->entries) {
        const sim::EntryData* entry = dialogs.EntryByHandle(handle);
        if (entry != nullptr && entry->selected)
            return entry;
    }
    return nullptr;
}

bool TypeHas(const sim::ItemData& item, const char* word) { return item.type.find(word) != std::string::npos; }

// The lines of a multi-line text wrapped to the width.
std::vector<std::string> WrappedLines(const std::string& text, double width) {
    std::vector<std::string> lines;
    const size_t perLine = static_cast<size_t>(width / kCharWidth) > 0 ? static_cast<size_t>(width / kCharWidth) : 1;
    std::string paragraph;
    std::istringstream in(text);
    const auto wrap = [&](const std::string& line) {
        std::istringstream words(line);
        std::string word;
        std::string current;
        size_t length = 0;  // characters, not bytes
        const auto characters = [](const std::string& s) {
            size_t count = 0;
            for (unsigned char c : s)
                count += (c & 0xC0u) != 0x80u;
            return count;
        };
        while (words >> word) {
            const size_t wordLength = characters(word);
            if (!current.empty() && length + 1 + wordLength > perLine) {
                lines.push_back(current);
                current.clear();
                length = 0;
            }
            current += (current.empty() ? "" : " ") + word;
            length += (length == 0 ? 0 : 1) + wordLength;
        }
        lines.push_back(current);
    };
    std::string line;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            wrap(line);
            line.clear();
        } else {
            line += c;
        }
    }
    wrap(line);
    return lines;
}

// How the dialog manager paints an item that draws nothing of its own.
// The selected characters of the active field, shaded behind its text (each character at the average advance).
std::string SelectionElement(const sim::ItemData& item, double baseline, double field) {
    const size_t end = std::min(item.selectionEnd, item.text.size());
    if (!item.active || item.selectionStart >= end)
        return std::string();
    auto characters = [&](size_t from, size_t to) {
        size_t count = 0;
        for (size_t at = from; at < to; ++at)
            count += (static_cast<unsigned char>(item.text[at]) & 0xC0) != 0x80 ? 1 : 0;
        return static_cast<double>(count);
    };
    const double left = 3 + kCharWidth * characters(0, item.selectionStart);
    const double width = std::min(kCharWidth * characters(item.selectionStart, end), field - 2 - left);
    return RectElement(left, baseline - kFontSize, width, kFontSize + 2, kSelectionColour, "none");
}

std::string DefaultLook(const sim::ItemData& item) {
    const double w = item.bounds.right - item.bounds.left;
    const double h = item.bounds.bottom - item.bounds.top;
    const double baseline = h / 2 + 3;
    std::string out;
    const bool picture = TypeHas(item, "Picture");
    if (picture) {
        int32_t id = item.pictureID;
        if (item.value != 0.0f && item.selectedPictureID != 0)
            id = item.selectedPictureID;
        if (!item.enabled && item.disabledPictureID != 0)
            id = item.disabledPictureID;
        if (id != 0)
            out += ImageCentred(id, 0, 0, w, h);
        return out;
    }
    if (item.type == kADMTextStaticType) {
        const char* anchor = item.justify == kADMCenterJustify ? "middle" : item.justify == kADMRightJustify ? "end" : "start";
        const double x = item.justify == kADMCenterJustify ? w / 2 : item.justify == kADMRightJustify ? w - 1 : 1;
        return TextElement(x, baseline, item.text, anchor);
    }
    if (item.type == kADMTextStaticMultiLineType) {
        const std::vector<std::string> lines = WrappedLines(item.text, w);
        const bool centred = item.justify == kADMCenterJustify;
        double y = kLineHeight;
        for (const std::string& line : lines) {
            out += TextElement(centred ? w / 2 : 1, y, line, centred ? "middle" : "start");
            y += kLineHeight;
        }
        return out;
    }
    if (item.type == kADMTextPushButtonType) {
        out += RectElement(0.5, 0.5, w - 1, h - 1, "#e8e6e0", kFrameColour, " rx=\"2\"");
        return out + TextElement(w / 2, baseline, item.text, "middle");
    }
    if (item.type == kADMTextCheckBoxType || item.type == kADMTextRadioButtonType) {
        const bool radio = item.type == kADMTextRadioButtonType;
        const double box = 9;
        const double top = (h - box) / 2;
        out += radio ? "<circle cx=\"" + Number(box / 2 + 0.5) + "\" cy=\"" + Number(top + box / 2) + "\" r=\"" +
                           Number(box / 2) + "\" fill=\"#ffffff\" stroke=\"" + kFrameColour + "\"/>\n"
                     : RectElement(0.5, top, box, box, kFieldColour, kFrameColour);
        if (item.value != 0.0f)
            out += radio ? "<circle cx=\"" + Number(box / 2 + 0.5) + "\" cy=\"" + Number(top + box / 2) +
                               "\" r=\"2\" fill=\"#000000\"/>\n"
                         : "<polyline points=\"2," + Number(top + 4) + " 4," + Number(top + 7) + " 8," +
                               Number(top + 2) + "\" fill=\"none\" stroke=\"#000000\" stroke-width=\"1.5\"/>\n";
        return out + TextElement(box + 4, baseline, item.text);
    }
    if (item.type == kADMPopupListType) {
        const sim::EntryData* chosen = ChosenEntry(item);
        out += RectElement(0.5, 0.5, w - 1, h - 1, "#f4f3ef", kFrameColour);
        out += TextElement(3, baseline, chosen != nullptr ? chosen->text : item.text);
        return out + "<polygon points=\"" + Number(w - 9) + "," + Number(h / 2 - 2) + " " + Number(w - 3) + "," +
               Number(h / 2 - 2) + " " + Number(w - 6) + "," + Number(h / 2 + 2) + "\" fill=\"#000000\"/>\n";
    }
    if (item.type == kADMPopupMenuType) {
        if (w <= 0 || h <= 0)
            return out;
        out += RectElement(0.5, 0.5, w - 1, h - 1, "#e8e6e0", kFrameColour);
        return out + "<polygon points=\"" + Number(w / 2 - 3) + "," + Number(h / 2 - 2) + " " + Number(w / 2 + 3) +
               "," + Number(h / 2 - 2) + " " + Number(w / 2) + "," + Number(h / 2 + 2) + "\" fill=\"#000000\"/>\n";
    }
    if (TypeHas(item, "Edit") || item.type == kADMListBoxType) {
        const bool spin = TypeHas(item, "Spin");
        const bool popup = TypeHas(item, "Popup");
        const double field = w - (spin ? kArrowWidth : 0) - (popup ? kArrowWidth : 0);
        out += RectElement(0.5, 0.5, field - 1, h - 1, kFieldColour, kFrameColour);
        out += SelectionElement(item, baseline, field);
        out += "<g><title>" + XmlEscaped(item.text) + "</title>" + TextElement(3, baseline, item.text) + "</g>\n";
        double x = field;
        if (spin) {
            out += RectElement(x + 0.5, 0.5, kArrowWidth - 1, h - 1, "#e8e6e0", kFrameColour);
            out += "<polygon points=\"" + Number(x + 3) + "," + Number(h / 2 - 2) + " " + Number(x + 8) + "," +
                   Number(h / 2 - 2) + " " + Number(x + 5.5) + "," + Number(h / 2 - 6) + "\" fill=\"#000000\"/>\n";
            out += "<polygon points=\"" + Number(x + 3) + "," + Number(h / 2 + 2) + " " + Number(x + 8) + "," +
                   Number(h / 2 + 2) + " " + Number(x + 5.5) + "," + Number(h / 2 + 6) + "\" fill=\"#000000\"/>\n";
            x += kArrowWidth;
        }
        if (popup) {
            out += RectElement(x + 0.5, 0.5, kArrowWidth - 1, h - 1, "#e8e6e0", kFrameColour);
            out += "<polygon points=\"" + Number(x + 3) + "," + Number(h / 2 - 2) + " " + Number(x + 8) + "," +
                   Number(h / 2 - 2) + " " + Number(x + 5.5) + "," + Number(h / 2 + 2) + "\" fill=\"#000000\"/>\n";
        }
        return out;
    }
    return RectElement(0.5, 0.5, w - 1, h - 1, "none", kFrameColour);
}

std::string ItemElements(const sim::ItemData& item) {
    const double w = item.bounds.right - item.bounds.left;
    const double h = item.bounds.bottom - item.bounds.top;
    const std::string clip = "clip-item-" + std::to_string(item.handle);
    std::string out = "<g id=\"item-" + std::to_string(item.id) + "\" data-type=\"" + XmlEscaped(item.type) +
                      "\" transform=\"translate(" + Number(item.bounds.left) + "," + Number(item.bounds.top) + ")\"";
    if (!item.enabled)
        out += " opacity=\"" + Number(kDisabledOpacity) + "\" data-disabled=\"1\"";
    out += ">\n";
    // The title: the item's id and tip, and for a popup or list the entries it draws only one of.
    std::string title;
    if (!item.tip.empty() && item.tipEnabled)
        title = std::to_string(item.id) + ": " + item.tip;
    if (const std::string entries = EntriesText(item); !entries.empty())
        title += (title.empty() ? std::to_string(item.id) + ": " : std::string("\n")) + entries;
    if (!title.empty())
        out += "<title>" + XmlEscaped(title) + "</title>\n";
    out += "<clipPath id=\"" + clip + "\">" + RectElement(0, 0, w, h, "none", "none") + "</clipPath>\n";
    out += "<g clip-path=\"url(#" + clip + ")\">\n";
    const std::string look = DefaultLook(item);
    if (item.drawProc == nullptr)
        out += look;
    else
        out += DrawingReplay(w, h).Replay(item.drawing, look);
    return out + "</g>\n</g>\n";
}

} // namespace

std::string EntriesText(const sim::ItemData& item) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    const sim::ListData* list = dialogs.ListByHandle(item.list);
    if (list == nullptr)
        return {};
    std::string text;
    for (uintptr_t handle : list->entries) {
        const sim::EntryData* entry = dialogs.EntryByHandle(handle);
        if (entry == nullptr || entry->separator)
            continue;
        text += (text.empty() ? "entries: " : ", ") + std::to_string(entry->id) + " \"" + entry->text + "\"";
        if (!entry->enabled)
            text += " (disabled)";
    }
    return text;
}

std::string PixelColour(char pixel) {
    switch (pixel) {
    case '#': return "#000000";
    case 'w': return "#ffffff";
    case 'l': return "#c8c8c8";
    case 'g': return "#808080";
    case 'd': return "#404040";
    case 'r': return "#e00000";
    case 'o': return "#ff8000";
    case 'y': return "#ffd800";
    case 'G': return "#00a000";
    case 'b': return "#1050e0";
    case 'c': return "#00b0d0";
    case 'm': return "#d000a0";
    default: return {};
    }
}

std::string DialogSvg(ADMDialogRef dialog) {
    sim::DialogManager& dialogs = sim::TheDialogs();
    sim::DialogData* data = dialogs.Dialog(dialog);
    if (data == nullptr)
        return {};
    dialogs.DrawDialog(dialog);
    const std::vector<uintptr_t> items = data->items;
    for (uintptr_t handle : items)
        dialogs.DrawItem(sim::ToRef<ADMItemRef>(handle));
    data = dialogs.Dialog(dialog);
    if (data == nullptr)
        return {};
    const double w = data->bounds.right - data->bounds.left;
    const double h = data->bounds.bottom - data->bounds.top;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Number((w + 2) * kPictureScale) +
                      "\" height=\"" + Number((h + kTitleHeight + 2) * kPictureScale) + "\" viewBox=\"-1 " +
                      Number(-kTitleHeight - 1) + " " + Number(w + 2) + " " + Number(h + kTitleHeight + 2) +
                      "\" data-dialog=\"" + XmlEscaped(data->name) + "\">\n";
    svg += RectElement(-1, -kTitleHeight - 1, w + 2, h + kTitleHeight + 2, "#5a5a5a", "none");
    svg += TextElement(4, -5, data->title.empty() ? data->name : data->title, "start", "#ffffff");
    svg += RectElement(0, 0, w, h, kBackground, "none");
    svg += "<clipPath id=\"clip-dialog\">" + RectElement(0, 0, w, h, "none", "none") + "</clipPath>\n";
    svg += "<g clip-path=\"url(#clip-dialog)\">\n";
    if (data->drawProc != nullptr)
        svg += DrawingReplay(w, h).Replay(data->drawing, {});
    for (uintptr_t handle : data->items) {
        const sim::ItemData* item = dialogs.ItemByHandle(handle);
        if (item != nullptr && item->visible)
            svg += ItemElements(*item);
    }
    return svg + "</g>\n</svg>\n";
}

} // namespace driver
