// The whole-number fields of the point editors (the point number of both, the Bézier dialog's replica count):
// whatever the user types into one, once committed it shows the whole number in force.
#include <string>

#include "dialogs/creation/PointEditorItems.h"
#include "dialogs/creation/PointEditorShape.h"
#include "editor_fixture.h"

namespace {

using editortest::EditorTest;

class PointNumberField : public EditorTest {
  protected:
    // Types each text into item 26 of the editor and checks what it then shows against the selection.
    static void TypeEach(ADMDialogRef dialog, const PointEditor& editor) {
        const int32_t last = editor.EditShape.PointCount - 1;
        const struct {
            const char* typed;
            int32_t point;
        } cases[] = {{"2,7", 3},  {"1.4", 1}, {"0,5", 1}, {"1e30", last}, {"-1", 0},
                     {"-0,4", 0}, {"1", 1},   {"abc", 1}, {"", 1}};
        for (const auto& c : cases) {
            sim::TheDialogs().Enter(Item(dialog, kPointNumberItem), c.typed);
            EXPECT_EQ(editor.SelectedPoint, c.point) << '"' << c.typed << '"';
            EXPECT_EQ(Data(dialog, kPointNumberItem).text, std::to_string(c.point)) << '"' << c.typed << '"';
            const EditorPoint shown = SelectedPosition(editor.EditShape, editor.SelectedPoint);
            EXPECT_FLOAT_EQ(Data(dialog, kPointXItem).value, shown.x) << '"' << c.typed << '"';
        }
    }
};

TEST_F(PointNumberField, TheArrowEditorShowsThePointItSelected) {
    Run(ModalDialog::ArrowEditor, [](ADMDialogRef dialog) {
        TypeEach(dialog, gArrowEditor);
        Click(dialog, 2);
    });
}

TEST_F(PointNumberField, TheBezierEditorShowsThePointItSelected) {
    BezierClickAt({300.0f, 200.0f}, [](ADMDialogRef dialog) {
        TypeEach(dialog, gBezierEditor);
        Click(dialog, 2);
    });
}

TEST_F(PointNumberField, TheReplicaCountShowsTheCountInForce) {
    BezierClickAt({300.0f, 200.0f}, [](ADMDialogRef dialog) {
        const auto most = static_cast<int32_t>(Data(dialog, kReplicaCountItem).maximum);
        const struct {
            const char* typed;
            int32_t count;
        } cases[] = {{"2,5", 3}, {"4.4", 4}, {"1e30", most}, {"-1", 1}, {"abc", 1}, {"1,5", 2}};
        for (const auto& c : cases) {
            sim::TheDialogs().Enter(Item(dialog, kReplicaCountItem), c.typed);
            EXPECT_EQ(gBezierEditReplicas.Count, c.count) << '"' << c.typed << '"';
            EXPECT_EQ(Data(dialog, kReplicaCountItem).text, std::to_string(c.count)) << '"' << c.typed << '"';
        }
        Click(dialog, 2);
    });
}

} // namespace
