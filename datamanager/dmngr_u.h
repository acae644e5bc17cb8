#pragma once

// The data manager of korvath: every record of the data journal, read from the journal, appended to it and
// written back when records were deleted or edited.

#include "PluginContract.h"
#include "types_u.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>
#include <unordered_set>

class TOrmelDataManager : public TDataManager {
public:
    QString DataFileName;
    TChangeDataProc OnChangeData = nullptr;

    // Rewrites the journal first when the manager is modified. A failed rewrite leaves the old journal whole
    // and is reported on the standard error stream; the records are freed either way.
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

    enum class TLineOutcome { Added, Duplicate, Empty, Unknown, Ignored };
    // Reads one journal line (without line end) and stores its record unless the manager holds it already.
    // A broken line raises.
    TLineOutcome ParseLine(QByteArrayView line);
    // Journal lines that held no record the reader could understand (broken, or of an unknown device or
    // kind). A rewrite puts them back after the records, unchanged.
    const QList<QByteArray> &UnreadLines() const { return unreadLines_; }

private:
    using TZeltKey = std::array<qint32, 5>;
    struct TZeltKeyHash {
        size_t operator()(const TZeltKey &key) const;
    };

    void ReadJournal();
    qint64 HeldRecords() const;
    void NotifyChange();
    template <class Message>
    bool DeleteByIdentity(TDynArray<Message *> &list, qint32 &count, Message *message);
    TCustomLumbraMessage *FindHeld(const TCustomLumbraMessage *message);
    void Forget(const TLumbraTuningMessage *message) { tuningKeys_.erase(KeyOf(message)); }
    void Forget(const TLumbraImageMessage *message) { imageKeys_.erase(KeyOf(message)); }
    void Forget(const TZeltMessage *message) { zeltKeys_.erase(KeyOf(message)); }
    void Forget(const TCustomUDJDMessage *message) { jdKeys_.erase(KeyOf(message)); }
    static quint32 KeyOf(const TLumbraTuningMessage *message);
    static quint32 KeyOf(const TLumbraImageMessage *message);
    static TZeltKey KeyOf(const TZeltMessage *message);
    static quint64 KeyOf(const TCustomUDJDMessage *message);

    // The keys of the records held, so that telling a new record from a duplicate does not walk the lists.
    // No operation changes the key fields of a record once it is held.
    std::unordered_set<quint32> tuningKeys_;
    std::unordered_set<quint32> imageKeys_;
    std::unordered_set<TZeltKey, TZeltKeyHash> zeltKeys_;
    std::unordered_set<quint64> jdKeys_;
    QList<QByteArray> unreadLines_;
};
