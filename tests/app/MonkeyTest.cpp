// A seeded random user on the real window: clicks and drags (mostly on the
// views' frames), typing with non-ASCII text and control keys, the wheel, menu
// commands other than Quit and Close, message boxes and pop-up menus answered.
// After every change to the diary file the store's invariant must hold: each
// day's calorie_total is the sum of its items, and no date has two rows.
//   DIARY_MONKEY_EVENTS   how many events (20000)
//   DIARY_MONKEY_SEED     the seed (fixed); printed first, so a run can be replayed
//   DIARY_MONKEY_FOLDER   keep the diary in FOLDER/devuser across runs (the kill test)
//   DIARY_MONKEY_PROGRESS one '.' on stdout per event
#include "DiaryWindowFixture.h"

#include "app/MenuBar1.h"
#include "support/DiaryInvariant.h"
#include "toolkit/core/VR2Codes.h"

#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>

namespace {

uint64_t Setting(const char* name, uint64_t otherwise)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : otherwise;
}

// The file's change counter: SQLite raises it with every committed write.
uint32_t ChangeCounter(const std::filesystem::path& file)
{
    unsigned char bytes[4] = {};
    std::ifstream in(file, std::ios::binary);
    in.seekg(24);
    in.read(reinterpret_cast<char*>(bytes), 4);
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

void Collect(const VR2Surface::Ref& surface, std::vector<VR2View::Ref>& views)
{
    for (const auto& view : surface->getViewList()) {
        views.push_back(view);
        if (const auto inner = std::dynamic_pointer_cast<VR2Surface>(view))
            Collect(inner, views);
    }
}

void Leaves(const platform::MenuItem::Ref& menu, std::vector<platform::MenuItem::Ref>& items)
{
    for (int32_t i = 0; i < menu->Count(); ++i) {
        const auto item = menu->Child(i);
        if (item->Count() > 0)
            Leaves(item, items);
        else if (item->Name != "FileQuit" && item->Name != "FileClose" && item->Text != "-")
            items.push_back(item);
    }
}

const std::vector<QString> kWords{"Pear", "1", "250", "-40", "12", "3000", "Tea", "900", "-1", "2147483647",
                                  "-2147483648", "99999999999", " 7 ", "1.5", "1e3", "\u0663\u0664",
                                  "\u00e9t\u00e9", "\u5BFF\u53F8", "\U0001F34E", "\u0641\u0644", "%_;'\"\\", "0", "x"};
const std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> kKeys{
    {Qt::Key_Return, {}}, {Qt::Key_Enter, {}},    {Qt::Key_Tab, {}},     {Qt::Key_Backtab, Qt::ShiftModifier},
    {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}}, {Qt::Key_Escape, {}}, {Qt::Key_Left, {}},
    {Qt::Key_Right, {}},  {Qt::Key_Up, {}},        {Qt::Key_Down, {}},    {Qt::Key_Home, {}},
    {Qt::Key_End, {}},    {Qt::Key_PageDown, {}}, {Qt::Key_A, Qt::ControlModifier},
    {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
    {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Backspace, {}}, {Qt::Key_Return, {}}, {Qt::Key_Return, {}},
    {Qt::Key_Return, {}}, {Qt::Key_Tab, {}},
};

class MonkeyTest : public DiaryWindowTest {
protected:
    void SetUp() override
    {
        const char* kept = std::getenv("DIARY_MONKEY_FOLDER");
        std::string folder = kept && *kept ? kept : "";
        if (folder.empty()) {
            folder = (std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") + std::string("/monkey-XXXXXX");
            ASSERT_TRUE(mkdtemp(folder.data()));
            mOwnFolder = folder;
        }
        std::filesystem::create_directories(std::filesystem::path(folder) / "devuser");
        platform::SetApplicationFolderForTesting(folder);
        services->choose = [this](const platform::MenuItem::Ref& menu) {
            const int32_t pick = static_cast<int32_t>(mRandom() % static_cast<uint64_t>(menu->Count() + 1));
            return menu->Child(pick);  // nil past the last: dismissed
        };
        Start();
    }
    void TearDown() override
    {
        DiaryWindowTest::TearDown();
        platform::SetApplicationFolderForTesting(std::nullopt);
        if (!mOwnFolder.empty())
            std::filesystem::remove_all(mOwnFolder);
    }

    int Below(int n) { return static_cast<int>(mRandom() % static_cast<uint64_t>(std::max(1, n))); }
    QPoint Anywhere() { return {Below(window->Width()), Below(window->Height())}; }
    // A point inside a random view's frame, in content coordinates.
    QPoint OnAView()
    {
        std::vector<VR2View::Ref> views;
        Collect(window, views);
        const auto at = views[static_cast<size_t>(Below(static_cast<int>(views.size())))]->bounds(codes::kSpaceScreen);
        return {at->left - window->Left() + Below(at->width), at->top - window->Top() + Below(at->height)};
    }
    // Where entries are made: the fields, the goals, the food rows and the buttons.
    QPoint OnAnEntry()
    {
        std::vector<VR2View::Ref> views;
        for (const char* name : {"food_entry_field", "calorie_entry_field", "steps_entry_field", "dailyStat_calGoal",
                                 "dailyStat_stepGoal", "food_entry_list"})
            views.push_back(View(name));
        for (const auto& row : List()->getViewList())
            for (const char* name : {"food_name", "cal_val"})
                views.push_back(View(name, row));
        const size_t pick = static_cast<size_t>(Below(static_cast<int>(views.size()) + 5));
        if (pick >= views.size())
            return std::vector<QPoint>{kAddFood, kAddSteps, kBack, kToday, kNext}[pick - views.size()];
        const auto at = views[pick]->bounds(codes::kSpaceScreen);
        return {at->left - window->Left() + Below(at->width), at->top - window->Top() + Below(at->height)};
    }
    QPoint Somewhere()
    {
        const int where = Below(10);
        return where < 2 ? Anywhere() : where < 5 ? OnAView() : OnAnEntry();
    }

    // One random event; what it was, for the replay note.
    std::string Event()
    {
        QWindow* handle = testsupport::HandleOf(*window);
        QWidget* widget = testsupport::WidgetOf(*window);
        const QPoint origin = testsupport::ContentOrigin(*window);
        const int kind = Below(100);
        if (kind < 45) {
            // Released from the event loop, as a desktop would: a press that
            // tracks the mouse until the release gets it while it waits.
            const QPoint from = origin + Somewhere();
            const QPoint to = kind < 40 ? from : origin + Somewhere();
            bool released = false;
            QTimer::singleShot(0, [&] {
                if (to != from)
                    QTest::mouseMove(handle, to);
                QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
                released = true;
            });
            QTest::mousePress(handle, Qt::LeftButton, {}, from);
            RunEventLoopUntil([&] { return released; });
            return (to == from ? "click " : "drag ") + std::to_string(from.x()) + "," + std::to_string(from.y());
        }
        if (kind < 65) {
            const QString word = kWords[static_cast<size_t>(Below(static_cast<int>(kWords.size())))];
            if (Below(2) == 0)
                QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);  // over what the field held
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, word, {});
            return "type " + word.toStdString();
        }
        if (kind < 93) {
            const auto& [key, modifiers] = kKeys[static_cast<size_t>(Below(static_cast<int>(kKeys.size())))];
            QTest::keyClick(widget, key, modifiers);
            return "key " + std::to_string(key);
        }
        if (kind < 97) {
            const QPoint at = origin + Somewhere();
            QWheelEvent wheel(at, handle->mapToGlobal(at), {}, {0, Below(2) ? 120 : -120}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(handle, &wheel);
            return "wheel";
        }
        std::vector<platform::MenuItem::Ref> items;
        Leaves(MenuBar1::Instance(), items);
        const auto item = items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
        platform::Application::ChooseMenuItem(item, window);
        return "menu " + item->Name;
    }

    std::mt19937_64 mRandom;
    std::string mOwnFolder;
};

}  // namespace

TEST_F(MonkeyTest, EveryStoreChangeKeepsTheDiaryWhole)
{
    const uint64_t events = Setting("DIARY_MONKEY_EVENTS", 20000);
    const uint64_t seed = Setting("DIARY_MONKEY_SEED", 20261207);
    const bool progress = std::getenv("DIARY_MONKEY_PROGRESS") != nullptr;
    std::printf("monkey: seed %llu, %llu events\n", static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(events));
    std::fflush(stdout);
    mRandom.seed(seed);
    const auto start = std::chrono::steady_clock::now();
    uint32_t counter = ChangeCounter(File());
    uint64_t changes = 0, failures = 0, done = 0;
    std::vector<std::string> recent;
    for (; done < events && failures == 0; ++done) {
        recent.push_back(Event());
        if (recent.size() > 8)
            recent.erase(recent.begin());
        services->messages.clear();
        if (progress && write(STDOUT_FILENO, ".", 1) != 1)
            break;
        if (const uint32_t now = ChangeCounter(File()); now != counter) {
            changes += now - counter;
            counter = now;
            if (const Rows broken = PlainSQL(File()).Query(testsupport::kBrokenDiaryRows); !broken.empty()) {
                ++failures;
                std::string note;
                for (const auto& event : recent)
                    note += "\n  " + event;
                ADD_FAILURE() << "event " << done << " of seed " << seed << " broke the diary: " << broken[0][0]
                              << " " << broken[0][1] << "; the last events:" << note;
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Rows kept = PlainSQL(File()).Query("SELECT (SELECT count(*) FROM food), (SELECT count(*) FROM daily)");
    std::printf("\nmonkey: %llu events in %.1f s, %llu store changes, %llu failures; %s items, %s days kept\n",
                static_cast<unsigned long long>(done), seconds, static_cast<unsigned long long>(changes),
                static_cast<unsigned long long>(failures), kept[0][0].c_str(), kept[0][1].c_str());
    EXPECT_GE(changes * 100, done) << "the events reach the store";
}
