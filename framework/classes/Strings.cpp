#include "classes/Strings.h"

#include "classes/SaveFile.h"

#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

#include <QDir>
#include <QFile>
#include <exception>

namespace {
// Begin/EndUpdate around a compound change that may raise half-way. A change handler that raises on the
// way out is passed on, unless another exception is already unwinding.
class UpdateScope {
public:
    explicit UpdateScope(TStrings &list) : list_(list), exceptions_(std::uncaught_exceptions()) { list_.BeginUpdate(); }
    ~UpdateScope() noexcept(false)
    {
        if (std::uncaught_exceptions() == exceptions_) {
            list_.EndUpdate();
            return;
        }
        try {
            list_.EndUpdate();
        } catch (...) {
        }
    }
    UpdateScope(const UpdateScope &) = delete;
    UpdateScope &operator=(const UpdateScope &) = delete;

private:
    TStrings &list_;
    int exceptions_;
};

[[noreturn]] void ListIndexError(int index)
{
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

// Blanks and control characters end an unquoted item and are skipped between items.
bool IsBlank(QChar c) { return c.unicode() <= u' '; }

bool NeedsQuotes(const QString &s)
{
    for (QChar c : s)
        if (IsBlank(c) || c == u'"' || c == u',')
            return true;
    return false;
}

QString Quoted(const QString &s)
{
    QString result = s;
    result.replace(u'"', QStringLiteral("\"\""));
    return u'"' + result + u'"';
}

// Reads a quoted item starting at text[pos] == '"'; doubled quotes stand for one. An item whose closing quote
// is missing runs to the end of the text. Leaves pos after the closing quote.
QString ExtractQuoted(const QString &text, qsizetype &pos)
{
    QString result;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == u'"') {
            if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                result += u'"';
                pos += 2;
                continue;
            }
            ++pos;
            return result;
        }
        result += text[pos++];
    }
    return result;
}
} // namespace

TStrings::TStrings() = default;

TStrings::~TStrings() = default;

// Keeps the object beside the string. The new line goes in before the old one goes out, and the object is
// taken off the old line first, so neither a refused insertion nor a list owning its objects loses it.
void TStrings::SetStrings(int index, const QString &s)
{
    TObject *object = Objects(index);
    UpdateScope update(*this);
    InsertObject(index, s, object);
    SetObjects(index + 1, nullptr);
    Delete(index + 1);
}

TObject *TStrings::Objects(int index) const
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return nullptr;
}

void TStrings::SetObjects(int index, TObject *)
{
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

int TStrings::Add(const QString &s)
{
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const QString &s, TObject *object)
{
    const int index = Add(s);
    SetObjects(index, object);
    return index;
}

void TStrings::InsertObject(int index, const QString &s, TObject *object)
{
    Insert(index, s);
    SetObjects(index, object);
}

void TStrings::AddStrings(const TStrings &other)
{
    UpdateScope update(*this);
    for (int i = 0; i < other.Count(); ++i)
        AddObject(other.Strings(i), other.Objects(i));
}

void TStrings::Assign(const TStrings &other)
{
    if (&other == this)
        return;
    UpdateScope update(*this);
    Clear();
    AddStrings(other);
}

int TStrings::IndexOf(const QString &s) const
{
    for (int i = 0; i < Count(); ++i)
        if (AnsiCompareText(Strings(i), s) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const QString &name) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString s = Strings(i);
        const qsizetype equals = s.indexOf(u'=');
        if (equals >= 0 && AnsiCompareText(s.left(equals), name) == 0)
            return i;
    }
    return -1;
}

QString TStrings::Names(int index) const
{
    const QString s = Strings(index);
    const qsizetype equals = s.indexOf(u'=');
    return equals >= 0 ? s.left(equals) : QString();
}

QString TStrings::CommaText() const
{
    if (Count() == 1 && Strings(0).isEmpty())
        return QStringLiteral("\"\"");
    QString result;
    for (int i = 0; i < Count(); ++i) {
        if (i > 0)
            result += u',';
        const QString s = Strings(i);
        result += NeedsQuotes(s) ? Quoted(s) : s;
    }
    return result;
}

// A comma at the very end, or two commas in a row, stand for an empty item.
void TStrings::SetCommaText(const QString &text)
{
    UpdateScope update(*this);
    Clear();
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size && IsBlank(text[pos]))
        ++pos;
    while (pos < size) {
        QString item;
        if (text[pos] == u'"') {
            item = ExtractQuoted(text, pos);
        } else {
            const qsizetype start = pos;
            while (pos < size && !IsBlank(text[pos]) && text[pos] != u',')
                ++pos;
            item = text.mid(start, pos - start);
        }
        Add(item);
        while (pos < size && IsBlank(text[pos]))
            ++pos;
        if (pos < size && text[pos] == u',') {
            if (pos + 1 == size)
                Add(QString());
            do
                ++pos;
            while (pos < size && IsBlank(text[pos]));
        }
    }
}

QString TStrings::Text() const
{
    QString result;
    for (int i = 0; i < Count(); ++i)
        result += Strings(i) + QStringLiteral("\r\n");
    return result;
}

// A line break at the very end does not start another line.
void TStrings::SetText(const QString &text)
{
    UpdateScope update(*this);
    Clear();
    qsizetype pos = 0;
    const qsizetype size = text.size();
    while (pos < size) {
        const qsizetype start = pos;
        while (pos < size && text[pos] != u'\r' && text[pos] != u'\n')
            ++pos;
        Add(text.mid(start, pos - start));
        if (pos < size && text[pos] == u'\r')
            ++pos;
        if (pos < size && text[pos] == u'\n')
            ++pos;
    }
}

QStringList TStrings::ToStringList() const
{
    QStringList result;
    result.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        result << Strings(i);
    return result;
}

void TStrings::BeginUpdate()
{
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool updating)
{
    if (!updating && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        onChange_(this);
    }
}

void TStrings::Changed()
{
    if (updateCount_ > 0)
        changedWhileUpdating_ = true;
    else
        onChange_(this);
}

void TStrings::LoadFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EInOutError(QStringLiteral("Cannot read file \"%1\". %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    SetText(FromCp1251(bytes));
}

void TStrings::SaveToFile(const QString &fileName) const
{
    TSaveFile file(fileName);
    const QByteArray bytes = ToCp1251(Text());
    if (!file.OpenForWriting() || file.write(bytes) != bytes.size() || !file.commit())
        throw EInOutError(QStringLiteral("Cannot create file \"%1\". %2")
                              .arg(QDir::toNativeSeparators(fileName), file.errorString()));
}
