#pragma once

// The data manager of korvath: every record of the data journal, read from the journal, appended to it and
// written back when records were deleted or edited.

#include "JournalFile.h"
#include "JournalProgress.h"
#include "PluginContract.h"
#include "Records.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <array>

class TOrmelDataManager : public TDataManager {
public:
    QString DataFileName;
    TChangeDataProc OnChangeData = nullptr;

    // Rewrites the journal first when the manager holds changes the journal lacks (modified, a failed rewrite,
    // a record an append could not write). When that fails, the old journal stays whole, the journal as it
    // should be is kept in a new file beside the settings store, and a message box tells the user why and
    // where; the records are freed either way.
    ~TOrmelDataManager() override;

    void Create() override;
    void AddDataLine(const char *Line, qint32 Len) override;
    bool ParseDataLine(const char *Line, qint32 Len) override;
    void LoadDataFile(const QString &FileName) override;
    bool DeleteTuning(TLumbraTuningMessage *Message) override;
    bool DeleteImage(TLumbraImageMessage *Message) override;
    TLumbraTuningMessage *FindTuning(qint32 DeviceNumber, qint32 TuningID) override;
    TLumbraImageMessage *FindImage(qint32 DeviceNumber, qint32 ImageID) override;
    TZeltMessage *FindZeltMessage(qint32 K1, qint32 K2, qint32 K3, qint32 K4, qint32 K5) override;
    bool DeleteZeltMessage(TZeltMessage *Message) override;
    void SaveDataFile() override;
    void RenameMessage(TCustomLumbraMessage *Message, const QString &NewName) override;
    void SetMessageDeviceType(TCustomLumbraMessage *Message, const QString &Text) override;
    void ClearTunings() override;
    void ClearImages() override;
    void ClearAll() override;
    TCustomUDJDMessage *FindJDMessage(qint32 K1, qint32 K2, qint32 K3) override;
    bool DeleteJDMessage(TCustomUDJDMessage *Message) override;
    // Create on the journal FileName, whose records are read when it exists.
    virtual void CreateFromFile(const QString &FileName);

    // Duplicate: the keys and the content of a record held; SameKeys: the keys of a record held, with other
    // content.
    enum class TLineOutcome { Added, Duplicate, SameKeys, Empty, Unknown, Ignored };
    // Reads one journal line (without line end) and stores its record unless the manager holds one of its keys
    // already. A broken line raises.
    TLineOutcome ParseLine(QByteArrayView line);
    // Journal lines that held no record the reader could take: broken, of an unknown device or kind, a
    // tuning or image numbered 0, another record under the keys of one held, or blanks and control bytes only.
    // A rewrite puts them back after the records, unchanged.
    const QList<QByteArray> &UnreadLines() const { return unreadLines_; }
    // Whether the last read of the journal stopped part way or could not open it. Such a journal is never
    // replaced: a rewrite would drop whatever was not read.
    bool JournalReadIncomplete() const;
    // The journal as a rewrite writes it: the records, then the lines that could not be read.
    void WriteJournal(TJournalOutput &output) const;

private:
    // The five integers a ZELT-T message is found by, in the order the finder takes them.
    struct TZeltKey {
        std::array<qint32, 5> Ints;
        bool operator==(const TZeltKey &) const = default;
        friend size_t qHash(const TZeltKey &key, size_t seed)
        {
            return qHashRange(key.Ints.begin(), key.Ints.end(), seed);
        }
    };

    void ReadJournal();
    void AppendLines(QByteArray lines);
    // Raises EInOutError when rewriting the journal would lose what this program did not read.
    void CheckReplaceable();
    // Keeps the journal that could not be written in a new file beside the settings store (else in the home
    // or the temporary folder); returns what to tell the user: why, and where it went.
    QString KeepUnsavedJournal(const QString &cause) const;
    static void TellUnsaved(const QString &text);
    qint64 HeldRecords() const;
    void NotifyChange();
    template <class Message>
    bool DeleteByIdentity(TDynArray<Message *> &list, qint32 &count, Message *message);
    TCustomLumbraMessage *FindHeld(const TCustomLumbraMessage *message);
    void Forget(const TLumbraTuningMessage *message) { tuningsByKey_.remove(KeyOf(message)); }
    void Forget(const TLumbraImageMessage *message) { imagesByKey_.remove(KeyOf(message)); }
    void Forget(const TZeltMessage *message) { zeltsByKey_.remove(KeyOf(message)); }
    void Forget(const TCustomUDJDMessage *message) { jdsByKey_.remove(KeyOf(message)); }
    static quint32 KeyOf(const TLumbraTuningMessage *message);
    static quint32 KeyOf(const TLumbraImageMessage *message);
    static TZeltKey KeyOf(const TZeltMessage *message);
    static quint64 KeyOf(const TCustomUDJDMessage *message);

    // The records held by their keys, so that telling a new record from a duplicate does not walk the lists.
    // No operation changes the key fields of a record once it is held. (Qt's tables keep their entries in
    // blocks, not each in a node of its own: a look-up costs one trip to memory, not three.)
    QHash<quint32, TLumbraTuningMessage *> tuningsByKey_;
    QHash<quint32, TLumbraImageMessage *> imagesByKey_;
    QHash<TZeltKey, TZeltMessage *> zeltsByKey_;
    QHash<quint64, TCustomUDJDMessage *> jdsByKey_;
    QList<QByteArray> unreadLines_;
    // Lines of records whose append failed; the next append or rewrite writes them.
    QList<QByteArray> pendingLines_;
    // The last rewrite failed: the journal lacks changes that only memory holds, although Modified is clear.
    bool rewriteFailed_ = false;
    TJournalStamp journal_;
    QString incompleteJournal_;
    // Hears how far the rewrite at the end is.
    TJournalProgress *progress_ = nullptr;
};
