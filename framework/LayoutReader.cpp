// SPDX-License-Identifier: GPL-3.0-or-later
// The layout reader works in two steps: the text is parsed into a tree first, so that a
// syntax error creates no component at all; the tree is then built into the window.
#include "framework/LayoutReader.h"

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/Types.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QMutex>
#include <QPointer>
#include <QVarLengthArray>
#include <QVariant>
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Limits that keep any input linear in time and bounded in recursion.
constexpr qsizetype kMaxLayoutSize = 64 * 1024 * 1024;
constexpr int kMaxDepth = 64;
constexpr int kMaxObjects = 10000;
constexpr qsizetype kMaxPathParts = 8;

QString FormatError(const QString& file, int line, const QString& property, const QString& message) {
    QString text = file;
    if (line > 0)
        text += QStringLiteral(":%1").arg(line);
    text += QStringLiteral(": ");
    if (!property.isEmpty())
        text += QStringLiteral("property '%1': ").arg(property);
    return text + message;
}

} // namespace

ELayoutError::ELayoutError(const QString& file, int line, const QString& property, const QString& message)
    : std::runtime_error(FormatError(file, line, property, message).toStdString()), File(file), Line(line),
      Property(property), Message(message) {}

namespace {

// ---- Class registry -------------------------------------------------------------------

struct Registry {
    QMutex mutex;
    QHash<QString, TComponentFactory> factories;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

TComponentFactory FindFactory(const QString& className) {
    Registry& registry = TheRegistry();
    QMutexLocker lock(&registry.mutex);
    return registry.factories.value(className);
}

// ---- Tokens ----------------------------------------------------------------------------

enum class TokenKind { End, Error, Identifier, Integer, Float, String, Binary, Symbol };

// Identifiers stay views into the layout text, which outlives the tree built from it.
struct Token {
    TokenKind kind = TokenKind::End;
    int line = 1;
    char symbol = 0;
    std::string_view word; // identifier
    QString text;          // string contents or error message
    qint64 integer = 0;
    bool hex = false;
    double real = 0;
    QByteArray bytes;
};

constexpr bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

constexpr int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int DigitValue(char c, int base) {
    if (base == 16)
        return HexValue(c);
    return IsDigit(c) ? c - '0' : -1;
}

QString Printable(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F)
        return QString(QLatin1Char(c));
    return QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
}

QString ToString(std::string_view word) {
    return QString::fromLatin1(word.data(), qsizetype(word.size()));
}

// Keywords and True/False are matched without regard to case; identifiers are ASCII.
bool SameWord(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if ((word[i] | 0x20) != (keyword[i] | 0x20))
            return false;
    }
    return true;
}

// What a character of binary data is: a hex digit's value, or one of the two markers.
constexpr signed char kBinarySpace = 16;
constexpr signed char kBinaryBad = 17;

struct BinaryClasses {
    signed char of[256];
    constexpr BinaryClasses() : of() {
        for (int c = 0; c < 256; ++c) {
            const int digit = HexValue(char(c));
            of[c] = digit >= 0         ? static_cast<signed char>(digit)
                    : IsSpace(char(c)) ? kBinarySpace
                                       : kBinaryBad;
        }
    }
};
constexpr BinaryClasses kBinaryClasses;

// Splits the text into tokens. Errors become an Error token, so that the parser reports
// them with the property it is reading at that point.
class Lexer {
public:
    explicit Lexer(const QByteArray& text) : text_(text) {
        if (text_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
    }

    void Next(Token& token) {
        if (error_.kind == TokenKind::Error) {
            token = error_;
            return;
        }
        SkipSpace();
        token.line = line_;
        if (AtEnd()) {
            token.kind = TokenKind::End;
            return;
        }
        const char c = Peek();
        if (IsLetter(c))
            Identifier(token);
        else if (IsDigit(c) || (c == '-' && IsDigit(Peek(1))))
            Number(token);
        else if (c == '$')
            HexNumber(token);
        else if (c == '\'' || c == '#')
            String(token);
        else if (c == '{')
            Binary(token);
        else if (std::string_view("=:[],+.<>()").find(c) != std::string_view::npos) {
            ++pos_;
            token.kind = TokenKind::Symbol;
            token.symbol = c;
        } else {
            Error(token, line_, QStringLiteral("unexpected character '%1'").arg(Printable(c)));
        }
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek(qsizetype ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    void Error(Token& token, int line, const QString& message) {
        error_.kind = TokenKind::Error;
        error_.line = line;
        error_.text = message;
        token = error_;
    }

    void SkipSpace() {
        for (; !AtEnd() && IsSpace(Peek()); ++pos_) {
            if (Peek() == '\n')
                ++line_;
        }
    }

    void SkipDigits() {
        while (IsDigit(Peek()))
            ++pos_;
    }

    void Identifier(Token& token) {
        const qsizetype start = pos_;
        while (IsLetter(Peek()) || IsDigit(Peek()))
            ++pos_;
        token.kind = TokenKind::Identifier;
        token.word = std::string_view(text_.constData() + start, size_t(pos_ - start));
    }

    // Decimal integers and floating numbers ("700.000000000000000000", "1.5E-3").
    void Number(Token& token) {
        const qsizetype start = pos_;
        if (Peek() == '-')
            ++pos_;
        SkipDigits();
        bool real = false;
        if (Peek() == '.' && IsDigit(Peek(1))) {
            real = true;
            ++pos_;
            SkipDigits();
        }
        if ((Peek() == 'e' || Peek() == 'E') &&
            (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
            real = true;
            pos_ += 2;
            SkipDigits();
        }
        const QByteArrayView digits(text_.constData() + start, pos_ - start);
        if (IsLetter(Peek()) || Peek() == '$' || Peek() == '.')
            return Error(token, line_,
                         QStringLiteral("bad number '%1%2'")
                             .arg(QString::fromLatin1(digits.data(), digits.size()), Printable(Peek())));
        bool ok = false;
        token.kind = real ? TokenKind::Float : TokenKind::Integer;
        token.hex = false;
        if (real) {
            token.real = digits.toDouble(&ok);
            ok = ok && std::isfinite(token.real);
        } else {
            token.integer = digits.toLongLong(&ok);
        }
        if (!ok)
            Error(token, line_,
                  QStringLiteral("number %1 out of range")
                      .arg(QString::fromLatin1(digits.data(), digits.size())));
    }

    // "$FF00000F": at most 32 bits, as the layouts write colours.
    void HexNumber(Token& token) {
        ++pos_;
        quint64 value = 0;
        int digits = 0;
        for (; HexValue(Peek()) >= 0; ++pos_, ++digits) {
            value = value * 16 + unsigned(HexValue(Peek()));
            if (value > 0xFFFFFFFFu)
                return Error(token, line_, QStringLiteral("hexadecimal number out of range"));
        }
        if (digits == 0 || IsLetter(Peek()) || Peek() == '.')
            return Error(token, line_, QStringLiteral("bad hexadecimal number"));
        token.kind = TokenKind::Integer;
        token.integer = qint64(value);
        token.hex = true;
    }

    // Quoted parts ('' is a quote) and #nn character codes written next to each other.
    void String(Token& token) {
        token.kind = TokenKind::String;
        token.text.clear();
        for (;;) {
            if (Peek() == '\'') {
                if (!QuotedPart(token.text))
                    return Error(token, line_, QStringLiteral("unterminated string"));
            } else if (Peek() == '#') {
                if (!CharacterCode(token.text))
                    return Error(token, line_, QStringLiteral("bad character code"));
            } else {
                return;
            }
        }
    }

    // A part is decoded as a whole, so that a doubled quote never splits a UTF-8 sequence.
    bool QuotedPart(QString& out) {
        ++pos_;
        const char* in = text_.constData();
        const qsizetype start = pos_;
        bool doubled = false;
        for (;;) {
            if (AtEnd() || in[pos_] == '\n' || in[pos_] == '\r')
                return false;
            if (in[pos_] == '\'') {
                if (Peek(1) != '\'')
                    break;
                doubled = true;
                ++pos_;
            }
            ++pos_;
        }
        const QByteArrayView part(in + start, pos_ - start);
        ++pos_;
        if (!doubled) {
            out += QString::fromUtf8(part);
            return true;
        }
        QByteArray unquoted = part.toByteArray();
        unquoted.replace("''", "'");
        out += QString::fromUtf8(unquoted);
        return true;
    }

    // A UTF-16 code unit, decimal or "$" hexadecimal; pairs of codes make surrogate pairs.
    bool CharacterCode(QString& out) {
        ++pos_;
        const int base = Peek() == '$' ? 16 : 10;
        if (base == 16)
            ++pos_;
        unsigned code = 0;
        int digits = 0;
        for (; DigitValue(Peek(), base) >= 0; ++pos_, ++digits) {
            code = code * base + unsigned(DigitValue(Peek(), base));
            if (code > 0xFFFF)
                return false;
        }
        if (digits == 0)
            return false;
        out += QChar(char16_t(code));
        return true;
    }

    // Pictures make most of a layout's bytes: the digits are decoded straight into a buffer
    // sized for all of them.
    void Binary(Token& token) {
        const int start = line_;
        ++pos_;
        const qsizetype close = text_.indexOf('}', pos_);
        const qsizetype end = close < 0 ? text_.size() : close;
        QByteArray bytes((end - pos_) / 2, Qt::Uninitialized);
        auto* out = reinterpret_cast<unsigned char*>(bytes.data());
        const auto* in = reinterpret_cast<const unsigned char*>(text_.constData());
        const auto* const stop = in + end;
        const signed char* const classes = kBinaryClasses.of;
        int high = -1;
        int line = line_;
        const unsigned char* p = in + pos_;
        while (p < stop) {
            if (high < 0) {
                // Runs of digit pairs, nearly all of the data.
                for (; p + 1 < stop; p += 2) {
                    const int first = classes[p[0]];
                    const int second = classes[p[1]];
                    if ((first | second) >= 16)
                        break;
                    *out++ = static_cast<unsigned char>(first * 16 + second);
                }
                if (p == stop)
                    break;
            }
            const int kind = classes[*p];
            if (kind < 16) {
                if (high < 0) {
                    high = kind;
                } else {
                    *out++ = static_cast<unsigned char>(high * 16 + kind);
                    high = -1;
                }
            } else if (kind == kBinarySpace) {
                line += *p == '\n' ? 1 : 0;
            } else {
                line_ = line;
                return Error(token, line_,
                             QStringLiteral("bad character '%1' in binary data").arg(Printable(char(*p))));
            }
            ++p;
        }
        pos_ = end;
        line_ = line;
        if (close < 0)
            return Error(token, start, QStringLiteral("binary data without closing '}'"));
        ++pos_;
        if (high >= 0)
            return Error(token, start, QStringLiteral("binary data with an odd number of hex digits"));
        bytes.truncate(reinterpret_cast<char*>(out) - bytes.constData());
        token.kind = TokenKind::Binary;
        token.line = start;
        token.bytes = std::move(bytes);
    }

    const QByteArray& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    Token error_;
};

// ---- Syntax tree -----------------------------------------------------------------------

struct Value {
    enum Kind { Integer, Float, String, Identifier, Set, Binary } kind = Integer;
    qint64 integer = 0;
    bool hex = false;
    double real = 0;
    std::string_view word; // identifier
    QString text;          // string contents
    std::vector<std::string_view> elements;
    QByteArray bytes;
};

// "Font.Height": the parts of a dotted name; one more than allowed, so that the message
// about too many parts can name them all.
struct PropertyPath {
    std::array<std::string_view, kMaxPathParts + 1> parts;
    qsizetype size = 0;

    std::string_view operator[](qsizetype i) const { return parts[size_t(i)]; }
    std::string_view Last() const { return parts[size_t(size - 1)]; }

    QString Join(qsizetype count) const {
        QString name;
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0)
                name += QLatin1Char('.');
            name += QLatin1String(parts[size_t(i)].data(), qsizetype(parts[size_t(i)].size()));
        }
        return name;
    }
    QString Name() const { return Join(size); }
};

struct PropertyNode {
    PropertyPath path;
    int line = 0;
    Value value;
};

struct ObjectNode {
    QString name;
    QString className;
    int line = 0;
    std::vector<PropertyNode> properties;
    std::vector<ObjectNode> children;
};

class Parser {
public:
    Parser(const QByteArray& text, const QString& file) : lexer_(text), file_(file) {}

    void ParseLayout(ObjectNode& root) {
        Advance();
        CheckHeader();
        if (!IsKeyword("object"))
            Unexpected(QStringLiteral("'object'"));
        ParseObject(root, 0);
        if (token_.kind != TokenKind::End)
            Unexpected(QStringLiteral("the end of the file after the last 'end'"));
    }

private:
    void Advance() { lexer_.Next(token_); }

    [[noreturn]] void Fail(int line, const QString& message) const {
        throw ELayoutError(file_, line, property_ ? property_->path.Name() : QString(), message);
    }

    [[noreturn]] void Unexpected(const QString& expected) const {
        switch (token_.kind) {
        case TokenKind::Error:
            Fail(token_.line, token_.text);
        case TokenKind::End:
            Fail(token_.line, QStringLiteral("unexpected end of file, expected %1").arg(expected));
        default:
            Fail(token_.line, QStringLiteral("unexpected %1, expected %2").arg(Describe(token_), expected));
        }
    }

    static QString Describe(const Token& token) {
        switch (token.kind) {
        case TokenKind::Identifier:
            return QStringLiteral("'%1'").arg(ToString(token.word));
        case TokenKind::Symbol:
            return QStringLiteral("'%1'").arg(QLatin1Char(token.symbol));
        case TokenKind::Integer:
        case TokenKind::Float:
            return QStringLiteral("number");
        case TokenKind::String:
            return QStringLiteral("string");
        default:
            return QStringLiteral("binary data");
        }
    }

    bool IsSymbol(char c) const { return token_.kind == TokenKind::Symbol && token_.symbol == c; }
    bool IsKeyword(std::string_view keyword) const {
        return token_.kind == TokenKind::Identifier && SameWord(token_.word, keyword);
    }

    void ExpectSymbol(char c) {
        if (!IsSymbol(c))
            Unexpected(QStringLiteral("'%1'").arg(QLatin1Char(c)));
        Advance();
    }

    std::string_view ExpectIdentifier(const char* what) {
        if (token_.kind != TokenKind::Identifier)
            Unexpected(QLatin1String(what));
        const std::string_view word = token_.word;
        Advance();
        return word;
    }

    // Inherited and inline blocks describe forms built from other forms; no window does that.
    void CheckHeader() const {
        if (IsKeyword("inherited") || IsKeyword("inline"))
            Fail(token_.line, QStringLiteral("'%1' blocks are not supported").arg(ToString(token_.word)));
    }

    // Nodes are parsed in place, so that nothing is copied into the tree.
    void ParseObject(ObjectNode& node, int depth) {
        if (depth > kMaxDepth)
            Fail(token_.line, QStringLiteral("objects nested deeper than %1 levels").arg(kMaxDepth));
        if (++objects_ > kMaxObjects)
            Fail(token_.line, QStringLiteral("more than %1 objects in one layout").arg(kMaxObjects));
        node.line = token_.line;
        Advance();
        node.name = ToString(ExpectIdentifier("an object name"));
        ExpectSymbol(':');
        node.className = ToString(ExpectIdentifier("a class name"));
        for (;;) {
            property_ = nullptr;
            CheckHeader();
            if (token_.kind == TokenKind::Identifier) {
                if (IsKeyword("end")) {
                    Advance();
                    return;
                }
                if (IsKeyword("object"))
                    ParseObject(node.children.emplace_back(), depth + 1);
                else
                    ParseProperty(node.properties.emplace_back());
            } else if (token_.kind == TokenKind::End) {
                Fail(token_.line,
                     QStringLiteral("unexpected end of file, 'end' of object '%1' (line %2) is missing")
                         .arg(node.name)
                         .arg(node.line));
            } else {
                Unexpected(QStringLiteral("a property, 'object' or 'end'"));
            }
        }
    }

    void ParseProperty(PropertyNode& node) {
        node.line = token_.line;
        PropertyPath& path = node.path;
        path.parts[0] = ExpectIdentifier("a property name");
        path.size = 1;
        property_ = &node;
        while (IsSymbol('.')) {
            Advance();
            path.parts[size_t(path.size)] = ExpectIdentifier("a property name");
            if (++path.size > kMaxPathParts)
                Fail(node.line, QStringLiteral("property name with more than %1 parts").arg(kMaxPathParts));
        }
        ExpectSymbol('=');
        ParseValue(node.value);
    }

    void ParseValue(Value& value) {
        switch (token_.kind) {
        case TokenKind::Integer:
            value.kind = Value::Integer;
            value.integer = token_.integer;
            value.hex = token_.hex;
            break;
        case TokenKind::Float:
            value.kind = Value::Float;
            value.real = token_.real;
            break;
        case TokenKind::String:
            return ParseString(value);
        case TokenKind::Identifier:
            value.kind = Value::Identifier;
            value.word = token_.word;
            break;
        case TokenKind::Binary:
            value.kind = Value::Binary;
            value.bytes = std::move(token_.bytes);
            break;
        default:
            if (IsSymbol('['))
                return ParseSet(value);
            if (IsSymbol('<') || IsSymbol('('))
                Fail(token_.line, QStringLiteral("collections and lists ('%1') are not supported")
                                      .arg(QLatin1Char(token_.symbol)));
            Unexpected(QStringLiteral("a value"));
        }
        Advance();
    }

    // 'one' + 'two', also across lines.
    void ParseString(Value& value) {
        value.kind = Value::String;
        value.text = std::move(token_.text);
        Advance();
        while (IsSymbol('+')) {
            Advance();
            if (token_.kind != TokenKind::String)
                Unexpected(QStringLiteral("a string after '+'"));
            value.text += token_.text;
            Advance();
        }
    }

    void ParseSet(Value& value) {
        value.kind = Value::Set;
        Advance();
        if (IsSymbol(']')) {
            Advance();
            return;
        }
        for (;;) {
            value.elements.push_back(ExpectIdentifier("a set element"));
            if (IsSymbol(']')) {
                Advance();
                return;
            }
            ExpectSymbol(',');
        }
    }

    Lexer lexer_;
    Token token_;
    QString file_;
    const PropertyNode* property_ = nullptr; // the property whose value is being read, for messages
    int objects_ = 0;
};

// ---- Values ----------------------------------------------------------------------------

QString DescribeValue(const Value& value) {
    switch (value.kind) {
    case Value::Integer:
        return QStringLiteral("an integer");
    case Value::Float:
        return QStringLiteral("a floating number");
    case Value::String:
        return QStringLiteral("a string");
    case Value::Identifier:
        return QStringLiteral("identifier '%1'").arg(ToString(value.word));
    case Value::Set:
        return QStringLiteral("a set");
    case Value::Binary:
        return QStringLiteral("binary data");
    }
    return {};
}

// Font character sets; layouts name them like colours and cursors.
bool IdentToCharset(std::string_view ident, int& value) {
    static const struct {
        const char* name;
        int value;
    } charsets[] = {{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"OEM_CHARSET", 255}};
    for (const auto& charset : charsets) {
        if (ident == charset.name) {
            value = charset.value;
            return true;
        }
    }
    return false;
}

bool IdentToInt(std::string_view ident, int& value) {
    const QString name = ToString(ident);
    return IdentToColor(name, value) || IdentToCursor(name, value) || IdentToCharset(ident, value);
}

// QMetaEnum wants a terminated key; identifiers are views into the text.
int KeyToValue(const QMetaEnum& meta, std::string_view key, bool* ok) {
    QVarLengthArray<char, 64> name(key.begin(), key.end());
    name.append('\0');
    return meta.keyToValue(name.constData(), ok);
}

// As QMetaObject::indexOfProperty, without a string made for each name.
int IndexOfProperty(const QMetaObject* meta, std::string_view name) {
    QVarLengthArray<char, 64> key(name.begin(), name.end());
    key.append('\0');
    return meta->indexOfProperty(key.constData());
}

struct IntegerRange {
    int type;
    qint64 min;
    qint64 max;
};

const IntegerRange* FindIntegerRange(int type) {
    static constexpr IntegerRange ranges[] = {
        {QMetaType::Int, INT32_MIN, INT32_MAX},      {QMetaType::UInt, 0, UINT32_MAX},
        {QMetaType::Short, INT16_MIN, INT16_MAX},    {QMetaType::UShort, 0, UINT16_MAX},
        {QMetaType::LongLong, INT64_MIN, INT64_MAX}, {QMetaType::ULongLong, 0, INT64_MAX},
    };
    const auto* found = std::find_if(std::begin(ranges), std::end(ranges),
                                     [type](const IntegerRange& r) { return r.type == type; });
    return found == std::end(ranges) ? nullptr : found;
}

bool IsReference(const QMetaProperty& property) {
    return (property.metaType().flags() & QMetaType::PointerToQObject) && property.isWritable();
}

QString ClassName(const QObject* object) {
    return QString::fromLatin1(object->metaObject()->className());
}

// The object a sub-object property (Font, Picture, ...) holds, or null.
QObject* ReadObject(QObject* holder, const QMetaProperty& property) {
    const QVariant value = property.read(holder);
    if (!value.isValid() || !(value.metaType().flags() & QMetaType::PointerToQObject))
        return nullptr;
    return *static_cast<QObject* const*>(value.constData());
}

bool IsPicture(const QObject* object) {
    return qobject_cast<const TPicture*>(object) || qobject_cast<const TGraphic*>(object);
}

// ---- Building --------------------------------------------------------------------------

// Property indices along a dotted name; a picture's data sorts after its holder's values.
struct OrderKey {
    std::array<int, kMaxPathParts + 1> index{};
    size_t size = 0;

    void Append(int value) { index[size++] = value; }
    bool operator<(const OrderKey& other) const {
        return std::lexicographical_compare(index.begin(), index.begin() + size, other.index.begin(),
                                            other.index.begin() + other.size);
    }
};

// A property name of a class, for looking each up once per layout.
struct PropertyKey {
    const QMetaObject* meta;
    std::string_view name;
    bool operator==(const PropertyKey&) const = default;
};

struct PropertyKeyHash {
    size_t operator()(const PropertyKey& key) const noexcept {
        return std::hash<std::string_view>{}(key.name) ^ std::hash<const void*>{}(key.meta);
    }
};

// The property a dotted name ends at, the object that has it, and its place in the
// declared order of each level.
struct Target {
    QObject* holder = nullptr;
    QMetaProperty property;
    OrderKey key;
};

// A property write waiting for the object's values to be put in declared order.
struct Assignment {
    enum Kind { Write, PictureData } kind = Write;
    const PropertyNode* node = nullptr;
    OrderKey key;
    QVariant value;
    QMetaProperty property; // of the object itself, for a name of one part
};

struct Binding {
    const PropertyNode* node = nullptr;
    TEventBase* event = nullptr;
    std::vector<QMetaMethod> handlers;
};

struct Reference {
    QObject* object = nullptr;
    const PropertyNode* node = nullptr;
};

struct ObjectPlan {
    std::vector<Assignment> assignments;
    std::vector<const PropertyNode*> binaries;
    std::vector<Binding> bindings;
};

// Fonts whose letters draw pictures; texts in them are not words.
QStringList& SymbolFonts() {
    static QStringList fonts;
    return fonts;
}

bool DrawsSymbols(const QObject* object) {
    const auto* font = qvariant_cast<TFont*>(object->property("Font"));
    return font && SymbolFonts().contains(font->Name(), Qt::CaseInsensitive);
}

QString Translate(const QByteArray& context, const QString& source) {
    return QCoreApplication::translate(context.constData(), source.toUtf8().constData());
}

// The captions and hints a layout gave its window, in the source language, so that they can be
// shown again in another one.
class TLayoutTexts : public QObject {
public:
    struct Text {
        QPointer<QObject> object;
        QMetaProperty property;
        QString source;
    };

    TLayoutTexts(QObject* root, QByteArray context) : QObject(root), context_(std::move(context)) {}

    static TLayoutTexts* Of(QObject* root) {
        for (QObject* child : root->children())
            if (auto* texts = dynamic_cast<TLayoutTexts*>(child))
                return texts;
        return nullptr;
    }

    void Add(QObject* object, const QMetaProperty& property, const QString& source) {
        texts_.push_back({object, property, source});
        Show(texts_.back());
    }

    void ShowAll() const {
        for (const Text& text : texts_)
            if (text.object)
                Show(text);
    }

private:
    void Show(const Text& text) const {
        const QString shown = Translate(context_, text.source);
        if (text.property.read(text.object) != shown)
            text.property.write(text.object, shown);
    }

    QByteArray context_;
    std::vector<Text> texts_;
};

struct Created {
    QObject* object = nullptr;
    const ObjectNode* node = nullptr;
};

class Builder {
public:
    Builder(QObject* root, const QString& file) : root_(root), file_(file) {}

    void Build(const ObjectNode& node) {
        const QString rootClass = ClassName(root_);
        if (node.className != rootClass)
            Fail(node.line, {},
                 QStringLiteral("the layout is for a %1, the window is a %2").arg(node.className, rootClass));
        names_.insert(node.name, root_);
        if (TComponentBase* component = TComponentBase::From(root_)) {
            component->SetName(node.name);
            component->BeginLoading();
        } else {
            root_->setObjectName(node.name);
        }
        ApplyProperties(root_, node);
        BuildChildren(node, root_);
        ResolveReferences();
        CallLoaded(node);
    }

private:
    [[noreturn]] void Fail(int line, const QString& property, const QString& message) const {
        throw ELayoutError(file_, line, property, message);
    }
    [[noreturn]] void Fail(const PropertyNode& node, const QString& message) const {
        Fail(node.line, node.path.Name(), message);
    }

    // Component code reports bad values by exceptions; they become layout errors naming the
    // property, if any.
    template <class F> void Guard(int line, const PropertyNode* property, F&& call) const {
        try {
            call();
        } catch (const ELayoutError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(line, property ? property->path.Name() : QString(), QString::fromUtf8(e.what()));
        }
    }

    void BuildChildren(const ObjectNode& node, QObject* parent) {
        for (const ObjectNode& child : node.children)
            BuildChildren(child, Create(child, parent));
    }

    QObject* Create(const ObjectNode& node, QObject* parent) {
        if (names_.contains(node.name))
            Fail(node.line, {}, QStringLiteral("duplicate name '%1'").arg(node.name));
        const TComponentFactory factory = FindFactory(node.className);
        if (!factory)
            Fail(node.line, {}, QStringLiteral("unknown class %1").arg(node.className));
        QObject* object = nullptr;
        Guard(node.line, nullptr, [&] { object = factory(root_); });
        TComponentBase* component = object ? TComponentBase::From(object) : nullptr;
        if (!component) {
            delete object;
            Fail(node.line, {}, QStringLiteral("class %1 does not make a component").arg(node.className));
        }
        names_.insert(node.name, object);
        created_.push_back({object, &node});
        component->SetName(node.name);
        Guard(node.line, nullptr, [&] { component->SetParentComponent(parent); });
        component->BeginLoading();
        ApplyProperties(object, node);
        return object;
    }

    // Values in declared order, then binary data the component reads itself, then events.
    void ApplyProperties(QObject* object, const ObjectNode& node) {
        ObjectPlan plan;
        plan.assignments.reserve(node.properties.size());
        for (const PropertyNode& property : node.properties)
            Guard(property.line, &property, [&] { Plan(object, property, plan); });
        std::stable_sort(plan.assignments.begin(), plan.assignments.end(),
                         [](const Assignment& a, const Assignment& b) { return a.key < b.key; });
        for (const Assignment& assignment : plan.assignments)
            Guard(assignment.node->line, assignment.node, [&] { Apply(object, assignment); });
        for (const PropertyNode* property : plan.binaries)
            Guard(property->line, property, [&] { ReadBinary(object, *property); });
        for (const Binding& binding : plan.bindings)
            Bind(binding);
        TranslateTexts(object, plan);
    }

    // Captions and hints are shown in the reader's language; a caption that only repeats the
    // component's name is a placeholder the window replaces, and a text in a symbol font draws
    // pictures: neither is a text to translate.
    void TranslateTexts(QObject* object, const ObjectPlan& plan) {
        if (DrawsSymbols(object))
            return;
        for (const Assignment& assignment : plan.assignments) {
            const QMetaProperty& property = assignment.property;
            if (!property.isValid() || property.metaType().id() != QMetaType::QString)
                continue;
            const std::string_view name = assignment.node->path.Last();
            const QString source = assignment.value.toString();
            if ((!SameWord(name, "Caption") && !SameWord(name, "Hint")) || source.isEmpty() ||
                source == object->objectName())
                continue;
            Texts().Add(object, property, source);
        }
    }

    TLayoutTexts& Texts() {
        if (!texts_)
            texts_ = TLayoutTexts::Of(root_);
        if (!texts_)
            texts_ = new TLayoutTexts(root_, root_->metaObject()->className());
        return *texts_;
    }

    // Checks and converts one value, in the order of the text, so that the first error
    // reported is the first one written.
    void Plan(QObject* object, const PropertyNode& node, ObjectPlan& plan) {
        const int first = IndexOf(object->metaObject(), node.path[0]);
        const bool published = first >= 0;
        const bool single = node.path.size == 1;
        if (node.value.kind == Value::Binary && !(published && single)) {
            PlanBinary(object, node, first, plan);
            return;
        }
        TEventBase* event = !published && single ? FindEvent(object, node.path.Name()) : nullptr;
        if (event) {
            plan.bindings.push_back(PlanBinding(node, event));
            return;
        }
        Target target = Resolve(object, node, node.path.size, first);
        if (!target.property.isWritable())
            Fail(node, QStringLiteral("read-only property of %1").arg(ClassName(target.holder)));
        if (IsReference(target.property)) {
            if (node.value.kind != Value::Identifier)
                WrongType(node, QStringLiteral("the name of a component"));
            references_.push_back({object, &node});
            return;
        }
        plan.assignments.push_back({Assignment::Write, &node, target.key, Convert(target.property, node),
                                    single ? target.property : QMetaProperty()});
    }

    // "Picture.Data" and "Glyph.Data" go to the picture or graphic the path names, in the
    // place of that property; other binary data is the component's own ("FileData").
    void PlanBinary(QObject* object, const PropertyNode& node, int first, ObjectPlan& plan) const {
        const qsizetype parent = node.path.size - 1;
        if (first >= 0 && node.path.Last() == "Data") {
            Target target = Resolve(object, node, parent, first);
            if (IsPicture(SubObject(target, node, parent))) {
                target.key.Append(std::numeric_limits<int>::max());
                plan.assignments.push_back({Assignment::PictureData, &node, target.key, {}, {}});
                return;
            }
        }
        plan.binaries.push_back(&node);
    }

    static TEventBase* FindEvent(QObject* object, const QString& name) {
        const TComponentBase* component = TComponentBase::From(object);
        return component ? component->FindEvent(name) : nullptr;
    }

    int IndexOf(const QMetaObject* meta, std::string_view name) const {
        const auto [found, added] = indices_.try_emplace({meta, name}, 0);
        if (added)
            found->second = IndexOfProperty(meta, name);
        return found->second;
    }

    // Follows a dotted name through sub-object properties, `parts` names deep; `first` is the
    // index of the first name when it is already known.
    Target Resolve(QObject* object, const PropertyNode& node, qsizetype parts, int first = -1) const {
        Target target;
        target.holder = object;
        for (qsizetype i = 0; i < parts; ++i) {
            if (i > 0)
                target.holder = SubObject(target, node, i);
            const QMetaObject* meta = target.holder->metaObject();
            const int index = i == 0 && first >= 0 ? first : IndexOf(meta, node.path[i]);
            if (index < 0)
                UnknownProperty(object, target.holder, node, i);
            target.property = meta->property(index);
            target.key.Append(index);
        }
        return target;
    }

    QObject* SubObject(const Target& target, const PropertyNode& node, qsizetype part) const {
        if (!(target.property.metaType().flags() & QMetaType::PointerToQObject))
            Fail(node, QStringLiteral("%1 is not an object with properties").arg(node.path.Join(part)));
        QObject* sub = ReadObject(target.holder, target.property);
        if (!sub)
            Fail(node, QStringLiteral("%1 holds no object").arg(node.path.Join(part)));
        return sub;
    }

    [[noreturn]] void UnknownProperty(QObject* object, QObject* holder, const PropertyNode& node,
                                      qsizetype part) const {
        QString message = QStringLiteral("unknown property of %1").arg(ClassName(object));
        if (part > 0)
            message +=
                QStringLiteral(": %1 has no property '%2'").arg(ClassName(holder), ToString(node.path[part]));
        Fail(node, message);
    }

    [[noreturn]] void WrongType(const PropertyNode& node, const QString& expected) const {
        Fail(node, QStringLiteral("wrong value type: expected %1, found %2")
                       .arg(expected, DescribeValue(node.value)));
    }

    // A name of one part is the object's own property; a longer one is followed again, as
    // earlier setters may have replaced sub-objects.
    void Apply(QObject* object, const Assignment& assignment) const {
        const PropertyNode& node = *assignment.node;
        if (assignment.kind == Assignment::Write) {
            const Target target = assignment.property.isValid() ? Target{object, assignment.property, {}}
                                                                : Resolve(object, node, node.path.size);
            if (!target.property.write(target.holder, assignment.value))
                Fail(node, QStringLiteral("the value could not be written"));
            return;
        }
        const Target target = Resolve(object, node, node.path.size - 1);
        QObject* sub = SubObject(target, node, node.path.size - 1);
        if (auto* picture = qobject_cast<TPicture*>(sub))
            picture->ReadData(node.value.bytes);
        else if (auto* graphic = qobject_cast<TGraphic*>(sub))
            graphic->ReadData(node.value.bytes);
        else
            Fail(node, QStringLiteral("%1 is no longer a picture").arg(ClassName(sub)));
    }

    void ReadBinary(QObject* object, const PropertyNode& node) const {
        TComponentBase* component = TComponentBase::From(object);
        if (!component || !component->ReadBinaryProperty(node.path.Name(), node.value.bytes))
            Fail(node, QStringLiteral("unknown binary property of %1").arg(ClassName(object)));
    }

    QVariant Convert(const QMetaProperty& property, const PropertyNode& node) const {
        if (property.isFlagType())
            return FromInteger(property, node, SetValue(property, node));
        if (property.isEnumType())
            return FromInteger(property, node, EnumValue(property, node));
        const int type = property.metaType().id();
        if (type == QMetaType::Bool)
            return BoolValue(node);
        if (type == QMetaType::Double || type == QMetaType::Float)
            return RealValue(property, node);
        if (type == QMetaType::QString) {
            if (node.value.kind != Value::String)
                WrongType(node, QStringLiteral("a string"));
            return node.value.text;
        }
        if (const IntegerRange* range = FindIntegerRange(type))
            return FromInteger(property, node, IntegerValue(*range, node));
        Fail(node,
             QStringLiteral("properties of type %1 cannot be set from a layout").arg(property.typeName()));
    }

    QVariant BoolValue(const PropertyNode& node) const {
        const Value& value = node.value;
        if (value.kind == Value::Identifier && SameWord(value.word, "True"))
            return true;
        if (value.kind == Value::Identifier && SameWord(value.word, "False"))
            return false;
        WrongType(node, QStringLiteral("True or False"));
    }

    QVariant RealValue(const QMetaProperty& property, const PropertyNode& node) const {
        const Value& value = node.value;
        if (value.kind != Value::Integer && value.kind != Value::Float)
            WrongType(node, QStringLiteral("a number"));
        const double real = value.kind == Value::Integer ? double(value.integer) : value.real;
        if (property.metaType().id() == QMetaType::Double)
            return real;
        if (std::fabs(real) > FLT_MAX)
            Fail(node, QStringLiteral("number out of range"));
        return float(real);
    }

    qint64 IntegerValue(const IntegerRange& range, const PropertyNode& node) const {
        const Value& value = node.value;
        if (value.kind == Value::Identifier && range.type == QMetaType::Int) {
            int number = 0;
            if (!IdentToInt(value.word, number))
                Fail(node, QStringLiteral("unknown identifier '%1'").arg(ToString(value.word)));
            return number;
        }
        if (value.kind != Value::Integer)
            WrongType(node, QStringLiteral("an integer"));
        qint64 number = value.integer;
        // Colours are written as unsigned hexadecimal: $FF00000F is a system colour.
        if (value.hex && range.type == QMetaType::Int)
            number = qint32(quint32(number));
        if (number < range.min || number > range.max)
            Fail(node, QStringLiteral("number %1 out of range").arg(number));
        return number;
    }

    qint64 EnumValue(const QMetaProperty& property, const PropertyNode& node) const {
        const QMetaEnum meta = property.enumerator();
        if (node.value.kind != Value::Identifier)
            WrongType(node, QStringLiteral("a value of %1").arg(QLatin1String(meta.name())));
        bool ok = false;
        const int number = KeyToValue(meta, node.value.word, &ok);
        if (!ok)
            Fail(node, QStringLiteral("unknown identifier '%1' for %2")
                           .arg(ToString(node.value.word), QLatin1String(meta.name())));
        return number;
    }

    qint64 SetValue(const QMetaProperty& property, const PropertyNode& node) const {
        const QMetaEnum meta = property.enumerator();
        if (node.value.kind != Value::Set)
            WrongType(node, QStringLiteral("a set of %1").arg(QLatin1String(meta.name())));
        qint64 bits = 0;
        for (const std::string_view element : node.value.elements) {
            bool ok = false;
            bits |= KeyToValue(meta, element, &ok);
            if (!ok)
                Fail(node, QStringLiteral("bad set element '%1' for %2")
                               .arg(ToString(element), QLatin1String(meta.name())));
        }
        return bits;
    }

    // Enumerations, sets and integers of any width, in the property's own type.
    QVariant FromInteger(const QMetaProperty& property, const PropertyNode& node, qint64 number) const {
        const QMetaType type = property.metaType();
        switch (type.sizeOf()) {
        case 1: {
            const auto narrow = std::int8_t(number);
            return QVariant(type, &narrow);
        }
        case 2: {
            const auto narrow = std::int16_t(number);
            return QVariant(type, &narrow);
        }
        case 4: {
            const auto narrow = std::int32_t(number);
            return QVariant(type, &narrow);
        }
        case 8:
            return QVariant(type, &number);
        default:
            Fail(
                node,
                QStringLiteral("properties of type %1 cannot be set from a layout").arg(property.typeName()));
        }
    }

    struct Handler {
        QByteArray name;
        QMetaMethod method;
    };

    // Handlers are the window's public slots, listed once per layout.
    const std::vector<Handler>& Handlers() const {
        if (handlers_.empty()) {
            const QMetaObject* meta = root_->metaObject();
            for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
                const QMetaMethod method = meta->method(i);
                if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public)
                    handlers_.push_back({method.name(), method});
            }
        }
        return handlers_;
    }

    // Overloads are tried in turn.
    Binding PlanBinding(const PropertyNode& node, TEventBase* event) const {
        if (node.value.kind != Value::Identifier)
            WrongType(node, QStringLiteral("the name of an event handler"));
        Binding binding{&node, event, {}};
        for (const Handler& handler : Handlers()) {
            if (QByteArrayView(handler.name) ==
                QByteArrayView(node.value.word.data(), qsizetype(node.value.word.size())))
                binding.handlers.push_back(handler.method);
        }
        if (binding.handlers.empty())
            Fail(node, QStringLiteral("unknown event handler '%1': %2 has no public slot of that name")
                           .arg(ToString(node.value.word), ClassName(root_)));
        return binding;
    }

    void Bind(const Binding& binding) const {
        QString error;
        for (const QMetaMethod& handler : binding.handlers) {
            const QString result = binding.event->Bind(root_, handler);
            if (result.isEmpty())
                return;
            if (error.isEmpty())
                error = result;
        }
        Fail(*binding.node, error);
    }

    // References may name components written further down, so they wait for the whole layout.
    void ResolveReferences() const {
        for (const Reference& reference : references_) {
            const PropertyNode& node = *reference.node;
            Guard(node.line, &node, [&] { SetReference(reference.object, node); });
        }
    }

    void SetReference(QObject* object, const PropertyNode& node) const {
        const QString name = ToString(node.value.word);
        QObject* component = names_.value(name);
        if (!component)
            Fail(node, QStringLiteral("unknown component '%1'").arg(name));
        const Target target = Resolve(object, node, node.path.size);
        const QMetaObject* wanted = target.property.metaType().metaObject();
        if (!wanted || !component->metaObject()->inherits(wanted))
            Fail(node, QStringLiteral("component '%1' is a %2, not a %3")
                           .arg(name, ClassName(component),
                                wanted ? QLatin1String(wanted->className()) : QLatin1String("known class")));
        if (!target.property.write(target.holder, QVariant(target.property.metaType(), &component)))
            Fail(node, QStringLiteral("the value could not be written"));
    }

    void CallLoaded(const ObjectNode& rootNode) const {
        for (const Created& created : created_)
            Guard(created.node->line, nullptr, [&] { TComponentBase::From(created.object)->Loaded(); });
        if (TComponentBase* root = TComponentBase::From(root_))
            Guard(rootNode.line, nullptr, [&] { root->Loaded(); });
    }

    QObject* root_;
    QString file_;
    TLayoutTexts* texts_ = nullptr;
    QHash<QString, QObject*> names_;
    std::vector<Created> created_;
    std::vector<Reference> references_;
    mutable std::vector<Handler> handlers_;
    mutable std::unordered_map<PropertyKey, int, PropertyKeyHash> indices_;
};

} // namespace

void RegisterComponentClass(const QString& className, TComponentFactory factory) {
    Registry& registry = TheRegistry();
    QMutexLocker lock(&registry.mutex);
    registry.factories.insert(className, std::move(factory));
}

void RegisterSymbolFont(const QString& family) {
    if (!SymbolFonts().contains(family, Qt::CaseInsensitive))
        SymbolFonts().append(family);
}

void RetranslateLayout(QObject* root) {
    if (const TLayoutTexts* texts = TLayoutTexts::Of(root))
        texts->ShowAll();
}

bool IsComponentClassRegistered(const QString& className) {
    return static_cast<bool>(FindFactory(className));
}

void ReadLayout(QObject* root, const QString& fileName) {
    const QString shown = QFileInfo(fileName).fileName();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ELayoutError(shown, 0, {},
                           QStringLiteral("cannot open the layout: %1").arg(file.errorString()));
    // Sized by the file, not by the limit: a read of the limit would first reserve all of it.
    const qint64 size = file.size();
    const QByteArray text =
        file.read(size > 0 ? std::min<qint64>(size, kMaxLayoutSize) + 1 : kMaxLayoutSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw ELayoutError(shown, 0, {},
                           QStringLiteral("cannot read the layout: %1").arg(file.errorString()));
    ReadLayoutText(root, text, shown);
}

void ReadLayoutText(QObject* root, const QByteArray& text, const QString& fileName) {
    if (!root)
        throw ELayoutError(fileName, 0, {}, QStringLiteral("no window to read the layout into"));
    if (text.size() > kMaxLayoutSize)
        throw ELayoutError(fileName, 0, {},
                           QStringLiteral("layout larger than %1 bytes").arg(kMaxLayoutSize));
    ObjectNode tree;
    Parser(text, fileName).ParseLayout(tree);
    Builder(root, fileName).Build(tree);
}
