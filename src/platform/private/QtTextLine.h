#pragma once

#include "platform/TextLine.h"

#include <QString>
#include <QTextLayout>

namespace platform {

// The Qt layout behind a TextLine: one line, never wrapped, at x 0.
struct TextLine::Layout {
    QString text;
    QTextLayout layout;
    QTextLine line;
};

}  // namespace platform
