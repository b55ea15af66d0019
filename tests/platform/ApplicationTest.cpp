#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/Window.h"
#include "support/RecordingServices.h"
#include "platform/TestSeam.h"
#include "support/WindowDriver.h"

#include <QIcon>
#include <QStyle>
#include <QProxyStyle>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace testsupport;
using Log = std::vector<std::string>;

namespace {

class RecordingApplication : public platform::Application {
public:
    using Ref = std::shared_ptr<RecordingApplication>;
    static Ref Create() { return Ref(new RecordingApplication()); }

    Log log;
    bool cancelClose = false;
    bool handleErrors = false;
    std::string documentPath;
    std::string errorKind;
    std::function<void()> onNewDocument;

protected:
    void OnOpen() override { log.push_back("open"); }
    void OnNewDocument() override
    {
        log.push_back("newdocument");
        if (onNewDocument)
            onNewDocument();
    }
    void OnOpenDocument(const platform::FolderItem::Ref& item) override
    {
        log.push_back("opendocument");
        documentPath = item->NativePath();
        Quit(0);
    }
    void OnClose() override { log.push_back("close"); }
    bool OnCancelClose() override
    {
        log.push_back("cancelclose");
        return cancelClose;
    }
    bool OnUnhandledException(const platform::RuntimeException& error) override
    {
        errorKind = dynamic_cast<const platform::NilObjectException*>(&error) ? "nil object" : error.what();
        log.push_back("unhandled");
        return handleErrors;
    }

private:
    RecordingApplication() = default;
};

class PlainWindow : public platform::Window {
public:
    using Ref = std::shared_ptr<PlainWindow>;
    static Ref Create(Log* log) { return Opened(Ref(new PlainWindow(log))); }
    static inline bool throwOnOpen = false;

    bool cancelClose = false;
    bool throwOnPress = false;
    std::function<void()> onClose = [] {};

protected:
    void OnOpen() override
    {
        if (throwOnOpen)
            throw platform::NilObjectException();
    }
    bool OnCancelClose(bool appQuitting) override
    {
        mLog->push_back(appQuitting ? "window cancelclose quitting" : "window cancelclose");
        return cancelClose;
    }
    void OnClose() override
    {
        mLog->push_back("window close");
        onClose();
    }
    bool OnMouseDown(int32_t, int32_t) override
    {
        if (throwOnPress)
            throw platform::NilObjectException();
        return false;
    }

private:
    explicit PlainWindow(Log* log) : mLog(log) {}
    Log* mLog;
};

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { platform::Application::Register(application); }
    void TearDown() override
    {
        while (const auto window = platform::Application::Window(0)) {
            window->Close();
        }
        platform::Application::Register(nullptr);
    }

    int32_t Run(std::vector<std::string> arguments = {})
    {
        std::vector<char*> argv;
        std::string program = "diary";
        argv.push_back(program.data());
        for (auto& argument : arguments)
            argv.push_back(argument.data());
        int argc = static_cast<int>(argv.size());
        return application->Run(argc, argv.data());
    }

    ScopedRecordingServices services;
    RecordingApplication::Ref application = RecordingApplication::Create();
};

TEST_F(ApplicationTest, RunsOpenThenNewDocumentAndQuitEndsTheLoopWithItsStatus)
{
    application->onNewDocument = [this] { application->Quit(3); };
    EXPECT_EQ(Run(), 3);
    EXPECT_EQ(application->log, Log({"open", "newdocument", "cancelclose", "close"}));
}

TEST_F(ApplicationTest, FileArgumentOpensADocumentInsteadOfANewOne)
{
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    EXPECT_EQ(Run({"--not-a-file", file.fileName().toStdString()}), 0);
    EXPECT_EQ(application->log, Log({"open", "opendocument", "cancelclose", "close"}));
    EXPECT_EQ(application->documentPath, file.fileName().toStdString());
}

TEST_F(ApplicationTest, QuitAsksTheApplicationAndEveryWindowFirst)
{
    Log& log = application->log;
    application->onNewDocument = [&] {
        auto window = PlainWindow::Create(&log);
        application->cancelClose = true;
        application->Quit(0);
        application->cancelClose = false;
        window->cancelClose = true;
        application->Quit(0);
        EXPECT_TRUE(window->IsOpen());
        window->cancelClose = false;
        application->Quit(5);
        EXPECT_FALSE(window->IsOpen());
    };
    EXPECT_EQ(Run(), 5);
    EXPECT_EQ(log, Log({"open", "newdocument", "cancelclose", "cancelclose", "window cancelclose quitting",
                        "cancelclose", "window cancelclose quitting", "window close", "close"}));
}

TEST_F(ApplicationTest, LastWindowClosingQuitsOnlyWithAutoQuit)
{
    Log& log = application->log;
    application->onNewDocument = [&] {
        auto first = PlainWindow::Create(&log);
        auto second = PlainWindow::Create(&log);
        first->Close();
        second->Close();
        EXPECT_EQ(log.back(), "window close");  // no quit yet
        application->AutoQuit(true);
        PlainWindow::Create(&log)->Close();
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(std::vector<std::string>(log.end() - 4, log.end()),
              Log({"window cancelclose", "window close", "cancelclose", "close"}));
}

TEST_F(ApplicationTest, OnlyOpenWindowsAreListedSoAClosingWindowCanQuit)
{
    Log& log = application->log;
    application->onNewDocument = [&] {
        SCOPED_TRACE("a window whose Open raises");
        PlainWindow::throwOnOpen = true;
        EXPECT_THROW(PlainWindow::Create(&log), platform::NilObjectException);
        PlainWindow::throwOnOpen = false;
        EXPECT_EQ(platform::Application::WindowCount(), 0);

        SCOPED_TRACE("Quit from the Close of a window that the user closes");
        auto window = PlainWindow::Create(&log);
        window->onClose = [&] { application->Quit(7); };
        log.clear();
        window->Close();
    };
    EXPECT_EQ(Run(), 7);
    EXPECT_EQ(log, Log({"window cancelclose", "window close", "cancelclose", "close"}));
}

TEST_F(ApplicationTest, ErrorInAnEventGoesToUnhandledExceptionWithItsKind)
{
    auto window = PlainWindow::Create(&application->log);
    window->throwOnPress = true;
    ShowAndActivate(*window);
    application->handleErrors = true;
    QTest::mouseClick(HandleOf(*window), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(application->errorKind, "nil object");
    EXPECT_TRUE(services->messages.empty());
    EXPECT_TRUE(window->IsOpen());
}

TEST_F(ApplicationTest, UnhandledErrorIsReportedAndEndsTheProgram)
{
    application->onNewDocument = [] { throw std::out_of_range("index 7"); };
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(application->errorKind, "index 7");
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_NE(services->messages[0].find("index 7"), std::string::npos);
}

}  // namespace

TEST(ApplicationStyle, TheMenuBarsOverflowPictureIsTheDesktopStylesOnceDrawn)
{
    const std::unique_ptr<QStyle> style(platform::testseam::NewStartStyle());
    const auto desktop = std::make_unique<QProxyStyle>();
    const auto which = QStyle::SP_ToolBarHorizontalExtensionButton;
    const QIcon icon = style->standardIcon(which);
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(16, 16).toImage(), desktop->standardIcon(which).pixmap(16, 16).toImage());
    EXPECT_EQ(style->standardIcon(QStyle::SP_DialogOkButton).pixmap(16, 16).toImage(),
              desktop->standardIcon(QStyle::SP_DialogOkButton).pixmap(16, 16).toImage());
}
