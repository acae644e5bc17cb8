#include "mlLngLnk.h"

#include "mlLangSupport.h"

namespace {
void CopyEntries(TStrings &own, const TStrings &source, QChar sourceDelimiter, QChar ownDelimiter)
{
    own.Assign(source);
    ReplaceInEntries(own, sourceDelimiter, ownDelimiter);
}
} // namespace

void TmlLangLinked::Loaded()
{
    TmlCustomLang::Loaded();
    if (HasState(csDesigning)) {
        DlgsCaptions()->Clear();
        Locales()->Clear();
    } else if (commonContainer_) {
        const QChar from(commonContainer_->LangDelim());
        const QChar to(LangDelim());
        CopyEntries(*DlgsCaptions(), *commonContainer_->DlgsCaptions(), from, to);
        CopyEntries(*Locales(), *commonContainer_->Locales(), from, to);
    }
}

void TmlLangLinked::SetCommonContainer(TmlCustomLang *container)
{
    if (container == commonContainer_ || container == this)
        return;
    commonContainer_ = container;
    if (container)
        // The container usually sits on another form: this one must hear of its end.
        container->FreeNotification(this);
    if (!HasState(csLoading))
        Loaded();
}

void TmlLangLinked::Follow(TmlCustomLang *lang)
{
    if (!lang)
        return;
    SetCommonContainer(lang);
    SetLangDispatcher(lang->LangDispatcher());
}

void TmlLangLinked::Notification(TComponent *component, TOperation operation)
{
    TmlCustomLang::Notification(component, operation);
    if (operation == TOperation::opRemove && component == commonContainer_)
        commonContainer_ = nullptr;
}
