#pragma once

#include "support/WindowDriver.h"
#include "toolkit/hosts/HostTestViews.h"

#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Display controls in a shown offscreen window of 520 x 200 on white, read back from the screen.
class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window->Width(520);
        window->Height(200);
        window->HasBackColor(true);
        window->BackColor(platform::Color{0xFFFFFF});
        testsupport::ShowAndActivate(*window);
    }
    void TearDown() override { window->Close(); }

    template <typename T>
    std::shared_ptr<T> Add(int32_t left, int32_t top, int32_t width, int32_t height)
    {
        auto view = VR2View::Create<T>();
        view->move(left, top, false);
        view->resize(width, height, false);
        view->attach(window, false, false);
        return view;
    }
    // Repaints the whole window and reads what it shows.
    QImage Shot()
    {
        window->UpdateRect(VR2Rect::Create(0, 0, 520, 200), nullptr);
        return testsupport::ScreenPixels(*window);
    }
    // Per pixel of row y: 'g' green, 'r' red, 'k' black, 'w' white, '.' other (greys).
    static std::string Kinds(const QImage& shot, int y, const std::vector<int>& columns)
    {
        std::string kinds;
        for (int x : columns) {
            const int r = qRed(shot.pixel(x, y)), g = qGreen(shot.pixel(x, y)), b = qBlue(shot.pixel(x, y));
            const int sum = r + g + b;
            kinds += g > r + 40 && g > b + 40 ? 'g' : r > g + 40 ? 'r' : sum < 30 ? 'k' : sum > 740 ? 'w' : '.';
        }
        return kinds;
    }

    TestHostWindow::Ref window = TestHostWindow::Create(std::make_shared<EventLog>());
};
