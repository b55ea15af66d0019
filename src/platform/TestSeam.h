#pragma once

// What tests and benchmarks need of the Qt widget behind a window, without
// the platform's private headers. Nothing but tests and benchmarks includes it.

#include "platform/Window.h"

#include <Qt>

#include <optional>
#include <string>

class QString;
class QStyle;
class QWidget;

namespace platform::testseam {

// The widget that shows the window, to drive it with real input events.
QWidget* WidgetOf(const Window& window);
// The pace of drags repeated while the button is held still; 0 stops the repeat.
void SetDragRepeatInterval(int milliseconds);
// The key text that a key event becomes (see Window::OnKeyDown).
std::optional<std::string> KeyText(int key, Qt::KeyboardModifiers modifiers, const QString& text);
// A new style of the kind the application runs with; the caller owns it.
QStyle* NewStartStyle();

}  // namespace platform::testseam
