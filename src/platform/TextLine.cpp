#include "platform/TextLine.h"

#include "platform/private/QtTextLine.h"

#include <QGlyphRun>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>

namespace platform {

namespace {

bool HoldsRightToLeft(const QString& text)
{
    for (const char32_t code : text.toUcs4()) {
        switch (QChar::direction(code)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
        case QChar::DirFSI:
            return true;
        default:
            break;
        }
    }
    return false;
}

// A glyph as drawn: its index and its x in 1/64 pixel, the layout's own unit.
using GlyphKey = std::pair<quint32, int64_t>;

GlyphKey KeyOf(quint32 index, double x) { return {index, std::llround(x * 64)}; }

// What is drawn for one character: its glyphs and the room they take.
struct Drawn {
    std::vector<GlyphKey> glyphs;  // sorted
    double left = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    bool rightToLeft = false;
    bool TakesRoom() const { return left <= right; }
};

// A glyph spans from its x to the next glyph's to its right (the line's end
// for the last); marks, drawn over another glyph, take no room.
std::vector<Drawn> DrawnCharacters(const QTextLine& line, const std::vector<int32_t>& offsets)
{
    std::map<GlyphKey, bool> takesRoom;
    std::vector<double> starts;
    for (const QGlyphRun& run : line.glyphRuns()) {
        const auto indexes = run.glyphIndexes();
        const auto positions = run.positions();
        const auto advances = run.rawFont().advancesForGlyphIndexes(indexes);
        for (qsizetype k = 0; k < indexes.size() && k < advances.size(); ++k) {
            const bool room = advances[k].x() > 0;
            takesRoom[KeyOf(indexes[k], positions[k].x())] = room;
            if (room)
                starts.push_back(positions[k].x());
        }
    }
    std::sort(starts.begin(), starts.end());
    const double width = line.naturalTextWidth();
    const auto glyphEnd = [&](double x) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), x + 1.0 / 128);
        return next == starts.end() ? std::max(width, x) : *next;
    };

    std::vector<Drawn> characters(offsets.size() - 1);
    for (size_t i = 0; i < characters.size(); ++i) {
        auto& character = characters[i];
        for (const QGlyphRun& run : line.glyphRuns(offsets[i], offsets[i + 1] - offsets[i])) {
            character.rightToLeft = run.isRightToLeft();
            const auto indexes = run.glyphIndexes();
            const auto positions = run.positions();
            for (qsizetype k = 0; k < indexes.size(); ++k) {
                const double x = positions[k].x();
                const auto key = KeyOf(indexes[k], x);
                character.glyphs.push_back(key);
                if (const auto found = takesRoom.find(key); found != takesRoom.end() && found->second) {
                    character.left = std::min(character.left, x);
                    character.right = std::max(character.right, glyphEnd(x));
                }
            }
        }
        std::sort(character.glyphs.begin(), character.glyphs.end());
    }
    return characters;
}

bool ShareGlyphs(const Drawn& a, const Drawn& b)
{
    std::vector<GlyphKey> common;
    std::set_intersection(a.glyphs.begin(), a.glyphs.end(), b.glyphs.begin(), b.glyphs.end(),
                          std::back_inserter(common));
    return !common.empty();
}

}  // namespace

TextLine::TextLine(std::string text, std::unique_ptr<Layout> layout)
    : mText(std::move(text)), mLayout(std::move(layout))
{
    const QString& utf16 = mLayout->text;
    mOffsets.reserve(static_cast<size_t>(utf16.size()) + 1);
    for (qsizetype i = 0; i < utf16.size(); ++i)
        if (!utf16.at(i).isLowSurrogate() || i == 0 || !utf16.at(i - 1).isHighSurrogate())
            mOffsets.push_back(static_cast<int32_t>(i));
    mOffsets.push_back(static_cast<int32_t>(utf16.size()));
    if (HoldsRightToLeft(utf16))
        PlaceCharacters();
}

TextLine::~TextLine() = default;

// Qt's caret of a position at the boundary of two runs of opposite direction
// lies on one of them only, so some glyph edges would be no caret's place.
// Each character's box is taken from the glyphs drawn for it instead; a
// ligature is shared evenly among the graphemes it stands for.
void TextLine::PlaceCharacters()
{
    const auto characters = DrawnCharacters(mLayout->line, mOffsets);
    const size_t length = characters.size();
    mBoxes.assign(length, Box{0, 0, false});
    std::vector<bool> placed(length, false);
    std::vector<bool> stop(length + 1, true);
    for (size_t first = 0; first < length;) {
        // A cluster: the characters drawn by the same glyphs.
        size_t last = first + 1;
        while (last < length && ShareGlyphs(characters[last - 1], characters[last]))
            ++last;
        Drawn cluster = characters[first];
        std::vector<size_t> graphemes;
        for (size_t p = first; p < last; ++p) {
            cluster.left = std::min(cluster.left, characters[p].left);
            cluster.right = std::max(cluster.right, characters[p].right);
            stop[p] = p == first || mLayout->layout.isValidCursorPosition(mOffsets[p]);
            if (stop[p])
                graphemes.push_back(p);
        }
        if (cluster.TakesRoom()) {
            const double share = (cluster.right - cluster.left) / static_cast<double>(graphemes.size());
            for (size_t j = 0; j < graphemes.size(); ++j) {
                const double low = cluster.rightToLeft ? cluster.right - share * static_cast<double>(j + 1)
                                                       : cluster.left + share * static_cast<double>(j);
                const Box box{low, low + share, cluster.rightToLeft};
                const size_t end = j + 1 < graphemes.size() ? graphemes[j + 1] : last;
                // The rest of a grapheme takes no room: its caret is the grapheme's far edge.
                for (size_t q = graphemes[j]; q < end; ++q) {
                    mBoxes[q] = q == graphemes[j] ? box : Box{box.Trailing(), box.Trailing(), box.rightToLeft};
                    placed[q] = true;
                }
            }
        }
        first = last;
    }
    // Characters drawn with nothing that takes room sit where the one before them ends.
    for (size_t i = 0; i < length; ++i) {
        if (placed[i])
            continue;
        double x = 0;
        if (i > 0) {
            x = mBoxes[i - 1].Trailing();
        } else if (const auto next = std::find(placed.begin(), placed.end(), true); next != placed.end()) {
            x = mBoxes[static_cast<size_t>(next - placed.begin())].Leading();
        }
        mBoxes[i] = Box{x, x, characters[i].rightToLeft};
        placed[i] = true;
    }

    mCarets.resize(length + 1);
    for (size_t p = 0; p < length; ++p)
        mCarets[p] = qRound(mBoxes[p].Leading());
    mCarets[length] = qRound(mBoxes.back().Trailing());
    for (size_t p = 0; p <= length; ++p)
        if (stop[p])
            mStops.push_back(static_cast<int32_t>(p));
}

int32_t TextLine::Width() const
{
    if (mBoxes.empty())
        return CaretX(Length());
    return qRound(mLayout->line.naturalTextWidth());
}

int32_t TextLine::CaretX(int32_t position) const
{
    const int32_t clamped = std::clamp(position, 0, Length());
    if (!mCarets.empty())
        return mCarets[static_cast<size_t>(clamped)];
    return qRound(mLayout->line.cursorToX(mOffsets[static_cast<size_t>(clamped)]));
}

int32_t TextLine::PositionAt(double x) const
{
    if (!mCarets.empty()) {
        int32_t best = mStops.front();
        for (const int32_t p : mStops) {
            const double distance = std::abs(mCarets[static_cast<size_t>(p)] - x);
            const double bestDistance = std::abs(mCarets[static_cast<size_t>(best)] - x);
            if (distance < bestDistance ||
                (distance == bestDistance && mCarets[static_cast<size_t>(p)] < mCarets[static_cast<size_t>(best)]))
                best = p;
        }
        return best;
    }
    // Left to right, carets grow with the position: character k answers for x
    // up to its middle, k + 1 up to its end; the first that answers is found by halving.
    const int32_t length = Length();
    const auto answers = [&](int32_t k) {
        const double left = CaretX(k);
        const double right = CaretX(k + 1);
        return x <= left + (right - left) / 2.0 || x < right;
    };
    int32_t low = 0;
    int32_t high = length;  // length: no character answers
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        if (answers(middle))
            high = middle;
        else
            low = middle + 1;
    }
    if (low == length)
        return length;
    const double left = CaretX(low);
    const double right = CaretX(low + 1);
    return x <= left + (right - left) / 2.0 ? low : low + 1;
}

std::vector<TextLine::Span> TextLine::Spans(int32_t from, int32_t to) const
{
    from = std::clamp(from, 0, Length());
    to = std::clamp(to, 0, Length());
    if (from >= to)
        return {};
    if (mBoxes.empty())
        return {{CaretX(from), CaretX(to)}};
    std::vector<Span> spans;
    for (int32_t i = from; i < to; ++i) {
        const Box& box = mBoxes[static_cast<size_t>(i)];
        const Span span{qRound(box.left), qRound(box.right)};
        if (span.left < span.right)
            spans.push_back(span);
    }
    if (spans.empty())
        return {{CaretX(from), CaretX(from)}};
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.left < b.left; });
    std::vector<Span> merged{spans.front()};
    for (const Span& span : spans) {
        if (span.left <= merged.back().right)
            merged.back().right = std::max(merged.back().right, span.right);
        else
            merged.push_back(span);
    }
    return merged;
}

}  // namespace platform
