// Layers (order, titles, lock, visibility, colour) and the document view (zoom, origin, conversions,
// requests).
#include <climits>
#include <limits>

#include "document_fixture.h"

class LayerTest : public DocumentTest {
  protected:
    std::vector<std::string> LayerTitles() {
        int32_t count = 0;
        EXPECT_EQ(kNoErr, layer->CountLayers(&count));
        std::vector<std::string> titles;
        for (int32_t i = 0; i < count; ++i) {
            AILayerHandle l = nullptr;
            EXPECT_EQ(kNoErr, layer->GetNthLayer(i, &l));
            char title[64];
            EXPECT_EQ(kNoErr, layer->GetLayerTitle(l, title, sizeof title));
            titles.push_back(title);
        }
        return titles;
    }
};

using Titles = std::vector<std::string>;

TEST_F(LayerTest, InsertedLayersGoWhereAskedWithoutChangingTheCurrentLayer) {
    AILayerHandle first = doc.CurrentLayer();
    AILayerHandle above = nullptr, below = nullptr, top = nullptr, bottom = nullptr;
    ASSERT_EQ(kNoErr, layer->InsertLayer(first, kPlaceAbove, &above));
    ASSERT_EQ(kNoErr, layer->InsertLayer(first, kPlaceBelow, &below));
    ASSERT_EQ(kNoErr, layer->InsertLayer(nullptr, kPlaceAboveAll, &top));
    ASSERT_EQ(kNoErr, layer->InsertLayer(nullptr, kPlaceBelowAll, &bottom));
    EXPECT_EQ((Titles{"Calque 4", "Calque 2", "Calque 1", "Calque 3", "Calque 5"}), LayerTitles());
    AILayerHandle current = nullptr;
    ASSERT_EQ(kNoErr, layer->GetCurrentLayer(&current));
    EXPECT_EQ(first, current);
    AILayerHandle none = first;
    EXPECT_EQ(kBadParameterErr, layer->InsertLayer(first, kPlaceInsideOnTop, &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(kIndexOutOfRangeErr, layer->GetNthLayer(5, &none));
    EXPECT_EQ(kIndexOutOfRangeErr, layer->GetNthLayer(-1, &none));

    ASSERT_EQ(kNoErr, layer->SetCurrentLayer(bottom));
    AIArtHandle made = nullptr;
    ASSERT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made));
    AILayerHandle of = nullptr;
    ASSERT_EQ(kNoErr, art->GetLayerOfArt(made, &of));
    EXPECT_EQ(bottom, of);
}

TEST_F(LayerTest, TitlesAreFoundExactlyAndCopiedBounded) {
    AILayerHandle dims = nullptr;
    ASSERT_EQ(kNoErr, layer->InsertLayer(nullptr, kPlaceAboveAll, &dims));
    ASSERT_EQ(kNoErr, layer->SetLayerTitle(dims, "Dimensions"));
    AILayerHandle found = nullptr;
    ASSERT_EQ(kNoErr, layer->GetLayerByTitle(&found, "Dimensions"));
    EXPECT_EQ(dims, found);
    EXPECT_EQ(kNameNotFoundErr, layer->GetLayerByTitle(&found, "dimensions"));
    EXPECT_EQ(nullptr, found);
    EXPECT_EQ(kNameNotFoundErr, layer->GetLayerByTitle(&found, "Dimension"));
    char small[4];
    ASSERT_EQ(kNoErr, layer->GetLayerTitle(dims, small, sizeof small));
    EXPECT_STREQ("Dim", small);
    EXPECT_EQ(kBadParameterErr, layer->SetLayerTitle(dims, nullptr));
    EXPECT_EQ(kBadParameterErr, layer->GetLayerByTitle(&found, nullptr));
}

TEST_F(LayerTest, EditableVisibleAndColour) {
    AILayerHandle l = doc.CurrentLayer();
    AIBoolean flag = 1;
    ASSERT_EQ(kNoErr, layer->SetLayerEditable(l, 0));
    ASSERT_EQ(kNoErr, layer->GetLayerEditable(l, &flag));
    EXPECT_EQ(0, flag);
    EXPECT_TRUE(doc.LayerInfo(l)->locked);
    ASSERT_EQ(kNoErr, layer->SetLayerVisible(l, 0));
    ASSERT_EQ(kNoErr, layer->GetLayerVisible(l, &flag));
    EXPECT_EQ(0, flag);
    EXPECT_FALSE(doc.LayerInfo(l)->visible);

    AIRGBColor colour;
    ASSERT_EQ(kNoErr, layer->GetLayerColor(l, &colour));
    EXPECT_EQ(0x4F4F, colour.red);
    EXPECT_EQ(0x8080, colour.green);
    EXPECT_EQ(0xFFFF, colour.blue);
    const AIRGBColor red{0xFFFF, 0, 0};
    ASSERT_EQ(kNoErr, layer->SetLayerColor(l, &red));
    ASSERT_EQ(kNoErr, layer->GetLayerColor(l, &colour));
    EXPECT_EQ(0xFFFF, colour.red);
    EXPECT_EQ(0, colour.blue);
    AILayerHandle second = nullptr;
    ASSERT_EQ(kNoErr, layer->InsertLayer(nullptr, kPlaceAboveAll, &second));
    ASSERT_EQ(kNoErr, layer->GetLayerColor(second, &colour));
    EXPECT_EQ(0xFFFF, colour.red);
    EXPECT_EQ(0x4F4F, colour.green);
}

TEST_F(LayerTest, DeletingALayerDisposesItsArtAndKeepsTheLast) {
    AILayerHandle first = doc.CurrentLayer();
    AILayerHandle second = doc.AddLayer("Cotes");
    AIArtHandle p = doc.DrawPolyline({{0, 0}, {1, 1}}, false, "p", second);
    AIArtHandle group = doc.LayerGroup(second);
    ASSERT_EQ(kNoErr, layer->DeleteLayer(second));
    EXPECT_FALSE(art->ValidArt(p, 1));
    EXPECT_FALSE(art->ValidArt(group, 1));
    AILayerHandle current = nullptr;
    ASSERT_EQ(kNoErr, layer->GetCurrentLayer(&current));
    EXPECT_EQ(first, current);
    EXPECT_EQ(kBadParameterErr, layer->DeleteLayer(first));
    EXPECT_EQ((Titles{"Calque 1"}), LayerTitles());
}

// Points beyond what a view point holds stay at its nearest edge instead of wrapping round to the far side.
TEST_F(DocumentTest, ArtworkPointsBeyondTheViewsRangeStayAtItsEdges) {
    AIDocumentViewHandle v = nullptr;
    ASSERT_EQ(kNoErr, view->GetNthDocumentView(0, &v));
    struct Case {
        AIRealPoint artwork;
        int32_t h;
        int32_t v;
    };
    const AIReal kNaN = std::numeric_limits<AIReal>::quiet_NaN();
    for (const Case& c : {Case{{2147483648.0f, 768.0f}, INT32_MAX, 0}, Case{{1e30f, -1e30f}, INT32_MAX, INT32_MAX},
                          Case{{-1e30f, 1e30f}, INT32_MIN, INT32_MIN}, Case{{kNaN, 768.0f}, 0, 0},
                          Case{{2147483520.0f, 768.0f}, 2147483520, 0}}) {
        AIPoint p;
        ASSERT_EQ(kNoErr, view->ArtworkPointToViewPoint(v, &c.artwork, &p));
        EXPECT_EQ(p.h, c.h) << c.artwork.h;
        EXPECT_EQ(p.v, c.v) << c.artwork.v;
    }
}

TEST_F(DocumentTest, ArtworkToViewFlipsVAndRoundTrips) {
    AIDocumentViewHandle v = nullptr;
    ASSERT_EQ(kNoErr, view->GetNthDocumentView(0, &v));
    EXPECT_EQ(kIndexOutOfRangeErr, view->GetNthDocumentView(1, &v));
    ASSERT_EQ(kNoErr, view->GetNthDocumentView(0, &v));
    AIReal zoom = 0.0f;
    ASSERT_EQ(kNoErr, view->GetDocumentViewZoom(v, &zoom));
    EXPECT_EQ(1.0f, zoom);
    AIRealPoint origin;
    ASSERT_EQ(kNoErr, view->GetDocumentViewOrigin(v, &origin));
    EXPECT_EQ(0.0f, origin.h);
    EXPECT_EQ(768.0f, origin.v);

    const AIRealPoint a{100.0f, 700.0f}, b{100.0f, 600.0f};
    AIPoint pa, pb;
    ASSERT_EQ(kNoErr, view->ArtworkPointToViewPoint(v, &a, &pa));
    ASSERT_EQ(kNoErr, view->ArtworkPointToViewPoint(v, &b, &pb));
    EXPECT_EQ(100, pa.h);
    EXPECT_EQ(68, pa.v);
    EXPECT_EQ(168, pb.v); // lower in the artwork is further down the view

    const AIRealPoint newOrigin{-50.0f, 200.0f};
    ASSERT_EQ(kNoErr, view->SetDocumentViewOrigin(v, &newOrigin));
    ASSERT_EQ(kNoErr, view->SetDocumentViewZoom(v, 2.0f));
    const AIRealPoint c{0.0f, 0.0f};
    AIPoint pc;
    ASSERT_EQ(kNoErr, view->ArtworkPointToViewPoint(v, &c, &pc));
    EXPECT_EQ(100, pc.h);
    EXPECT_EQ(400, pc.v);
    AIRealPoint back;
    const AIPoint q{101, 401};
    ASSERT_EQ(kNoErr, view->ViewPointToArtworkPoint(v, &q, &back));
    EXPECT_EQ(0.5f, back.h);
    EXPECT_EQ(-0.5f, back.v);
    const AIRealPoint fraction{0.26f, 0.0f};
    ASSERT_EQ(kNoErr, view->ArtworkPointToViewPoint(v, &fraction, &pc));
    EXPECT_EQ(101, pc.h); // rounded to the nearest pixel

    // An origin that is no point is refused and the view stays where it was.
    for (const AIRealPoint bad : {AIRealPoint{std::numeric_limits<AIReal>::quiet_NaN(), 0.0f},
                                  AIRealPoint{0.0f, std::numeric_limits<AIReal>::infinity()}}) {
        EXPECT_EQ(kBadParameterErr, view->SetDocumentViewOrigin(v, &bad));
    }
    ASSERT_EQ(kNoErr, view->GetDocumentViewOrigin(v, &origin));
    EXPECT_EQ(-50.0f, origin.h);
    EXPECT_EQ(200.0f, origin.v);
}

TEST_F(DocumentTest, SettingTheZoomEvenUnchangedInvalidatesAndQueuesAnAnnotationDraw) {
    AIDocumentViewHandle v = nullptr;
    ASSERT_EQ(kNoErr, view->GetNthDocumentView(0, &v));
    ASSERT_EQ(kNoErr, view->SetDocumentViewZoom(v, 1.0f));
    ASSERT_EQ(kNoErr, view->SetDocumentViewZoom(v, 1.0f));
    ASSERT_EQ(2u, doc.View().invalidRects.size());
    EXPECT_EQ(1024, doc.View().invalidRects[0].right);
    EXPECT_EQ(768, doc.View().invalidRects[0].bottom);
    EXPECT_EQ(2, doc.TakeQueuedAnnotationDraws());
    EXPECT_EQ(0, doc.TakeQueuedAnnotationDraws());

    EXPECT_EQ(kBadParameterErr, view->SetDocumentViewZoom(v, 0.0f));
    EXPECT_EQ(kBadParameterErr, view->SetDocumentViewZoom(v, -2.0f));
    EXPECT_EQ(2u, doc.View().invalidRects.size());

    const AIRect rect{10, 20, 30, 40};
    ASSERT_EQ(kNoErr, view->SetDocumentViewInvalidRect(v, &rect));
    EXPECT_EQ(40, doc.View().invalidRects.back().bottom);
    EXPECT_EQ(1, doc.TakeQueuedAnnotationDraws());

    ASSERT_EQ(kNoErr, document->RedrawDocument());
    EXPECT_EQ(1, doc.View().documentRedraws);
    AIDocumentHandle d = nullptr;
    ASSERT_EQ(kNoErr, document->GetDocument(&d));
    EXPECT_NE(nullptr, d);
    AIRect bounds;
    ASSERT_EQ(kNoErr, view->GetDocumentViewBounds(v, &bounds));
    EXPECT_EQ(1024, bounds.right);
}
