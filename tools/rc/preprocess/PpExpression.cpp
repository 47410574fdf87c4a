// A recursive-descent evaluator over intmax_t/uintmax_t, as C99 prescribes for #if. Its depth is
// bounded so that deeply nested parentheses give an error, never a stack overflow.
#include "preprocess/PpExpression.h"

#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

#include "resformat/Diagnostic.h"

namespace rc {
namespace {

constexpr int kMaxDepth = 256;

struct Value {
    std::uint64_t bits = 0;
    bool isUnsigned = false;

    bool IsTrue() const { return bits != 0; }
    std::int64_t Signed() const { return static_cast<std::int64_t>(bits); }
};

Value Number(const PpToken& token, const Location& where) {
    std::string digits(token.text);
    bool isUnsigned = false;
    while (!digits.empty() && std::strchr("uUlL", digits.back())) {
        if (digits.back() == 'u' || digits.back() == 'U') isUnsigned = true;
        digits.pop_back();
    }
    int base = 10;
    std::size_t i = 0;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        base = 16, i = 2;
    else if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'b' || digits[1] == 'B'))
        base = 2, i = 2;
    else if (digits.size() > 1 && digits[0] == '0')
        base = 8, i = 1;
    if (i == digits.size()) throw CompileError(where, "invalid number " + QuotedText(token.text) + " in #if");
    std::uint64_t value = 0;
    for (; i < digits.size(); ++i) {
        const int c = std::tolower(static_cast<unsigned char>(digits[i]));
        const int digit = std::isdigit(c) ? c - '0' : std::isalpha(c) ? c - 'a' + 10 : 99;
        if (digit >= base) throw CompileError(where, "invalid number " + QuotedText(token.text) + " in #if");
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    }
    if (value > static_cast<std::uint64_t>(INT64_MAX)) isUnsigned = true;
    return {value, isUnsigned};
}

Value Character(const PpToken& token) {
    std::string_view text = token.text;
    if (text.front() == 'L' || text.front() == 'l') text.remove_prefix(1);
    text = text.substr(1, text.size() - 2);
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            switch (e) {
                case 'n': c = '\n'; break;
                case 't': c = '\t'; break;
                case 'r': c = '\r'; break;
                case 'a': c = '\a'; break;
                case 'b': c = '\b'; break;
                case 'f': c = '\f'; break;
                case 'v': c = '\v'; break;
                case '0': c = 0; break;
                default: c = static_cast<unsigned char>(e);
            }
        }
        value = (value << 8) | c;
    }
    return {value, false};
}

class Evaluator {
public:
    Evaluator(const std::vector<PpToken>& tokens, const Location& where) : tokens_(tokens), where_(where) {}

    bool Run() {
        if (tokens_.empty()) throw CompileError(where_, "#if needs an expression");
        const Value value = Conditional();
        if (pos_ < tokens_.size())
            throw CompileError(where_, "unexpected " + QuotedText(tokens_[pos_].text) + " in #if");
        return value.IsTrue();
    }

private:
    bool Accept(const char* punct) {
        if (pos_ < tokens_.size() && tokens_[pos_].Is(punct)) {
            ++pos_;
            return true;
        }
        return false;
    }

    struct Nest {
        Nest(int& depth, const Location& where) : depth_(depth) {
            if (++depth_ > kMaxDepth) throw CompileError(where, "#if expression nested too deeply");
        }
        ~Nest() { --depth_; }
        int& depth_;
    };

    Value Conditional() {
        Nest nest(depth_, where_);
        const Value condition = Binary(0);
        if (!Accept("?")) return condition;
        Value a, b;
        {
            Skip skip(skip_, !condition.IsTrue());
            a = Conditional();
        }
        if (!Accept(":")) throw CompileError(where_, "expected ':' in #if");
        {
            Skip skip(skip_, condition.IsTrue());
            b = Conditional();
        }
        const Value& chosen = condition.IsTrue() ? a : b;
        return {chosen.bits, a.isUnsigned || b.isUnsigned};
    }

    // The precedence level of a binary operator, lowest first ("||" 0 to "*" 9); -1 for none.
    static int Level(const PpToken& token) {
        if (token.kind != PpKind::Punct) return -1;
        const std::string_view op = token.text;
        const char second = op.size() > 1 ? op[1] : '\0';
        if (op.size() > 2) return -1;
        switch (op[0]) {
            case '|': return second == '|' ? 0 : second ? -1 : 2;
            case '&': return second == '&' ? 1 : second ? -1 : 4;
            case '^': return second ? -1 : 3;
            case '=': return second == '=' ? 5 : -1;
            case '!': return second == '=' ? 5 : -1;
            case '<':
            case '>': return second == op[0] ? 7 : (!second || second == '=') ? 6 : -1;
            case '+':
            case '-': return second ? -1 : 8;
            case '*':
            case '/':
            case '%': return second ? -1 : 9;
            default: return -1;
        }
    }

    // Precedence climbing: operators of `minLevel` and above, each level left to right.
    Value Binary(int minLevel) {
        Value left = Unary();
        for (int level; pos_ < tokens_.size() && (level = Level(tokens_[pos_])) >= minLevel;) {
            const std::string_view op = tokens_[pos_++].text;
            // The right side of a decided && or || is read but not evaluated, as in C.
            const bool decided = (op == "&&" && !left.IsTrue()) || (op == "||" && left.IsTrue());
            Skip skip(skip_, decided);
            const Value right = Binary(level + 1);
            left = Apply(op, left, right);
        }
        return left;
    }

    struct Skip {
        Skip(int& skip, bool on) : skip_(skip), on_(on) { skip_ += on_; }
        ~Skip() { skip_ -= on_; }
        int& skip_;
        bool on_;
    };

    Value Apply(std::string_view op, Value a, Value b) {
        const bool u = a.isUnsigned || b.isUnsigned;
        auto flag = [](bool v) { return Value{v ? 1u : 0u, false}; };
        if (op == "||") return flag(a.IsTrue() || b.IsTrue());
        if (op == "&&") return flag(a.IsTrue() && b.IsTrue());
        if (op == "|") return {a.bits | b.bits, u};
        if (op == "^") return {a.bits ^ b.bits, u};
        if (op == "&") return {a.bits & b.bits, u};
        if (op == "==") return flag(a.bits == b.bits);
        if (op == "!=") return flag(a.bits != b.bits);
        if (op == "<") return flag(u ? a.bits < b.bits : a.Signed() < b.Signed());
        if (op == ">") return flag(u ? a.bits > b.bits : a.Signed() > b.Signed());
        if (op == "<=") return flag(u ? a.bits <= b.bits : a.Signed() <= b.Signed());
        if (op == ">=") return flag(u ? a.bits >= b.bits : a.Signed() >= b.Signed());
        if (op == "<<") return {b.bits >= 64 ? 0 : a.bits << b.bits, a.isUnsigned};
        if (op == ">>") {
            if (b.bits >= 64) return {a.isUnsigned || a.Signed() >= 0 ? 0 : ~0ull, a.isUnsigned};
            return {a.isUnsigned ? a.bits >> b.bits : static_cast<std::uint64_t>(a.Signed() >> b.bits), a.isUnsigned};
        }
        if (op == "+") return {a.bits + b.bits, u};
        if (op == "-") return {a.bits - b.bits, u};
        if (op == "*") return {a.bits * b.bits, u};
        if (b.bits == 0) {
            if (skip_ > 0) return {0, u};
            throw CompileError(where_, "division by zero in #if");
        }
        if (u) return {op == "/" ? a.bits / b.bits : a.bits % b.bits, true};
        if (a.Signed() == INT64_MIN && b.Signed() == -1) return {op == "/" ? a.bits : 0, false};
        return {static_cast<std::uint64_t>(op == "/" ? a.Signed() / b.Signed() : a.Signed() % b.Signed()), false};
    }

    Value Unary() {
        Nest nest(depth_, where_);
        if (pos_ >= tokens_.size()) throw CompileError(where_, "#if expression ends too early");
        const PpToken& token = tokens_[pos_++];
        if (token.Is("-")) {
            const Value v = Unary();
            return {0 - v.bits, v.isUnsigned};
        }
        if (token.Is("+")) return Unary();
        if (token.Is("~")) {
            const Value v = Unary();
            return {~v.bits, v.isUnsigned};
        }
        if (token.Is("!")) return {Unary().IsTrue() ? 0u : 1u, false};
        if (token.Is("(")) {
            const Value inner = Conditional();
            if (!Accept(")")) throw CompileError(where_, "expected ')' in #if");
            return inner;
        }
        if (token.kind == PpKind::Number) return Number(token, where_);
        if (token.kind == PpKind::Char) return Character(token);
        if (token.kind == PpKind::Identifier) return {0, false};
        throw CompileError(where_, "unexpected " + QuotedText(token.text) + " in #if");
    }

    const std::vector<PpToken>& tokens_;
    const Location& where_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    int skip_ = 0;  // inside a part whose value does not count
};

}  // namespace

bool EvaluateCondition(const std::vector<PpToken>& tokens, const Location& where) {
    return Evaluator(tokens, where).Run();
}

}  // namespace rc
