#include "platform/private/SQLText.h"

#include <array>
#include <cctype>
#include <vector>

namespace platform {

namespace {

enum class TokenKind { Word, Number, Literal, QuotedName, Symbol };

struct Token {
    TokenKind kind;
    std::string_view text;
    int depth;  // parentheses around the token
};

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80); }
bool IsWordPart(char c) { return IsWordStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

bool Is(const Token& token, std::string_view word)
{
    if (token.kind != TokenKind::Word || token.text.size() != word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(token.text[i])) != word[i])
            return false;
    return true;
}

// The end of a quoted run that starts at `at` with `close` ending it; a doubled
// closing character stands for itself.
size_t QuotedEnd(std::string_view sql, size_t at, char close)
{
    for (size_t i = at + 1; i < sql.size(); ++i) {
        if (sql[i] != close)
            continue;
        if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
            ++i;
            continue;
        }
        return i + 1;
    }
    return sql.size();
}

std::vector<Token> Tokens(std::string_view sql)
{
    std::vector<Token> tokens;
    int depth = 0;
    size_t i = 0;
    while (i < sql.size()) {
        const char c = sql[i];
        const size_t start = i;
        TokenKind kind = TokenKind::Symbol;
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (sql.compare(i, 2, "--") == 0) {
            const size_t end = sql.find('\n', i);
            i = end == std::string_view::npos ? sql.size() : end;
            continue;
        }
        if (sql.compare(i, 2, "/*") == 0) {
            const size_t end = sql.find("*/", i + 2);
            i = end == std::string_view::npos ? sql.size() : end + 2;
            continue;
        }
        if (c == '\'') {
            kind = TokenKind::Literal;
            i = QuotedEnd(sql, i, '\'');
        } else if (c == '"' || c == '`' || c == '[') {
            kind = TokenKind::QuotedName;
            i = QuotedEnd(sql, i, c == '[' ? ']' : c);
        } else if (IsWordStart(c)) {
            kind = TokenKind::Word;
            while (i < sql.size() && IsWordPart(sql[i]))
                ++i;
        } else if (IsDigit(c) || (c == '.' && i + 1 < sql.size() && IsDigit(sql[i + 1]))) {
            kind = TokenKind::Number;
            for (++i; i < sql.size(); ++i) {
                const bool sign = (sql[i] == '+' || sql[i] == '-') && (sql[i - 1] | 0x20) == 'e';
                if (!sign && !IsWordPart(sql[i]) && sql[i] != '.')
                    break;
            }
        } else {
            ++i;
        }
        if (c == ')')
            --depth;
        tokens.push_back({kind, sql.substr(start, i - start), depth});
        if (c == '(')
            ++depth;
    }
    return tokens;
}

constexpr std::array<std::string_view, 10> kAggregates = {
    "count", "sum", "total", "avg", "min", "max", "group_concat", "string_agg", "json_group_array",
    "json_group_object"};

bool IsAggregateCall(const std::vector<Token>& tokens, size_t i)
{
    if (i + 1 >= tokens.size() || tokens[i + 1].text != "(")
        return false;
    for (const auto name : kAggregates)
        if (Is(tokens[i], name))
            return true;
    return false;
}

// Whether an ORDER BY term at `i` onwards starts with a column's position.
bool OrdersByPosition(const std::vector<Token>& tokens, size_t i)
{
    bool termStart = true;
    for (; i < tokens.size() && tokens[i].depth >= 0 && tokens[i].text != ";"; ++i) {
        const Token& token = tokens[i];
        if (token.depth == 0 && (Is(token, "limit") || Is(token, "offset")))
            break;
        if (termStart && token.kind == TokenKind::Number)
            return true;
        termStart = token.depth == 0 && token.text == ",";
    }
    return false;
}

}  // namespace

std::string WithRowId(std::string_view sql)
{
    const auto tokens = Tokens(sql);
    if (tokens.size() < 2 || !Is(tokens[0], "select"))
        return {};
    bool inResultColumns = true;
    for (size_t i = 1; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.text == ";")
            break;
        if (inResultColumns && token.depth > 0 && Is(token, "select"))
            return {};
        if (token.depth != 0)
            continue;
        if (Is(token, "from"))
            inResultColumns = false;
        if (Is(token, "distinct") || Is(token, "group") || Is(token, "having") || Is(token, "union") ||
            Is(token, "intersect") || Is(token, "except") || Is(token, "window") || IsAggregateCall(tokens, i))
            return {};
        if (Is(token, "order") && i + 1 < tokens.size() && Is(tokens[i + 1], "by") &&
            OrdersByPosition(tokens, i + 2))
            return {};
    }
    const size_t rest = static_cast<size_t>(tokens[0].text.data() + tokens[0].text.size() - sql.data());
    return std::string(sql.substr(0, rest)) + " rowid," + std::string(sql.substr(rest));
}

}  // namespace platform
