#include "platform/Graphics.h"

#include "platform/private/QtFonts.h"
#include "platform/private/QtStart.h"
#include "platform/private/QtTextLine.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QTextLayout>

#include <algorithm>
#include <list>
#include <map>
#include <optional>

namespace platform {

namespace {

const char* const kStandardFamily = "DejaVu Sans";
constexpr int kSystemSize = 13;
constexpr int kSmallSystemSize = 11;

// Named fonts the machine lacks become the standard family, so that output
// does not depend on what else happens to be installed.
QString FamilyFor(const std::string& name)
{
    static std::map<std::string, QString> known;
    const auto found = known.find(name);
    if (found != known.end())
        return found->second;
    AwaitFontConfiguration();
    QString family = kStandardFamily;
    if (name != "System" && name != "SmallSystem" && !name.empty()) {
        const QString asked = QString::fromStdString(name);
        if (QFontDatabase::hasFamily(asked))
            family = asked;
    }
    known.emplace(name, family);
    return family;
}

// Greedy wrapping at spaces; a word wider than the width is broken inside.
std::vector<QString> WrapLines(const QString& text, int width, const QFontMetrics& metrics)
{
    std::vector<QString> lines;
    const QStringList paragraphs = QString(text).replace("\r\n", "\n").replace('\r', '\n').split('\n');
    for (const QString& paragraph : paragraphs) {
        // Measuring the growing line word by word costs time in the square of its length.
        if (metrics.horizontalAdvance(paragraph) <= width) {
            lines.push_back(paragraph);
            continue;
        }
        QString line;
        for (const QString& word : paragraph.split(' ')) {
            const QString candidate = line.isEmpty() ? word : line + ' ' + word;
            if (metrics.horizontalAdvance(candidate) <= width || (line.isEmpty() && word.isEmpty())) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.push_back(line);
            line.clear();
            // Only prefixes are measured, never the whole rest, so a long word costs in its length.
            QString rest = word;
            while (rest.size() > 1) {
                qsizetype fits = 1;
                while (fits < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= width)
                    ++fits;
                if (fits == rest.size())
                    break;
                if (rest.at(fits - 1).isHighSurrogate() && fits > 1)
                    --fits;
                lines.push_back(rest.left(fits));
                rest = rest.mid(fits);
            }
            line = rest;
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

namespace {

// The last few lines laid out, so that measuring, hit testing and drawing one
// text share one layout: laying out a long line costs far more than a lookup.
struct LaidOutLine {
    QString fontKey;
    TextLine::Ref line;
};
constexpr size_t kLaidOutLines = 8;

std::list<LaidOutLine>& LaidOutLines()
{
    static auto* const lines = new std::list<LaidOutLine>();
    return *lines;
}

TextLine::Ref FindLaidOut(const QString& fontKey, const std::string& text)
{
    auto& lines = LaidOutLines();
    for (auto it = lines.begin(); it != lines.end(); ++it)
        if (it->line->Text() == text && it->fontKey == fontKey) {
            lines.splice(lines.begin(), lines, it);
            return it->line;
        }
    return nullptr;
}

}  // namespace

struct Graphics::TextState {
    QFont font;
    std::optional<QFontMetrics> metrics;
    bool valid = false;
    // The painting session whose painter already holds the font.
    uint64_t appliedIn = 0;
};

Graphics::Graphics(Picture& picture) : mPicture(picture), mText(std::make_unique<TextState>()) {}

Graphics::~Graphics() = default;

void Graphics::FontChanged()
{
    mText->valid = false;
    mText->metrics.reset();
    mText->appliedIn = 0;
}

namespace {

// Stores value and tells whether it differs from what the field held.
template <typename T>
bool Change(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}  // namespace

void Graphics::SetTextFont(const std::string& name)
{
    if (Change(mTextFont, name))
        FontChanged();
}

void Graphics::SetTextSize(int32_t size)
{
    if (Change(mTextSize, size))
        FontChanged();
}

void Graphics::SetBold(bool value)
{
    if (Change(mBold, value))
        FontChanged();
}

void Graphics::SetItalic(bool value)
{
    if (Change(mItalic, value))
        FontChanged();
}

void Graphics::SetUnderline(bool value)
{
    if (Change(mUnderline, value))
        FontChanged();
}

void Graphics::ResetState()
{
    mForeColor = Color();
    mPenWidth = 1;
    mPenHeight = 1;
    mUseOldRenderer = false;
    SetTextFont("System");
    SetTextSize(0);
    SetBold(false);
    SetItalic(false);
    SetUnderline(false);
}

QFont SystemQtFont()
{
    QFont font(FamilyFor("System"));
    font.setPixelSize(kSystemSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const QFont& Graphics::Font()
{
    if (!mText->valid) {
        QFont font(FamilyFor(mTextFont));
        const int standard = mTextFont == "SmallSystem" ? kSmallSystemSize : kSystemSize;
        font.setPixelSize(mTextSize > 0 ? std::min(mTextSize, 2000) : standard);
        font.setBold(mBold);
        font.setItalic(mItalic);
        font.setUnderline(mUnderline);
        // Hinting follows the machine's font settings unless told otherwise.
        font.setHintingPreference(QFont::PreferNoHinting);
        mText->font = font;
        mText->metrics.emplace(font);
        mText->valid = true;
    }
    return mText->font;
}

void Graphics::DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrapWidth, bool condense)
{
    if (text.empty() || x <= -(1 << 24) || x >= (1 << 24) || y <= -(1 << 24) || y >= (1 << 24))
        return;
    const QFont& font = Font();
    const QFontMetrics& metrics = *mText->metrics;
    const QString whole = QString::fromStdString(text);
    QPainter* painter = Painter();
    if (mText->appliedIn != mPicture.PaintingSession()) {
        painter->setFont(font);
        mText->appliedIn = mPicture.PaintingSession();
    }
    painter->setPen(QColor(mForeColor.Red(), mForeColor.Green(), mForeColor.Blue()));
    if (wrapWidth <= 0) {
        if (const auto laidOut = FindLaidOut(font.key(), text))
            laidOut->mLayout->layout.draw(painter, QPointF(x, y - laidOut->mLayout->line.ascent()));
        else
            painter->drawText(x, y, whole);
    } else if (condense) {
        painter->drawText(x, y, metrics.elidedText(whole, Qt::ElideRight, wrapWidth));
    } else {
        const int lineHeight = metrics.lineSpacing();
        int baseline = y;
        for (const QString& line : WrapLines(whole, wrapWidth, metrics)) {
            painter->drawText(x, baseline, line);
            baseline += lineHeight;
        }
    }
}

int32_t Graphics::StringWidth(const std::string& text)
{
    Font();
    return mText->metrics->horizontalAdvance(QString::fromStdString(text));
}

int32_t Graphics::StringHeight(const std::string& text, int32_t wrapWidth)
{
    Font();
    const QFontMetrics& metrics = *mText->metrics;
    const QString whole = QString::fromStdString(text);
    const size_t lines = wrapWidth > 0 ? WrapLines(whole, wrapWidth, metrics).size() : 1;
    return static_cast<int32_t>(lines) * metrics.lineSpacing();
}

TextLine::Ref Graphics::LayOutLine(const std::string& text)
{
    const QFont& font = Font();
    const QString fontKey = font.key();
    if (auto found = FindLaidOut(fontKey, text))
        return found;
    auto layout = std::make_unique<TextLine::Layout>();
    layout->text = QString::fromStdString(text);
    layout->layout.setText(layout->text);
    layout->layout.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->layout.setTextOption(option);
    layout->layout.setCacheEnabled(true);
    layout->layout.beginLayout();
    layout->line = layout->layout.createLine();
    layout->line.setLineWidth(1e9);
    layout->layout.endLayout();
    TextLine::Ref line(new TextLine(text, std::move(layout)));
    auto& lines = LaidOutLines();
    lines.push_front({fontKey, line});
    if (lines.size() > kLaidOutLines)
        lines.pop_back();
    return line;
}

int32_t Graphics::TextHeight()
{
    Font();
    return mText->metrics->lineSpacing();
}

int32_t Graphics::TextAscent()
{
    Font();
    return mText->metrics->ascent();
}

}  // namespace platform
