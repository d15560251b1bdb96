// The examples of the five tools played end to end: the dimensions they leave in the document, its tree and
// its SVG, and what the host recorded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scenarios/DriverRun.h"

namespace scenarios {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Plays examples/NAME.scn into a fresh folder; the outputs go to out/.
class ToolExample : public ::testing::Test {
  protected:
    void Play(const std::string& name) {
        const DriverResult result = folder.Run(
            {TAVORINE_SOURCE_DIR "/examples/" + name + ".scn", "-o", "out", "--prefs", "out/prefs.txt"});
        ASSERT_EQ(result.status, 0) << result.errors;
        ASSERT_EQ(result.errors, "");
        tree = folder.Read("out/" + name + ".tree.txt");
        svg = folder.Read("out/" + name + ".svg");
        log = folder.Read("out/" + name + ".log");
    }
    // The section of the log that line `line` of the script opened.
    std::string Section(int line) const {
        const std::string title = "== " + std::to_string(line) + ": ";
        const size_t start = log.find(title);
        if (start == std::string::npos)
            return {};
        const size_t end = log.find("\n== ", start);
        return log.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
    }
    WorkFolder folder;
    std::string tree, svg, log;
};

// The SVG text element of a label, its text in a span.
std::string SvgLabel(const std::string& text) {
    return "<tspan font-family=\"Arial\" font-size=\"12\" fill=\"#c4197f\">" + text + "</tspan></text>";
}

TEST_F(ToolExample, SegmentDimensionsBetweenTwoAnchorsAndOfOneSegmentAreLinkedToTheirPaths) {
    Play("segment-tool");
    // Newest on top: the groove's dimension, then the plate's.
    ExpectInOrder(tree,
                  {"  group \"Segment oblique\"", "contents=\"28,22 mm\"",
                   "tags={mods=string:jj, num1=string:0, num2=string:1, red=string:jj, surseg=string:1, "
                   "vek=string:jj}",
                   // The plate's drag ended nearer its second end: the side an outside value would take.
                   "  group \"Segment oblique\" tags={attaches=string:-20, hors=string:1}\n", "contents=\"56,44 mm\"",
                   "tags={mods=string:jj, num1=string:0, num2=string:1, red=string:jj, segpt1=string:1, "
                   "segpt2=string:1, vek=string:jj}",
                   "  path \"Rainure\" open tags={surseg=string:1} ",
                   "  path \"Plaque\" closed tags={segpt1=string:1, segpt2=string:1} "});
    EXPECT_EQ(Count(tree, "  group "), 2u);
    // The drags placed the lines: the plate's 20 below its edge, the groove's 20 above it, each line leaving
    // room for its label in the middle and its extension lines running from the anchors past it. The groove's
    // 80 points hold its value but not the value and two arrowheads: the arrowheads point in from outside,
    // the line running on an arrowhead's length past each.
    ExpectInOrder(tree, {"anchors=[(20,140) (49.2,140)]", "anchors=[(110.8,140) (140,140)]",
                         "anchors=[(40,120) (40,144)]", "anchors=[(120,120) (120,144)]",
                         "anchors=[(2,-20) (49.2,-20)]", "anchors=[(110.8,-20) (158,-20)]",
                         "anchors=[(0,0) (0,-24)]", "anchors=[(160,0) (160,-24)]"});
    EXPECT_THAT(svg, HasSubstr("d=\"M2,20 L49.2,20\""));
    EXPECT_THAT(svg, HasSubstr("d=\"M0,0 L0,24\""));
    // The last dimension built is the one selected.
    EXPECT_THAT(tree, HasSubstr("  group \"Segment oblique\" attrs=selected,fully-selected tags={attaches=string:20}\n"));
    EXPECT_THAT(svg, HasSubstr(SvgLabel("56,44 mm")));
    EXPECT_THAT(svg, HasSubstr(SvgLabel("28,22 mm")));
    // Two anchors beep 9000 Hz each, the one-click segment 9001 Hz.
    EXPECT_THAT(Section(14), HasSubstr("beep 9000 Hz 100 ms\n"));
    EXPECT_THAT(Section(16), HasSubstr("beep 9000 Hz 100 ms\n"));
    EXPECT_THAT(Section(22), HasSubstr("beep 9001 Hz 100 ms\n"));
    EXPECT_EQ(Count(log, "beep "), 3u);
    EXPECT_THAT(log, Not(HasSubstr("alert ")));
}

TEST_F(ToolExample, AnAngleAtAVertexIsLinkedToItsThreeAnchors) {
    Play("angle");
    ExpectInOrder(tree, {"  group \"Angle\" attrs=selected,fully-selected tags={hors=string:1, rayon=string:70.7106781, "
                         "rentrant=string:0}\n",
                         "contents=\"53,1°\"",
                         "tags={ang=string:1, moda=string:jj, num1=string:0, num2=string:1, num3=string:2, "
                         "vek=string:jj}",
                         "  path \"Équerre\" open tags={ang=string:1} "});
    EXPECT_EQ(Count(tree, "  group "), 1u);
    // Dragged to 50,50: the arc's radius is the distance from the vertex, 70.71068, from side B (towards
    // 100,0) to side A (towards 60,80).
    EXPECT_THAT(tree, HasSubstr("anchors=[(70.71068,0 in 70.71068,0 out 70.71068,22.256702 smooth) "
                                "(42.426407,56.568542 in "));
    EXPECT_THAT(svg, HasSubstr(SvgLabel("53,1°")));
    // Over the vertex the annotator names it and reads the angle out before the click.
    EXPECT_THAT(Section(11), HasSubstr("drawn text \"Point d'ancrage (sommet)\""));
    EXPECT_THAT(Section(11), HasSubstr("drawn text \"Angle=53,1°\""));
    EXPECT_THAT(Section(12), HasSubstr("beep 9000 Hz 100 ms\n"));
}

TEST_F(ToolExample, OneClickOnAnArcGivesItsRadiusLinkedToTheArc) {
    Play("circle");
    ExpectInOrder(tree, {"  group \"Cercle Rayon\" attrs=selected,fully-selected tags={coude=string:53.0330086 53.0330086}\n", "contents=\"R17,64 mm\"",
                         // The radius line runs from the centre to the arc at the click.
                         "tags={cer=string:1, modc=string:jj, num1=string:0, num2=string:1, red=string:jj, "
                         "vek=string:jj} ",
                         "anchors=[(0,0) (35.35534,35.35534)]", "  path \"Arc\" open tags={cer=string:1} "});
    EXPECT_THAT(svg, HasSubstr(SvgLabel("R17,64 mm")));
    EXPECT_THAT(Section(11), HasSubstr("beep 9001 Hz 100 ms\n"));
    EXPECT_THAT(Section(12), HasSubstr("drawn text \"R17,64 mm\""));
}

TEST_F(ToolExample, ASegmentIsDividedIntoEqualPartsWithATickAtEachDivision) {
    Play("bezier");
    ExpectInOrder(tree, {"  group \"Bézier partage segment\" attrs=selected,fully-selected tags={tic=string:14.1732283}\n",
                         "anchors=[(120,0) (120,14.173228)]", "anchors=[(80,0) (80,14.173228)]",
                         "anchors=[(40,0) (40,14.173228)]", "anchors=[(0,0) (0,14.173228)]",
                         "  path \"Barre\" open "});
    EXPECT_EQ(Count(tree, "    path open "), 4u);
    EXPECT_THAT(svg, HasSubstr("d=\"M80,0 L80,-14.173228\""));
    EXPECT_THAT(Section(10), HasSubstr("beep 9001 Hz 100 ms\n"));
    EXPECT_THAT(Section(11), HasSubstr("drawn text \"Partage en 3\""));
}

TEST_F(ToolExample, LengthsAndAreasGathersPathsAndMeasuresBetweenTwoAnchors) {
    Play("lengths-areas");
    // The tool builds no dimension; the hole taken with Shift and Alt is marked for subtraction.
    EXPECT_EQ(Count(tree, "group "), 0u);
    const std::string firstDump = Section(17);
    EXPECT_THAT(firstDump,
                HasSubstr("  path \"Lumière\" closed attrs=selected,fully-selected tags={spa=string:jj} "));
    EXPECT_THAT(firstDump, HasSubstr("  path \"Plaque\" closed attrs=selected,fully-selected stroke="));
    // The panel's read-out: the plate's 20000 square points less the hole's 1600.
    const std::string panel = folder.Read("out/lengths-areas.panel.svg");
    EXPECT_THAT(panel, HasSubstr(">A (sélection)=2289,92 mm2<"));
    EXPECT_THAT(panel, HasSubstr(">Nombre de tracés=2.<"));
    // Between the two anchors: the whole outline and the part from the first anchor to the hovered one.
    EXPECT_THAT(Section(25), HasSubstr("drawn text \"L totale courbe=211,67 mm\""));
    EXPECT_THAT(Section(25), HasSubstr("drawn text \"L partie courbe=35,28 mm\""));
    EXPECT_THAT(Section(23), HasSubstr("beep 9000 Hz 100 ms\n"));
    EXPECT_THAT(Section(27), HasSubstr("beep 9000 Hz 100 ms\n"));
    // The panel's curve-part line follows the hover.
    EXPECT_THAT(panel, HasSubstr(">L partie courbe=<"));
    // The empty click emptied the set and the anchor took the plate back alone: its own area, not the hole's
    // negative one.
    const std::string partie = folder.Read("out/lengths-areas.panel.partie.svg");
    EXPECT_THAT(partie, HasSubstr(">L partie courbe=35,28 mm<"));
    EXPECT_THAT(partie, HasSubstr(">A (sélection)=2489,04 mm2<"));
    EXPECT_THAT(partie, HasSubstr(">Nombre de tracés=1.<"));
    EXPECT_THAT(log, Not(HasSubstr("alert ")));
}

TEST_F(ToolExample, EmptyClicksDragFiguresAndOpenTheCreationDialogsWhoseOkStoresTheNextFigures) {
    Play("creation");
    // Top first: the sector, the arc and the circle, four angles, four segments. Only the figures drawn with
    // "Avec cote." on keep their click's group, linked to them; the clicks that opened a dialog leave nothing.
    EXPECT_EQ(Count(tree, "\n  group \"Segment oblique\""), 2u);
    EXPECT_EQ(Count(tree, "\n  group \"Angle\""), 2u);
    EXPECT_EQ(Count(tree, "\n  group \"Cercle Rayon\""), 2u);
    EXPECT_EQ(Count(tree, "\n  group "), 6u);
    EXPECT_THAT(tree, Not(HasSubstr("contents=\"\"")));
    ExpectInOrder(tree, {
        // The sector of three quarters and a bit: closed through its centre, no dimension.
        "  path closed stroke=", "(560,-460 in 556.6951,-460.5508 out 560,-460) (550,-400)]",
        // A quarter arc from 0 degrees and the circle, each above its dimension.
        "  path open tags={cer=string:2} ", "anchors=[(310,-400 in 310,-400 out 310,-366.8629) (250,-340 ",
        "contents=\"R21,2 mm\"", "  path closed tags={cer=string:1} ", "anchors=[(-63.63961,-400 ",
        "contents=\"R22,5 mm\"",
        // The angles the dialog set: from 0 degrees (Windows key), then centred on 0, without dimensions.
        "anchors=[(820.7107,-200) (750,-200) (800,-150)]",
        "anchors=[(666.9061,-217.90906) (600,-200) (666.9061,-182.09094)]",
        "contents=\"51,3°\"", "contents=\"60,0°\"",
        // The segments the dialog set, 1.5 pt at 30 degrees: from the click (Windows key), then centred.
        "width=1.5 cap=butt join=bevel miter=4 fill=none anchors=[(700,40) (754.7723,71.62278)]",
        "width=1.5 cap=butt join=bevel miter=4 fill=none anchors=[(580.6351,28.819658) (619.3649,51.18034)]",
        "anchors=[(235,24.999998) (265,55)]", "contents=\"15,0 mm\"", "anchors=[(0,0) (85.146935,85.146935)]",
        "contents=\"42,5 mm\""});
    // Each dialog ran once per unmoved click, and "Annuler" wrote nothing: the sector kind came from the last OK.
    EXPECT_EQ(Count(log, "modal: ModèleBidon 17400\n"), 1u);
    EXPECT_EQ(Count(log, "modal: ModèleBidon 17500\n"), 1u);
    EXPECT_EQ(Count(log, "modal: ModèleBidon 17600\n"), 3u);
    const std::string prefs = folder.Read("out/prefs.txt");
    for (const char* stored :
         {"\"SegRotCrea\" real 30\n", "\"SegEpaisCrea\" real 1.5\n", "\"CaseCreaSeg\" bool false\n",
          "\"CentreCreaSeg\" bool true\n", "\"AngCrea\" real 0\n", "\"CaseCreaAng\" bool false\n",
          "\"CentreCreaAng\" bool true\n", "\"AngCerCrea\" real 0\n", "\"CaseCreaCer\" bool false\n",
          "\"CreaArcCer\" bool true\n", "\"CreaSecteurCer\" bool true\n"})
        EXPECT_THAT(prefs, HasSubstr(stored));
    // The dialogs drawn while they ran: their titles, captions, the values typed and the previews' drawings.
    const std::string segment = folder.Read("out/creation.segment.regle.svg");
    EXPECT_THAT(segment, HasSubstr(">Création d'un segment (Vek-Tavorine).<"));
    EXPECT_THAT(segment, HasSubstr(">Centré.<"));
    EXPECT_THAT(segment, HasSubstr(">1.5<"));
    EXPECT_THAT(segment, HasSubstr(">30<"));
    EXPECT_THAT(folder.Read("out/creation.angle.svg"), HasSubstr(">38°<"));
    EXPECT_THAT(folder.Read("out/creation.angle.regle.svg"), HasSubstr(">Création d'un angle (Vek-Tavorine).<"));
    const std::string circle = folder.Read("out/creation.cercle.svg");
    EXPECT_THAT(circle, HasSubstr(">Création cercle/arc/secteur (Vek-Tavorine).<"));
    EXPECT_THAT(circle, HasSubstr(">Arc.<"));
    EXPECT_THAT(folder.Read("out/creation.cercle.arc.svg"), HasSubstr(">R<"));
    EXPECT_THAT(folder.Read("out/creation.secteur.svg"), HasSubstr(">Secteur.<"));
    for (const char* picture : {"segment", "angle", "cercle", "secteur"})
        EXPECT_THAT(folder.Read(std::string("out/creation.") + picture + ".svg"), Not(HasSubstr(">1<")));
    EXPECT_THAT(log, Not(HasSubstr("refused")));
    EXPECT_THAT(log, Not(HasSubstr("alert ")));
}

} // namespace
} // namespace scenarios
