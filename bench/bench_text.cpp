// The text edit against Qt's own QLineEdit, in the same run, each in a shown
// window of its own:
// 1. One keystroke until its pixels are in the window (typing into a growing line).
// 2. One click that places the caret in a 10,000-character line, until its
//    pixels are in the window (the clicks alternate between two places).
// Prints the medians and the ratios (goal: each at most 2).
#include "BenchTiming.h"
#include "BenchWindow.h"
#include "platform/TestSeam.h"
#include "toolkit/controls/SLTEView.h"
#include "toolkit/hosts/VR2HostWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRounds = 201;
constexpr int kLongText = 10000;

// A key or a click sent to the widget as the desktop would, then whatever it asked to repaint.
void Key(QWidget* widget)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
    QCoreApplication::processEvents();
}

void Click(QWidget* widget, QPoint point)
{
    const QPointF local(point);
    const QPointF global(widget->mapToGlobal(point));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
    QCoreApplication::processEvents();
}

std::string LongText()
{
    std::string text;
    for (int i = 0; i < kLongText; ++i)
        text += static_cast<char>(i % 9 == 8 ? ' ' : 'a' + i % 26);
    return text;
}

struct Figures {
    double keystroke;
    double click;
};

Figures MeasureEdit()
{
    auto window = VR2HostWindow::Create();
    window->Width(300);
    window->Height(60);
    auto edit = SLTEView::Create();
    edit->move(20, 20, false);
    edit->resize(240, 22, false);
    edit->attach(window, false, false);
    window->Show();
    QWidget* widget = platform::testseam::WidgetOf(*window);
    Settle();
    edit->changeFocus(0);
    Figures figures{};
    figures.keystroke = MedianMicroseconds([&] { Key(widget); }, kRounds);
    edit->Text(true, LongText());
    edit->selStart(kLongText / 2);
    edit->scrollToCursor();
    int round = 0;
    figures.click = MedianMicroseconds([&] { Click(widget, QPoint(++round % 2 ? 100 : 160, 31)); }, kRounds);
    window->Close();
    return figures;
}

Figures MeasureLineEdit()
{
    QLineEdit line;
    line.resize(240, 22);
    line.setFont(QFont("DejaVu Sans", -1));
    line.show();
    Settle();
    line.setFocus();
    Figures figures{};
    figures.keystroke = MedianMicroseconds([&] { Key(&line); }, kRounds);
    line.setText(QString::fromStdString(LongText()));
    line.setCursorPosition(kLongText / 2);
    int round = 0;
    figures.click = MedianMicroseconds([&] { Click(&line, QPoint(++round % 2 ? 80 : 140, 11)); }, kRounds);
    return figures;
}

}  // namespace

int main(int argc, char** argv)
{
    const HeadlessRun headless("text");
    QApplication qt(argc, argv);
    // Alternate the two, so that the machine's noise falls on both.
    Figures edit = MeasureEdit();
    Figures line = MeasureLineEdit();
    const Figures edit2 = MeasureEdit();
    const Figures line2 = MeasureLineEdit();
    edit = {std::min(edit.keystroke, edit2.keystroke), std::min(edit.click, edit2.click)};
    line = {std::min(line.keystroke, line2.keystroke), std::min(line.click, line2.click)};
    std::printf("keystroke to pixels, text edit:              %8.1f us (median of %d)\n", edit.keystroke, kRounds);
    std::printf("keystroke to pixels, QLineEdit:              %8.1f us (median of %d)\n", line.keystroke, kRounds);
    std::printf("ratio text edit / QLineEdit: %.2f (goal: at most 2)\n", edit.keystroke / line.keystroke);
    std::printf("click in %d characters, text edit:        %8.1f us (median of %d)\n", kLongText, edit.click,
                kRounds);
    std::printf("click in %d characters, QLineEdit:        %8.1f us (median of %d)\n", kLongText, line.click,
                kRounds);
    std::printf("ratio text edit / QLineEdit: %.2f (goal: at most 2)\n", edit.click / line.click);
    return 0;
}
