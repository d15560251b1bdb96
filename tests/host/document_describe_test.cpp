// The stable text form of nodes and of the whole tree that dumps and scenario checks read.
#include "document_fixture.h"

TEST_F(DocumentTest, APathDescribesItsNameFlagsAttributesTagsStyleAndAnchors) {
    AIArtHandle p = doc.DrawPath({sim::CornerSegment(0, 0), sim::CurveSegment({10, 0.5f}, {8, 0}, {12, -1}),
                                  sim::CornerSegment(-3, 4)},
                                 true, "Côté");
    ASSERT_EQ(kNoErr, tag->SetTag(p, "vek", kTagTypeString, "jj"));
    const int32_t id = 3;
    ASSERT_EQ(kNoErr, tag->SetTag(p, "num1", kTagTypeInteger, &id));
    const double real = 0.1;
    ASSERT_EQ(kNoErr, tag->SetTag(p, "r", kTagTypeReal, &real));
    const AIBoolean no = 0;
    ASSERT_EQ(kNoErr, tag->SetTag(p, "b", kTagTypeBoolean, &no));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(p, kArtFullySelected | kArtLocked, kArtFullySelected | kArtLocked));
    ASSERT_EQ(kNoErr, path->SetPathGuide(p, 1));
    EXPECT_EQ("path \"Côté\" closed guide attrs=selected,fully-selected,locked tags={b=boolean:false, "
              "num1=integer:3, r=real:0.1, vek=string:jj} stroke=gray(1) width=1 cap=butt join=miter miter=4 "
              "fill=none anchors=[(0,0) (10,0.5 in 8,0 out 12,-1 smooth) (-3,4)]",
              doc.Describe(p));

    AIPathStyle st;
    ASSERT_EQ(kNoErr, style->GetPathStyle(p, &st));
    st.stroke.color.kind = kFourColor;
    st.stroke.color.f = {0.0f, 0.5f, 1.0f, 0.25f};
    st.stroke.dash.length = 2;
    st.stroke.dash.array[0] = 4;
    st.stroke.dash.array[1] = 2;
    st.stroke.cap = kAIRoundCap;
    st.fillPaint = 1;
    st.fill.color.kind = kThreeColor;
    st.fill.color.rgb = {1.0f, 0.0f, 0.5f};
    ASSERT_EQ(kNoErr, style->SetPathStyle(p, &st));
    ASSERT_EQ(kNoErr, art->SetArtUserAttr(p, kArtSelected | kArtLocked, 0));
    ASSERT_EQ(kNoErr, path->SetPathGuide(p, 0));
    ASSERT_EQ(kNoErr, path->SetPathClosed(p, 0));
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 1));
    for (const char* name : {"vek", "num1", "r", "b"}) {
        ASSERT_EQ(kNoErr, tag->DeleteTag(p, name));
    }
    EXPECT_EQ("path \"Côté\" open stroke=cmyk(0,0.5,1,0.25) width=1 cap=round join=miter miter=4 dash=[4,2] "
              "offset=0 fill=rgb(1,0,0.5) anchors=[(0,0)]",
              doc.Describe(p));
}

TEST_F(DocumentTest, TheTreeListsLayersTopFirstWithTheirArtIndentedByDepth) {
    AILayerHandle bottom = doc.CurrentLayer();
    doc.DrawPolyline({{1, 2}}, false, "", bottom);
    AILayerHandle dims = doc.AddLayer("Dimensions");
    doc.SetLayerLocked(dims, true);
    AIArtHandle g = doc.NewGroup(nullptr, "Segment horiz");
    AIArtHandle inner = doc.NewGroup(g);
    AIArtHandle line = doc.DrawPolyline({{0, 0}, {5, 0}}, false, "", dims);
    ASSERT_EQ(kNoErr, doc.MoveInto(line, inner));
    AIArtHandle text = nullptr;
    doc.SetLayerLocked(dims, false);
    ASSERT_EQ(kNoErr, art->NewArt(kTextFrameArt, kPlaceInsideOnBottom, g, &text));
    doc.MutableArt(text)->text.contents = "12,5 mm";
    doc.MutableArt(text)->text.font = "Arial";
    doc.SetLayerVisible(bottom, false);
    EXPECT_EQ(
        "layer \"Dimensions\" visible unlocked colour=65535,20303,20303 current\n"
        "  group \"Segment horiz\"\n"
        "    group\n"
        "      path open stroke=gray(1) width=1 cap=butt join=miter miter=4 fill=none anchors=[(0,0) (5,0)]\n"
        "    text contents=\"12,5 mm\" font=\"Arial\" size=12 fill=gray(1) justification=0 at=0,0\n"
        "layer \"Calque 1\" hidden unlocked colour=20303,32896,65535\n"
        "  path open stroke=gray(1) width=1 cap=butt join=miter miter=4 fill=none anchors=[(1,2)]\n",
        doc.DescribeTree());
    EXPECT_EQ("invalid", doc.Describe(nullptr));
}

TEST_F(DocumentTest, NamesTitlesAndTagTextsStayOnOneLine) {
    sim::Document& doc = sim::TheDocument();
    doc.AddLayer("Cotes \"B\"\nsuite");
    AIArtHandle p = doc.DrawPolyline({{0, 0}, {1, 0}}, false, "a\\b\tc");
    sim::TagValue note;
    note.text = "x\ny";
    doc.MutableArt(p)->tags["note"] = note;
    EXPECT_EQ(doc.Describe(p).find('\n'), std::string::npos) << doc.Describe(p);
    EXPECT_NE(doc.Describe(p).find("path \"a\\\\b\\tc\" open"), std::string::npos) << doc.Describe(p);
    EXPECT_NE(doc.Describe(p).find("note=string:x\\ny"), std::string::npos) << doc.Describe(p);
    EXPECT_EQ(doc.DescribeTree().rfind("layer \"Cotes \\\"B\\\"\\nsuite\" visible", 0), 0u) << doc.DescribeTree();
}
