#include "mlLang.h"

#include "mlLangTables.h"

#include "forms/Screen.h"
#include "rtl/SysUtils.h"

namespace {
// Shows the component's changing cursor while a switch runs, when the screen shows the default one.
class ChangingCursorScope {
public:
    explicit ChangingCursorScope(TCursor cursor)
    {
        if (cursor == crNone || Screen->Cursor() != crDefault)
            return;
        SavedCursor = Screen->Cursor();
        Screen->SetCursor(cursor);
        replaced_ = true;
    }
    ~ChangingCursorScope()
    {
        if (replaced_)
            Screen->SetCursor(SavedCursor);
    }
    ChangingCursorScope(const ChangingCursorScope &) = delete;
    ChangingCursorScope &operator=(const ChangingCursorScope &) = delete;

private:
    bool replaced_ = false;
};
} // namespace

void TmlCustomLang::SetActiveLanguage(int value)
{
    if (value == activeLanguage_)
        return;
    if (value < 1 || value > numOfLanguages_) {
        if (IsLoading())
            return;
        throw ELanguageError(Format(QStringLiteral("%d - is not a valid property value!\rValue must be within [1..%d]!"),
                                    {value, numOfLanguages_}));
    }
    changedKind_ = -1;
    const ChangingCursorScope cursor(changingCursor_);
    // A component still being read only takes the number, unless a dispatcher already drives it.
    const bool switching = langDispatcher_ || !IsLoading();
    if (switching)
        CollectStrings();
    activeLanguage_ = value;
    if (!IsLoading() && langNames_.Count() >= activeLanguage_)
        language_ = langNames_.Strings(activeLanguage_ - 1);
    if (switching)
        ApplyLanguage();
}

void TmlCustomLang::ApplyLanguage()
{
    onChangeLanguage_(this);
}
