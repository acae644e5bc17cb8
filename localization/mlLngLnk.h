#pragma once

#include "mlLang.h"

// A language component for secondary forms: it keeps no dialog captions or locale texts of its own but copies
// them from a common container, normally the main window's language component, turning the container's
// delimiter into its own.
class TmlLangLinked : public TmlCustomLang {
    Q_OBJECT
    Q_PROPERTY(TStrings *Captions READ Captions WRITE SetCaptions)
    Q_PROPERTY(TStrings *Hints READ Hints WRITE SetHints)
    Q_PROPERTY(TStrings *DisplayLabels READ DisplayLabels WRITE SetDisplayLabels)
    Q_PROPERTY(TStrings *Strings READ Strings WRITE SetStrings)
    Q_PROPERTY(TStrings *Fonts READ Fonts WRITE SetFonts)
    Q_PROPERTY(TStrings *MultiLines READ MultiLines WRITE SetMultiLines)
    Q_PROPERTY(TStrings *OtherStrings READ OtherStrings WRITE SetOtherStrings)
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
    Q_PROPERTY(TmlCustomLang *CommonContainer READ CommonContainer WRITE SetCommonContainer)

public:
    using TmlCustomLang::TmlCustomLang;

    // Copies the container's dialog captions and locale texts (in the designer: keeps none).
    void Loaded() override;

    TmlCustomLang *CommonContainer() const { return commonContainer_; }
    // Outside loading, a new container is copied at once.
    void SetCommonContainer(TmlCustomLang *container);
    // Shares the common texts and the language of another form's language component; none leaves both as
    // they are.
    void Follow(TmlCustomLang *lang);

protected:
    void Notification(TComponent *component, TOperation operation) override;

private:
    TmlCustomLang *commonContainer_ = nullptr;
};
