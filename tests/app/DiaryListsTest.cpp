#include "DiaryWindowFixture.h"

#include "app/DPDailyList.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/core/VR2Codes.h"

#include <QWheelEvent>

namespace {

// A row shows when its frame, moved by the list's offset, lies inside the part no bar covers.
bool Shows(const VR2ScrollingView& list, const VR2View& row)
{
    const auto area = list.documentArea();
    const auto shown = const_cast<VR2ScrollingView&>(list).visibleRect();
    const int32_t top = row.top() + area->top;
    return top >= 0 && top + row.height() <= shown->height && row.left() + area->left >= 0;
}

// "0 24 48": the rows' tops, in list order.
std::string Tops(const std::vector<VR2View::Ref>& rows)
{
    std::string tops;
    for (const auto& row : rows)
        tops += (tops.empty() ? "" : " ") + platform::Str(row->top());
    return tops;
}

}  // namespace

class DiaryListsTest : public DiaryWindowTest {
protected:
    void AddItems(int count, const std::string& name)
    {
        for (int index = 0; index < count; ++index)
            Type(name + platform::Str(index) + "\t" + platform::Str(index + 1) + "\r");
    }
    // The wheel over the food list, notches downwards.
    void Wheel(int notches)
    {
        const auto at = List()->bounds(codes::kSpaceScreen);
        const QPointF point = QPointF(testsupport::ContentOrigin(*window)) +
                              QPointF(at->left - window->Left() + 40, at->top - window->Top() + 40);
        QWheelEvent wheel(point, testsupport::WidgetOf(*window)->mapToGlobal(point), {}, QPoint(0, -120 * notches),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(testsupport::WidgetOf(*window), &wheel);
    }
    // Shows inside the list, and a click on it selects it.
    void ExpectShownAndClickable(const VR2View::Ref& row)
    {
        ASSERT_TRUE(row);
        EXPECT_TRUE(Shows(*List(), *row)) << "top " << row->top() << ", offset " << List()->documentArea()->top;
        Click(row, 190);
        EXPECT_EQ(List()->selectedRow(), row);
    }
};

TEST_F(DiaryListsTest, ADayAfterALongScrolledListShowsItsItemsFromTheTop)
{
    const auto store = [](const std::string& name, int day) {
        auto item = DPFoodRecord::Create();
        item->CaloricItem = name;
        item->CalVal = 300;
        item->EatenDate = platform::Date::Create(2026, 12, day, 12, 0);
        ASSERT_NE(DiaryDB::AddFood(item), -1);
    };
    for (int index = 0; index < 30; ++index)
        store("Earlier " + platform::Str(index), 31);
    store("Soup", 30);
    AddItems(35, "Item ");
    Wheel(100);
    const auto rows = List()->getViewList();
    ASSERT_EQ(rows.size(), 35u);
    EXPECT_TRUE(Shows(*List(), *rows.back()));
    EXPECT_FALSE(Shows(*List(), *rows.front())) << "scrolled to the end";

    Press(kBack);
    ASSERT_EQ(List()->count(), 30);
    EXPECT_EQ(List()->documentArea()->top, 0) << "another long day, from its first item";
    ExpectShownAndClickable(List()->getViewList()[0]);
    Wheel(100);
    Press(kBack);
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(Text("food_name", List()->getViewList()[0]), "Soup");
    EXPECT_EQ(List()->documentArea()->description(), ",,256,24");
    EXPECT_FALSE(List()->verticalScrollbar()->Visible);
    ExpectShownAndClickable(List()->getViewList()[0]);
    SCOPED_TRACE("an item added on the short day shows too");
    Fill("food_entry_field", "Tea\t5\r");
    const auto tea = List()->getViewList().at(1);
    ExpectShownAndClickable(tea);
    EXPECT_EQ(Query("SELECT caloric_item FROM food WHERE eaten_date = '2026-12-30'"), Rows({{"Soup"}, {"Tea"}}));
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryListsTest, AnItemAddedToAFullListIsScrolledIntoView)
{
    AddItems(20, "Item ");
    Wheel(-100);  // back to the top, so the next row would land below what shows
    EXPECT_EQ(List()->documentArea()->top, 0);
    Type("Pear\t50\r");
    ASSERT_EQ(List()->count(), 21);
    const auto added = List()->getViewList().back();
    EXPECT_EQ(Text("food_name", added), "Pear");
    EXPECT_TRUE(List()->verticalScrollbar()->Visible);
    EXPECT_EQ(List()->verticalScrollbar()->Value(), -List()->documentArea()->top) << "the bar follows";
    ExpectShownAndClickable(added);
    EXPECT_EQ(Messages(), Lines());
}

TEST_F(DiaryListsTest, RowsBelowADeletedItemMoveUpAndTheHistoryIsStacked)
{
    Type("Apple\t95\rSoup\t300\rBread\t200\rTea\t5\r");
    EXPECT_EQ(Tops(List()->getViewList()), "0 24 48 72");
    Click(List()->getViewList()[1], 190);
    Type("\b");
    EXPECT_EQ(Query("SELECT caloric_item FROM food ORDER BY id"), Rows({{"Apple"}, {"Bread"}, {"Tea"}}));
    EXPECT_EQ(Tops(List()->getViewList()), "0 24 48");
    EXPECT_EQ(List()->documentArea()->height, 72);
    EXPECT_EQ(Text("food_name", List()->selectedRow()), "Bread");
    ExpectShownAndClickable(List()->getViewList()[2]);

    SCOPED_TRACE("the history of the month, reloaded on every change, is laid out each time");
    const auto history = std::dynamic_pointer_cast<DPDailyList>(View("daily_list"));
    ASSERT_TRUE(history);
    for (int day = 0; day < 3; ++day)
        Press(kNext);
    const auto widths = [&] {
        std::string text;
        for (const auto& row : history->getViewList())
            text += (text.empty() ? "" : " ") + platform::Str(row->width());
        return text;
    };
    EXPECT_EQ(Tops(history->getViewList()), "0 24 48");
    EXPECT_EQ(widths(), "476 476 476");
    Type("Pear\t50\r");
    EXPECT_EQ(Tops(history->getViewList()), "0 24 48");
    EXPECT_EQ(Text("date_field", history->getViewList()[2]), "Fri. 1st");
    EXPECT_EQ(history->documentArea()->description(), ",,476,72");
}

TEST_F(DiaryListsTest, ThePointerIsPutBackWhenAnEditInPlaceEnds)
{
    Type("Apple\t95\r");
    const auto row = List()->getViewList().at(0);
    Click(row, 190);
    const auto name = View("food_name", row);
    const auto at = name->bounds(codes::kSpaceScreen);
    const QPoint over = testsupport::ContentOrigin(*window) +
                        QPoint(at->left - window->Left() + 10, at->top - window->Top() + at->height / 2);
    QTest::mouseClick(testsupport::HandleOf(*window), Qt::LeftButton, {}, over);
    QTest::mouseMove(testsupport::HandleOf(*window), over + QPoint(2, 0));
    ASSERT_TRUE(window->MouseCursor());
    EXPECT_EQ(window->MouseCursor()->shape(), platform::MouseCursor::Shape::IBeam) << "over the open editor";
    Type("Green apple\r");
    EXPECT_EQ(Query("SELECT caloric_item FROM food"), Rows({{"Green apple"}}));
    EXPECT_FALSE(window->MouseCursor()) << "the editor left from under the pointer";
}

TEST_F(DiaryListsTest, TheFirstItemAddedToAnEmptyListIsDrawnAtOnce)
{
    ASSERT_EQ(List()->count(), 0);
    const auto at = List()->bounds(codes::kSpaceScreen);
    const QRect list(testsupport::ContentOrigin(*window) + QPoint(at->left - window->Left(), at->top - window->Top()),
                     QSize(at->width, at->height));
    // Pixels of the first row's band, inside the list's frame, that are not the list's white.
    const auto ink = [&](const QImage& pixels, int x, int width) {
        int count = 0;
        for (int y = list.top() + 1; y < list.top() + 24; ++y)
            for (int dx = 0; dx < width; ++dx)
                count += (pixels.pixel(list.left() + x + dx, y) & 0xFFFFFF) != 0xFFFFFFu ? 1 : 0;
        return count;
    };
    EXPECT_EQ(ink(testsupport::ScreenPixels(*window), 1, 255), 0);
    Type("Apple\t95\r");
    ASSERT_EQ(List()->count(), 1);
    // Read before anything else could paint the window.
    const QImage shown = testsupport::ScreenPixels(*window);
    EXPECT_GT(ink(shown, 5, 177), 20) << "the name";
    EXPECT_GT(ink(shown, 200, 56), 10) << "the calories";

    SCOPED_TRACE("what shows is what a whole repaint draws");
    window->Refresh();
    testsupport::ProcessEventsFor(50);
    const QImage whole = testsupport::ScreenPixels(*window);
    int differences = 0;
    for (int y = list.top(); y <= list.bottom(); ++y)
        for (int x = list.left(); x <= list.right(); ++x)
            differences += shown.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(Messages(), Lines());
}
