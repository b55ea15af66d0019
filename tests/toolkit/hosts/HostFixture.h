#pragma once

#include "HostTestViews.h"
#include "platform/TestSeam.h"
#include "support/RecordingServices.h"
#include "support/WindowDriver.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// A shown, active window host of 400 x 300 with a shared event log; drags do not
// repeat on their own, so that logs are exact.
class HostFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::testseam::SetDragRepeatInterval(0);
        window = TestHostWindow::Create(log);
        testsupport::ShowAndActivate(*window);
        handle = testsupport::HandleOf(*window);
        widget = testsupport::WidgetOf(*window);
        // The desktop's first paint, so that it comes before the test, not in it.
        EXPECT_TRUE(RunEventLoopUntil([&] { return window->paintRects > 0; }));
        window->paintRectArguments.clear();
        log->clear();
    }
    void TearDown() override
    {
        window->Close();
        platform::testseam::SetDragRepeatInterval(30);
    }

    // Starts the log afresh once the views are in place.
    void Show() { log->clear(); }

    ProbeView::Ref Add(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height,
                       platform::Color color = platform::Color{0x808080})
    {
        auto view = ProbeView::Create(log, name, left, top, width, height, color);
        view->attach(window, false, false);
        return view;
    }

    // The log since the last call, without the lines that contain any of skip.
    EventLog Take(std::initializer_list<const char*> skip = {})
    {
        EventLog kept;
        for (auto& line : *log) {
            bool drop = false;
            for (const char* word : skip)
                drop = drop || line.find(word) != std::string::npos;
            if (!drop)
                kept.push_back(line);
        }
        log->clear();
        return kept;
    }

    testsupport::ScopedRecordingServices services;
    std::shared_ptr<EventLog> log = std::make_shared<EventLog>();
    TestHostWindow::Ref window;
    QWindow* handle = nullptr;
    QWidget* widget = nullptr;
};

// Hover lines that the desktop's pointer moves add around presses.
#define HOVER {"MouseMove", "MouseEnter", "MouseExit"}
