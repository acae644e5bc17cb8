#include "dmngr_u.h"

#include "JournalFile.h"
#include "JournalParser.h"
#include "_jdtypes.h"
#include "_udtypes.h"
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

// Stores the message that `make` builds as the list's new last entry, unless a record of the same key is held.
template <class Keys, class Message, class Make>
bool AddNew(Keys &keys, const typename Keys::key_type &key, TDynArray<Message *> &list, qint32 &count, Make make)
{
    if (keys.contains(key))
        return false;
    std::unique_ptr<Message> message(make());
    list.SetLength(count + 1);
    list[count] = message.release();
    ++count;
    keys.insert(key);
    return true;
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

size_t TOrmelDataManager::TZeltKeyHash::operator()(const TZeltKey &key) const
{
    quint64 hash = 0xcbf29ce484222325u;
    for (const qint32 value : key)
        hash = (hash ^ quint32(value)) * 0x100000001b3u;
    return size_t(hash ^ hash >> 32);
}

quint32 TOrmelDataManager::KeyOf(const TLumbraTuningMessage *message)
{
    return NumberKey(message->DeviceNumber, message->TuningID);
}

quint32 TOrmelDataManager::KeyOf(const TLumbraImageMessage *message)
{
    return NumberKey(message->DeviceNumber, message->ImageID);
}

TOrmelDataManager::TZeltKey TOrmelDataManager::KeyOf(const TZeltMessage *message) { return ZeltKey(message->Ints); }

quint64 TOrmelDataManager::KeyOf(const TCustomUDJDMessage *message)
{
    return JDKey(message->HeaderWord2, message->HeaderWord1, message->HeaderNumber);
}

TOrmelDataManager::~TOrmelDataManager()
{
    if (!Modified && !rewriteFailed_ && pendingLines_.isEmpty())
        return;
    try {
        SaveDataFile();
    } catch (const std::exception &error) {
        KeepUnsavedJournal(QString::fromLocal8Bit(error.what()));
    }
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
    const QFileInfo journal(DataFileName);
    if (!journal.exists() || journal.isDir())
        return;
    try {
        journal_ = ReadJournalLines(DataFileName, [this](QByteArrayView line) {
            const qint64 held = HeldRecords();
            try {
                if (ParseLine(line) == TLineOutcome::Unknown)
                    unreadLines_.append(line.toByteArray());
            } catch (const Exception &) {
                ++ErrorCount;
                // A change routine that fails raises after the record was stored, and a rewrite writes it anyway.
                if (HeldRecords() == held)
                    unreadLines_.append(line.toByteArray());
            }
        });
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
    const bool added = std::visit(
        Overloaded{
            [](std::monostate) { return false; },
            [this](const ZeltMessageRecord &record) {
                return AddNew(zeltKeys_, ZeltKey(record.Ints), ZeltMessages, ZeltCount,
                              [&] { return new TZeltMessage(record); });
            },
            [this](const RimMessageRecord &record) {
                return AddNew(jdKeys_, JDKey(record.Header), JDMessages, JDCount,
                              [&] { return new TObodMessage(record); });
            },
            [this](const ShaftMessageRecord &record) {
                return AddNew(jdKeys_, JDKey(record.Header), JDMessages, JDCount,
                              [&] { return new TShaftMessage(record); });
            },
            [this](const TuningMessageRecord &record) {
                return AddNew(tuningKeys_, NumberKey(record.DeviceNumber, record.TuningID), TuningMessages,
                              TuningCount, [&] {
                                  return WholePicture(NewObject<TLumbraTuningMessage>(
                                      &TLumbraTuningMessage::CreateFromRecord, record));
                              });
            },
            [this](const ImageMessageRecord &record) {
                return AddNew(imageKeys_, NumberKey(record.DeviceNumber, record.ImageID), ImageMessages,
                              ImageCount, [&] {
                                  return WholePicture(NewObject<TLumbraImageMessage>(
                                      &TLumbraImageMessage::CreateFromRecord, record));
                              });
            },
        },
        parsed.Record);
    if (!added)
        return TLineOutcome::Duplicate;
    NotifyChange();
    return TLineOutcome::Added;
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
    const TZeltKey key{K1, K2, K3, K4, K5};
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
    tuningKeys_.clear();
}

void TOrmelDataManager::ClearImages()
{
    FreeAll(ImageMessages, ImageCount);
    imageKeys_.clear();
}

void TOrmelDataManager::ClearAll()
{
    ClearTunings();
    ClearImages();
    FreeAll(ZeltMessages, ZeltCount);
    zeltKeys_.clear();
    FreeAll(JDMessages, JDCount);
    jdKeys_.clear();
    unreadLines_.clear();
}

void TOrmelDataManager::CheckReplaceable() const
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

namespace {
// Records of the classes the journal knows are written straight as bytes; a class of its own (derived from
// one of them) is written as its own FormatLine says.
template <class Known, class Message>
void WriteRecord(TJournalOutput &output, const Message *message)
{
    if (typeid(*message) == typeid(Known))
        static_cast<const Known *>(message)->WriteLine(output.Bytes());
    else
        output.Bytes().append(ToCp1251(message->FormatLine()));
    output.EndLine();
}
} // namespace

void TOrmelDataManager::WriteJournal(TJournalOutput &output) const
{
    for (qint32 i = 0; i < TuningCount; ++i)
        WriteRecord<TLumbraTuningMessage>(output, TuningMessages[i]);
    for (qint32 i = 0; i < ImageCount; ++i)
        WriteRecord<TLumbraImageMessage>(output, ImageMessages[i]);
    for (qint32 i = 0; i < ZeltCount; ++i)
        WriteRecord<TZeltMessage>(output, ZeltMessages[i]);
    for (qint32 i = 0; i < JDCount; ++i) {
        const TCustomUDJDMessage *message = JDMessages[i];
        if (typeid(*message) == typeid(TShaftMessage))
            WriteRecord<TShaftMessage>(output, message);
        else
            WriteRecord<TObodMessage>(output, message);
    }
    for (const QByteArray &line : unreadLines_)
        output.AddLine(line);
}

void TOrmelDataManager::SaveDataFile()
{
    TDataManager::SaveDataFile();
    rewriteFailed_ = true;
    CheckReplaceable();
    journal_ = RewriteJournal(DataFileName, [this](TJournalOutput &output) { WriteJournal(output); });
    rewriteFailed_ = false;
    pendingLines_.clear();
}

namespace {
// A new file beside the settings store, named after the moment, that no earlier one uses.
QString UnsavedJournalPath()
{
    const QDir folder = QFileInfo(RegistryStorePath()).absoluteDir();
    folder.mkpath(QLatin1String("."));
    const QString stem = QLatin1String("ormeldata-unsaved-")
                         + QDateTime::currentDateTime().toString(QLatin1String("yyyyMMdd-HHmmss"));
    QString path = folder.filePath(stem + QLatin1String(".txt"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QString("%1-%2.txt").arg(stem).arg(n));
    return path;
}
} // namespace

void TOrmelDataManager::KeepUnsavedJournal(const QString &cause) const
{
    QString text = QString("The data journal %1 could not be saved.\n\n%2\n\n")
                       .arg(QDir::toNativeSeparators(DataFileName), cause);
    try {
        const QString kept = UnsavedJournalPath();
        RewriteJournal(kept, [this](TJournalOutput &output) { WriteJournal(output); });
        text += QString("The records as they should be are kept in %1.").arg(QDir::toNativeSeparators(kept));
    } catch (const std::exception &error) {
        text += QString("Nor could the records be kept elsewhere: %1\nThe changes since the journal was last "
                        "saved are lost.")
                    .arg(QString::fromLocal8Bit(error.what()));
    }
    std::fprintf(stderr, "korvath: %s\n", qPrintable(QString(text).replace("\n\n", " ")));
    // At the very end of a program the window system may be gone already.
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        MessageBox(nullptr, text, QStringLiteral("Data journal"), MB_OK | MB_ICONSTOP);
}
