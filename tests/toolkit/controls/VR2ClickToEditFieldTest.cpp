#include "TextFixture.h"

#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/core/VireoStandardProperties.h"

namespace {

// Leaves its list when a commit changes it, as a list rebuilt by the 'chgd' receiver does.
class LeavingField : public VR2ClickToEditField {
public:
    bool CloseActiveCell(bool cancel) override
    {
        const std::string before = Text;
        VR2ClickToEditField::CloseActiveCell(cancel);
        if (Text != before)
            release();
        return true;
    }
};

}  // namespace

class ClickToEditTest : public TextFixture {
protected:
    // A field whose 'chgd' reaches the window as "chgd <text>".
    template <typename T = VR2ClickToEditField>
    std::shared_ptr<T> AddField(const VR2Surface::Ref& holder, int32_t top, const std::string& text)
    {
        auto field = VR2View::Create<T>();
        field->Text = text;
        field->move(20, top, false);
        field->resize(150, 22, false);
        auto handler = VR2EventHandler::Create();
        handler->targetCode = codes::kTargetParent;
        handler->messageSelector = codes::kEventChanged;
        field->EventHandlerTable->addHandler(codes::kEventChanged, handler);
        field->attach(holder, true, false);
        return field;
    }
    static SLTEView::Ref Cell() { return VR2ClickToEditField::ActiveCell(); }
};

TEST_F(ClickToEditTest, EditsCommitOnceAndOnlyWhenChanged)
{
    auto apple = AddField(window, 20, "Apple");
    auto pear = AddField(window, 60, "Pear");
    Click(QPoint(30, 31));
    ASSERT_EQ(VR2ClickToEditField::EditedField(), apple);
    EXPECT_TRUE(Cell()->hasFocus());
    EXPECT_EQ(Cell()->SelText(), "Apple");
    Type("Kiwi");
    Key(Qt::Key_Return);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Kiwi"});
    EXPECT_EQ(apple->Text, "Kiwi");
    {
        SCOPED_TRACE("the closed editor holds no focus and takes no keys");
        EXPECT_EQ(Cell()->parent(false), nullptr);
        EXPECT_FALSE(Cell()->isBlinking());
        Type("z");
        EXPECT_EQ(Cell()->Text(), "Kiwi");
    }
    {
        SCOPED_TRACE("unchanged and cancelled edits send nothing");
        Click(QPoint(30, 31));
        Key(Qt::Key_Enter, Qt::KeypadModifier);
        Click(QPoint(30, 31));
        Type("x");
        Key(Qt::Key_Escape);
        EXPECT_EQ(apple->Text, "Kiwi");
        EXPECT_TRUE(Sent().empty());
    }
    {
        SCOPED_TRACE("a click on another field commits, then opens that field");
        Click(QPoint(30, 31));
        Type("Fig");
        Click(QPoint(30, 71));
        EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Fig"});
        EXPECT_EQ(VR2ClickToEditField::EditedField(), pear);
        Click(QPoint(160, 31));
        EXPECT_EQ(VR2ClickToEditField::EditedField(), nullptr) << "right of the text only commits";
    }
    {
        SCOPED_TRACE("setting the text during an edit replaces the editor's");
        Click(QPoint(30, 71));
        VireoStandardProperties::VR2ObjectSetProperty(pear, "text", "Plum");
        EXPECT_EQ(Cell()->Text(), "Plum");
        Key(Qt::Key_Return);
        EXPECT_EQ(pear->Text, "Plum");
        EXPECT_TRUE(Sent().empty());
    }
    {
        SCOPED_TRACE("the click test measures from the left edge whatever the alignment");
        pear->Alignment = 1;
        pear->refresh();
        Click(QPoint(160, 71));
        EXPECT_EQ(VR2ClickToEditField::EditedField(), nullptr);
        Click(QPoint(25, 71));
        EXPECT_EQ(VR2ClickToEditField::EditedField(), pear);
    }
}

TEST_F(ClickToEditTest, ALeavingRowCommitsAndTheEditorSurvives)
{
    auto list = VR2ContainerView::Create();
    list->resize(400, 50, false);
    list->attach(window, true, false);
    auto row = VR2ContainerView::Create();
    row->resize(400, 50, false);
    row->attach(list, true, false);
    auto date = AddField(row, 20, "Date");
    auto lime = AddField<LeavingField>(window, 60, "Lime");
    Click(QPoint(30, 31));
    Type("Dates");
    // As a list that is rebuilt lets go of its rows.
    row->detach(false, false);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Dates"});
    EXPECT_EQ(VR2ClickToEditField::EditedField(), nullptr);
    {
        SCOPED_TRACE("a field that its own commit removes is not opened again");
        Click(QPoint(30, 71));
        ASSERT_EQ(VR2ClickToEditField::EditedField(), lime);
        Type("Lemon");
        // A double click that the editor takes as a word selection goes on to the field.
        const QPoint word(40, 71);
        Click(word);
        Click(word, true);
        EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Lemon"});
        EXPECT_EQ(VR2ClickToEditField::EditedField(), nullptr);
        EXPECT_EQ(Cell()->parent(false), nullptr);
    }
}
