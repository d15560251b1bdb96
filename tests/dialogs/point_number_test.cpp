// The point-number field of both point editors: whatever the user types into it, once committed it shows the
// number of the point it selected, and the X and Y edits show that point.
#include <string>

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

} // namespace
