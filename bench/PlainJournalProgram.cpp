// The start-up benchmark's reference (run by hand, by startup_benchmark): plain_journal_program JOURNAL
//
// What a plain Qt program does with the data journal, written the plain way: it reads the journal line by
// line, parses the tunings and images into the cells of two tables (names and texts decoded from Windows-1251,
// pictures from their hexadecimal digits, a record whose keys came before skipped), keeps every other line as
// it is, and shows the tables: a QTableView each over a model of its own. A header click sorts a table
// (std::stable_sort), the edit field filters the tunings by name (one linear pass), Delete removes the current
// row, and the journal is written back through QSaveFile at exit when a row was deleted. It prints "shown"
// once its window shows; with --quit it then ends at once.

#include <QAbstractTableModel>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr qint64 BlockSize = qint64(1) << 20;

// A tuning or an image: where its line lies in the journal, the numbers before its name and after it, its
// texts and its picture.
struct TRecord {
    qint64 Offset = 0;
    qsizetype Length = 0;
    bool Deleted = false;
    std::array<quint32, 20> Numbers{};
    QString Name, Comments, ControlMade, Conclusion;
    QByteArray Picture;
};

// The upper half of Windows-1251: Cyrillic from 0xC0 on, some signs below.
QString Text(QByteArrayView bytes)
{
    static const std::array<char16_t, 128> upper = [] {
        std::array<char16_t, 128> table{};
        for (int i = 0; i < 64; ++i)
            table[size_t(0x40 + i)] = char16_t(0x0410 + i);
        table[0x28] = 0x0401;
        table[0x38] = 0x0451;
        table[0x39] = 0x2116;
        return table;
    }();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = quint8(bytes[i]);
        text[i] = QChar(byte < 0x80 ? char16_t(byte) : upper[byte - 0x80]);
    }
    return text;
}

// The value of every byte as a hexadecimal digit; 0x80 for a byte that is none.
constexpr quint8 NoDigit = 0x80;
const std::array<quint8, 256> HexDigits = [] {
    std::array<quint8, 256> digits{};
    digits.fill(NoDigit);
    for (int c = 0; c < 10; ++c)
        digits[size_t('0' + c)] = quint8(c);
    for (int c = 0; c < 6; ++c) {
        digits[size_t('A' + c)] = quint8(10 + c);
        digits[size_t('a' + c)] = quint8(10 + c);
    }
    return digits;
}();

quint8 HexDigit(char c) { return HexDigits[quint8(c)]; }

// The next blank-separated token of the line from `at` on; `at` moves past it.
QByteArrayView Token(QByteArrayView line, qsizetype &at)
{
    while (at < line.size() && line[at] == ' ')
        ++at;
    const void *blank = std::memchr(line.data() + at, ' ', size_t(line.size() - at));
    const qsizetype end = blank ? static_cast<const char *>(blank) - line.data() : line.size();
    const QByteArrayView token = line.sliced(at, end - at);
    at = end;
    return token;
}

bool Number(QByteArrayView token, quint32 &value)
{
    value = 0;
    for (const char c : token) {
        const quint8 digit = HexDigit(c);
        if (digit == NoDigit)
            return false;
        value = value << 4 | digit;
    }
    return !token.isEmpty();
}

bool Picture(QByteArrayView token, QByteArray &picture)
{
    picture.resize(token.size() / 2);
    char *out = picture.data();
    quint8 faults = 0;
    for (qsizetype k = 0; k < picture.size(); ++k) {
        const quint8 high = HexDigit(token[2 * k]);
        const quint8 low = HexDigit(token[2 * k + 1]);
        faults |= high | low;
        out[k] = char(high << 4 | low);
    }
    return !(faults & NoDigit) && token.size() % 2 == 0 && !picture.isEmpty();
}

// A text field of fixed width after the blank at `at`; `at` moves past it.
QByteArrayView Fixed(QByteArrayView line, qsizetype &at, qsizetype width)
{
    const qsizetype from = std::min(at + 1, line.size());
    at = from + width;
    return line.sliced(from, std::min(width, line.size() - from)).trimmed();
}

QByteArrayView Rest(QByteArrayView line, qsizetype at) { return line.sliced(std::min(at, line.size())).trimmed(); }

// A tuning (kind 0) or an image (kind 1 or 2): its numbers, its name, its picture, its texts.
bool Parse(QByteArrayView line, int kind, TRecord &record)
{
    qsizetype at = 0;
    Token(line, at);
    Token(line, at);
    const int head = kind == 1 ? 3 : 2;
    const int numbers = head + (kind == 0 ? 14 : 17);
    for (int i = 0; i < numbers; ++i) {
        if (i == head)
            record.Name = Text(Fixed(line, at, 40));
        if (!Number(Token(line, at), record.Numbers[size_t(i)]))
            return false;
    }
    if (!Picture(Token(line, at), record.Picture))
        return false;
    if (kind == 0) {
        record.Comments = Text(Rest(line, at));
    } else {
        record.Comments = Text(Fixed(line, at, 100));
        record.ControlMade = Text(Fixed(line, at, 60));
        record.Conclusion = Text(Rest(line, at));
    }
    return true;
}

class TRecordModel : public QAbstractTableModel {
public:
    explicit TRecordModel(bool images) : images_(images) {}

    std::vector<TRecord> Records;
    std::vector<int> Shown; // rows: indexes into Records

    int rowCount(const QModelIndex & = {}) const override { return int(Shown.size()); }
    int columnCount(const QModelIndex & = {}) const override { return images_ ? 8 : 7; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? Cell(Records[Shown[index.row()]], index.column()) : QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        static const char *const tunings[] = {"Device", "ID", "Name", "Transducer", "Date", "Frequency", "Comments"};
        static const char *const images[] = {"Device", "ID", "Tuning", "Name", "Begin", "Size", "Comments",
                                             "Conclusion"};
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return QString::fromLatin1(images_ ? images[section] : tunings[section]);
    }

    QString Cell(const TRecord &record, int column) const
    {
        const auto number = [&](int field) { return QString::number(record.Numbers[size_t(field)]); };
        if (images_) {
            switch (column) {
            case 0: return number(0);
            case 1: return number(1);
            case 2: return number(2);
            case 3: return record.Name;
            case 4: return QString("%1.%2.%3").arg(number(3), number(4), number(5));
            case 5: return number(14) + u'x' + number(15);
            case 6: return record.Comments;
            default: return record.Conclusion;
            }
        }
        switch (column) {
        case 0: return number(0);
        case 1: return number(1);
        case 2: return record.Name;
        case 3: return number(2);
        case 4: return QString("%1.%2.%3").arg(number(6), number(7), number(8));
        case 5: return number(12);
        default: return record.Comments;
        }
    }

    void Sort(int column)
    {
        beginResetModel();
        std::vector<QString> keys(Records.size());
        for (const int row : Shown)
            keys[size_t(row)] = Cell(Records[size_t(row)], column);
        std::stable_sort(Shown.begin(), Shown.end(), [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
        endResetModel();
    }

    void Filter(const QString &name)
    {
        beginResetModel();
        Shown.clear();
        for (int row = 0; row < int(Records.size()); ++row)
            if (!Records[size_t(row)].Deleted && Records[size_t(row)].Name.contains(name, Qt::CaseInsensitive))
                Shown.push_back(row);
        endResetModel();
    }

    void Remove(int shownRow)
    {
        beginRemoveRows({}, shownRow, shownRow);
        Records[size_t(Shown[size_t(shownRow)])].Deleted = true;
        Shown.erase(Shown.begin() + shownRow);
        endRemoveRows();
    }

private:
    bool images_;
};

class TJournal {
public:
    TRecordModel Tunings{false};
    TRecordModel Images{true};
    std::vector<QByteArray> OtherLines;
    bool Modified = false;

    // In blocks, a line at a time.
    bool Read(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QByteArray buffer;
        qint64 offset = 0;
        for (bool atEnd = false; !atEnd;) {
            const qsizetype kept = buffer.size();
            buffer.resize(kept + BlockSize);
            const qint64 read = file.read(buffer.data() + kept, BlockSize);
            buffer.resize(kept + std::max<qint64>(read, 0));
            atEnd = read <= 0;
            qsizetype from = 0;
            for (qsizetype end; (end = buffer.indexOf('\n', from)) >= 0; from = end + 1)
                Take(QByteArrayView(buffer).sliced(from, end - from), offset + from);
            if (atEnd && from < buffer.size()) {
                Take(QByteArrayView(buffer).sliced(from), offset + from);
                from = buffer.size();
            }
            buffer.remove(0, from);
            offset += from;
        }
        return true;
    }

    // The records that are left, each its line as the journal held it, then every other line.
    void Save(const QString &path) const
    {
        QFile old(path);
        QSaveFile file(path);
        if (!old.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly))
            return;
        for (const TRecordModel *model : {&Tunings, &Images})
            for (const TRecord &record : model->Records)
                if (!record.Deleted && old.seek(record.Offset))
                    file.write(old.read(record.Length) + "\r\n");
        for (const QByteArray &line : OtherLines)
            file.write(line + "\r\n");
        file.commit();
    }

private:
    void Take(QByteArrayView line, qint64 offset)
    {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArrayView head = line.first(std::min<qsizetype>(5, line.size()));
        const int kind = head == "01 00" ? 0 : head == "01 01" ? 1 : head == "01 02" ? 2 : -1;
        TRecord record;
        if (kind < 0 || !Parse(line, kind, record)) {
            OtherLines.push_back(line.toByteArray());
            return;
        }
        const quint32 key = record.Numbers[0] << 16 | record.Numbers[1];
        QHash<quint32, bool> &seen = kind == 0 ? tunings_ : images_;
        if (seen.contains(key))
            return;
        seen.insert(key, true);
        record.Offset = offset;
        record.Length = line.size();
        TRecordModel &model = kind == 0 ? Tunings : Images;
        model.Shown.push_back(int(model.Records.size()));
        model.Records.push_back(std::move(record));
    }

    QHash<quint32, bool> tunings_, images_;
};

class TTableView : public QTableView {
public:
    TTableView(TRecordModel *model, TJournal &journal) : model_(model), journal_(journal)
    {
        setModel(model);
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) { model_->Sort(column); });
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Delete && currentIndex().isValid()) {
            model_->Remove(currentIndex().row());
            journal_.Modified = true;
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    TRecordModel *model_;
    TJournal &journal_;
};
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    const QString path = arguments.value(0);
    TJournal journal;
    if (path.isEmpty() || !journal.Read(path)) {
        std::fprintf(stderr, "Usage: plain_journal_program JOURNAL [--quit]\n");
        return 2;
    }

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *filter = new QLineEdit;
    auto *tabs = new QTabWidget;
    tabs->addTab(new TTableView(&journal.Tunings, journal), QStringLiteral("Tunings"));
    tabs->addTab(new TTableView(&journal.Images, journal), QStringLiteral("Images"));
    layout->addWidget(filter);
    layout->addWidget(tabs);
    QObject::connect(filter, &QLineEdit::textChanged, [&](const QString &text) { journal.Tunings.Filter(text); });
    window.resize(760, 560);
    window.show();
    QTimer::singleShot(0, [&] {
        std::printf("shown\n");
        std::fflush(stdout);
        if (arguments.contains(QStringLiteral("--quit")))
            application.quit();
    });
    const int result = application.exec();
    if (journal.Modified)
        journal.Save(path);
    return result;
}
