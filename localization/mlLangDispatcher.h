#pragma once

#include "classes/Component.h"
#include "classes/Strings.h"

#include <QList>
#include <QString>

class TmlCustomLang;

// Switches the language of every language component that names it as its LangDispatcher. The host hands its
// dispatcher to the plug-ins, which read ActiveLanguage straight from the object: the data members below
// keep their order and place after the TComponent part, and callers in another module never use
// qobject_cast on the object.
class TmlLangDispatcher : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int ActiveLanguage READ GetActiveLanguage WRITE SetActiveLanguage)
    Q_PROPERTY(int NumOfLanguages READ NumOfLanguages WRITE SetNumOfLanguages)
    Q_PROPERTY(TStrings *LangNames READ LangNames WRITE SetLangNames)
    Q_PROPERTY(QString Language READ Language WRITE SetLanguage)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)

public:
    explicit TmlLangDispatcher(TComponent *owner);
    ~TmlLangDispatcher() override;

    // Registers a component (once, at the end of the list) and gives it this dispatcher's languages; loads
    // FileName into it when one is set and the dispatcher is not being designed.
    void AddLangComponent(TmlCustomLang *component);
    void RemoveLangComponent(TmlCustomLang *component);
    int LangComponentCount() const { return int(langComponents_.size()); }
    TmlCustomLang *LangComponents(int index) const;

    int GetActiveLanguage() const { return ActiveLanguage; }
    // Sets every registered component to the number; a component's range error stops the walk and passes on,
    // while the dispatcher keeps the number.
    void SetActiveLanguage(int value);
    int NumOfLanguages() const { return numOfLanguages_; }
    void SetNumOfLanguages(int value);
    TStrings *LangNames() { return &langNames_; }
    void SetLangNames(TStrings *names);
    const QString &Language() const { return language_; }
    void SetLanguage(const QString &name);
    const QString &FileName() const { return fileName_; }
    void SetFileName(const QString &fileName) { fileName_ = fileName; }

protected:
    void Notification(TComponent *component, TOperation operation) override;

private:
    // Runs the action on each registered component in registration order, skipping those that left meanwhile.
    template <typename Action>
    void ForEachLangComponent(Action action);

    QList<TmlCustomLang *> langComponents_;

public:
    // 1-based number of the active language, read directly by the plug-ins.
    int ActiveLanguage = 1;

private:
    int numOfLanguages_ = 1;
    QString language_;
    TStringList langNames_;
    QString fileName_;
};
