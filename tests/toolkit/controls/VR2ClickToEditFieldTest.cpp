#include "TextFixture.h"

#include "toolkit/controls/VR2ClickToEditField.h"
#include "toolkit/core/VR2Codes.h"

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
    // A field at (20, top) whose 'chgd' reaches the window as "chgd <text>".
    template <typename T = VR2ClickToEditField>
    std::shared_ptr<T> AddField(const VR2Surface::Ref& holder, int32_t top, const std::string& text)
    {
        auto field = VR2View::Create<T>();
        field->Text = text;
        field->EventHandlerTable->addHandler(codes::kEventChanged, ToParent(codes::kEventChanged));
        return PlaceIn(holder, field, 20, top, 150, 22);
    }
    static VR2ClickToEditField::Ref Edited() { return VR2ClickToEditField::EditedField(); }
    // Sends the field's 'chgd' to the window straight, past a holder that may be gone by then.
    static void ReportToWindow(VR2View& field)
    {
        auto handler = ToParent(codes::kEventChanged);
        handler->targetCode = codes::kTargetTop;
        field.EventHandlerTable->addHandler(codes::kEventChanged, handler);
    }
};

TEST_F(ClickToEditTest, EditsCommitOnceAndOnlyWhenChanged)
{
    auto apple = AddField(window, 20, "Apple");
    auto pear = AddField(window, 60, "Pear");
    const auto cell = VR2ClickToEditField::ActiveCell();
    Click(QPoint(30, 31));
    ASSERT_EQ(Edited(), apple);
    EXPECT_EQ(cell->SelText(), "Apple");
    Type("Kiwi");
    Key(Qt::Key_Return);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Kiwi"});
    EXPECT_EQ(apple->Text, "Kiwi");
    EXPECT_FALSE(cell->isBlinking()) << "the closed editor gave up the focus";

    SCOPED_TRACE("unchanged and cancelled edits send nothing");
    Click(QPoint(30, 31));
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    Click(QPoint(30, 31));
    Type("x");
    Key(Qt::Key_Escape);
    EXPECT_EQ(apple->Text, "Kiwi");
    EXPECT_TRUE(Sent().empty());

    SCOPED_TRACE("a click on another field commits, then opens that field; right of the text only commits");
    Click(QPoint(30, 31));
    Type("Fig");
    Click(QPoint(30, 71));
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Fig"});
    EXPECT_EQ(Edited(), pear);
    Click(QPoint(160, 31));
    EXPECT_EQ(Edited(), nullptr);
}

TEST_F(ClickToEditTest, AnEmptyOrShortTextStillOpensWithinAReasonableTarget)
{
    auto empty = AddField(window, 20, "");
    auto zero = AddField(window, 60, "0");
    for (const auto& [field, x] : {std::pair{empty, 0}, {empty, 39}, {zero, 39}}) {
        SCOPED_TRACE(field->Text + " at " + std::to_string(x));
        Click(QPoint(20 + x, field->top() + 11));
        EXPECT_EQ(Edited(), field);
        Key(Qt::Key_Escape);
    }
    Click(QPoint(80, 71));
    EXPECT_EQ(Edited(), nullptr);
    Click(QPoint(50, 31));
    Type("Fig");
    Key(Qt::Key_Return);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Fig"});
    EXPECT_EQ(empty->Text, "Fig");
}

TEST_F(ClickToEditTest, ALeavingRowCommitsAndTheEditorSurvives)
{
    auto list = PlaceIn(window, VR2ContainerView::Create(), 0, 0, 400, 50);
    auto row = PlaceIn(list, VR2ContainerView::Create(), 0, 0, 400, 50);
    AddField(row, 20, "Date");
    auto lime = AddField<LeavingField>(window, 60, "Lime");
    Click(QPoint(30, 31));
    Type("Dates");
    // As a list that is rebuilt lets go of its rows.
    row->detach(false, false);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Dates"});

    SCOPED_TRACE("a field taken out of its holder keeps what was typed and reports it first");
    auto fig = AddField(window, 100, "Fig");
    Click(QPoint(30, 111));
    Type("Figs");
    fig->detach(false, false);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Figs"});
    EXPECT_EQ(fig->Text, "Figs");
    EXPECT_EQ(Edited(), nullptr);

    SCOPED_TRACE("a field that its own commit removes is not opened again");
    Click(QPoint(30, 71));
    ASSERT_EQ(Edited(), lime);
    Type("Lemon");
    // A double click that the editor takes as a word selection goes on to the field.
    Click(QPoint(40, 71));
    Click(QPoint(40, 71), true);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Lemon"});
    EXPECT_EQ(Edited(), nullptr);
    EXPECT_EQ(VR2ClickToEditField::ActiveCell()->parent(false), nullptr);

    SCOPED_TRACE("a field whose holder is released mid-edit, or that is released itself, keeps and reports it too");
    auto holder = PlaceIn(window, VR2ContainerView::Create(), 0, 140, 400, 40);
    auto plum = AddField(holder, 5, "Plum");
    auto pear = AddField(window, 200, "Pear");
    for (const auto& field : {plum, pear})
        ReportToWindow(*field);
    const auto editAndRelease = [&](const VR2ClickToEditField::Ref& field, QPoint at, const VR2View::Ref& leaving) {
        Click(at);
        ASSERT_EQ(Edited(), field);
        Type(QString::fromStdString(field->Text + "s"));
        leaving->release();
        EXPECT_EQ(Edited(), nullptr);
    };
    editAndRelease(plum, QPoint(30, 156), holder);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Plums"});
    EXPECT_EQ(plum->Text, "Plums");
    editAndRelease(pear, QPoint(30, 211), pear);
    EXPECT_EQ(Sent(), std::vector<std::string>{"chgd Pears"});
    EXPECT_EQ(pear->Text, "Pears");
    EXPECT_EQ(VR2ClickToEditField::ActiveCell()->parent(false), nullptr);
}
