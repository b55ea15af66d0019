// The diary itself on a generated ten-year diary (3,650 days of 20 items),
// offscreen:
// 1. process start to the first painted main window, against a bare Qt window
//    started the same way (the same program, a child process each round), and
//    the peak resident memory of both; for reference, the bare window with one
//    line of text, and the diary just after another program wrote it;
// 2. every entry of the window's controller, from its message to the window's
//    pixels, median of the rounds, beside the same run's floor: the durable
//    commit of the entry's writes through plain SQLite, one connection per
//    operation; their difference is our own work (goal: one frame, 16.7 ms);
// 3. resident memory after start and after 1,000 further actions;
// 4. the same on a one-year diary: the ten-year figure over the one-year one
//    (goal: at most 1.2).
// The timed runs happen in children, one per diary, so that generating the
// diaries does not weigh on the figures.
#include "BenchStart.h"
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "DiaryGenerator.h"

#include "app/App.h"
#include "app/DPCodes.h"
#include "app/DPFoodEntryList.h"
#include "app/MainWindow.h"
#include "app/MainWindowController.h"
#include "platform/Application.h"
#include "platform/Codes.h"
#include "platform/Text.h"
#include "store/DiaryDB.h"
#include "toolkit/controls/VR2ListServiceView.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/core/Vireo2Engine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 799;
constexpr int kHeight = 559;
constexpr int kStartRounds = 31;
constexpr int kActions = 1000;

using Clock = std::chrono::steady_clock;

// The processor time this process has spent, in milliseconds: steadier than
// the wall clock on a busy machine.
double ProcessorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::string DiaryFile() { return std::string(std::getenv("HOME")) + "/Documents/Di Rizezoz Database"; }

void WatchForFirstFrame()
{
    static auto* reporter = new FirstFrameReporter();
    QCoreApplication::instance()->installEventFilter(reporter);
}

// The bare window with one line of text in the diary's font: what any window
// that shows text pays for the font machinery.
class TextWidget : public BareWidget {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        BareWidget::paintEvent(event);
        QPainter painter(this);
        QFont font("DejaVu Sans");
        font.setPixelSize(13);
        painter.setFont(font);
        painter.drawText(20, 20, "Monday, December 7, 2026");
    }
};

// Each started as its program would be: the bare windows make their Qt
// application themselves, the diary runs as its main does.
int RunStartChild(const std::string& kind, int argc, char** argv)
{
    qAddPreRoutine(WatchForFirstFrame);
    if (kind == "app") {
        int noArguments = 1;
        return AppMain::Main(noArguments, argv);
    }
    QApplication qt(argc, argv);
    const auto widget = kind == "text" ? std::unique_ptr<QWidget>(new TextWidget()) : std::make_unique<BareWidget>();
    widget->resize(kWidth, kHeight);
    widget->show();
    return QApplication::exec();
}

// ---- 2. and 3. the entries, in a child on one diary

// The floor: an entry's writes through plain SQLite on a new connection, committed.
class Floor {
public:
    static double Micros(const std::vector<std::string>& statements)
    {
        const auto start = Clock::now();
        sqlite3* db = nullptr;
        sqlite3_open_v2(DiaryFile().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(db, 5000);
        sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        for (const auto& statement : statements)
            if (sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
                std::fprintf(stderr, "floor: %s: %s\n", statement.c_str(), sqlite3_errmsg(db));
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close_v2(db);
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }
    static int64_t Integer(const std::string& query)
    {
        sqlite3* db = nullptr;
        sqlite3_open_v2(DiaryFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, query.c_str(), -1, &statement, nullptr);
        const int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
        sqlite3_finalize(statement);
        sqlite3_close_v2(db);
        return value;
    }
};

class Diary {
public:
    Diary()
    {
        Vireo2Theme::RegisterStandardTheme();
        mApp = AppMain::NewAppInstance();
        AppMain::ApplicationAddMenuHandlers();
        mApp->OnOpen();
        mApp->OnNewDocument();
        mWindow = std::dynamic_pointer_cast<MainWindow>(platform::Application::Window(0));
        mController = std::dynamic_pointer_cast<MainWindowController>(Vireo2Engine::VR2ResponderChainCopy().back());
        if (!mWindow || !mController)
            std::exit(1);
        Settle(300);
    }

    // The message, as a view sends it, until its pixels are in the window.
    double Send(const std::string& category, int32_t selector, const std::vector<platform::Variant>& params,
                VR2Object::Ref sender = nullptr)
    {
        auto message = VR2Message::Create(category, selector);
        for (size_t i = 0; i + 1 < params.size(); i += 2)
            message->params->SetValue(params[i], params[i + 1]);
        // A view of the window: the window stops what it sent itself.
        const auto from = sender ? sender : View(dpcodes::kDateFieldLabel);
        const auto start = Clock::now();
        const double cpuStart = ProcessorMs();
        mWindow->Action(from, message);
        QCoreApplication::processEvents();
        lastCpuUs = (ProcessorMs() - cpuStart) * 1000;
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }

    VR2View::Ref View(const std::string& name) const { return mWindow->FindViewByName(name, true, false); }
    std::shared_ptr<DPFoodEntryList> FoodList() const
    {
        return std::dynamic_pointer_cast<DPFoodEntryList>(View(dpcodes::kFoodEntryList));
    }
    platform::Date::Ref Day() const { return mController->current_date; }
    void SetDay(const platform::Date::Ref& day) { mController->current_date = day->copy(); }

    double lastCpuUs = 0;  // the processor time of the last Send

private:
    App::Ref mApp;
    MainWindow::Ref mWindow;
    MainWindowController::Ref mController;
};

struct Timings {
    std::map<std::string, std::vector<double>> ours, floor, cpu;
    std::vector<std::string> order;
    void Add(const std::string& name, double us, double floorUs, double cpuUs)
    {
        if (!ours.count(name))
            order.push_back(name);
        ours[name].push_back(us);
        floor[name].push_back(floorUs);
        cpu[name].push_back(cpuUs);
    }
};

// One round of every entry; the entries undo each other, so that the diary
// stays as it was. With timings nil, the round only counts as actions.
int OneRound(Diary& diary, Timings* timings, int round)
{
    auto add = [&](const std::string& name, double us, const std::vector<std::string>& floorStatements) {
        if (timings)
            timings->Add(name, us, floorStatements.empty() ? 0.0 : Floor::Micros(floorStatements), diary.lastCpuUs);
    };
    using namespace dpcodes;
    const std::string today = diary.Day()->SQLDate();
    const std::string day = "'" + today + "'";
    int actions = 0;

    double us = diary.Send(kCategoryFood, kNewFood, {kParamFoodName, "muffin", kParamCalorieAmount, "350"});
    add("add an item", us,
        {"INSERT INTO food (eaten_date, caloric_item, cal_val) VALUES (" + day + ", 'floor muffin', 350)",
         "SELECT cal_goal, calorie_total FROM daily WHERE entry_date = " + day,
         "UPDATE daily SET calorie_total = calorie_total + 350, cal_goal_reached = 0 WHERE entry_date = " + day});
    const auto list = diary.FoodList();
    const auto itemId = static_cast<int32_t>(Floor::Integer("SELECT max(id) FROM food WHERE caloric_item = 'muffin'"));
    const std::string idText = std::to_string(itemId);

    us = diary.Send(kCategoryFoodList, kFoodName, {kParamFoodId, itemId, kParamFoodName, "muffin " + std::to_string(round)});
    add("edit a row's name", us,
        {"SELECT caloric_item, cal_val FROM food WHERE id = " + idText,
         "UPDATE food SET caloric_item = 'floor " + std::to_string(round) + "' WHERE id = " + idText});
    us = diary.Send(kCategoryFoodList, kCalories, {kParamFoodId, itemId, kParamCalAmount, 300 + round % 7});
    add("edit a row's calories", us,
        {"SELECT eaten_date, cal_val FROM food WHERE id = " + idText,
         "UPDATE food SET cal_val = cal_val + 1 WHERE id = " + idText,
         "SELECT cal_goal, calorie_total FROM daily WHERE entry_date = " + day,
         "UPDATE daily SET calorie_total = calorie_total + 1, cal_goal_reached = 0 WHERE entry_date = " + day});

    list->SelectRow(list->count() - 1, false);
    us = diary.Send(kCategoryFood, kDeleteFood, {VR2ListServiceView::kKeyPressKey, platform::Chr(codes::kKeyBackspace)}, list);
    add("delete a row", us,
        {"SELECT cal_val, eaten_date FROM food WHERE id = " + idText,
         "SELECT cal_goal, calorie_total FROM daily WHERE entry_date = " + day,
         "UPDATE daily SET calorie_total = calorie_total - 1, cal_goal_reached = 0 WHERE entry_date = " + day,
         "DELETE FROM food WHERE id = (SELECT max(id) FROM food WHERE caloric_item = 'floor muffin')"});

    for (int sign : {1, -1}) {
        VireoStandardProperties::VR2ObjectSetProperty(diary.View(kStepsEntryField), "text", sign > 0 ? "100" : "-100");
        us = diary.Send(kCategorySteps, kAddSteps, {});
        add("add steps", us,
            {"SELECT step_goal, steps FROM daily WHERE entry_date = " + day,
             "UPDATE daily SET steps = steps + 1, steps_goal_reached = 0 WHERE entry_date = " + day});
    }
    for (bool calories : {true, false}) {
        const int32_t goal = (calories ? 2000 : 10000) + (round % 2) * 100;
        us = diary.Send(calories ? kCategoryFood : kCategorySteps, kGoal, {codes::kKeyValue, std::to_string(goal)});
        const std::string column = calories ? "cal_goal" : "step_goal";
        add(calories ? "edit the calorie goal" : "edit the step goal", us,
            {"SELECT " + column + " FROM daily WHERE entry_date = " + day,
             "UPDATE daily SET " + column + " = " + column + " + 1 WHERE entry_date = " + day});
    }
    actions += 9;

    // Days: back and forward from today, today from yesterday, and across the
    // start of last month (its first day and the last day before it).
    add("back", diary.Send(kCategoryNavigation, kBack, {}), {});
    add("forward", diary.Send(kCategoryNavigation, kForward, {}), {});
    diary.Send(kCategoryNavigation, kBack, {});
    add("today", diary.Send(kCategoryNavigation, kHome, {}), {});
    auto second = diary.Day()->copy();
    second->SetDay(1);
    second->SetMonth(second->Month() - 1);
    second->SetDay(2);
    diary.SetDay(second);
    diary.Send(kCategoryNavigation, kBack, {});
    add("back across a month start", diary.Send(kCategoryNavigation, kBack, {}), {});
    add("forward across a month start", diary.Send(kCategoryNavigation, kForward, {}), {});
    diary.Send(kCategoryNavigation, kHome, {});
    return actions + 9;
}

int RunActionsChild(int argc, char** argv, int rounds)
{
    QApplication qt(argc, argv);
    Diary diary;
    const long startRss = StatusKiB("VmRSS"), startPeak = StatusKiB("VmHWM");
    Timings timings;
    OneRound(diary, nullptr, -1);  // warm-up
    for (int round = 0; round < rounds; ++round)
        OneRound(diary, &timings, round);
    for (const auto& name : timings.order)
        std::printf("action\t%s\t%.1f\t%.1f\t%.1f\n", name.c_str(), Median(timings.ours[name]),
                    Median(timings.floor[name]), Median(timings.cpu[name]));
    const long beforeRss = StatusKiB("VmRSS");
    for (int done = 0, round = 0; done < kActions; ++round)
        done += OneRound(diary, nullptr, round);
    std::printf("memory\t%ld\t%ld\t%ld\t%ld\t%ld\n", startRss, startPeak, beforeRss, StatusKiB("VmRSS"),
                StatusKiB("VmHWM"));
    std::fflush(stdout);
    std::_Exit(0);  // the figures are out; the diary's teardown is not measured
}

// ---- the parent

struct Home {
    std::string path;
    int days;
};

Home MakeDiary(const std::filesystem::path& root, const std::string& name, int days)
{
    const auto home = root / name;
    std::filesystem::create_directories(home / "Documents");
    const std::string file = (home / "Documents" / "Di Rizezoz Database").string();
    // An empty diary as the program makes it, then filled up to yesterday.
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    sqlite3_exec(db,
                 "CREATE TABLE daily (id Integer primary key autoincrement,cal_goal_reached Boolean,cal_goal "
                 "integer,calorie_total integer,entry_date date,steps integer,step_goal integer,steps_goal_reached "
                 "Boolean );CREATE TABLE food (id integer primary key autoincrement,caloric_item string,cal_val "
                 "integer,eaten_date date )",
                 nullptr, nullptr, nullptr);
    sqlite3_close_v2(db);
    GenerateDiary(file, platform::Date::Now(), days, 20);
    return {home.string(), days};
}

struct ActionFigures {
    std::vector<std::string> order;
    std::map<std::string, std::array<double, 3>> medians;  // ours, floor, processor, in us
    std::vector<long> memory;
};

ActionFigures Parse(const std::string& output)
{
    ActionFigures figures;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string kind;
        std::getline(fields, kind, '\t');
        if (kind == "action") {
            std::string name, ours, floor, cpu;
            std::getline(fields, name, '\t');
            std::getline(fields, ours, '\t');
            std::getline(fields, floor, '\t');
            std::getline(fields, cpu, '\t');
            figures.order.push_back(name);
            figures.medians[name] = {std::atof(ours.c_str()), std::atof(floor.c_str()), std::atof(cpu.c_str())};
        } else if (kind == "memory") {
            for (long value; fields >> value;)
                figures.memory.push_back(value);
        }
    }
    return figures;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        const std::string kind = argv[2];
        if (kind == "actions")
            return RunActionsChild(1, argv, argc > 3 ? std::max(3, std::atoi(argv[3])) : 31);
        return RunStartChild(kind, 1, argv);
    }
    int rounds = 31;
    if (argc > 1)
        rounds = std::max(3, std::atoi(argv[1]));
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char runtime[] = "/tmp/bench-app-XXXXXX";
    if (!mkdtemp(runtime))
        return 1;
    const std::filesystem::path root = runtime;
    setenv("XDG_RUNTIME_DIR", runtime, 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");

    const auto generateStart = Clock::now();
    const Home ten = MakeDiary(root, "ten", 3650);
    const Home one = MakeDiary(root, "one", 365);
    ::sync();
    std::printf("diaries: %d and %d days of 20 items, generated in %.0f ms; %d rounds each\n\n", ten.days, one.days,
                std::chrono::duration<double, std::milli>(Clock::now() - generateStart).count(), rounds);

    // 1. Start, rotating the bare window, the bare window with a line of text,
    // the ten-year diary, the one-year one, and the ten-year one just changed
    // by another program: without the stamp of its last clean check, the
    // start walks all its pages again.
    enum Kind { kBare, kText, kTen, kOne, kTenUnstamped, kKinds };
    std::vector<double> wall[kKinds], peak[kKinds], cpu[kKinds];
    for (int round = 0; round < kStartRounds; ++round) {
        for (int step = 0; step < kKinds; ++step) {
            const int kind = (round + step) % kKinds;
            const Home& home = kind == kOne ? one : ten;
            if (kind == kTenUnstamped)
                std::filesystem::remove_all(std::filesystem::path(home.path) / ".cache" / "dirizezoz");
            const char* child = kind == kBare ? "bare" : kind == kText ? "text" : "app";
            const ChildRun run = RunSelf(argv[0], {"--child", child}, home.path);
            const std::string& output = run.output;
            if (output.rfind("painted", 0) != 0) {
                std::fprintf(stderr, "the %s child reported no frame\n", child);
                return 1;
            }
            wall[kind].push_back(run.firstOutputMs);
            char* end = nullptr;
            cpu[kind].push_back(std::strtod(output.c_str() + 8, &end));
            peak[kind].push_back(std::strtod(end, nullptr));
        }
    }
    const double bareMs = Median(wall[kBare]), appMs = Median(wall[kTen]), oneMs = Median(wall[kOne]);
    const double textMs = Median(wall[kText]), uncheckedMs = Median(wall[kTenUnstamped]);
    const double barePeak = Median(peak[kBare]), appPeak = Median(peak[kTen]);
    const double bareCpu = Median(cpu[kBare]), appCpu = Median(cpu[kTen]), oneCpu = Median(cpu[kOne]);
    std::printf("start to first painted window: bare Qt %.1f ms, diary %.1f ms, ratio %.2f (goal <= 1.5); "
                "one-year diary %.1f ms\n",
                bareMs, appMs, appMs / bareMs, oneMs);
    std::printf("  processor time by then:      bare Qt %.1f ms, diary %.1f ms, ratio %.2f; one-year diary %.1f ms\n",
                bareCpu, appCpu, appCpu / bareCpu, oneCpu);
    std::printf("  the bare window with one line of text: %.1f ms, ratio %.2f\n", textMs, textMs / bareMs);
    std::printf("  the ten-year diary just written by another program (every page checked): %.1f ms, ratio %.2f\n",
                uncheckedMs, uncheckedMs / bareMs);
    std::printf("peak resident at first paint:  bare Qt %.0f KiB, diary %.0f KiB, ratio %.2f (goal <= 1.5)\n\n",
                barePeak, appPeak, appPeak / barePeak);

    // 2. to 4. The entries on both diaries.
    const auto actions = [&](const Home& home) {
        return Parse(RunSelf(argv[0], {"--child", "actions", std::to_string(rounds)}, home.path).output);
    };
    const ActionFigures tenFigures = actions(ten), oneFigures = actions(one);
    std::printf("%-30s %9s %9s %9s %9s %9s %7s\n", "entry (ten-year diary)", "median ms", "floor ms", "ours ms",
                "cpu ms", "1-yr cpu", "10/1");
    bool frameMet = true, ageMet = true;
    for (const auto& name : tenFigures.order) {
        const auto [ours, floor, processor] = tenFigures.medians.at(name);
        const auto oneIt = oneFigures.medians.find(name);
        const double own = (ours - floor) / 1000;
        const double oneProcessor = oneIt == oneFigures.medians.end() ? 0 : oneIt->second[2] / 1000;
        // The processor time: the wall clock of a busy machine would blur growth.
        const double ratio = processor / 1000 / std::max(oneProcessor, 0.001);
        frameMet = frameMet && own <= 16.7;
        ageMet = ageMet && ratio <= 1.2;
        std::printf("%-30s %9.2f %9.2f %9.2f %9.2f %9.2f %7.2f\n", name.c_str(), ours / 1000, floor / 1000, own,
                    processor / 1000, oneProcessor, ratio);
    }
    if (tenFigures.memory.size() == 5) {
        const auto& m = tenFigures.memory;
        std::printf("\nresident after start %ld KiB (peak %ld); before the %d actions %ld KiB, after %ld KiB (peak "
                    "%ld); peak over bare Qt %.2f (goal <= 1.5)\n",
                    m[0], m[1], kActions, m[2], m[3], m[4], m[4] / barePeak);
    }
    std::printf("\ngoals: own work <= 16.7 ms %s; ten-year / one-year <= 1.2 %s; start <= 1.5x %s\n",
                frameMet ? "met" : "NOT met", ageMet ? "met" : "NOT met", appMs / bareMs <= 1.5 ? "met" : "NOT met");
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return 0;
}
