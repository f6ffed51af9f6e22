// Every editor class the sheet library registers gets an editor of the
// class of that name once a grid exists.
#include "grid/EditTestSupport.h"
#include "grid/TXLEditor.h"

namespace {

using EditorRegistration = EditTestBase;

TEST_F(EditorRegistration, EveryEditorClassMakesItsEditor)
{
    using namespace XLEditClasses;
    for (const TXLEditClass* editClass : {PickEdit(), Memo(), MaskEdit(), ComboBox(), NumEdit(), DateTimeEdit()}) {
        SCOPED_TRACE(editClass->Name.toStdString());
        const TXLEditorFactory* factory = XLFindEditorFactory(editClass);
        ASSERT_NE(factory, nullptr);
        TXLEditor* editor = (*factory)(&Host());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(QString::fromLatin1(editor->metaObject()->className()), editClass->Name);
        EXPECT_NE(editor->WorkingControl(), nullptr);
        delete editor;
    }
}

}  // namespace
