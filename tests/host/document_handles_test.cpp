// Handles of the stand-in document: never reused, and every operation answers an error for null and stale
// ones.
#include <functional>
#include <set>

#include "document_fixture.h"

namespace {

struct ArtCall {
    const char* name;
    std::function<ASErr(AIArtHandle)> call;
    bool nullIsCurrentLayer = false; // a null prep art places on top of the current layer
};

} // namespace

TEST_F(DocumentTest, TheDocumentSuitesReplaceTheServicesBlankTables) {
    EXPECT_EQ(static_cast<const void*>(&sim::ArtSuiteTable()), art);
    EXPECT_EQ(static_cast<const void*>(&sim::PathSuiteTable()), path);
    EXPECT_EQ(static_cast<const void*>(&sim::PathStyleSuiteTable()), style);
    EXPECT_EQ(static_cast<const void*>(&sim::TagSuiteTable()), tag);
    EXPECT_EQ(static_cast<const void*>(&sim::MatchingArtSuiteTable()), matching);
    EXPECT_EQ(static_cast<const void*>(&sim::ArtSetSuiteTable()), artSet);
    EXPECT_EQ(static_cast<const void*>(&sim::LayerSuiteTable()), layer);
    EXPECT_EQ(static_cast<const void*>(&sim::DocumentSuiteTable()), document);
    EXPECT_EQ(static_cast<const void*>(&sim::DocumentViewSuiteTable()), view);
    EXPECT_EQ(static_cast<const void*>(&sim::TransformArtSuiteTable()), transform);
    EXPECT_EQ(static_cast<const void*>(&sim::MdMemorySuiteTable()), memory);
    EXPECT_FALSE(sim::TheSuites().IsBlank(kAIArtSuite, kAIArtSuiteVersion));
}

TEST_F(DocumentTest, HandlesAreNeverReusedEvenAcrossResets) {
    std::set<AIArtHandle> disposed;
    for (int i = 0; i < 50; ++i) {
        AIArtHandle made = nullptr;
        ASSERT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &made));
        EXPECT_EQ(0u, disposed.count(made)) << "handle reused at " << i;
        ASSERT_EQ(kNoErr, art->DisposeArt(made));
        disposed.insert(made);
    }
    AIArtHandle group = CurrentLayerGroup();
    sim::ResetHost();
    EXPECT_FALSE(art->ValidArt(group, 1));
    AIArtHandle after = nullptr;
    ASSERT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &after));
    EXPECT_EQ(0u, disposed.count(after));
    EXPECT_NE(group, CurrentLayerGroup());
    for (AIArtHandle old : disposed) {
        EXPECT_FALSE(art->ValidArt(old, 1));
    }
}

TEST_F(DocumentTest, EveryArtOperationAnswersStaleAndNullHandles) {
    AIArtHandle keep = Make(kGroupArt, "keep");
    AIRealMatrix matrix;
    AIPathStyle pathStyle;
    AIPathSegment segment;
    AIRealBezier bezier;
    AIRealRect rect;
    AIArtSet set = nullptr;
    ASSERT_EQ(kNoErr, artSet->NewArtSet(&set));
    char buffer[32];
    int16_t i16 = 0;
    int32_t i32 = 0;
    AIBoolean flag = 0;
    AIReal real = 0.0f;
    size_t size = 0;
    const char* text = nullptr;
    AIArtHandle out = nullptr;
    AILayerHandle layerOut = nullptr;
    const int32_t one = 1;
    const std::vector<ArtCall> calls = {
        {"DisposeArt", [&](AIArtHandle a) { return art->DisposeArt(a); }},
        {"GetArtType", [&](AIArtHandle a) { return art->GetArtType(a, &i16); }},
        {"GetArtParent", [&](AIArtHandle a) { return art->GetArtParent(a, &out); }},
        {"GetArtFirstChild", [&](AIArtHandle a) { return art->GetArtFirstChild(a, &out); }},
        {"GetArtLastChild", [&](AIArtHandle a) { return art->GetArtLastChild(a, &out); }},
        {"GetArtSibling", [&](AIArtHandle a) { return art->GetArtSibling(a, &out); }},
        {"GetArtPriorSibling", [&](AIArtHandle a) { return art->GetArtPriorSibling(a, &out); }},
        {"GetArtUserAttr", [&](AIArtHandle a) { return art->GetArtUserAttr(a, kArtLocked, &i32); }},
        {"SetArtUserAttr", [&](AIArtHandle a) { return art->SetArtUserAttr(a, kArtLocked, kArtLocked); }},
        {"GetArtName", [&](AIArtHandle a) { return art->GetArtName(a, buffer, sizeof buffer, &flag); }},
        {"SetArtName", [&](AIArtHandle a) { return art->SetArtName(a, "x"); }},
        {"GetArtBounds", [&](AIArtHandle a) { return art->GetArtBounds(a, &rect); }},
        {"GetLayerOfArt", [&](AIArtHandle a) { return art->GetLayerOfArt(a, &layerOut); }},
        {"ReorderArt", [&](AIArtHandle a) { return art->ReorderArt(a, kPlaceAboveAll, nullptr); }},
        {"ReorderArt prep", [&](AIArtHandle a) { return art->ReorderArt(keep, kPlaceAbove, a); }, true},
        {"NewArt prep", [&](AIArtHandle a) { return art->NewArt(kPathArt, kPlaceAbove, a, &out); }, true},
        {"DuplicateArt", [&](AIArtHandle a) { return art->DuplicateArt(a, kPlaceAboveAll, nullptr, &out); }},
        {"DuplicateArt prep", [&](AIArtHandle a) { return art->DuplicateArt(keep, kPlaceBelow, a, &out); },
         true},
        {"GetPathSegmentCount", [&](AIArtHandle a) { return path->GetPathSegmentCount(a, &i16); }},
        {"SetPathSegmentCount", [&](AIArtHandle a) { return path->SetPathSegmentCount(a, 2); }},
        {"GetPathSegments", [&](AIArtHandle a) { return path->GetPathSegments(a, 0, 1, &segment); }},
        {"SetPathSegments", [&](AIArtHandle a) { return path->SetPathSegments(a, 0, 1, &segment); }},
        {"InsertPathSegments", [&](AIArtHandle a) { return path->InsertPathSegments(a, 0, 1, &segment); }},
        {"DeletePathSegments", [&](AIArtHandle a) { return path->DeletePathSegments(a, 0, 1); }},
        {"GetPathClosed", [&](AIArtHandle a) { return path->GetPathClosed(a, &flag); }},
        {"SetPathClosed", [&](AIArtHandle a) { return path->SetPathClosed(a, 1); }},
        {"GetPathGuide", [&](AIArtHandle a) { return path->GetPathGuide(a, &flag); }},
        {"SetPathGuide", [&](AIArtHandle a) { return path->SetPathGuide(a, 1); }},
        {"GetPathBezier", [&](AIArtHandle a) { return path->GetPathBezier(a, 0, &bezier); }},
        {"GetPathArea", [&](AIArtHandle a) { return path->GetPathArea(a, &real); }},
        {"GetPathLength", [&](AIArtHandle a) { return path->GetPathLength(a, 1.0f, &real); }},
        {"GetPathStyle", [&](AIArtHandle a) { return style->GetPathStyle(a, &pathStyle); }},
        {"SetPathStyle", [&](AIArtHandle a) { return style->SetPathStyle(a, &pathStyle); }},
        {"SetTag", [&](AIArtHandle a) { return tag->SetTag(a, "vek", kTagTypeString, "jj"); }},
        {"GetTag", [&](AIArtHandle a) { return tag->GetTag(a, "n", kTagTypeInteger, &i32); }},
        {"GetStringTag", [&](AIArtHandle a) { return tag->GetStringTag(a, "vek", buffer, sizeof buffer); }},
        {"GetStringTagLength", [&](AIArtHandle a) { return tag->GetStringTagLength(a, "vek", &size); }},
        {"GetTagType", [&](AIArtHandle a) { return tag->GetTagType(a, "vek", &text); }},
        {"HasTag", [&](AIArtHandle a) { return tag->HasTag(a, "vek", &flag); }},
        {"DeleteTag", [&](AIArtHandle a) { return tag->DeleteTag(a, "vek"); }},
        {"CountTags", [&](AIArtHandle a) { return tag->CountTags(a, &i32); }},
        {"GetNthTagName", [&](AIArtHandle a) { return tag->GetNthTagName(a, 0, buffer, sizeof buffer); }},
        {"SetTag integer", [&](AIArtHandle a) { return tag->SetTag(a, "n", kTagTypeInteger, &one); }},
        {"AddArtToArtSet", [&](AIArtHandle a) { return artSet->AddArtToArtSet(set, a); }},
        {"TransformArt",
         [&](AIArtHandle a) { return transform->TransformArt(a, &matrix, 1.0f, kTransformObjects); }},
    };
    for (const ArtCall& c : calls) {
        AIArtHandle stale = nullptr;
        ASSERT_EQ(kNoErr, art->NewArt(kPathArt, kPlaceAboveAll, nullptr, &stale));
        ASSERT_EQ(kNoErr, path->SetPathSegmentCount(stale, 2));
        ASSERT_EQ(kNoErr, art->DisposeArt(stale));
        const size_t before = doc.ArtCount();
        EXPECT_EQ(kStaleHandleErr, c.call(stale)) << c.name;
        EXPECT_EQ(before, doc.ArtCount()) << c.name;
        if (!c.nullIsCurrentLayer) {
            EXPECT_EQ(kBadParameterErr, c.call(nullptr)) << c.name;
        }
        EXPECT_FALSE(art->ValidArt(stale, 1)) << c.name;
    }
    EXPECT_TRUE(art->ValidArt(keep, 1));
}

TEST_F(DocumentTest, PathOperationsRefuseArtOfAnotherKind) {
    AIArtHandle group = Make(kGroupArt, "g");
    int16_t count = -1;
    AIPathStyle pathStyle;
    EXPECT_EQ(kBadParameterErr, path->GetPathSegmentCount(group, &count));
    EXPECT_EQ(kBadParameterErr, path->SetPathClosed(group, 1));
    EXPECT_EQ(kBadParameterErr, style->GetPathStyle(group, &pathStyle));
    EXPECT_EQ(-1, count);
}

TEST_F(DocumentTest, DisposingAGroupInvalidatesEverythingInside) {
    AIArtHandle outer = Make(kGroupArt, "outer");
    AIArtHandle inner = Make(kGroupArt, "inner", kPlaceInsideOnTop, outer);
    AIArtHandle leaf = Make(kPathArt, "leaf", kPlaceInsideOnTop, inner);
    AIArtHandle sibling = Make(kPathArt, "sibling", kPlaceInsideOnBottom, outer);
    AIArtHandle other = Make(kPathArt, "other");
    ASSERT_EQ(5u, doc.ArtCount());

    ASSERT_EQ(kNoErr, art->DisposeArt(outer));
    for (AIArtHandle gone : {outer, inner, leaf, sibling}) {
        EXPECT_FALSE(art->ValidArt(gone, 1));
        int16_t type = 0;
        EXPECT_EQ(kStaleHandleErr, art->GetArtType(gone, &type));
    }
    EXPECT_TRUE(art->ValidArt(other, 1));
    EXPECT_EQ(1u, doc.ArtCount());
    EXPECT_EQ(std::vector<std::string>{"other"}, ChildNames(CurrentLayerGroup()));
    EXPECT_EQ(kStaleHandleErr, art->DisposeArt(outer));
}

TEST_F(DocumentTest, ALayersGroupCannotBeDisposedOrMoved) {
    AIArtHandle group = CurrentLayerGroup();
    EXPECT_EQ(kBadParameterErr, art->DisposeArt(group));
    EXPECT_EQ(kBadParameterErr, art->ReorderArt(group, kPlaceAboveAll, nullptr));
    AIArtHandle copy = nullptr;
    EXPECT_EQ(kBadParameterErr, art->DuplicateArt(group, kPlaceAboveAll, nullptr, &copy));
    EXPECT_TRUE(art->ValidArt(group, 1));
    AIArtHandle parent = reinterpret_cast<AIArtHandle>(1);
    EXPECT_EQ(kNoErr, art->GetArtParent(group, &parent));
    EXPECT_EQ(nullptr, parent);
}

TEST_F(DocumentTest, EveryLayerOperationAnswersDeletedAndNullLayers) {
    AILayerHandle gone = nullptr;
    ASSERT_EQ(kNoErr, layer->InsertLayer(nullptr, kPlaceAboveAll, &gone));
    ASSERT_EQ(kNoErr, layer->DeleteLayer(gone));
    char buffer[16];
    AIBoolean flag = 0;
    AIRGBColor colour;
    AIArtHandle group = nullptr;
    AILayerHandle made = nullptr;
    const std::vector<std::pair<const char*, std::function<ASErr(AILayerHandle)>>> calls = {
        {"GetFirstArtOfLayer", [&](AILayerHandle l) { return art->GetFirstArtOfLayer(l, &group); }},
        {"SetCurrentLayer", [&](AILayerHandle l) { return layer->SetCurrentLayer(l); }},
        {"InsertLayer", [&](AILayerHandle l) { return layer->InsertLayer(l, kPlaceAbove, &made); }},
        {"DeleteLayer", [&](AILayerHandle l) { return layer->DeleteLayer(l); }},
        {"GetLayerTitle", [&](AILayerHandle l) { return layer->GetLayerTitle(l, buffer, sizeof buffer); }},
        {"SetLayerTitle", [&](AILayerHandle l) { return layer->SetLayerTitle(l, "t"); }},
        {"GetLayerEditable", [&](AILayerHandle l) { return layer->GetLayerEditable(l, &flag); }},
        {"SetLayerEditable", [&](AILayerHandle l) { return layer->SetLayerEditable(l, 0); }},
        {"GetLayerVisible", [&](AILayerHandle l) { return layer->GetLayerVisible(l, &flag); }},
        {"SetLayerVisible", [&](AILayerHandle l) { return layer->SetLayerVisible(l, 0); }},
        {"GetLayerColor", [&](AILayerHandle l) { return layer->GetLayerColor(l, &colour); }},
        {"SetLayerColor", [&](AILayerHandle l) { return layer->SetLayerColor(l, &colour); }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_EQ(kStaleHandleErr, call(gone)) << name;
        EXPECT_EQ(kBadParameterErr, call(nullptr)) << name;
    }
    EXPECT_EQ(1, doc.LayerCount());
}

TEST_F(DocumentTest, ArtSetsAndMemoryBlocksAnswerDisposedAndNullHandles) {
    AIArtSet set = nullptr;
    ASSERT_EQ(kNoErr, artSet->NewArtSet(&set));
    AIArtSet disposed = set;
    ASSERT_EQ(kNoErr, artSet->DisposeArtSet(&set));
    EXPECT_EQ(nullptr, set);
    AIArtHandle some = Make(kPathArt, "p");
    int32_t count = 0;
    AIArtHandle member = nullptr;
    const std::vector<std::pair<const char*, std::function<ASErr(AIArtSet)>>> setCalls = {
        {"DisposeArtSet", [&](AIArtSet s) { return artSet->DisposeArtSet(&s); }},
        {"CountArtSet", [&](AIArtSet s) { return artSet->CountArtSet(s, &count); }},
        {"IndexArtSet", [&](AIArtSet s) { return artSet->IndexArtSet(s, 0, &member); }},
        {"AddArtToArtSet", [&](AIArtSet s) { return artSet->AddArtToArtSet(s, some); }},
        {"RemoveArtFromArtSet", [&](AIArtSet s) { return artSet->RemoveArtFromArtSet(s, some); }},
        {"ClearArtSet", [&](AIArtSet s) { return artSet->ClearArtSet(s); }},
    };
    for (const auto& [name, call] : setCalls) {
        EXPECT_EQ(kStaleHandleErr, call(disposed)) << name;
        EXPECT_EQ(kBadParameterErr, call(nullptr)) << name;
    }

    AIMdMemoryHandle block = nullptr;
    ASSERT_EQ(kNoErr, memory->MdMemoryNewHandle(8, &block));
    ASSERT_EQ(kNoErr, memory->MdMemoryDisposeHandle(block));
    size_t size = 0;
    void* pointer = nullptr;
    const std::vector<std::pair<const char*, std::function<ASErr(AIMdMemoryHandle)>>> memoryCalls = {
        {"MdMemoryDisposeHandle", [&](AIMdMemoryHandle h) { return memory->MdMemoryDisposeHandle(h); }},
        {"MdMemoryGetSize", [&](AIMdMemoryHandle h) { return memory->MdMemoryGetSize(h, &size); }},
        {"MdMemoryResize", [&](AIMdMemoryHandle h) { return memory->MdMemoryResize(h, 4); }},
        {"MdMemoryDeref", [&](AIMdMemoryHandle h) { return memory->MdMemoryDeref(h, &pointer); }},
    };
    for (const auto& [name, call] : memoryCalls) {
        EXPECT_EQ(kStaleHandleErr, call(block)) << name;
        EXPECT_EQ(kBadParameterErr, call(nullptr)) << name;
    }
    EXPECT_EQ(0u, doc.LiveMemoryBlocks());
}

TEST_F(DocumentTest, ViewOperationsRefuseNullAndUnknownViews) {
    AIDocumentViewHandle unknown = reinterpret_cast<AIDocumentViewHandle>(static_cast<uintptr_t>(0xDEAD0));
    AIReal zoom = 0.0f;
    AIRealPoint origin;
    AIRect bounds;
    AIPoint viewPoint;
    AIRealPoint artPoint;
    const std::vector<std::pair<const char*, std::function<ASErr(AIDocumentViewHandle)>>> calls = {
        {"GetDocumentViewZoom", [&](AIDocumentViewHandle v) { return view->GetDocumentViewZoom(v, &zoom); }},
        {"SetDocumentViewZoom", [&](AIDocumentViewHandle v) { return view->SetDocumentViewZoom(v, 2.0f); }},
        {"GetDocumentViewOrigin",
         [&](AIDocumentViewHandle v) { return view->GetDocumentViewOrigin(v, &origin); }},
        {"SetDocumentViewOrigin",
         [&](AIDocumentViewHandle v) { return view->SetDocumentViewOrigin(v, &origin); }},
        {"GetDocumentViewBounds",
         [&](AIDocumentViewHandle v) { return view->GetDocumentViewBounds(v, &bounds); }},
        {"ArtworkPointToViewPoint",
         [&](AIDocumentViewHandle v) { return view->ArtworkPointToViewPoint(v, &artPoint, &viewPoint); }},
        {"ViewPointToArtworkPoint",
         [&](AIDocumentViewHandle v) { return view->ViewPointToArtworkPoint(v, &viewPoint, &artPoint); }},
        {"SetDocumentViewInvalidRect",
         [&](AIDocumentViewHandle v) { return view->SetDocumentViewInvalidRect(v, &bounds); }},
    };
    for (const auto& [name, call] : calls) {
        EXPECT_EQ(kBadParameterErr, call(unknown)) << name;
        EXPECT_EQ(kBadParameterErr, call(nullptr)) << name;
    }
    EXPECT_EQ(1.0f, doc.View().zoom);
    EXPECT_TRUE(doc.View().invalidRects.empty());
}
