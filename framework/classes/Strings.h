#pragma once

#include "classes/Events.h"
#include "classes/Persistent.h"

#include <QList>
#include <QString>
#include <QStringList>

// A list of strings with an object beside each one. Index errors raise EListError
// "List index out of bounds (n)".
class TStrings : public TPersistent {
    Q_OBJECT
public:
    TStrings();
    ~TStrings() override;

    virtual int Count() const = 0;
    virtual QString Strings(int index) const = 0;
    virtual void SetStrings(int index, const QString &s);
    virtual TObject *Objects(int index) const;
    virtual void SetObjects(int index, TObject *object);
    QString operator[](int index) const { return Strings(index); }

    virtual int Add(const QString &s);
    int AddObject(const QString &s, TObject *object);
    virtual void Insert(int index, const QString &s) = 0;
    void InsertObject(int index, const QString &s, TObject *object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    void AddStrings(const TStrings &other);
    // Copies strings and objects.
    virtual void Assign(const TStrings &other);
    // Index of the first string equal to s without regard to case, or -1.
    virtual int IndexOf(const QString &s) const;
    // "Name=Value" access.
    int IndexOfName(const QString &name) const;
    QString Names(int index) const;

    // Items quoted where they hold a blank, a control character, a comma or a double quote (double quotes
    // doubled); a list of one empty line gives "". Writing splits at commas and unquoted blanks.
    QString CommaText() const;
    void SetCommaText(const QString &text);
    // Each line followed by CR LF; writing splits at CR LF, LF or CR.
    QString Text() const;
    void SetText(const QString &text);
    QStringList ToStringList() const;

    void BeginUpdate();
    void EndUpdate();
    // Fired after every change made outside update mode, and once when the last EndUpdate closes a run of
    // changes; a control that shows the list follows it from here.
    const TNotifyEvent &OnChange() const { return onChange_; }
    void SetOnChange(const TNotifyEvent &event) { onChange_ = event; }

    // Windows-1251 text files, CR LF line ends. Raise EInOutError when the file cannot be read or written.
    void LoadFromFile(const QString &fileName);
    void SaveToFile(const QString &fileName) const;

protected:
    // Called when the list goes in and out of update mode.
    virtual void SetUpdateState(bool updating);
    // Storage classes call it after each change of their strings or objects.
    void Changed();

private:
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
    TNotifyEvent onChange_;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

// The concrete list. Sorted lists compare with AnsiCompareText (user's locale, case-insensitive); a key equal
// to keys already present goes before them. Adding to a sorted list inserts at the sorted place; Insert on a
// sorted list raises EListError "Operation not allowed on sorted list".
class TStringList : public TStrings {
    Q_OBJECT
public:
    TStringList();
    explicit TStringList(bool ownsObjects);
    ~TStringList() override;

    int Count() const override { return int(items_.size()); }
    QString Strings(int index) const override;
    void SetStrings(int index, const QString &s) override;
    TObject *Objects(int index) const override;
    void SetObjects(int index, TObject *object) override;
    int Add(const QString &s) override;
    void Insert(int index, const QString &s) override;
    void Delete(int index) override;
    void Clear() override;
    int IndexOf(const QString &s) const override;

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    // Binary search of a sorted list: true and the index of the first equal key, or false and the place
    // where the key would go.
    bool Find(const QString &s, int &index) const;
    void Sort();

private:
    struct Item {
        QString String;
        TObject *Object = nullptr;
    };
    void CheckIndex(int index) const;
    QList<Item> items_;
    bool sorted_ = false;
    bool ownsObjects_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};
