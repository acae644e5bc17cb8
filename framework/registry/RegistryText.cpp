#include "registry/RegistryText.h"

#include "registry/RootKeys.h"

#include <QStringDecoder>
#include <optional>

namespace {
const QLatin1String signature("Ormel Registry 1");
const QLatin1String dwordPrefix("dword:");

bool IsControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

// Hexadecimal digits and nothing else (no sign, prefix or blanks), at most eight of them.
std::optional<uint> Hex(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    uint value = 0;
    for (QChar c : digits) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + uint(digit);
    }
    return value;
}

void AppendQuoted(QString &out, const QString &text)
{
    out += u'"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' || c == u'"') {
            out += u'\\';
            out += c;
        } else if (c == u'\n')
            out += u"\\n";
        else if (c == u'\r')
            out += u"\\r";
        else if (c == u'\t')
            out += u"\\t";
        else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            out += QStringView(text).mid(i++, 2);
        else if (IsControl(c) || c.isSurrogate())
            out += QString::asprintf("\\u%04X", c.unicode());
        else
            out += c;
    }
    out += u'"';
}

void AppendKey(QString &out, const TRegistryKey &key, const QString &path, bool isRoot)
{
    if (!isRoot || !key.Values().empty()) {
        out += QLatin1String("\n[") + path + QLatin1String("]\n");
        for (const TRegistryValue &value : key.Values()) {
            if (value.Name.isEmpty())
                out += u'@';
            else
                AppendQuoted(out, value.Name);
            out += u'=';
            if (const QString *text = std::get_if<QString>(&value.Data))
                AppendQuoted(out, *text);
            else
                out += dwordPrefix + QString::asprintf("%08x", unsigned(std::get<int>(value.Data)));
            out += u'\n';
        }
    }
    for (const auto &sub : key.Keys())
        AppendKey(out, *sub, path + u'\\' + sub->Name(), false);
}

// Reads one line of the file, keeping its position.
class TLineReader {
public:
    explicit TLineReader(const QString &line) : line_(line) {}

    bool AtEnd() const { return pos_ == line_.size(); }
    bool Skip(QChar c)
    {
        if (AtEnd() || line_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }
    void SkipBlanks()
    {
        while (!AtEnd() && (line_[pos_] == u' ' || line_[pos_] == u'\t'))
            ++pos_;
    }
    std::optional<QString> Quoted()
    {
        if (!Skip(u'"'))
            return std::nullopt;
        QString text;
        while (!AtEnd()) {
            const QChar c = line_[pos_++];
            if (c == u'"')
                return text;
            if (c != u'\\') {
                text += c;
                continue;
            }
            if (AtEnd())
                return std::nullopt;
            const QChar escaped = line_[pos_++];
            if (escaped == u'u') {
                const QStringView digits = QStringView(line_).mid(pos_, 4);
                const std::optional<uint> code = digits.size() == 4 ? Hex(digits) : std::nullopt;
                if (!code)
                    return std::nullopt;
                text += QChar(char16_t(*code));
                pos_ += 4;
                continue;
            }
            const qsizetype simple = QStringView(u"\\\"nrt").indexOf(escaped);
            if (simple < 0)
                return std::nullopt;
            text += QStringView(u"\\\"\n\r\t")[simple];
        }
        return std::nullopt;
    }
    std::optional<int> Dword()
    {
        if (!QStringView(line_).mid(pos_).startsWith(dwordPrefix, Qt::CaseInsensitive))
            return std::nullopt;
        const QStringView digits = QStringView(line_).mid(pos_ + dwordPrefix.size());
        const std::optional<uint> value = Hex(digits);
        if (!value)
            return std::nullopt;
        pos_ = line_.size();
        return int(*value);
    }

private:
    const QString &line_;
    qsizetype pos_ = 0;
};

// The key a section header names, created in the tree; null when the header cannot be read.
TRegistryKey *ReadHeader(const QString &line, TRegistryKey &tree)
{
    QStringList path = line.mid(1, line.size() - 2).split(u'\\');
    const QString root = CanonicalRootKeyName(path.takeFirst());
    if (root.isEmpty())
        return nullptr;
    for (const QString &name : path)
        if (!IsValidKeyName(name))
            return nullptr;
    return &tree.AddKey(root).Force(path);
}

// Stores the value a line holds; false when the line cannot be read. A value read a second time replaces
// the first, which a rewrite then loses: that counts as damage.
bool ReadValue(const QString &line, TRegistryKey &key, bool &damaged)
{
    TLineReader reader(line);
    std::optional<QString> name = reader.Skip(u'@') ? QString() : reader.Quoted();
    if (!name)
        return false;
    reader.SkipBlanks();
    if (!reader.Skip(u'='))
        return false;
    reader.SkipBlanks();
    std::optional<TRegistryData> data;
    if (std::optional<QString> text = reader.Quoted())
        data = *text;
    else if (std::optional<int> number = reader.Dword())
        data = *number;
    if (!data || !reader.AtEnd())
        return false;
    damaged = damaged || key.Value(*name);
    key.SetValue(*name, *data);
    return true;
}
} // namespace

bool IsValidKeyName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (c == u'\\' || IsControl(c))
            return false;
    return true;
}

TRegistryText ParseRegistryText(const QByteArray &text)
{
    TRegistryText result;
    TRegistryKey *section = nullptr;
    QStringDecoder decoder(QStringDecoder::Utf8);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView bytes(text.constData() + start, end - start);
        start = end + 1;
        decoder.resetState();
        const QString line = QString(decoder(bytes)).trimmed();
        if (line.isEmpty() || (line == signature && !decoder.hasError()))
            continue;
        const bool header = bytes.trimmed().startsWith('[');
        if (header)
            section = decoder.hasError() || !line.endsWith(u']') ? nullptr : ReadHeader(line, result.Tree);
        const bool read = !decoder.hasError() && (header ? section != nullptr
                                                         : section && ReadValue(line, *section, result.Damaged));
        result.Damaged = result.Damaged || !read;
    }
    return result;
}

QByteArray FormatRegistryText(const TRegistryKey &tree)
{
    QString out = signature + u'\n';
    for (const auto &root : tree.Keys())
        AppendKey(out, *root, root->Name(), true);
    return out.toUtf8();
}
