// The art tree: paint orders of new, moved and copied art, locked layers, names and bounds.
#include <cstring>

#include "document_fixture.h"

using Names = std::vector<std::string>;

TEST_F(DocumentTest, AFreshDocumentHasOneEmptyLayerCalque1) {
    int32_t count = 0;
    ASSERT_EQ(kNoErr, layer->CountLayers(&count));
    EXPECT_EQ(1, count);
    AILayerHandle first = nullptr, current = nullptr;
    ASSERT_EQ(kNoErr, layer->GetNthLayer(0, &first));
    ASSERT_EQ(kNoErr, layer->GetCurrentLayer(&current));
    EXPECT_EQ(first, current);
    char title[32];
    ASSERT_EQ(kNoErr, layer->GetLayerTitle(first, title, sizeof title));
    EXPECT_STREQ("Calque 1", title);
    AIBoolean editable = 0, visible = 0;
    ASSERT_EQ(kNoErr, layer->GetLayerEditable(first, &editable));
    ASSERT_EQ(kNoErr, layer->GetLayerVisible(first, &visible));
    EXPECT_EQ(1, editable);
    EXPECT_EQ(1, visible);
    EXPECT_EQ(Names{}, ChildNames(CurrentLayerGroup()));
    EXPECT_EQ(0u, doc.ArtCount());
}

TEST_F(DocumentTest, NewArtGoesWhereItsPaintOrderSays) {
    AIArtHandle a = Make(kPathArt, "a", kPlaceAboveAll, nullptr);
    AIArtHandle b = Make(kPathArt, "b", kPlaceAbove, nullptr); // null prep: top of the current layer
    EXPECT_EQ((Names{"b", "a"}), ChildNames(CurrentLayerGroup()));
    Make(kPathArt, "above a", kPlaceAbove, a);
    Make(kPathArt, "below b", kPlaceBelow, b);
    Make(kPathArt, "bottom", kPlaceBelowAll, a);
    EXPECT_EQ((Names{"b", "below b", "above a", "a", "bottom"}), ChildNames(CurrentLayerGroup()));

    AIArtHandle g = Make(kGroupArt, "g", kPlaceBelow, a);
    Make(kPathArt, "first", kPlaceInsideOnTop, g);
    Make(kPathArt, "top", kPlaceInsideOnTop, g);
    Make(kPathArt, "last", kPlaceInsideOnBottom, g);
    EXPECT_EQ((Names{"top", "first", "last"}), ChildNames(g));
    AIArtHandle last = nullptr, prior = nullptr, parent = nullptr;
    ASSERT_EQ(kNoErr, art->GetArtLastChild(g, &last));
    EXPECT_EQ("last", doc.DisplayName(last));
    ASSERT_EQ(kNoErr, art->GetArtPriorSibling(last, &prior));
    EXPECT_EQ("first", doc.DisplayName(prior));
    ASSERT_EQ(kNoErr, art->GetArtParent(last, &parent));
    EXPECT_EQ(g, parent);

    AIArtHandle none = a;
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, kPlaceInsideOnTop, a, &none)); // a path holds nothing
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, kPlaceAbove, CurrentLayerGroup(), &none));
    EXPECT_EQ(kBadParameterErr, art->NewArt(kUnknownArt, kPlaceAboveAll, nullptr, &none));
    EXPECT_EQ(kBadParameterErr, art->NewArt(kPathArt, 99, a, &none));
}

TEST_F(DocumentTest, NewArtWithoutPrepGoesOnTheCurrentLayer) {
    AILayerHandle second = doc.AddLayer("Cotes");
    AILayerHandle first = doc.LayerAt(1);
    ASSERT_EQ(kNoErr, layer->SetCurrentLayer(first));
    AIArtHandle made = Make(kPathArt, "p");
    AILayerHandle of = nullptr;
    ASSERT_EQ(kNoErr, art->GetLayerOfArt(made, &of));
    EXPECT_EQ(first, of);
    AIArtHandle inSecond = Make(kPathArt, "q", kPlaceInsideOnTop, doc.LayerGroup(second));
    ASSERT_EQ(kNoErr, art->GetLayerOfArt(inSecond, &of));
    EXPECT_EQ(second, of);
}

TEST_F(DocumentTest, ALockedLayerRefusesNewArtButAHiddenOneTakesIt) {
    AIArtHandle existing = Make(kGroupArt, "existing");
    AILayerHandle current = doc.CurrentLayer();
    ASSERT_EQ(kNoErr, layer->SetLayerEditable(current, 0));
    AIArtHandle made = existing;
    EXPECT_EQ(kLockedErr, art->NewArt(kGroupArt, kPlaceInsideOnTop, CurrentLayerGroup(), &made));
    EXPECT_EQ(nullptr, made);
    EXPECT_EQ(kLockedErr, art->NewArt(kPathArt, kPlaceAbove, existing, &made));
    EXPECT_EQ(kLockedErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made));
    EXPECT_EQ(kLockedErr, art->NewArt(kPathArt, kPlaceInsideOnTop, existing, &made));
    EXPECT_EQ(kLockedErr, art->DuplicateArt(existing, kPlaceAbove, existing, &made));
    EXPECT_EQ(1u, doc.ArtCount());

    ASSERT_EQ(kNoErr, layer->SetLayerEditable(current, 1));
    ASSERT_EQ(kNoErr, layer->SetLayerVisible(current, 0));
    EXPECT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made));
    EXPECT_EQ(2u, doc.ArtCount());
}

TEST_F(DocumentTest, ReorderArtMovesArtWithinAndAcrossGroupsAndLayers) {
    AIArtHandle a = Make(kPathArt, "a");
    AIArtHandle b = Make(kPathArt, "b");
    AIArtHandle c = Make(kPathArt, "c");
    EXPECT_EQ((Names{"c", "b", "a"}), ChildNames(CurrentLayerGroup()));
    ASSERT_EQ(kNoErr, art->ReorderArt(c, kPlaceBelowAll, nullptr));
    EXPECT_EQ((Names{"b", "a", "c"}), ChildNames(CurrentLayerGroup()));
    ASSERT_EQ(kNoErr, art->ReorderArt(b, kPlaceBelow, a));
    EXPECT_EQ((Names{"a", "b", "c"}), ChildNames(CurrentLayerGroup()));
    ASSERT_EQ(kNoErr, art->ReorderArt(c, kPlaceAbove, a));
    EXPECT_EQ((Names{"c", "a", "b"}), ChildNames(CurrentLayerGroup()));
    ASSERT_EQ(kNoErr, art->ReorderArt(a, kPlaceAbove, a));
    EXPECT_EQ((Names{"c", "a", "b"}), ChildNames(CurrentLayerGroup()));

    AIArtHandle g = Make(kGroupArt, "g");
    ASSERT_EQ(kNoErr, art->ReorderArt(a, kPlaceInsideOnTop, g));
    ASSERT_EQ(kNoErr, art->ReorderArt(b, kPlaceInsideOnBottom, g));
    EXPECT_EQ((Names{"a", "b"}), ChildNames(g));
    EXPECT_EQ((Names{"g", "c"}), ChildNames(CurrentLayerGroup()));
    EXPECT_EQ(kBadParameterErr, art->ReorderArt(g, kPlaceInsideOnTop, g));
    EXPECT_EQ(kBadParameterErr, art->ReorderArt(g, kPlaceBelow, a)); // into itself
    EXPECT_EQ((Names{"a", "b"}), ChildNames(g));

    AILayerHandle other = doc.AddLayer("Autre");
    ASSERT_EQ(kNoErr, art->ReorderArt(g, kPlaceInsideOnTop, doc.LayerGroup(other)));
    AILayerHandle of = nullptr;
    ASSERT_EQ(kNoErr, art->GetLayerOfArt(b, &of));
    EXPECT_EQ(other, of);
    doc.SetLayerLocked(doc.LayerAt(1), true);
    EXPECT_EQ(kLockedErr, art->ReorderArt(a, kPlaceAbove, c));
    EXPECT_EQ((Names{"a", "b"}), ChildNames(g));
}

TEST_F(DocumentTest, DuplicateArtCopiesDeeplyUnderNewHandles) {
    AIArtHandle g = Make(kGroupArt, "g");
    AIArtHandle p = Make(kPathArt, "côté", kPlaceInsideOnTop, g);
    const AIPathSegment segments[2] = {sim::CornerSegment(0, 0), sim::CornerSegment(10, 5)};
    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(p, 2));
    ASSERT_EQ(kNoErr, path->SetPathSegments(p, 0, 2, segments));
    ASSERT_EQ(kNoErr, tag->SetTag(p, "segpt1", kTagTypeString, "3"));

    AIArtHandle copy = nullptr;
    ASSERT_EQ(kNoErr, art->DuplicateArt(g, kPlaceBelow, g, &copy));
    EXPECT_EQ((Names{"g", "g"}), ChildNames(CurrentLayerGroup()));
    AIArtHandle copiedPath = nullptr;
    ASSERT_EQ(kNoErr, art->GetArtFirstChild(copy, &copiedPath));
    EXPECT_NE(p, copiedPath);
    EXPECT_EQ("côté", doc.DisplayName(copiedPath));
    char value[8];
    ASSERT_EQ(kNoErr, tag->GetStringTag(copiedPath, "segpt1", value, sizeof value));
    EXPECT_STREQ("3", value);
    AIPathSegment read[2];
    ASSERT_EQ(kNoErr, path->GetPathSegments(copiedPath, 0, 2, read));
    EXPECT_EQ(10.0f, read[1].p.h);

    ASSERT_EQ(kNoErr, path->SetPathSegmentCount(copiedPath, 1));
    ASSERT_EQ(kNoErr, tag->DeleteTag(copiedPath, "segpt1"));
    int16_t count = 0;
    ASSERT_EQ(kNoErr, path->GetPathSegmentCount(p, &count));
    EXPECT_EQ(2, count);
    AIBoolean has = 0;
    ASSERT_EQ(kNoErr, tag->HasTag(p, "segpt1", &has));
    EXPECT_EQ(1, has);
    ASSERT_EQ(kNoErr, art->DisposeArt(copy));
    EXPECT_TRUE(art->ValidArt(p, 1));
}

TEST_F(DocumentTest, NamesAreCopiedBoundedAndFallBackToTheDefaultOfTheirKind) {
    AIArtHandle p = Make(kPathArt, "");
    AIArtHandle g = Make(kGroupArt, "");
    char name[64];
    AIBoolean isDefault = 0;
    ASSERT_EQ(kNoErr, art->GetArtName(p, name, sizeof name, &isDefault));
    EXPECT_STREQ("<Tracé>", name);
    EXPECT_EQ(1, isDefault);
    ASSERT_EQ(kNoErr, art->GetArtName(g, name, sizeof name, nullptr));
    EXPECT_STREQ("<Groupe>", name);

    ASSERT_EQ(kNoErr, art->SetArtName(g, "Segment horiz"));
    ASSERT_EQ(kNoErr, art->GetArtName(g, name, sizeof name, &isDefault));
    EXPECT_STREQ("Segment horiz", name);
    EXPECT_EQ(0, isDefault);
    char small[8];
    std::memset(small, 'x', sizeof small);
    ASSERT_EQ(kNoErr, art->GetArtName(g, small, sizeof small, &isDefault));
    EXPECT_STREQ("Segment", small);
    EXPECT_EQ(kBadParameterErr, art->GetArtName(g, small, 0, &isDefault));
    ASSERT_EQ(kNoErr, art->SetArtName(p, "Côté"));
    char three[3];
    ASSERT_EQ(kNoErr, art->GetArtName(p, three, sizeof three, nullptr));
    EXPECT_STREQ("C", three); // "ô" takes two bytes and is not split
    EXPECT_EQ(kBadParameterErr, art->SetArtName(g, nullptr));

    ASSERT_EQ(kNoErr, art->SetArtName(g, ""));
    ASSERT_EQ(kNoErr, art->GetArtName(g, name, sizeof name, &isDefault));
    EXPECT_STREQ("<Groupe>", name);
    EXPECT_EQ(1, isDefault);
    ASSERT_EQ(kNoErr, art->SetArtName(p, "Cercle Rayon"));
    ASSERT_EQ(kNoErr, art->GetArtName(p, name, sizeof name, &isDefault));
    EXPECT_STREQ("Cercle Rayon", name);
    EXPECT_EQ(p, doc.FindArtByName("Cercle Rayon"));
    EXPECT_EQ(nullptr, doc.FindArtByName("absent"));
}

TEST_F(DocumentTest, BoundsFollowCurvesNotTheirHandles) {
    // Upper half of a circle of radius 10 around the origin, drawn as two quarter arcs.
    constexpr AIReal k = 5.522847771644592f;
    AIArtHandle arc = doc.DrawPath({sim::CurveSegment({10, 0}, {10, 0}, {10, k}),
                                    sim::CurveSegment({0, 10}, {k, 10}, {-k, 10}),
                                    sim::CurveSegment({-10, 0}, {-10, k}, {-10, 0})},
                                   false, "arc");
    AIRealRect bounds;
    ASSERT_EQ(kNoErr, art->GetArtBounds(arc, &bounds));
    EXPECT_FLOAT_EQ(-10.0f, bounds.left);
    EXPECT_FLOAT_EQ(10.0f, bounds.right);
    EXPECT_FLOAT_EQ(0.0f, bounds.bottom);
    EXPECT_FLOAT_EQ(10.0f, bounds.top);

    // A curve whose handles stick out above its peak: the peak of p0=(0,0) p1=(0,40) p2=(20,40) p3=(20,0)
    // is 30.
    AIArtHandle bump = doc.DrawPath(
        {sim::CurveSegment({0, 0}, {0, 0}, {0, 40}), sim::CurveSegment({20, 0}, {20, 40}, {20, 0})}, false,
        "bump");
    ASSERT_EQ(kNoErr, art->GetArtBounds(bump, &bounds));
    EXPECT_FLOAT_EQ(30.0f, bounds.top);
    EXPECT_FLOAT_EQ(0.0f, bounds.bottom);

    AIArtHandle g = doc.NewGroup();
    ASSERT_EQ(kNoErr, doc.MoveInto(arc, g));
    ASSERT_EQ(kNoErr, doc.MoveInto(bump, g));
    doc.NewGroup(g); // an empty group adds nothing
    ASSERT_EQ(kNoErr, art->GetArtBounds(g, &bounds));
    EXPECT_FLOAT_EQ(-10.0f, bounds.left);
    EXPECT_FLOAT_EQ(20.0f, bounds.right);
    EXPECT_FLOAT_EQ(30.0f, bounds.top);
    EXPECT_FLOAT_EQ(0.0f, bounds.bottom);

    AIArtHandle empty = doc.NewGroup();
    bounds = AIRealRect{1, 2, 3, 4};
    ASSERT_EQ(kNoErr, art->GetArtBounds(empty, &bounds));
    EXPECT_EQ(0.0f, bounds.left);
    EXPECT_EQ(0.0f, bounds.top);
}
