#pragma once

#include "mlLangDispatcher.h"

#include "classes/Component.h"
#include "classes/Events.h"
#include "classes/Strings.h"
#include "forms/Cursors.h"
#include "rtl/Exceptions.h"

#include <QChar>
#include <QString>
#include <array>
#include <memory>

class TCollection;
class TFont;
class TForm;

// The kinds of text a language component keeps; the number is the kind everywhere in the language components
// and their files. List-view and tree-view items have no list.
enum TStringsType : quint8 {
    stCaptions,
    stHints,
    stDisplayLabels,
    stFonts,
    stMultiLines,
    stDlgsCaptions,
    stStrings,
    stOtherStrings,
    stLocales,
    stCollections,
    stCharSets,
    stListView_TreeView_Items,
};
constexpr int StringsTypeCount = 12;

// What an empty text of the active language does: leave the property alone, or take the first language's text.
enum TTranslateType { ttNoChange, ttGetDefault };

// Shared lists: Strings (UD) or DlgsCaptions and Locales (common) are read from the first component registered
// with the same dispatcher that has them.
enum TmlLangOption : unsigned {
    loUseExtUDStrings = 1u << 0,
    loUseExtCommonStrings = 1u << 1,
};
using TmlLangOptions = unsigned;

class ELanguageError : public Exception {
public:
    using Exception::Exception;
};

// Holds every translatable text of its owner (a form or data module) in all languages and switches the owner
// between them. Each text is an entry of one of the kind lists: the entry name, D, the text of language 1, D,
// ..., the text of language N, D, where D is the character whose code is LangDelim. One per owner.
//
// Form reading: while the component is loading its setters only store (ActiveLanguage follows its own rules),
// the form fills the lists in place, and Loaded normalises them. LangDelim is stored only when it is not 9, but
// a new component starts with 1: a component saved with TABs reads back with 1, and Loaded turns the TABs
// of its lists into code 1.
class TmlCustomLang : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

    friend class TmlLangDispatcher;

public:
    // Raises Exception when the owner already has a language component; the owner is required.
    explicit TmlCustomLang(TComponent *owner);
    ~TmlCustomLang() override;

    void Loaded() override;

    // List properties: a write copies the lines (not the component's own list object) and, but for
    // DlgsCaptions, applies that kind at once.
    TStrings *Captions() { return &captions_; }
    void SetCaptions(TStrings *list);
    TStrings *Hints() { return &hints_; }
    void SetHints(TStrings *list);
    TStrings *DisplayLabels() { return &displayLabels_; }
    void SetDisplayLabels(TStrings *list);
    TStrings *Strings() { return &strings_; }
    void SetStrings(TStrings *list);
    TStrings *Fonts() { return &fonts_; }
    void SetFonts(TStrings *list);
    TStrings *MultiLines() { return &multiLines_; }
    void SetMultiLines(TStrings *list);
    TStrings *DlgsCaptions() { return &dlgsCaptions_; }
    void SetDlgsCaptions(TStrings *list);
    TStrings *OtherStrings() { return &otherStrings_; }
    void SetOtherStrings(TStrings *list);
    TStrings *Locales() { return &locales_; }
    void SetLocales(TStrings *list);
    TStrings *CharSets() { return &charSets_; }
    void SetCharSets(TStrings *list);
    TStrings *Collections() { return &collections_; }
    void SetCollections(TStrings *list);

    int ActiveLanguage() const { return activeLanguage_; }
    // Collects the owner's texts, then switches to the language and applies it.
    void SetActiveLanguage(int value);
    int NumOfLanguages() const { return numOfLanguages_; }
    // Raises ELanguageError below 1; adds generated names or drops the last ones to match.
    void SetNumOfLanguages(int value);
    bool ChangeLocales() const { return changeLocales_; }
    void SetChangeLocales(bool value) { changeLocales_ = value; }
    TmlLangDispatcher *LangDispatcher() const { return langDispatcher_; }
    void SetLangDispatcher(TmlLangDispatcher *dispatcher);
    const TNotifyEvent &OnChangeLanguage() const { return onChangeLanguage_; }
    void SetOnChangeLanguage(const TNotifyEvent &event) { onChangeLanguage_ = event; }
    quint8 LangDelim() const { return langDelim_; }
    // Turns every old delimiter of the kind lists into the new one (unless loading).
    void SetLangDelim(quint8 value);
    TStrings *DoNotTranslate() { return &doNotTranslate_; }
    void SetDoNotTranslate(TStrings *list);
    const QString &Version() const { return version_; }
    // The version is fixed; a write is ignored.
    void SetVersion(const QString &) {}
    const QString &Language() const { return language_; }
    // Raises ELanguageError for a name not in LangNames; otherwise switches to that language (unless loading).
    void SetLanguage(const QString &name);
    TStrings *LangNames() { return &langNames_; }
    void SetLangNames(TStrings *list);
    TTranslateType TranslateType() const { return translateType_; }
    void SetTranslateType(TTranslateType value) { translateType_ = value; }
    TmlLangOptions Options() const { return options_; }
    void SetOptions(TmlLangOptions value);
    bool NeedAllDlgs() const { return needAllDlgs_; }
    void SetNeedAllDlgs(bool value);
    TCursor ChangingCursor() const { return changingCursor_; }
    void SetChangingCursor(TCursor value) { changingCursor_ = value; }
    TStrings *ExcludedProperties() { return &excludedProperties_; }
    void SetExcludedProperties(TStrings *list);
    bool DoRaiseExceptions() const { return doRaiseExceptions_; }
    void SetDoRaiseExceptions(bool value) { doRaiseExceptions_ = value; }

    // -1 when every kind is applied; else the kind whose list was written last.
    int ChangedKind() const { return changedKind_; }
    bool FileLoading() const { return fileLoading_; }
    // Entries swept out because their component or collection item vanished; null until a sweep needs it.
    TStrings *HoldingList() const { return holdingList_.get(); }
    // The process locale items at construction, in LocaleItemNames order (0-based).
    const QString &InitialLocale(int item) const { return initialLocale_.at(item); }

    // Deletes the entries of a removed component (only while designing).
    virtual void RemoveComponentEntries(TStrings *list, TComponent *component, TOperation operation,
                                        TStringsType kind);
    virtual bool IsStringListClass(const QString &typeName) const;
    // Puts text into the given language of the first entry named like name (letter case ignored).
    virtual void SetEntryText(TStrings *list, const QString &text, const QString &name, int language);
    // The list the class publishes for the kind; null when it publishes none.
    virtual TStrings *GetKindList(TStringsType kind) const;
    virtual void CollectStrings();
    virtual void ApplyLanguage();
    // Language files: the number of distinct keys read, or -1 (missing file, kind without list, failure).
    virtual int LoadKindFromFile(TStringsType kind, const QString &fileName, bool clearFirst);
    // The number of entries written, or -1 for a kind without list.
    virtual int SaveKindToFile(TStringsType kind, const QString &fileName, const QString &delimiter);
    virtual void LoadFromFile(const QString &fileName, bool clearFirst);
    virtual void SaveToFile(const QString &fileName, const QString &delimiter);
    virtual int LoadStringsFromFile(const QString &fileName, bool clearFirst);
    virtual int SaveStringsToFile(const QString &fileName, QChar delimiter);
    // Loads the kind from the file and keeps the entries the file lacks; false (and the list as it was) when
    // the file is missing, the kind has no list or the load fails.
    virtual bool MergeKindFromFile(TStringsType kind, const QString &fileName);
    virtual bool MergeFromFile(const QString &fileName);
    virtual void LoadFromFileNoApply(const QString &fileName, bool clearFirst);
    virtual bool MergeFromFileNoApply(const QString &fileName);
    // Re-keys the entries of a renamed component (of the owner, whose entries carry its class name).
    virtual void RenameComponentEntries(const QString &oldName, const QString &newName);

    // Keeps the 15 message-box captions, or all 79 dialog captions with NeedAllDlgs.
    void FillDlgsCaptions();
    // The given language's text of the first entry named like name (letter case ignored); empty when none.
    QString GetNamedEntryText(TStrings *list, const QString &name, int language) const;
    // Moves entries of vanished components and collection items to HoldingList; drops caption and hint
    // entries of components linked to an action.
    void SweepKindList(TStrings *list, TStringsType kind);
    // Deletes entries whose component no longer publishes the property.
    void RemoveStaleEntries();
    void ApplyExcludedProperties();
    void ApplyDoNotTranslate();
    void ReplaceDelimiter(QChar oldChar, QChar newChar);

    // Lookups in the active language. Shared lists (see TmlLangOption) are read from the dispatcher's first
    // registered component that has them. A missing name answers empty, or raises ELanguageError with
    // DoRaiseExceptions.
    QString LookupListEntry(TStrings *list, const QString &name, bool fallBack);
    QString LookupString(const QString &name);
    // Empty for an index outside the list.
    QString LookupListEntryByIndex(TStrings *list, int index, bool fallBack);
    // False when the owner's class name is in DoNotTranslate.
    bool OwnerTranslatable() const;

protected:
    void Notification(TComponent *component, TOperation operation) override;

    // Steps of collecting and applying.
    void CollectKind(TStrings *list, TStringsType kind);
    // The first held entry whose text in the active language (or, empty, in the first) is the value; empty
    // when none.
    QString FindHeldEntry(const QString &value);
    void ApplyKind(TStrings *list, TStringsType kind);

    QChar Delim() const { return QChar(langDelim_); }

private:
    static TComponent *RequireSoleLanguageComponent(TComponent *owner);
    // A list property written with no list empties the list.
    static void CopyLines(TStrings &own, const TStrings *list);
    bool IsLoading() const { return HasState(csLoading); }
    bool HasTabDelimiters();
    void SetKindList(TStringList &own, const TStrings *list, TStringsType kind);
    void RemoveEntriesOfComponent(TComponent *component, TOperation operation);
    bool MergeAll(const QString &fileName, bool apply);
    void LoadAll(const QString &fileName, bool clearFirst, bool apply);

    // Sets FileLoading for a whole-file load or merge and clears it however that ends.
    class FileLoadingScope {
    public:
        explicit FileLoadingScope(bool &flag) : flag_(flag) { flag_ = true; }
        ~FileLoadingScope() { flag_ = false; }
        FileLoadingScope(const FileLoadingScope &) = delete;
        FileLoadingScope &operator=(const FileLoadingScope &) = delete;

    private:
        bool &flag_;
    };
    TStringList &HeldEntries();
    TStringList *OwnKindList(TStringsType kind);
    // The kind of a shared list (Strings only when withStrings), -1 for a list that is not shared now.
    int SharedKind(const TStrings *list, bool withStrings) const;
    // The list a lookup reads: the first non-empty list of the kind among the dispatcher's components, else
    // the own one; null for a shared list without dispatcher.
    TStrings *SharedSource(TStrings *list, int kind);
    // The active language's text of an entry, or its first language's text when that is empty and fallBack.
    QString EntryText(const QString &entry, bool fallBack) const;

    // Collecting.
    bool IsExcluded(const QString &propertyName) const { return excludedProperties_.IndexOf(propertyName) >= 0; }
    void CollectFormEntries(const TForm &form);
    void RekeyOwnEntry(TStrings &list, const QString &value);
    bool UpdateOwnEntry(TStrings &list, const QString &value);
    void CollectComponent(TStrings &list, TStringsType kind, QObject *component, const QString &walkName);
    void CollectCollection(TStrings &list, const TCollection &collection, const QString &namePrefix);
    void CollectValue(TStrings &list, TStringsType kind, const QObject *component, const QString &walkName,
                      const QString &entryName, const QString &value, const TFont *font = nullptr);
    void AddHeldCharSets(const QString &componentName, const QString &heldName);

    // Applying.
    void ApplyTexts();
    QString LanguageText(TStrings *list, int index, const QString &entry);
    void ApplyCollections(TStrings *list);
    void ApplyEntry(TStringsType kind, QObject *target, const QString &componentName, const QString &propertyName,
                    const QString &text);

    int changedKind_ = -1;
    TStringList captions_;
    TStringList hints_;
    TStringList displayLabels_;
    TStringList strings_;
    TStringList fonts_;
    TStringList multiLines_;
    TStringList dlgsCaptions_;
    TStringList otherStrings_;
    TStringList locales_;
    TStringList charSets_;
    TStringList collections_;
    int activeLanguage_ = 1;
    int numOfLanguages_ = 1;
    bool changeLocales_ = false;
    bool fileLoading_ = false;
    std::unique_ptr<TStringList> holdingList_;
    std::array<QString, 15> initialLocale_;
    TNotifyEvent onChangeLanguage_;
    TmlLangDispatcher *langDispatcher_ = nullptr;
    quint8 langDelim_ = 1;
    TStringList doNotTranslate_;
    QString version_;
    QString language_;
    TStringList langNames_;
    TTranslateType translateType_ = ttNoChange;
    TmlLangOptions options_ = 0;
    bool needAllDlgs_ = false;
    TCursor changingCursor_ = crNone;
    TStringList excludedProperties_;
    bool doRaiseExceptions_ = false;
};

// The language component the forms place: publishes its lists and settings.
class TmlLang : public TmlCustomLang {
    Q_OBJECT
    Q_PROPERTY(TStrings *Captions READ Captions WRITE SetCaptions)
    Q_PROPERTY(TStrings *Hints READ Hints WRITE SetHints)
    Q_PROPERTY(TStrings *DisplayLabels READ DisplayLabels WRITE SetDisplayLabels)
    Q_PROPERTY(TStrings *Strings READ Strings WRITE SetStrings)
    Q_PROPERTY(TStrings *Fonts READ Fonts WRITE SetFonts)
    Q_PROPERTY(TStrings *MultiLines READ MultiLines WRITE SetMultiLines)
    Q_PROPERTY(TStrings *DlgsCaptions READ DlgsCaptions WRITE SetDlgsCaptions)
    Q_PROPERTY(TStrings *OtherStrings READ OtherStrings WRITE SetOtherStrings)
    Q_PROPERTY(TStrings *Locales READ Locales WRITE SetLocales)
    Q_PROPERTY(TStrings *CharSets READ CharSets WRITE SetCharSets)
    Q_PROPERTY(TStrings *Collections READ Collections WRITE SetCollections)
    Q_PROPERTY(int NumOfLanguages READ NumOfLanguages WRITE SetNumOfLanguages)
    Q_PROPERTY(int ActiveLanguage READ ActiveLanguage WRITE SetActiveLanguage)
    Q_PROPERTY(bool ChangeLocales READ ChangeLocales WRITE SetChangeLocales)
    Q_PROPERTY(TmlLangDispatcher *LangDispatcher READ LangDispatcher WRITE SetLangDispatcher)
    Q_PROPERTY(quint8 LangDelim READ LangDelim WRITE SetLangDelim)
    Q_PROPERTY(TStrings *DoNotTranslate READ DoNotTranslate WRITE SetDoNotTranslate)
    Q_PROPERTY(TStrings *LangNames READ LangNames WRITE SetLangNames)
    Q_PROPERTY(QString Language READ Language WRITE SetLanguage)
    Q_PROPERTY(TTranslateType TranslateType READ TranslateType WRITE SetTranslateType)
    Q_PROPERTY(uint Options READ Options WRITE SetOptions)
    Q_PROPERTY(bool NeedAllDlgs READ NeedAllDlgs WRITE SetNeedAllDlgs)
    Q_PROPERTY(TCursor ChangingCursor READ ChangingCursor WRITE SetChangingCursor)
    Q_PROPERTY(TStrings *ExcludedProperties READ ExcludedProperties WRITE SetExcludedProperties)
    Q_PROPERTY(bool DoRaiseExceptions READ DoRaiseExceptions WRITE SetDoRaiseExceptions)

public:
    using TmlCustomLang::TmlCustomLang;
};

// Registers the types of the published properties of the language, form-state and label components with Qt's
// process-wide type registry; the host calls it before it loads a plug-in (see RegisterFrameworkMetaTypes).
void RegisterLanguageMetaTypes();
