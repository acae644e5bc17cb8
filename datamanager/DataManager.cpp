#include "DataManager.h"

#include "JournalFile.h"
#include "JournalParser.h"
#include "JournalProgress.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"
#include "forms/MessageBox.h"
#include "registry/RegistryStore.h"
#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <memory>
#include <typeinfo>

namespace {
quint32 NumberKey(quint16 deviceNumber, quint16 number) { return quint32(deviceNumber) << 16 | number; }

quint64 JDKey(quint16 word2, quint16 word1, qint32 number)
{
    return quint64(word2) << 48 | quint64(word1) << 32 | quint32(number);
}

quint64 JDKey(const UDJDHeaderRecord &header)
{
    return JDKey(header.HeaderWord2, header.HeaderWord1, header.HeaderNumber);
}

// The five integers a ZELT-T message is found by, in the order the finder takes them.
std::array<qint32, 5> ZeltKey(const TCheckedArray<qint32, 0, 7> &ints)
{
    return {ints[0], ints[5], ints[4], ints[1], ints[3]};
}

// The message held under `key`, or nil when there was none: then the message that `make` builds is stored as
// the list's new last entry and under the key. One look-up does both.
template <class Held, class Key, class Make>
Held *AddNew(QHash<Key, Held *> &keys, const Key &key, TDynArray<Held *> &list, qint32 &count, Make make)
{
    Held *&entry = keys[key];
    if (entry)
        return entry;
    try {
        std::unique_ptr<Held> message(make());
        list.SetLength(count + 1);
        list[count] = message.get();
        entry = message.release();
    } catch (...) {
        keys.remove(key);
        throw;
    }
    ++count;
    return nullptr;
}

// The record's journal line, added to `out`. Records of the classes the journal knows are written straight as
// bytes; a class of its own (derived from one of them) is written as its own FormatLine says.
template <class Known, class Message>
void AppendKnownLine(QByteArray &out, const Message *message)
{
    if (typeid(*message) == typeid(Known))
        static_cast<const Known *>(message)->WriteLine(out);
    else
        out.append(ToCp1251(message->FormatLine()));
}

void AppendLine(QByteArray &out, const TLumbraTuningMessage *message)
{
    AppendKnownLine<TLumbraTuningMessage>(out, message);
}

void AppendLine(QByteArray &out, const TLumbraImageMessage *message)
{
    AppendKnownLine<TLumbraImageMessage>(out, message);
}

void AppendLine(QByteArray &out, const TZeltMessage *message) { AppendKnownLine<TZeltMessage>(out, message); }

void AppendLine(QByteArray &out, const TCustomUDJDMessage *message)
{
    if (typeid(*message) == typeid(TShaftMessage))
        AppendKnownLine<TShaftMessage>(out, message);
    else
        AppendKnownLine<TObodMessage>(out, message);
}

// Whether a line whose record has the keys of `held` brings nothing else: it is the held record's own line,
// or it reads as the same record. One that cannot even be made a record brings something else.
template <class Held, class Make>
bool SameRecord(const Held *held, QByteArrayView line, Make make)
{
    QByteArray heldLine;
    AppendLine(heldLine, held);
    if (line == QByteArrayView(heldLine))
        return true;
    try {
        const std::unique_ptr<Held> other(make());
        QByteArray otherLine;
        AppendLine(otherLine, other.get());
        return otherLine == heldLine;
    } catch (const Exception &) {
        return false;
    }
}

// A record whose picture is shorter than the one it is drawn from is no record: mostly its picture was cut by
// a broken digit, and the reader took the other part for the texts after it.
template <class Message>
Message *WholePicture(Message *message)
{
    std::unique_ptr<Message> held(message);
    if (message->BitImage.Length() < message->PictureBytes())
        throw ERangeError("Range check error");
    return held.release();
}

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers that do not deduce an aggregate's arguments yet.
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

// The first entry of a list that satisfies `matches`, or nil.
template <class Message, class Predicate>
Message *FindFirst(TDynArray<Message *> &list, qint32 count, Predicate matches)
{
    for (qint32 i = 0; i < count; ++i)
        if (matches(*list[i]))
            return list[i];
    return nullptr;
}

} // namespace

quint32 TOrmelDataManager::KeyOf(const TLumbraTuningMessage *message)
{
    return NumberKey(message->DeviceNumber, message->TuningID);
}

quint32 TOrmelDataManager::KeyOf(const TLumbraImageMessage *message)
{
    return NumberKey(message->DeviceNumber, message->ImageID);
}

TOrmelDataManager::TZeltKey TOrmelDataManager::KeyOf(const TZeltMessage *message)
{
    return {ZeltKey(message->Ints)};
}

quint64 TOrmelDataManager::KeyOf(const TCustomUDJDMessage *message)
{
    return JDKey(message->HeaderWord2, message->HeaderWord1, message->HeaderNumber);
}

TOrmelDataManager::~TOrmelDataManager()
{
    if (!Modified && !rewriteFailed_ && pendingLines_.isEmpty())
        return;
    // The program's window has gone by now, and a large journal takes seconds.
    QString unsaved;
    {
        TJournalProgress saving(TJournalProgress::TTask::Saving);
        progress_ = &saving;
        try {
            SaveDataFile();
        } catch (const std::exception &error) {
            unsaved = KeepUnsavedJournal(QString::fromLocal8Bit(error.what()));
        }
        progress_ = nullptr;
    }
    if (!unsaved.isEmpty())
        TellUnsaved(unsaved);
}

void TOrmelDataManager::Create()
{
    TDataManager::Create();
    OnChangeData = nullptr;
    DataFileName = "ormeldata.txt";
}

void TOrmelDataManager::CreateFromFile(const QString &FileName)
{
    Create();
    DataFileName = FileName;
    ReadJournal();
}

void TOrmelDataManager::LoadDataFile(const QString &FileName)
{
    DataFileName = FileName;
    ReadJournal();
}

void TOrmelDataManager::ReadJournal()
{
    // What the last load could not read belongs to that load's journal, not to this one.
    unreadLines_.clear();
    incompleteJournal_.clear();
    journal_ = MissingJournal(DataFileName);
    RemoveJournalLeftovers(DataFileName);
    // A folder, a link to nothing, or a file that cannot be read in the journal's place is named by the reader.
    const QFileInfo journal(DataFileName);
    if (!journal.exists() && !journal.isSymLink())
        return;
    TJournalProgress reading(TJournalProgress::TTask::Reading);
    try {
        journal_ = ReadJournalLines(DataFileName, [this](QByteArrayView line) {
            const qint64 held = HeldRecords();
            try {
                // Of the lines that hold no record only one without a single byte is dropped.
                if (const TLineOutcome outcome = ParseLine(line);
                    outcome == TLineOutcome::Unknown || outcome == TLineOutcome::SameKeys
                    || outcome == TLineOutcome::Ignored || (outcome == TLineOutcome::Empty && !line.isEmpty()))
                    unreadLines_.append(line.toByteArray());
            } catch (const Exception &) {
                ++ErrorCount;
                // A change routine that fails raises after the record was stored, and a rewrite writes it anyway.
                if (HeldRecords() == held)
                    unreadLines_.append(line.toByteArray());
            }
        }, [&reading](qint64 done, qint64 total) { reading.Advance(done, total); });
    } catch (...) {
        journal_ = {};
        incompleteJournal_ = journal.absoluteFilePath();
        throw;
    }
}

bool TOrmelDataManager::JournalReadIncomplete() const
{
    return !incompleteJournal_.isEmpty() && QFileInfo(DataFileName).absoluteFilePath() == incompleteJournal_;
}

bool TOrmelDataManager::ParseDataLine(const char *Line, qint32 Len)
{
    const size_t length = Line && Len > 0 ? strnlen(Line, size_t(Len)) : 0;
    return ParseLine(QByteArrayView(Line, qsizetype(length))) == TLineOutcome::Added;
}

void TOrmelDataManager::AddDataLine(const char *Line, qint32 Len)
{
    try {
        if (!ParseDataLine(Line, Len))
            return;
        // The line as given, but a line break inside it would split the record in two.
        QByteArray line(Line, qsizetype(strnlen(Line, size_t(Len))));
        line.replace('\r', ' ').replace('\n', ' ');
        AppendLines(line + "\r\n");
    } catch (const Exception &error) {
        ++ErrorCount;
        if (dynamic_cast<const EInOutError *>(&error))
            std::fprintf(stderr, "korvath: %s\n", error.what());
    }
}

void TOrmelDataManager::AppendLines(QByteArray lines)
{
    // Records whose append failed go first, in the order they came.
    pendingLines_.append(lines);
    lines = pendingLines_.join();
    AppendJournalLines(DataFileName, lines, journal_);
    pendingLines_.clear();
}

TOrmelDataManager::TLineOutcome TOrmelDataManager::ParseLine(QByteArrayView line)
{
    TParsedLine parsed = ParseJournalLine(line);
    switch (parsed.Verdict) {
    case TLineVerdict::Empty:
        return TLineOutcome::Empty;
    case TLineVerdict::Unknown:
        return TLineOutcome::Unknown;
    case TLineVerdict::Ignored:
        return TLineOutcome::Ignored;
    case TLineVerdict::Record:
        break;
    }
    // A record whose keys are held already is stored no more.
    const auto store = [line](auto &keys, const auto &key, auto &list, qint32 &count, auto make) {
        const auto *held = AddNew(keys, key, list, count, make);
        if (!held)
            return TLineOutcome::Added;
        return SameRecord(held, line, make) ? TLineOutcome::Duplicate : TLineOutcome::SameKeys;
    };
    const TLineOutcome outcome = std::visit(
        Overloaded{
            [](std::monostate) { return TLineOutcome::Empty; },
            [&](const ZeltMessageRecord &record) {
                return store(zeltsByKey_, TZeltKey{ZeltKey(record.Ints)}, ZeltMessages, ZeltCount,
                             [&] { return new TZeltMessage(record); });
            },
            [&](const RimMessageRecord &record) {
                return store(jdsByKey_, JDKey(record.Header), JDMessages, JDCount,
                             [&]() -> TCustomUDJDMessage * { return new TObodMessage(record); });
            },
            [&](const ShaftMessageRecord &record) {
                return store(jdsByKey_, JDKey(record.Header), JDMessages, JDCount,
                             [&]() -> TCustomUDJDMessage * { return new TShaftMessage(record); });
            },
            [&](const TuningMessageRecord &record) {
                return store(tuningsByKey_, NumberKey(record.DeviceNumber, record.TuningID), TuningMessages,
                             TuningCount, [&] {
                                 return WholePicture(NewObject<TLumbraTuningMessage>(
                                     &TLumbraTuningMessage::CreateFromRecord, record));
                             });
            },
            [&](const ImageMessageRecord &record) {
                return store(imagesByKey_, NumberKey(record.DeviceNumber, record.ImageID), ImageMessages,
                             ImageCount, [&] {
                                 return WholePicture(NewObject<TLumbraImageMessage>(
                                     &TLumbraImageMessage::CreateFromRecord, record));
                             });
            },
        },
        parsed.Record);
    if (outcome == TLineOutcome::Added)
        NotifyChange();
    return outcome;
}

qint64 TOrmelDataManager::HeldRecords() const
{
    return qint64(TuningCount) + ImageCount + ZeltCount + JDCount;
}

void TOrmelDataManager::NotifyChange()
{
    if (OnChangeData)
        OnChangeData();
}

template <class Message>
bool TOrmelDataManager::DeleteByIdentity(TDynArray<Message *> &list, qint32 &count, Message *message)
{
    for (qint32 i = 0; i < count; ++i) {
        if (list[i] != message)
            continue;
        Forget(message);
        delete message;
        list.RemoveAt(i);
        --count;
        SetModified(true);
        return true;
    }
    return false;
}

bool TOrmelDataManager::DeleteTuning(TLumbraTuningMessage *Message)
{
    return DeleteByIdentity(TuningMessages, TuningCount, Message);
}

bool TOrmelDataManager::DeleteImage(TLumbraImageMessage *Message)
{
    return DeleteByIdentity(ImageMessages, ImageCount, Message);
}

bool TOrmelDataManager::DeleteZeltMessage(TZeltMessage *Message)
{
    return DeleteByIdentity(ZeltMessages, ZeltCount, Message);
}

bool TOrmelDataManager::DeleteJDMessage(TCustomUDJDMessage *Message)
{
    return DeleteByIdentity(JDMessages, JDCount, Message);
}

// Each 16-bit field compares zero-extended, so a number outside 0..65535 finds nothing.
TLumbraTuningMessage *TOrmelDataManager::FindTuning(qint32 DeviceNumber, qint32 TuningID)
{
    return FindFirst(TuningMessages, TuningCount, [&](const TLumbraTuningMessage &m) {
        return m.DeviceNumber == DeviceNumber && m.TuningID == TuningID;
    });
}

TLumbraImageMessage *TOrmelDataManager::FindImage(qint32 DeviceNumber, qint32 ImageID)
{
    return FindFirst(ImageMessages, ImageCount, [&](const TLumbraImageMessage &m) {
        return m.DeviceNumber == DeviceNumber && m.ImageID == ImageID;
    });
}

TZeltMessage *TOrmelDataManager::FindZeltMessage(qint32 K1, qint32 K2, qint32 K3, qint32 K4, qint32 K5)
{
    const TZeltKey key{{K1, K2, K3, K4, K5}};
    return FindFirst(ZeltMessages, ZeltCount, [&](const TZeltMessage &m) { return KeyOf(&m) == key; });
}

TCustomUDJDMessage *TOrmelDataManager::FindJDMessage(qint32 K1, qint32 K2, qint32 K3)
{
    return FindFirst(JDMessages, JDCount, [&](const TCustomUDJDMessage &m) {
        return m.HeaderWord2 == K1 && m.HeaderWord1 == K2 && m.HeaderNumber == K3;
    });
}

TCustomLumbraMessage *TOrmelDataManager::FindHeld(const TCustomLumbraMessage *message)
{
    auto same = [message](const TCustomLumbraMessage &m) { return &m == message; };
    if (TCustomLumbraMessage *tuning = FindFirst(TuningMessages, TuningCount, same))
        return tuning;
    return FindFirst(ImageMessages, ImageCount, same);
}

void TOrmelDataManager::RenameMessage(TCustomLumbraMessage *Message, const QString &NewName)
{
    if (TCustomLumbraMessage *held = FindHeld(Message))
        held->SetRecordName(NewName);
}

void TOrmelDataManager::SetMessageDeviceType(TCustomLumbraMessage *Message, const QString &Text)
{
    if (TCustomLumbraMessage *held = FindHeld(Message))
        held->SetDeviceType(Text);
}

void TOrmelDataManager::ClearTunings()
{
    FreeAll(TuningMessages, TuningCount);
    tuningsByKey_.clear();
}

void TOrmelDataManager::ClearImages()
{
    FreeAll(ImageMessages, ImageCount);
    imagesByKey_.clear();
}

void TOrmelDataManager::ClearAll()
{
    ClearTunings();
    ClearImages();
    FreeAll(ZeltMessages, ZeltCount);
    zeltsByKey_.clear();
    FreeAll(JDMessages, JDCount);
    jdsByKey_.clear();
    unreadLines_.clear();
}

void TOrmelDataManager::CheckReplaceable()
{
    const QString journal = QDir::toNativeSeparators(DataFileName);
    if (JournalReadIncomplete())
        throw EInOutError(QString("The data journal \"%1\" was not read completely, so it is not replaced: the "
                                  "records that were not read would be lost")
                              .arg(journal));
    if (journal_.Knows(DataFileName) && !JournalUnchanged(journal_))
        throw EInOutError(QString("The data journal \"%1\" was changed by another program since this one read it, "
                                  "so it is not replaced: those changes would be lost")
                              .arg(journal));
}

void TOrmelDataManager::WriteJournal(TJournalOutput &output) const
{
    const qint64 lines = HeldRecords() + unreadLines_.size();
    qint64 written = 0;
    const auto write = [&](const auto *message) {
        AppendLine(output.Bytes(), message);
        output.EndLine();
        if (progress_)
            progress_->Advance(++written, lines);
    };
    for (qint32 i = 0; i < TuningCount; ++i)
        write(TuningMessages[i]);
    for (qint32 i = 0; i < ImageCount; ++i)
        write(ImageMessages[i]);
    for (qint32 i = 0; i < ZeltCount; ++i)
        write(ZeltMessages[i]);
    for (qint32 i = 0; i < JDCount; ++i)
        write(JDMessages[i]);
    for (const QByteArray &line : unreadLines_) {
        output.AddLine(line);
        if (progress_)
            progress_->Advance(++written, lines);
    }
}

void TOrmelDataManager::SaveDataFile()
{
    TDataManager::SaveDataFile();
    rewriteFailed_ = true;
    CheckReplaceable();
    // Once more just before the replacement: a line another program appended meanwhile would be lost with it.
    journal_ = RewriteJournal(
        DataFileName, [this](TJournalOutput &output) { WriteJournal(output); }, [this] { CheckReplaceable(); });
    rewriteFailed_ = false;
    pendingLines_.clear();
}

namespace {
// Where a journal that could not be saved is kept, the first folder that takes it: beside the settings store,
// with the program's other files; else the user's home folder; else the temporary folder.
// (A temporary folder that does not exist comes as no name at all, which would mean the current folder.)
QStringList UnsavedJournalFolders()
{
    QStringList folders{QFileInfo(RegistryStorePath()).absolutePath(), QDir::homePath(), QDir::tempPath()};
    folders.removeAll(QString());
    return folders;
}

// A new file in the folder, named after the moment, that no earlier one uses.
QString UnsavedJournalPath(const QString &folderPath)
{
    const QDir folder(folderPath);
    folder.mkpath(QLatin1String("."));
    const QString stem = QLatin1String("ormeldata-unsaved-")
                         + QDateTime::currentDateTime().toString(QLatin1String("yyyyMMdd-HHmmss"));
    QString path = folder.filePath(stem + QLatin1String(".txt"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QString("%1-%2.txt").arg(stem).arg(n));
    return path;
}
} // namespace

QString TOrmelDataManager::KeepUnsavedJournal(const QString &cause) const
{
    QString text = QString("The data journal %1 could not be saved.\n\n%2\n\n")
                       .arg(QDir::toNativeSeparators(DataFileName), cause);
    QString kept;
    QStringList failures;
    for (const QString &folder : UnsavedJournalFolders()) {
        try {
            const QString path = UnsavedJournalPath(folder);
            RewriteJournal(path, [this](TJournalOutput &output) { WriteJournal(output); });
            kept = path;
            break;
        } catch (const std::exception &error) {
            failures << QString::fromLocal8Bit(error.what());
        }
    }
    if (!kept.isEmpty())
        text += QString("The records as they should be are kept in %1.").arg(QDir::toNativeSeparators(kept));
    else
        text += QString("Nor could the records be kept elsewhere: %1\nThe changes since the journal was last "
                        "saved are lost.")
                    .arg(failures.join(QLatin1String("; ")));
    return text;
}

void TOrmelDataManager::TellUnsaved(const QString &text)
{
    std::fprintf(stderr, "korvath: %s\n", qPrintable(QString(text).replace("\n\n", " ")));
    // At the very end of a program the window system may be gone already.
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        MessageBox(nullptr, text, QStringLiteral("Data journal"), MB_OK | MB_ICONSTOP);
}
