#include "forms/MessageBox.h"

#include "forms/ModalHook.h"

#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

namespace {
struct ButtonChoice {
    QMessageBox::StandardButton Button;
    int Id;
};

std::vector<ButtonChoice> ButtonsOf(unsigned flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

int MessageBox(HWND owner, const QString &text, const QString &caption, unsigned flags)
{
    QMessageBox box(IconOf(flags), caption, text, QMessageBox::NoButton, owner);
    const std::vector<ButtonChoice> buttons = ButtonsOf(flags);
    for (const ButtonChoice &choice : buttons)
        box.addButton(choice.Button);
    const size_t defaultIndex = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
    box.setDefaultButton(qobject_cast<QPushButton *>(box.button(buttons[std::min(defaultIndex, buttons.size() - 1)].Button)));
    const auto cancel = std::find_if(buttons.begin(), buttons.end(),
                                     [](const ButtonChoice &choice) { return choice.Id == IDCANCEL; });
    box.setEscapeButton(box.button(cancel != buttons.end() ? cancel->Button : buttons.back().Button));

    int answer = 0;
    if (AnswerModal({mkMessageBox, nullptr, &box, caption, text}, answer))
        return answer;
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const ButtonChoice &choice : buttons)
        if (choice.Button == clicked)
            return choice.Id;
    return cancel != buttons.end() ? IDCANCEL : buttons.back().Id;
}
