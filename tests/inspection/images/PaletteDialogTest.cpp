#include "images/PaletteDialog.h"

#include "MainWindowLang.h"
#include "controls/Button.h"
#include "controls/Edit.h"
#include "controls/Panel.h"
#include "controls/SpinButton.h"
#include "dialogs/ColorDialog.h"
#include "forms/ModalHook.h"
#include "images/PaletteStore.h"
#include "mlLang.h"
#include "registry/Registry.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QList>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {
const QString colorKey = "\\Software\\Kelmar\\OrmelSW\\LUMBRA\\ColorSettings";

QList<int> Levels(const TPaletteEntry *palette)
{
    QList<int> levels;
    for (int i = 0; i < PaletteSize; ++i)
        levels << palette[i].Level;
    return levels;
}

QList<TColor> Colors(const TPaletteEntry *palette)
{
    QList<TColor> colors;
    for (int i = 0; i < PaletteSize; ++i)
        colors << TColor(palette[i].Color);
    return colors;
}

void SetLevels(TPaletteEntry *palette, const QList<int> &levels)
{
    for (int i = 0; i < PaletteSize; ++i)
        palette[i] = {quint8(levels[i]), DefaultPalette[i].Color};
}

// The main window's side of the dialog: its palette and the levels its preview showed at every redraw.
struct MainWindow {
    TPaletteEntry palette[PaletteSize];
    QList<QList<int>> redraws;

    explicit MainWindow(const QList<int> &levels = Levels(DefaultPalette)) { SetLevels(palette, levels); }

    // Opens the dialog; the user acts in it and leaves it by pressing the button (none: the user's own way).
    bool Edit(const std::function<void(TfmSetColor *)> &user, const QString &leave = "buCancel",
              TmlCustomLang *lang = nullptr)
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *dialog = dynamic_cast<TfmSetColor *>(request.Source);
            user(dialog);
            if (!leave.isEmpty())
                static_cast<TButton *>(dialog->FindComponent(leave))->Click();
            return int(mrNone);
        });
        return EditPalette(palette, [this] { redraws << Levels(palette); }, lang);
    }
};

// Pushes spin button n (1..8) once: what the dialog's rows then show and what the preview showed.
struct Push {
    TfmSetColor *dialog;
    MainWindow &main;
    QList<int> Down(int n, int times = 1)
    {
        for (int k = 0; k < times; ++k)
            dialog->SpinButtons[n - 1]->DownButton()->click();
        return Shown();
    }
    QList<int> Up(int n, int times = 1)
    {
        for (int k = 0; k < times; ++k)
            dialog->SpinButtons[n - 1]->UpButton()->click();
        return Shown();
    }
    // The levels as the edits show them, after checking that spin buttons and palette agree.
    QList<int> Shown() const
    {
        QList<int> shown;
        for (int i = 0; i < PaletteSize; ++i) {
            shown << dialog->Edits[i]->Text().toInt();
            EXPECT_EQ(dialog->SpinButtons[i]->Tag(), shown.last()) << i;
        }
        EXPECT_EQ(shown, Levels(main.palette));
        return shown;
    }
};
} // namespace

TEST(PaletteDialog, SpinButtonsMoveTheirLevelAndPushTheNeighboursJustAsFarAsNeeded)
{
    {
        MainWindow main;
        main.Edit([&](TfmSetColor *dialog) {
            Push push{dialog, main};
            EXPECT_EQ(push.Shown(), QList<int>({6, 12, 18, 24, 30, 36, 42, 48}));
            // Level 2 goes from 12 to 7 alone; one step more pushes level 1 first.
            EXPECT_EQ(push.Down(2, 5), QList<int>({6, 7, 18, 24, 30, 36, 42, 48}));
            EXPECT_EQ(push.Down(2), QList<int>({5, 6, 18, 24, 30, 36, 42, 48}));
            // Every push redraws the preview once, with all its levels moved.
            EXPECT_EQ(main.redraws.size(), 6);
            EXPECT_EQ(main.redraws.last(), QList<int>({5, 6, 18, 24, 30, 36, 42, 48}));
            EXPECT_EQ(push.Up(7, 5), QList<int>({5, 6, 18, 24, 30, 36, 47, 48}));
            EXPECT_EQ(push.Up(7), QList<int>({5, 6, 18, 24, 30, 36, 48, 49}));
            EXPECT_EQ(main.redraws.size(), 12);
        });
    }
    {
        // Packed rows travel together, and the preview sees the end of a chain only.
        MainWindow main({10, 11, 12, 13, 40, 51, 60, 200});
        main.Edit([&](TfmSetColor *dialog) {
            Push push{dialog, main};
            EXPECT_EQ(push.Down(4), QList<int>({9, 10, 11, 12, 40, 51, 60, 200}));
            EXPECT_EQ(main.redraws, QList<QList<int>>({{9, 10, 11, 12, 40, 51, 60, 200}}));
            EXPECT_EQ(push.Down(4, 9), QList<int>({0, 1, 2, 3, 40, 51, 60, 200}));
            EXPECT_EQ(push.Down(4), QList<int>({0, 1, 2, 3, 40, 51, 60, 200}));
            EXPECT_EQ(push.Up(3, 36), QList<int>({0, 1, 38, 39, 40, 51, 60, 200}));
            EXPECT_EQ(push.Up(3), QList<int>({0, 1, 39, 40, 41, 51, 60, 200}));
        });
    }
    {
        // Levels packed at 0 or at 255: no push moves them, and the palette keeps them.
        MainWindow low({0, 1, 2, 3, 4, 5, 6, 7});
        low.Edit([&](TfmSetColor *dialog) {
            Push push{dialog, low};
            for (int n = 1; n <= PaletteSize; ++n)
                EXPECT_EQ(push.Down(n), QList<int>({0, 1, 2, 3, 4, 5, 6, 7})) << n;
            EXPECT_EQ(low.redraws.size(), PaletteSize);
        });
        MainWindow high({10, 20, 30, 40, 50, 60, 254, 255});
        high.Edit([&](TfmSetColor *dialog) {
            Push push{dialog, high};
            EXPECT_EQ(push.Up(8), QList<int>({10, 20, 30, 40, 50, 60, 254, 255}));
            EXPECT_EQ(push.Up(7), QList<int>({10, 20, 30, 40, 50, 60, 254, 255}));
            EXPECT_EQ(push.Up(6, 200), QList<int>({10, 20, 30, 40, 50, 253, 254, 255}));
            EXPECT_EQ(push.Up(1, 300), QList<int>({248, 249, 250, 251, 252, 253, 254, 255}));
            EXPECT_EQ(push.Down(8, 300), QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));
        }, "buOK");
    }
}

TEST(PaletteDialog, PanelsOpenTheColourDialogWhichNeverSetsSilver)
{
    MainWindow main;
    QList<TColor> opened;
    main.Edit([&](TfmSetColor *dialog) {
        EXPECT_EQ(dialog->ColorDialog1->Options(), TColorDialogOptions(cdSolidColor));
        EXPECT_EQ(dialog->Panels[2]->Cursor(), crHandPoint);
        const auto choose = [&](int panel, const QColor &color, bool confirm) {
            TModalHookScope colourDialog([&](const TModalRequest &request) {
                auto *window = qobject_cast<QColorDialog *>(request.Window);
                opened << QColorToColor(window->currentColor());
                window->setCurrentColor(color);
                return int(confirm);
            });
            dialog->Panels[panel]->Click();
            return dialog->Panels[panel]->Color();
        };
        EXPECT_EQ(choose(2, QColor(0x11, 0x22, 0x33), true), RGB(0x11, 0x22, 0x33));
        EXPECT_EQ(choose(2, QColor(0xC0, 0xC0, 0xC0), true), RGB(0x11, 0x22, 0x33));
        EXPECT_EQ(choose(2, QColor(0x44, 0x55, 0x66), false), RGB(0x11, 0x22, 0x33));
        EXPECT_EQ(choose(7, QColor(0xC0, 0xC0, 0xC1), true), RGB(0xC0, 0xC0, 0xC1));
        QList<TColor> expected = Colors(DefaultPalette);
        expected[2] = RGB(0x11, 0x22, 0x33);
        expected[7] = RGB(0xC0, 0xC0, 0xC1);
        EXPECT_EQ(Colors(main.palette), expected);
        // Levels stay as they were.
        EXPECT_EQ(Levels(main.palette), Levels(DefaultPalette));
    }, "buOK");
    EXPECT_EQ(opened, QList<TColor>({0xFF0000, 0x332211, 0x332211, 0x0000FF}));
}

TEST(PaletteDialog, OkStoresThePaletteAndEveryOtherWayOutReloadsTheStoredOne)
{
    TRegistry reg;
    reg.DeleteKey(colorKey);
    TMainWindowLang window;
    TmlLang *lang = window.Lang;

    const auto edit = [](TfmSetColor *dialog) {
        EXPECT_TRUE(dialog->buCancel->Default());
        EXPECT_FALSE(dialog->buHelp->Visible());
        dialog->SpinButtons[7]->DownButton()->click();
        dialog->SpinButtons[0]->UpButton()->click();
        TModalHookScope colourDialog([](const TModalRequest &request) {
            qobject_cast<QColorDialog *>(request.Window)->setCurrentColor(QColor(1, 2, 3));
            return 1;
        });
        dialog->Panels[0]->Click();
    };
    // Nothing stored yet: Cancel brings back the defaults and the preview shows them.
    MainWindow main;
    EXPECT_FALSE(main.Edit(edit, "buCancel", lang));
    EXPECT_EQ(Levels(main.palette), Levels(DefaultPalette));
    EXPECT_EQ(Colors(main.palette), Colors(DefaultPalette));
    EXPECT_EQ(main.redraws.last(), Levels(DefaultPalette));
    EXPECT_FALSE(reg.KeyExists(colorKey));

    EXPECT_TRUE(main.Edit(edit, "buOK", lang));
    const QList<int> saved = {7, 12, 18, 24, 30, 36, 42, 47};
    EXPECT_EQ(Levels(main.palette), saved);
    TPaletteEntry stored[PaletteSize];
    LoadPalette(stored);
    EXPECT_EQ(Levels(stored), saved);
    EXPECT_EQ(TColor(stored[0].Color), RGB(1, 2, 3));

    // Escape and the close box undo the changes as Cancel does, down to the stored palette.
    main.redraws.clear();
    EXPECT_FALSE(main.Edit([&](TfmSetColor *dialog) {
        edit(dialog);
        dialog->Close();
    }, {}, lang));
    EXPECT_EQ(Levels(main.palette), saved);
    EXPECT_EQ(main.redraws.last(), saved);
    EXPECT_FALSE(main.Edit([&](TfmSetColor *dialog) {
        edit(dialog);
        dialog->buCancel->Click();
    }, {}, lang));
    EXPECT_EQ(Levels(main.palette), saved);
    EXPECT_EQ(TColor(main.palette[0].Color), RGB(1, 2, 3));

    // In Russian, with the rows showing the palette as it is.
    window.Dispatcher->SetActiveLanguage(2);
    main.Edit([](TfmSetColor *dialog) {
        EXPECT_EQ(dialog->Caption(), "Настройка цветов");
        EXPECT_EQ(dialog->buCancel->Caption(), "О&тмена");
        EXPECT_EQ(dialog->buOK->Caption(), "&OK");
        EXPECT_EQ(dialog->HelpFile(), "lumbra_ru.hlp");
        EXPECT_EQ(dialog->HelpContext(), 20);
        EXPECT_EQ(dialog->Edits[7]->Text(), "47");
        EXPECT_EQ(dialog->Panels[0]->Color(), RGB(1, 2, 3));
        EXPECT_TRUE(dialog->Edits[7]->ReadOnly());
    }, "buCancel", lang);
    EXPECT_EQ(window.Dispatcher->LangComponentCount(), 1);
    reg.DeleteKey(colorKey);
}
