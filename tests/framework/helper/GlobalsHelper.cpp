// A module whose globals go while the window system is still up, as a plug-in unloaded by a running program:
// the forms its application still owns must be freed while its screen is there. The screen's cursor override
// shows whether it is: the screen gives it back when it goes. Exit code 4 when a form outlived the screen.
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Screen.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {
class TLastForm : public TForm {
public:
    using TForm::TForm;
    ~TLastForm() override
    {
        if (QGuiApplication::overrideCursor())
            return;
        std::fputs("a form of the application outlived the screen\n", stderr);
        std::_Exit(4);
    }
};
} // namespace

int main(int argc, char **argv)
{
    new QApplication(argc, argv); // stays up while the globals go
    Screen->SetCursor(crHourGlass);
    new TLastForm(Application);
    return 0;
}
