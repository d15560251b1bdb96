// A dimension changed on the panel after its drag is the dimension a drag under that setting builds: for each
// kind of dimension the panel rebuilds and each setting that changes it, the two roads (the setting chosen
// before the drag; the setting chosen after it, with the cursor passing over other anchors in between) leave
// the same art in the document: geometry, styles, names and tags. A reload gives back the dimension a fresh
// drag under the stored settings builds, and update-all with nothing changed leaves the art as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "DriverRun.h"
#include "case_name.h"
#include "dimension/ReEdit.h"
#include "driver/LogWriter.h"
#include "driver/Player.h"
#include "driver/Scenario.h"
#include "frame/FrameEntry.h"
#include "records/CurrentOptions.h"
#include "records/Records.h"
#include "resources/Resources.h"
#include "simhost/DialogManager.h"
#include "simhost/Document.h"
#include "simhost/PluginConnection.h"
#include "simhost/SimHost.h"

namespace {

using scenarios::WorkFolder;

// Numbers rounded to what a user could tell apart, or written whole (nine significant digits, a float's) while a
// test asks that nothing at all changed.
bool gWholeNumbers = false;

std::string Rounded(double x) {
    char text[32];
    if (gWholeNumbers)
        std::snprintf(text, sizeof text, "%.9g", x);
    else
        std::snprintf(text, sizeof text, "%.2f", std::abs(x) < 0.005 ? 0.0 : x);
    return text;
}

// Numbers written whole for as long as it lives.
struct WholeNumbers {
    WholeNumbers() { gWholeNumbers = true; }
    ~WholeNumbers() { gWholeNumbers = false; }
    WholeNumbers(const WholeNumbers&) = delete;
    WholeNumbers& operator=(const WholeNumbers&) = delete;
};

std::string PointText(AIRealPoint p) { return Rounded(p.h) + "," + Rounded(p.v); }

std::string ColourText(const AIColor& c) {
    switch (c.kind) {
        case kGrayColor: return "gray " + Rounded(c.g.gray);
        case kThreeColor: return "rgb " + Rounded(c.rgb.red) + " " + Rounded(c.rgb.green) + " " + Rounded(c.rgb.blue);
        case kFourColor:
            return "cmyk " + Rounded(c.f.cyan) + " " + Rounded(c.f.magenta) + " " + Rounded(c.f.yellow) + " " +
                   Rounded(c.f.black);
        default: return "other";
    }
}

std::string StyleText(const AIPathStyle& s) {
    std::string out = " stroke ";
    if (s.strokePaint) {
        out += ColourText(s.stroke.color) + " width " + Rounded(s.stroke.width) + " cap " +
               std::to_string(s.stroke.cap) + " join " + std::to_string(s.stroke.join) + " dash";
        for (int16_t i = 0; i < s.stroke.dash.length && i < kMaxDashComponents; ++i)
            out += " " + Rounded(s.stroke.dash.array[i]);
    } else {
        out += "none";
    }
    return out + " fill " + (s.fillPaint ? ColourText(s.fill.color) : std::string("none"));
}

// One art and what it holds, paint order from the top, indented by depth; no handle and no selection.
void Describe(const sim::Document& doc, AIArtHandle art, int depth, std::string& out) {
    const sim::ArtNode& node = *doc.Art(art);
    out += std::string(static_cast<size_t>(depth) * 2, ' ');
    out += node.type == kGroupArt ? "group" : node.type == kPathArt ? "path" : "text";
    out += " \"" + node.name + "\"";
    for (const auto& [key, value] : node.tags) out += " " + key + "=" + value.Describe();
    if (node.type == kPathArt) {
        out += node.closed ? " closed" : " open";
        out += StyleText(node.style) + " [";
        for (const AIPathSegment& s : node.segments)
            out += " (" + PointText(s.p) + " " + PointText(s.in) + " " + PointText(s.out) + ")";
        out += " ]";
    }
    if (node.type == kTextFrameArt) {
        const sim::TextData& t = node.text;
        const AIRealMatrix& m = t.transform;
        out += " \"" + t.contents + "\" font " + t.font + " size " + Rounded(t.size) + " fill " +
               ColourText(t.fill) + " just " + std::to_string(t.justification) + " matrix " + Rounded(m.a) + " " +
               Rounded(m.b) + " " + Rounded(m.c) + " " + Rounded(m.d) + " at " + PointText({m.tx, m.ty});
        for (const sim::TextRun& run : t.runs) out += " run " + std::to_string(run.length) + " " + Rounded(run.size) + " " + ColourText(run.fill);
    }
    out += "\n";
    for (AIArtHandle child : doc.Children(art)) Describe(doc, child, depth + 1, out);
}

// Every layer's art as Describe gives it.
std::string DocumentArt() {
    const sim::Document& doc = sim::TheDocument();
    std::string out;
    for (int32_t i = 0; i < doc.LayerCount(); ++i)
        for (AIArtHandle art : doc.Children(doc.LayerGroup(doc.LayerAt(i)))) Describe(doc, art, 0, out);
    return out;
}

// The alerts the host showed, one a line.
std::string Alerts() {
    std::string out;
    for (const auto& alert : sim::TheLogs().alerts) out += alert.text + "\n";
    return out;
}

// Each dimension group of the document as Describe gives it, in paint order from the top.
std::vector<std::string> DimensionGroups() {
    const sim::Document& doc = sim::TheDocument();
    std::vector<std::string> groups;
    for (int32_t i = 0; i < doc.LayerCount(); ++i)
        for (AIArtHandle art : doc.Children(doc.LayerGroup(doc.LayerAt(i)))) {
            if (doc.Art(art)->type != kGroupArt) continue;
            groups.emplace_back();
            Describe(doc, art, 0, groups.back());
        }
    return groups;
}

// A kind of dimension: the figures it is drawn on, the panel actions that choose the kind, its tool, the drag
// that builds it, and the cursor's pass over another figure's anchors.
struct DimensionKind {
    const char* Name;
    const char* Tool;
    const char* Choose;   // panel actions that make this kind, before anything else
    const char* Drag;
    const char* Elsewhere;
};

constexpr const char* kFigures =
    "path \"Barre\" 0,0 200,0\n"
    "path \"Biais\" 0,-200 200,-150\n"
    "path \"Arc\" 350,0 out 350,27.614 300,50 in 327.614,50\n"
    "path \"Courbe\" 0,160 out 60,220 200,160 in 140,220\n"
    "path \"Equerre\" 700,0 600,0 660,80\n"
    "path \"Ailleurs\" 400,-300 500,-300 500,-200\n"
    "path \"Barre2\" 1000,0 1200,0\n"
    "path \"Biais2\" 1000,-200 1200,-150\n"
    "path \"Arc2\" 1350,0 out 1350,27.614 1300,50 in 1327.614,50\n"
    "path \"Equerre2\" 1700,0 1600,0 1660,80\n"
    "path \"Rond\" 2050,300 in 2050,272.386 out 2050,327.614 2000,350 in 2027.614,350 out 1972.386,350 "
    "1950,300 in 1950,327.614 out 1950,272.386 2000,250 in 1972.386,250 out 2027.614,250 closed\n"
    "path \"Crochet\" 2150,130 in 2153,133 out 2146,134 2230,290 in 2230,290 out 2229,289\n";

// The cursor's pass over the anchors and the vertex of another figure.
constexpr const char* kElsewhere = "move 400,-300 500,-300 500,-200 450,-250\n";

const DimensionKind kKinds[] = {
    {"parallel", "Outil Segment", "", "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 150,-15 100,-30\nup 100,-30\n",
     kElsewhere},
    {"projected", "Outil Segment", "panel click 45\n",
     "move 0,-200\nclick 0,-200\nmove 200,-150\ndown 200,-150\ndrag 150,-200 100,-240\nup 100,-240\n", kElsewhere},
    {"arc length", "Outil Segment", "", "move 335.355,35.355\ndown 335.355,35.355\ndrag 345,45 350,50\nup 350,50\n",
     kElsewhere},
    {"along a curve", "Outil Segment", "", "move 100,205\ndown 100,205\ndrag 100,215 100,230\nup 100,230\n",
     kElsewhere},
    {"angle", "Outil Angle", "", "move 600,0\ndown 600,0\ndrag 640,30 650,50\nup 650,50\n", kElsewhere},
    {"angle with arcs", "Outil Angle", "panel click 60\npanel enter 61 \"3\"\n",
     "move 600,0\ndown 600,0\ndrag 640,30 650,50\nup 650,50\n", kElsewhere},
    {"radius", "Outil Cercle", "", "move 335.355,35.355\ndown 335.355,35.355\ndrag 370,70 380,80\nup 380,80\n",
     kElsewhere},
    {"diameter", "Outil Cercle", "panel click 68\n",
     "move 335.355,35.355\ndown 335.355,35.355\ndrag 370,70 380,80\nup 380,80\n", kElsewhere},
    {"bezier division", "Outil Bézier", "", "move 60,0\nclick 60,0\n", kElsewhere},
    {"local radius", "Outil Bézier", "panel click 55\n", "move 335.355,35.355\nclick 335.355,35.355\n",
     kElsewhere},
    {"tangent", "Outil Bézier", "panel click 56\n", "move 335.355,35.355\nclick 335.355,35.355\n", kElsewhere},
    {"bezier division dragged", "Outil Bézier", "", "move 60,0\ndown 60,0\ndrag 60,10 60,20\nup 60,20\n",
     kElsewhere},
    {"curve division dragged", "Outil Bézier", "",
     "move 100,205\ndown 100,205\ndrag 100,215 100,230\nup 100,230\n", kElsewhere},
    {"arc division dragged to an uneven length", "Outil Bézier", "",
     "move 335.355,35.355\ndown 335.355,35.355\ndrag 330,0 300,-100\nup 300,-100\n", kElsewhere},
    {"parallel dragged past the canvas", "Outil Segment", "",
     "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 150,-15 100,-30000\nup 100,-30000\n", kElsewhere},
    {"along a curve, clicked below it", "Outil Segment", "", "move 100,201\nclick 100,201\n", kElsewhere},
    {"figure angle", "Outil Angle", "", "move 100,100\ndown 100,100\ndrag 150,110 180,120\nup 180,120\n",
     kElsewhere},
    // The drag ends a tenth of a point past the bisector, which the cursor shifted past the figure crosses back.
    {"figure angle dragged to its bisector", "Outil Angle", "",
     "move 100,100\ndown 100,100\ndrag 150,110 99.9,200\nup 99.9,200\n", kElsewhere},
    {"reticle", "Outil Bézier", "", "move 2035.355,335.355\nclick 2035.355,335.355\n", kElsewhere},
    {"radius straight up", "Outil Cercle", "",
     "move 335.355,35.355\ndown 335.355,35.355\ndrag 320,70 300,100\nup 300,100\n", kElsewhere},
    // Control turns the end marks, the left Windows key the extension lines, for the drag and every rebuild.
    {"parallel dragged with Control and Windows", "Outil Segment", "",
     "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 150,-15 100,-30 control win\nup 100,-30\n", kElsewhere},
    {"arc length dragged with Control and Windows", "Outil Segment", "",
     "move 335.355,35.355\ndown 335.355,35.355\ndrag 345,45 350,50 control win\nup 350,50\n", kElsewhere},
    {"angle dragged with Control", "Outil Angle", "", "move 600,0\ndown 600,0\ndrag 640,30 650,50 control\nup 650,50\n",
     kElsewhere},
    {"radius dragged with Control", "Outil Cercle", "",
     "move 335.355,35.355\ndown 335.355,35.355\ndrag 370,70 380,80 control\nup 380,80\n", kElsewhere},
    // Alt turns the value along an arc or a line the other way, for the drag and every rebuild.
    {"arc length dragged with Alt", "Outil Segment", "",
     "move 335.355,35.355\ndown 335.355,35.355\ndrag 345,45 350,50 alt\nup 350,50\n", kElsewhere},
    {"along a curve dragged with Control and Windows", "Outil Segment", "",
     "move 100,205\ndown 100,205\ndrag 100,215 100,230 control win\nup 100,230\n", kElsewhere},
    // Alt lays a segment's ticks across it, Control adds ticks at its ends, for the drag and every rebuild.
    {"bezier division dragged with Alt and Control", "Outil Bézier", "",
     "move 60,0\ndown 60,0\ndrag 60,10 60,20 alt control\nup 60,20\n", kElsewhere},
    // A press on the hooked segment: its drag builds a dimension, its release drops it for drawing nothing and
    // gives the current dimension back with its own offset, not the one the drag left in force.
    // Its drag ends past the curve's reach, which is refused with one alert: the offset it was last drawn at
    // stays in force.
    {"along a curve dragged past its reach", "Outil Segment", "",
     "move 100,205\ndown 100,205\ndrag 100,195 100,60\nup 100,60\n", kElsewhere},
    {"parallel, then a dimension dropped at the release", "Outil Segment", "",
     "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 150,-15 100,-30\nup 100,-30\n",
     "move 2209,244\ndown 2209,244\ndrag 2225,252.5\nup 2225,252.5\n"},
    // The press divides the arc at the tick length in force; the cursor trembles less than a click's reach.
    {"arc division, a trembling click", "Outil Bézier", "",
     "move 317.918397,46.679021\ndown 317.918397,46.679021\ndrag 318.618397,47.379021\nup 318.618397,47.379021\n",
     kElsewhere},
    {"parallel on the slanted path", "Outil Segment", "",
     "move 0,-200\nclick 0,-200\nmove 200,-150\ndown 200,-150\ndrag 150,-200 100,-240\nup 100,-240\n", kElsewhere},
    // Side B is shorter than the geometry tells from a point: the arc starts where every rebuild starts it.
    {"angle at a vertex whose side is a hair", "Outil Angle", "",
     "path \"Pointe\" -1e-10,-1000 0,-1000 50,-900\nmove 0,-1000\ndown 0,-1000\ndrag -30,-980 -40,-960\n"
     "up -40,-960\n", kElsewhere},
};

// A panel setting: the actions that choose it. Actions on an item the tool's page does not offer are refused
// by the dialog manager on both roads alike.
struct PanelSetting {
    const char* Name;
    const char* Actions;
    const char* DragDecides = nullptr;  // a word of the kinds whose own drag sets what it sets: they skip it
    bool ChangesKind = false;  // it changes the dimension's kind, which a change on its closed layer leaves as it is
};

const PanelSetting kSettings[] = {
    {"unit", "panel choose 43 1\n"},
    {"unit shown", "panel choose 43 11\n"},
    {"no value", "panel choose 43 8\n"},
    {"precision", "panel enter 17 \"3\"\n"},
    {"scale", "panel choose 12 5\n"},
    {"end-mark preset", "panel click 85\n"},
    {"end-mark preset 4", "panel click 87\n"},
    {"end-mark size", "panel enter 9 \"150\"\n"},
    {"no end marks", "panel enter 9 \"0\"\n"},
    {"end-mark shape", "panel click 11\n"},
    {"end-mark shape from the flyout", "panel choose -5 2\n"},
    {"points preset 4", "panel click 11\npanel click 87\n"},
    {"text position", "panel click 20\n"},
    {"text side", "panel click 95\n"},
    {"text orientation", "panel click 19\n"},
    {"text size", "panel enter 22 \"14\"\n"},
    {"line width", "panel enter 7 \"2\"\n"},
    {"segment offsets", "panel enter 24 \"5\"\npanel enter 25 \"-3\"\n"},
    {"angle offsets", "panel enter 28 \"5\"\npanel enter 29 \"-3\"\n"},
    {"circle offsets", "panel enter 32 \"5\"\npanel enter 33 \"-3\"\n"},
    {"bezier offsets", "panel enter 36 \"5\"\npanel enter 37 \"-3\"\n"},
    {"circle tie", "panel enter 66 \"30\"\n"},
    {"ties", "panel click 94\n"},
    {"arc count", "panel enter 61 \"4\"\n"},
    {"arc gap", "panel enter 61 \"2\"\npanel enter 62 \"8\"\n"},
    {"angle format", "panel choose 48 1\n"},
    {"angle without value", "panel choose 48 2\n"},
    {"angle unit", "panel choose 48 5\n"},
    {"divisions", "panel enter 72 \"6\"\n"},
    {"tolerance", "panel click 58\n"},
    {"end-mark size, text beside", "panel click 20\npanel enter 9 \"150\"\n"},
    // Across a slanted path a drag measures its offset along the orientation in force, which one chosen after
    // keeps.
    {"horizontal orientation", "panel click 45\n", "slanted", true},
    {"path length", "panel enter 70 \"30\"\n", "division dragged"},
};

bool DragDecides(const DimensionKind& kind, const PanelSetting& setting) {
    return setting.DragDecides != nullptr && std::string(kind.Name).find(setting.DragDecides) != std::string::npos;
}

// Plays scripts on a fresh host each.
class Roads : public ::testing::Test {
protected:
    void TearDown() override { Stop(); }

    void Start() {
        Stop();
        ResetRecords();
        sim::ResetHost();
        sim::ThePlugin().Load(PluginMain, PluginResources);
        ASSERT_EQ(sim::ThePlugin().Startup(), kNoErr);
        sim::ThePlugin().SendNotifier(kAIApplicationStartedNotifier);
        started_ = true;
    }
    void Stop() {
        if (!started_) return;
        sim::ThePlugin().SendNotifier(kAIApplicationShutdownNotifier);
        sim::ThePlugin().Shutdown();
        started_ = false;
    }
    // Plays the script on a fresh host and answers the document's art; a failed play fails the test.
    std::string Play(const std::string& script) {
        Start();
        const driver::Scenario scenario = driver::ParseScenario("road.scn", script);
        driver::LogWriter log;
        driver::Player player(scenario, log, folder_.Path().string());
        try {
            player.SeedLeadingPreferences();
            player.PlayRest();
        } catch (const driver::PlayError& error) {
            ADD_FAILURE() << error.what();
        }
        return DocumentArt();
    }
    // The script up to the end of the kind's drag, with `before` played just before the drag.
    static std::string Drawn(const DimensionKind& kind, const std::string& before) {
        return std::string(kFigures) + "tool \"" + kind.Tool + "\"\n" + kind.Choose + before + kind.Drag;
    }

    WorkFolder folder_;
    bool started_ = false;
};

class RebuildEquivalence : public Roads, public ::testing::WithParamInterface<DimensionKind> {};

// The lines of `after` that `before` does not hold at the same place, and the reverse: what a failure shows.
std::string LineDifferences(const std::string& before, const std::string& after) {
    const auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t end = text.find('\n'); end != std::string::npos; start = end + 1, end = text.find('\n', start))
            out.push_back(text.substr(start, end - start));
        return out;
    };
    const std::vector<std::string> a = lines(before), b = lines(after);
    std::string out;
    for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "(nothing)", y = i < b.size() ? b[i] : "(nothing)";
        if (x != y) out += "  before: " + x + "\n  after:  " + y + "\n";
    }
    return out;
}

TEST_P(RebuildEquivalence, APanelChangeAfterTheDragBuildsWhatTheSameSettingBeforeItBuilds) {
    const DimensionKind& kind = GetParam();
    for (const PanelSetting& setting : kSettings) {
        if (DragDecides(kind, setting)) continue;
        const std::string before = Play(Drawn(kind, setting.Actions));
        const std::string after = Play(Drawn(kind, "") + kind.Elsewhere + setting.Actions);
        EXPECT_TRUE(after == before) << kind.Name << ", " << setting.Name << ":\n" << LineDifferences(before, after);
    }
}

// Road G: the drag, its layer locked, the setting chosen (refused on the dimension, kept for the next one), the
// layer unlocked and one more change (the line width; the division count too, for a division): the dimension
// of road A with both chosen before the drag.
TEST_P(RebuildEquivalence, ChangesOnAClosedLayerThenOneChangeOnceItOpensBuildWhatTheyBuildBeforeTheDrag) {
    const DimensionKind& kind = GetParam();
    const bool division = std::string(kind.Name).find("division") != std::string::npos;
    for (const std::string oneChange : {"panel enter 7 \"1\"\n", "panel enter 72 \"5\"\n"}) {
        if (oneChange.find(" 72 ") != std::string::npos && !division) continue;
        for (const PanelSetting& setting : kSettings) {
            if (DragDecides(kind, setting) || setting.ChangesKind) continue;
            const std::string before = Play(Drawn(kind, setting.Actions + oneChange));
            const std::string after = Play(Drawn(kind, "") + "lock \"Calque 1\"\n" + setting.Actions +
                                           "unlock \"Calque 1\"\n" + oneChange);
            EXPECT_TRUE(after == before) << kind.Name << ", " << setting.Name << ", " << oneChange
                                         << LineDifferences(before, after);
        }
    }
}

// The numeric fields of the panel: Enter in one with nothing typed takes the value it shows, in any unit.
const std::string kNothingTyped[] = {
    "7", "9", "15", "17", "22", "24", "25", "28", "29", "32", "33", "36", "37", "50", "61", "62", "65", "66", "70", "72",
    "15\npanel choose 43 1\npanel commit 15\npanel choose 43 5\npanel commit 15\npanel choose 43 0"};

// The first pick of a new dimension, by tool, which then waits for the second: a point, a side, an arc's end.
struct WaitingPick {
    const char* Tool;
    const char* Pick;
};

const WaitingPick kWaitingPicks[] = {
    {"Outil Segment", "move 400,-300\nclick 400,-300\n"},
    {"Outil Angle", "move 450,-300\nclick 450,-300\n"},
    {"Outil Cercle", "move 1350,0\nclick 1350,0\n"},
};

// Also while the first pick of another dimension waits: the panel then has no dimension of its own to rebuild,
// and neither the one just drawn nor a dimension between the waiting pick and old points may appear. Not a
// float's last bit may change.
TEST_P(RebuildEquivalence, EnterWithNothingTypedChangesNoArt) {
    const WholeNumbers whole;
    const DimensionKind& kind = GetParam();
    std::string waiting;
    for (const WaitingPick& pick : kWaitingPicks)
        if (std::string(pick.Tool) == kind.Tool) waiting = pick.Pick;
    for (const std::string& then : {std::string(kind.Elsewhere), kind.Elsewhere + waiting}) {
        const std::string drawn = Play(Drawn(kind, "") + then);
        for (const std::string& field : kNothingTyped) {
            const std::string entered = Play(Drawn(kind, "") + then + "panel commit " + field + "\n");
            EXPECT_TRUE(entered == drawn) << kind.Name << ", field " << field << (then == kind.Elsewhere ? "" : ", a pick waiting")
                                          << ":\n" << LineDifferences(drawn, entered);
        }
    }
}

// Presses that build and re-open nothing: the panel hidden and shown again with two Alt-clicks; a click on
// another path's end, which the Cercle tool refuses (it takes only an arc's end), as the Angle tool and the Bézier
// tool's divisions do (it is no vertex); a press on a closed path's arc, whose length the Segment tool refuses; a
// click on a locked layer; after the first pick of a new dimension, a cancel with Control, a second end on another
// path or a side parallel to the first, which the tools refuse. A change of tool (a Shift-click, or one in the
// palette after a first pick) forgets the current dimension: the setting chosen after the tool comes back changes
// no art.
struct IdlePress {
    const char* Name;
    const char* Press;
    const char* Tools;       // the tools it is played under, or the kinds, each name between bars; null: all
    bool AfterPick = false;  // played after the kind's tool's first pick (kWaitingPicks); none: the kind skips it
    bool ToolChange = false; // it changes tool; the kind's tool is chosen again after it
};

const IdlePress kIdlePresses[] = {
    {"two Alt-clicks", "click 300,-200 alt\nclick 300,-200 alt\n", nullptr},
    {"a refused end", "move 400,-300\nclick 400,-300\n",
     "|Outil Cercle|Outil Angle|bezier division|bezier division dragged|curve division dragged|reticle|"},
    {"a refused closed path", "move 2035.355,335.355\nclick 2035.355,335.355\n", "|Outil Segment|"},
    {"a locked layer",
     "layer \"Verrou\"\npath \"Cale\" 2000,-500 2100,-500 2100,-400\nlock \"Verrou\"\nmove 2100,-500\nclick 2100,-500\n",
     nullptr},
    {"a Shift-click to the next tool", "click 300,-200 shift\n", nullptr, false, true},
    {"a first pick cancelled with Control", "move 300,-200 control\n", nullptr, true},
    {"a first pick, then a change of tool", "tool \"Select Tool\"\n", nullptr, true, true},
    {"a first end, then a refused second end", "move 350,0\nclick 350,0\n", "|Outil Cercle|", true},
    {"a first side, then a parallel side", "move 100,0\nclick 100,0\n", "|Outil Angle|", true},
    {"a first pick cancelled on the panel", "panel click 5 control\n", nullptr, true},
    {"a first pick, then the series switched on and off", "panel click 93\npanel click 93\n", "|Outil Segment|",
     true},
    {"a click whose creation dialog is cancelled", "move 600,600\nclick 600,600\n", nullptr},
    {"a series of two points refused at its drag", "panel click 93\nmove 1000,0\nclick 1000,0\nmove 1200,0\n"
     "down 1200,0\ndrag 1200,-30\nup 1200,-30\npanel click 93\n", "|Outil Segment|"},
};

// Road E: the drag, a press that builds nothing, then the setting: the dimension of road A (the same press after
// it, which changes nothing).
TEST_P(RebuildEquivalence, APressThatBuildsNothingLeavesTheDimensionThePanelRebuilds) {
    const DimensionKind& kind = GetParam();
    for (const IdlePress& row : kIdlePresses) {
        const auto named = [&row](const char* name) {
            return std::string(row.Tools).find(std::string("|") + name + "|") != std::string::npos;
        };
        if (row.Tools != nullptr && !named(kind.Tool) && !named(kind.Name)) continue;
        std::string press = row.Press;
        if (row.AfterPick) {
            const auto pick =
                std::find_if(std::begin(kWaitingPicks), std::end(kWaitingPicks),
                             [&kind](const WaitingPick& p) { return std::string(p.Tool) == kind.Tool; });
            if (pick == std::end(kWaitingPicks)) continue;
            press = pick->Pick + press;
        }
        if (row.ToolChange) press += std::string("tool \"") + kind.Tool + "\"\n";
        const std::string forgotten = row.ToolChange ? Play(Drawn(kind, "") + press) : std::string();
        const std::string forgottenAlerts = Alerts();
        for (const PanelSetting& setting : kSettings) {
            if (DragDecides(kind, setting)) continue;
            const std::string before = row.ToolChange ? forgotten : Play(Drawn(kind, setting.Actions) + press);
            const std::string beforeAlerts = row.ToolChange ? forgottenAlerts : Alerts();
            const std::string after = Play(Drawn(kind, "") + press + setting.Actions);
            EXPECT_TRUE(after == before) << kind.Name << ", " << row.Name << ", " << setting.Name << ":\n"
                                         << LineDifferences(before, after);
            EXPECT_EQ(Alerts(), beforeAlerts) << kind.Name << ", " << row.Name << ", " << setting.Name;
        }
    }
}

// A series after a dimension of any kind is the series drawn alone: the dimension given back at its points lends
// it none of its modes.
TEST_F(Roads, ASeriesAfterADimensionOfAnyKindIsTheSeriesDrawnAlone) {
    const std::string series = "tool \"Outil Segment\"\npanel click 93\nmove 1700,0\nclick 1700,0\nmove 1600,0\n"
                               "click 1600,0\nmove 1660,80\ndown 1660,80\ndrag 1700,90 1720,80\nup 1720,80\n";
    Play(kFigures + series);
    const std::string alone = DimensionGroups().at(0);
    for (const size_t k : {2u, 3u, 4u, 6u}) {  // an arc's length, along a curve, an angle, a radius
        Play(Drawn(kKinds[k], "") + series);
        EXPECT_TRUE(DimensionGroups().at(0) == alone) << kKinds[k].Name << LineDifferences(alone, DimensionGroups()[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RebuildEquivalence, ::testing::ValuesIn(kKinds),
                         [](const ::testing::TestParamInfo<DimensionKind>& info) { return CaseName(info.param.Name); });

// A kind a click re-opens: a second dimension of the kind dragged elsewhere to another offset, radius or label
// point, and the click on a part of the first that re-opens it.
struct ReopenedKind {
    DimensionKind Kind;
    const char* Second;
    const char* Reopen;
};

constexpr const char* kSecondAngle = "move 1600,0\ndown 1600,0\ndrag 1640,30 1670,70\nup 1670,70\n";
constexpr const char* kSecondCircle =
    "move 1335.355,35.355\ndown 1335.355,35.355\ndrag 1370,90 1390,110\nup 1390,110\n";

const ReopenedKind kReopenedKinds[] = {
    {kKinds[0], "move 1000,0\nclick 1000,0\nmove 1200,0\ndown 1200,0\ndrag 1150,-40 1100,-60\nup 1100,-60\n",
     "move 40,-30\nclick 40,-30\n"},
    {kKinds[1],
     "move 1000,-200\nclick 1000,-200\nmove 1200,-150\ndown 1200,-150\ndrag 1150,-230 1100,-290\nup 1100,-290\n",
     "move 40,-240\nclick 40,-240\n"},
    {kKinds[4], kSecondAngle, "move 667.25,21.85\nclick 667.25,21.85\n"},
    {kKinds[5], kSecondAngle, "move 667.25,21.85\nclick 667.25,21.85\n"},
    {kKinds[6], kSecondCircle, "move 360,60\nclick 360,60\n"},
    {kKinds[7], kSecondCircle, "move 360,60\nclick 360,60\n"},
    // A radius re-opened while the panel shows diameter stays a radius.
    {kKinds[19],
     "tool \"Select Tool\"\ntool \"Outil Cercle\"\npanel click 68\nmove 1335.355,35.355\ndown 1335.355,35.355\n"
     "drag 1370,90 1390,110\nup 1390,110\n",
     "move 300,75\nclick 300,75\n"},
};

class ReopenEquivalence : public Roads, public ::testing::WithParamInterface<ReopenedKind> {};

// Road A: the setting chosen, then the drag. Road C: the drag, a second dimension dragged elsewhere, a click
// re-opening the first, the setting. Road D: road C with update-all on. The first dimension of each is the same
// art; the second of road D is the one its own drag made.
TEST_P(ReopenEquivalence, AReopenedDimensionChangedOnThePanelIsTheOneItsOwnDragUnderThatSettingBuilds) {
    const ReopenedKind& c = GetParam();
    const DimensionKind& kind = c.Kind;
    const std::string redraw = "pref \"VekTavorine\" \"Redessiner\" bool true\n";
    Play(Drawn(kind, "") + c.Second);
    const std::vector<std::string> fresh = DimensionGroups();
    ASSERT_EQ(fresh.size(), 2u);
    for (const PanelSetting& setting : kSettings) {
        Play(Drawn(kind, setting.Actions));
        const std::vector<std::string> a = DimensionGroups();
        const std::string reopened = Drawn(kind, "") + c.Second + c.Reopen + setting.Actions;
        Play(reopened);
        const std::vector<std::string> roadC = DimensionGroups();
        Play(redraw + reopened);
        const std::vector<std::string> roadD = DimensionGroups();
        ASSERT_EQ(a.size(), 1u);
        ASSERT_EQ(roadC.size(), 2u) << kind.Name << ", " << setting.Name;
        ASSERT_EQ(roadD.size(), 2u) << kind.Name << ", " << setting.Name;
        EXPECT_TRUE(roadC[1] == a[0]) << kind.Name << ", " << setting.Name << ", re-opened:\n"
                                      << LineDifferences(a[0], roadC[1]);
        EXPECT_TRUE(roadD[1] == a[0]) << kind.Name << ", " << setting.Name << ", update-all:\n"
                                      << LineDifferences(a[0], roadD[1]);
        EXPECT_TRUE(roadD[0] == fresh[0]) << kind.Name << ", " << setting.Name << ", the other after update-all:\n"
                                          << LineDifferences(fresh[0], roadD[0]);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ReopenEquivalence, ::testing::ValuesIn(kReopenedKinds),
                         [](const ::testing::TestParamInfo<ReopenedKind>& info) {
                             return CaseName(info.param.Kind.Name);
                         });

}  // namespace

namespace {

// Live values changed on the panel before the drag, which the reload puts back to the stored ones.
constexpr const char* kLiveChanges =
    "panel enter 9 \"150\"\npanel enter 7 \"2\"\npanel choose 43 1\npanel enter 17 \"3\"\npanel enter 22 \"14\"\n";

class ReloadEquivalence : public RebuildEquivalence {};

// A kind, and the kind a reload turns it into: multiple arcs go back to one.
struct ReloadCase {
    DimensionKind Kind;
    DimensionKind Reloaded;
};

const ReloadCase kReloadCases[] = {
    {kKinds[0], kKinds[0]}, {kKinds[2], kKinds[2]}, {kKinds[3], kKinds[3]}, {kKinds[4], kKinds[4]},
    {kKinds[5], kKinds[4]}, {kKinds[6], kKinds[6]}, {kKinds[8], kKinds[8]},
};

// The reload puts the dimension's own distances (offset, arc radius) back to the stored ones too: the fresh
// build under the stored settings is a drag reloaded with nothing changed.
TEST_F(ReloadEquivalence, AReloadAfterTheDragBuildsWhatAFreshDragUnderTheStoredSettingsBuilds) {
    for (const ReloadCase& c : kReloadCases) {
        const std::string fresh = Play(Drawn(c.Reloaded, "") + "panel click 5\n");
        const std::string reloaded =
            Play(Drawn(c.Kind, kLiveChanges) + c.Kind.Elsewhere + "panel click 5\n");
        EXPECT_TRUE(reloaded == fresh) << c.Kind.Name << ":\n" << LineDifferences(fresh, reloaded);
    }
}

// Linear dimensions of mixed orientations: the orientation chosen while the next one's first point waits, or
// swapped by Alt for one drag; each is rebuilt by update-all along its own.
struct MixedOrientations {
    const char* Name;
    const char* Script;
    const char* Reopen;   // a click on the first dimension's line, which re-opens it; null: it re-opens none
    int32_t Orientation;  // the first dimension's own, as "RadioCoteType" numbers them
    const char* Group;    // the first dimension's group name
};

const MixedOrientations kMixedOrientations[] = {
    {"horizontal, then vertical chosen for the next",
     "path \"Plaque\" 0,0 200,0 200,100 0,100 closed\ntool \"Outil Segment\"\npanel click 45\n"
     "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 100,-20 100,-30\nup 100,-30\n"
     "move 200,0\nclick 200,0\npanel click 46\nmove 200,100\ndown 200,100\ndrag 230,50 240,50\nup 240,50\n",
     "move 40,-30\nclick 40,-30\n", 1, "Segment horiz"},
    {"vertical by an Alt drag with horizontal in force",
     "path \"Biais\" 0,-200 200,-150\ntool \"Outil Segment\"\npanel click 45\n"
     "move 0,-200\nclick 0,-200\nmove 200,-150\ndown 200,-150\ndrag 230,-170 240,-180 alt\nup 240,-180 alt\n",
     "move 240,-192\nclick 240,-192\n", 2, "Segment verti"},
    {"horizontal, then parallel chosen for the next",
     "path \"Barre\" 0,0 200,0\npath \"Biais\" 0,-200 200,-150\ntool \"Outil Segment\"\npanel click 45\n"
     "move 0,-200\nclick 0,-200\nmove 200,-150\ndown 200,-150\ndrag 150,-200 100,-240\nup 100,-240\n"
     "move 0,0\nclick 0,0\npanel click 44\nmove 200,0\ndown 200,0\ndrag 150,-15 100,-30\nup 100,-30\n",
     "move 40,-240\nclick 40,-240\n", 1, "Segment horiz"},
    {"a horizontal series, then vertical chosen for the next",
     "path \"Plaque\" 0,0 300,0 300,100 0,100 closed\npath \"Rainure\" 100,40 200,40\ntool \"Outil Segment\"\n"
     "panel click 45\npanel click 93\nmove 0,0\nclick 0,0\nmove 100,40\nclick 100,40\nmove 200,40\nclick 200,40\n"
     "move 300,0\ndown 300,0\ndrag 200,-30 150,-40\nup 150,-40\npanel click 46\n",
     nullptr, 1, "Segment série horiz"},
};

TEST_F(ReloadEquivalence, UpdateAllWithNothingChangedLeavesEveryLinearAndAngleDimensionAsItWas) {
    for (const DimensionKind& kind : {kKinds[0], kKinds[1], kKinds[4], kKinds[5]}) {
        const std::string drawn = Play(Drawn(kind, "") + kind.Elsewhere);
        ASSERT_EQ(RebuildEvery(LinearDimensionsToUpdate(), RebuildSegmentDimensionOf), kNoErr);
        ASSERT_EQ(RebuildEvery(AngleDimensionsToUpdate(), RebuildAngleDimensionOf), kNoErr);
        const std::string updated = DocumentArt();
        EXPECT_TRUE(updated == drawn) << kind.Name << ":\n" << LineDifferences(drawn, updated);
    }
}

// Update-all, and a re-open click with update-all on, keep each linear dimension along its own orientation.
TEST_F(ReloadEquivalence, UpdateAllKeepsEachLinearDimensionAlongItsOwnOrientation) {
    for (const MixedOrientations& row : kMixedOrientations) {
        const std::string drawn = Play(row.Script);
        EXPECT_EQ(DimensionGroups().back().rfind(std::string("group \"") + row.Group + "\"", 0), 0u) << row.Name;
        ASSERT_EQ(RebuildEvery(LinearDimensionsToUpdate(), RebuildSegmentDimensionOf), kNoErr);
        const std::string updated = DocumentArt();
        EXPECT_TRUE(updated == drawn) << row.Name << ":\n" << LineDifferences(drawn, updated);
    }
}

// A re-open puts the dimension's own orientation in force, and the panel shows it: the text orientation, which a
// horizontal dimension does not offer, is enabled for the others only.
TEST_F(ReloadEquivalence, AReopenPutsTheDimensionsOwnOrientationInForceAndShowsIt) {
    for (const MixedOrientations& row : kMixedOrientations) {
        if (row.Reopen == nullptr) continue;
        Play(std::string(row.Script) + row.Reopen);
        EXPECT_EQ(gCurrentOptions.DimensionOrientation, row.Orientation) << row.Name;
        const ADMDialogRef panel = sim::TheDialogs().FindDialog("Tavorine");
        ASSERT_NE(panel, nullptr);
        const sim::ItemData* textOrientation = sim::TheDialogs().Item(sim::TheDialogs().FindItem(panel, 19));
        ASSERT_NE(textOrientation, nullptr);
        EXPECT_EQ(textOrientation->enabled, row.Orientation != 1) << row.Name;
    }
}

}  // namespace

namespace {

// The description with every number rounded to what a user could tell apart: a placement kept in a tag and
// one a drag measured on a turned line differ in their last float digits only.
std::string RoundedNumbers(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool sign =
            c == '-' && i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]));
        if (std::isalpha(c) || c == '_') {
            for (; i < text.size() && (std::isalnum(static_cast<unsigned char>(text[i])) || text[i] == '_');
                 ++i)
                out += text[i];
        } else if (std::isdigit(c) || sign) {
            char* end = nullptr;
            const double x = std::strtod(text.c_str() + i, &end);
            out += Rounded(x);
            i = static_cast<size_t>(end - text.c_str());
        } else {
            out += text[i++];
        }
    }
    return out;
}

// Road F: a dimension dragged, its measured path then changed by the user with the host's tools (moved, or
// one measured anchor moved), then re-opened by a click on one of its parts (or, with "Redessiner" on, that
// click rebuilding every dimension of its kind). The dimension follows: the document is the one a fresh drag
// on the changed path at the same placement (offset, arc radius and side, leader bend) builds.
// A kind of linked dimension: its tool and panel choice, its drag on the figures as drawn, a click on one of
// its parts where that drag left it, and whether its tool rebuilds every dimension of its kind with
// "Redessiner" on.
struct LinkedKind {
    const char* Tool;
    const char* Choose;
    const char* Drag;
    const char* Reopen;
    bool UpdateAll;
};

const LinkedKind kParallel{"Outil Segment", "",
                           "move 0,0\nclick 0,0\nmove 200,0\ndown 200,0\ndrag 150,-15 100,-30\nup 100,-30\n",
                           "move 40,-30\nclick 40,-30\n", true};
const LinkedKind kBetweenTwoPaths{
    "Outil Segment", "", "move 0,0\nclick 0,0\nmove 200,-150\ndown 200,-150\ndrag 82,-99\nup 82,-99\n",
    "move 22,-54\nclick 22,-54\n", true};
const LinkedKind kHorizontal{
    "Outil Segment", "panel click 45\n",
    "move 0,-200\nclick 0,-200\nmove 200,-150\ndown 200,-150\ndrag 150,-200 100,-240\nup 100,-240\n",
    "move 40,-240\nclick 40,-240\n", true};
const LinkedKind kVertical{
    "Outil Segment", "panel click 46\n",
    "move 0,-200\nclick 0,-200\nmove 200,-150\ndown 200,-150\ndrag 220,-170 240,-175\nup 240,-175\n",
    "move 240,-215\nclick 240,-215\n", true};
const LinkedKind kAngle{"Outil Angle", "", "move 600,0\ndown 600,0\ndrag 640,30 650,50\nup 650,50\n",
                        "move 667.25,21.85\nclick 667.25,21.85\n", true};
constexpr const char* kCircleDrag =
    "move 335.355,35.355\ndown 335.355,35.355\ndrag 370,70 380,80\nup 380,80\n";
const LinkedKind kRadius{"Outil Cercle", "", kCircleDrag, "move 360,60\nclick 360,60\n", false};
const LinkedKind kDiameter{"Outil Cercle", "panel click 68\n", kCircleDrag, "move 360,60\nclick 360,60\n",
                           false};

// A change of a dimension's measured path, and the drag on the changed path that gives the dimension the same
// placement.
struct ChangedPath {
    const char* Name;
    const LinkedKind& Kind;
    const char* Change;
    const char* FreshDrag;
};

const ChangedPath kChangedPaths[] = {
    {"parallel, path moved", kParallel, "translate \"Barre\" 50,40\n",
     "move 50,40\nclick 50,40\nmove 250,40\ndown 250,40\ndrag 200,25 150,10\nup 150,10\n"},
    {"parallel, anchor moved", kParallel, "reshape \"Barre\" 1 0,40\n",
     "move 0,0\nclick 0,0\nmove 200,40\ndown 200,40\ndrag 105.883484,-9.41742\nup 105.883484,-9.41742\n"},
    {"parallel between two paths, the second moved", kBetweenTwoPaths, "translate \"Biais\" -200,100\n",
     "move 0,0\nclick 0,0\nmove 0,-50\ndown 0,-50\ndrag -30,-25\nup -30,-25\n"},
    {"horizontal, path moved", kHorizontal, "translate \"Biais\" 30,-20\n",
     "move 30,-220\nclick 30,-220\nmove 230,-170\ndown 230,-170\ndrag 180,-220 130,-260\nup 130,-260\n"},
    {"horizontal, anchor moved", kHorizontal, "reshape \"Biais\" 0 -40,10\n",
     "move -40,-190\nclick -40,-190\nmove 200,-150\ndown 200,-150\ndrag 80,-230\nup 80,-230\n"},
    {"vertical, path moved", kVertical, "translate \"Biais\" 30,-20\n",
     "move 30,-220\nclick 30,-220\nmove 230,-170\ndown 230,-170\ndrag 250,-190 270,-195\nup 270,-195\n"},
    {"vertical, anchor moved", kVertical, "reshape \"Biais\" 0 30,-10\n",
     "move 30,-210\nclick 30,-210\nmove 200,-150\ndown 200,-150\ndrag 270,-180\nup 270,-180\n"},
    {"angle, path moved", kAngle, "translate \"Equerre\" -50,30\n",
     "move 550,30\ndown 550,30\ndrag 590,60 600,80\nup 600,80\n"},
    {"angle, side's anchor moved", kAngle, "reshape \"Equerre\" 2 -40,0\n", kAngle.Drag},
    {"angle, vertex moved", kAngle, "reshape \"Equerre\" 1 -20,10\n",
     "move 580,10\ndown 580,10\ndrag 638.514192,49.6999916\nup 638.514192,49.6999916\n"},
    {"radius, path moved", kRadius, "translate \"Arc\" 10,20\n",
     "move 345.355,55.355\ndown 345.355,55.355\ndrag 380,90 390,100\nup 390,100\n"},
    {"diameter, path moved", kDiameter, "translate \"Arc\" 10,20\n",
     "move 345.355,55.355\ndown 345.355,55.355\ndrag 380,90 390,100\nup 390,100\n"},
};

// The figures, then `before`, then the kind's tool and its panel choice.
std::string KindScript(const LinkedKind& kind, const std::string& before) {
    return std::string(kFigures) + before + "tool \"" + kind.Tool + "\"\n" + kind.Choose;
}

class FollowedPath : public Roads, public ::testing::WithParamInterface<ChangedPath> {};

TEST_P(FollowedPath, AReopenAfterTheMeasuredPathChangedBuildsWhatAFreshDragOnTheChangedPathBuilds) {
    const ChangedPath& c = GetParam();
    const std::string fresh = RoundedNumbers(Play(KindScript(c.Kind, c.Change) + c.FreshDrag));
    const std::string changed = KindScript(c.Kind, "") + c.Kind.Drag + c.Change + c.Kind.Reopen;
    const std::string reopened = RoundedNumbers(Play(changed));
    EXPECT_TRUE(reopened == fresh) << c.Name << ", re-opened:\n" << LineDifferences(fresh, reopened);
    EXPECT_TRUE(sim::TheLogs().alerts.empty()) << c.Name << ": " << sim::TheLogs().alerts.front().text;
    if (!c.Kind.UpdateAll)
        return;
    const std::string updated =
        RoundedNumbers(Play("pref \"VekTavorine\" \"Redessiner\" bool true\n" + changed));
    EXPECT_TRUE(updated == fresh) << c.Name << ", update-all:\n" << LineDifferences(fresh, updated);
}

INSTANTIATE_TEST_SUITE_P(Changes, FollowedPath, ::testing::ValuesIn(kChangedPaths),
                         [](const ::testing::TestParamInfo<ChangedPath>& info) {
                             return CaseName(info.param.Name);
                         });

// A measured path deleted under its dimension: the re-open click (and update-all) finds no path, says so once
// and leaves the dimension as its drag left it. Another dimension of its kind, dragged after it, was the
// current one before the click; the click leaves none current, so that the next panel change changes neither.
TEST_F(Roads, ADimensionWhoseMeasuredPathIsDeletedStaysAsItWasAndTheUserIsToldOnce) {
    constexpr const char* kSecondParallel =
        "move 1000,0\nclick 1000,0\nmove 1200,0\ndown 1200,0\ndrag 1150,-40 1100,-60\nup 1100,-60\n";
    constexpr const char* kSecondProjected = "move 1000,-200\nclick 1000,-200\nmove 1200,-150\ndown 1200,-150\n"
                                             "drag 1150,-230 1100,-290\nup 1100,-290\n";
    const struct {
        const LinkedKind& Kind;
        const char* Deleted;
        const char* Other;
    } deletions[] = {{kParallel, "Barre", kSecondParallel},    {kBetweenTwoPaths, "Biais", kSecondParallel},
                     {kHorizontal, "Biais", kSecondProjected}, {kVertical, "Biais", kSecondProjected},
                     {kAngle, "Equerre", kSecondAngle},        {kRadius, "Arc", kSecondCircle}};
    for (const auto& d : deletions) {
        const std::string drawn = KindScript(d.Kind, "") + d.Kind.Drag + d.Other;
        Play(drawn);
        const std::vector<std::string> before = DimensionGroups();
        for (const char* redraw : {"", "pref \"VekTavorine\" \"Redessiner\" bool true\n"}) {
            Play(redraw + drawn + "delete \"" + d.Deleted + "\"\n" + d.Kind.Reopen + "panel enter 7 \"2\"\n");
            EXPECT_EQ(DimensionGroups(), before) << d.Kind.Drag << redraw;
            ASSERT_EQ(sim::TheLogs().alerts.size(), 1u) << d.Kind.Drag << redraw;
            EXPECT_EQ(sim::TheLogs().alerts[0].text, kMeasuredPathNotFoundAlert);
        }
    }
}

} // namespace
