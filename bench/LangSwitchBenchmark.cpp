// Language switch benchmark (run by hand): lang_switch_benchmark [--runs N] [--components N]
//
// Builds a window of 300 components (menu items, buttons, labels, panels, edits, check boxes, combo boxes,
// memos and status bars), each with its texts in English and Russian, and times switching its language
// through the dispatcher, as the language menu does: the switch itself, and the switch with the repaints it
// leaves queued. The first switch, which still collects every text the window shows, is reported apart.

#include "BenchTiming.h"
#include "mlLang.h"

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/Panel.h"
#include "controls/StatusBar.h"
#include "forms/Form.h"
#include "menus/Menus.h"

#include <QApplication>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// A window as its resource would build it: components with English texts, the language component's lists
// filled with both languages.
class TfrmBench : public TForm {
public:
    TfrmBench(TmlLangDispatcher *dispatcher, int components) : TForm(nullptr)
    {
        BeginLoading();
        SetName("frmBench");
        SetCaption("Benchmark window");
        SetBounds(0, 0, 1000, 700);
        Lang = new TmlLang(this);
        Lang->SetName("mlLang1");
        Lang->SetNumOfLanguages(2);
        Lang->LangNames()->Clear();
        Lang->LangNames()->Add("ENGLISH");
        Lang->LangNames()->Add("RUSSIAN");
        Lang->SetLanguage("ENGLISH");
        Lang->Captions()->Add(Entry("TfrmBench", "Benchmark window", "Окно замера"));
        Lang->Hints()->Add(Entry("TfrmBench", "", ""));
        Lang->Fonts()->Add(Entry("TfrmBench", "MS Sans Serif", "Tahoma"));
        Lang->CharSets()->Add(Entry("TfrmBench", "DEFAULT_CHARSET", "RUSSIAN_CHARSET"));
        Lang->OtherStrings()->Add(Entry("TfrmBench.HelpFile", "ROSTREL.hlp", "rostrel_ru.hlp"));

        auto *menu = new TMainMenu(this);
        menu->SetName("MainMenu1");
        SetMenu(menu);
        TMenuItem *top = nullptr;
        TPanel *panel = nullptr;
        // Component kinds in turn, so every kind is spread over the whole window.
        for (int i = 1; Lang->Owner()->ComponentCount() < components; ++i) {
            const QString n = QString::number(i);
            switch (i % 10) {
            case 0: {
                auto *item = new TMenuItem(this);
                item->SetName("Item" + n);
                Translate(item, "Caption", "Command " + n, "Команда " + n);
                Translate(item, "Hint", "Runs command " + n, "Выполняет команду " + n);
                if (!top || top->Count() == 8) {
                    top = item;
                    menu->Items()->Add(item);
                } else {
                    top->Add(item);
                }
                break;
            }
            case 1:
            case 2: {
                auto *button = new TButton(this);
                button->SetName("Button" + n);
                Place(button, panel);
                Translate(button, "Caption", "Button " + n, "Кнопка " + n);
                Translate(button, "Hint", "Presses " + n, "Нажимает " + n);
                break;
            }
            case 3:
            case 4: {
                auto *label = new TLabel(this);
                label->SetName("Label" + n);
                Place(label, panel);
                Translate(label, "Caption", "Label " + n + ":", "Надпись " + n + ":");
                break;
            }
            case 5: {
                panel = new TPanel(this);
                panel->SetName("Panel" + n);
                panel->SetParent(this);
                panel->SetBounds((i / 10 % 5) * 200, (i / 50) * 110, 195, 105);
                Translate(panel, "Caption", "Group " + n, "Группа " + n);
                break;
            }
            case 6: {
                auto *edit = new TEdit(this);
                edit->SetName("Edit" + n);
                Place(edit, panel);
                edit->SetText("Value " + n);
                Lang->OtherStrings()->Add(Entry("Edit" + n + ".Text", "Value " + n, "Значение " + n));
                break;
            }
            case 7: {
                auto *check = new TCheckBox(this);
                check->SetName("CheckBox" + n);
                Place(check, panel);
                Translate(check, "Caption", "Option " + n, "Параметр " + n);
                check->Font()->SetName("Arial");
                Lang->Fonts()->Add(Entry("CheckBox" + n, "Arial", "Arial Cyr"));
                Lang->CharSets()->Add(Entry("CheckBox" + n, "ANSI_CHARSET", "RUSSIAN_CHARSET"));
                break;
            }
            case 8: {
                auto *combo = new TComboBox(this);
                combo->SetName("ComboBox" + n);
                Place(combo, panel);
                combo->Items()->SetCommaText("First,Second,Third,Fourth,Fifth");
                combo->SetItemIndex(2);
                Lang->MultiLines()->Add(Entry("ComboBox" + n + ".Items", "First,Second,Third,Fourth,Fifth",
                                              "Первый,Второй,Третий,Четвёртый,Пятый"));
                break;
            }
            case 9: {
                if (i % 100 == 99) {
                    auto *bar = new TStatusBar(this);
                    bar->SetName("StatusBar" + n);
                    bar->SetParent(this);
                    for (int p = 0; p < 4; ++p) {
                        bar->Panels()->Add()->SetText("Field " + QString::number(p));
                        Lang->Collections()->Add(Entry("StatusBar" + n + ".Panels[" + QString::number(p) + "].Text",
                                                       "Field " + QString::number(p), "Поле " + QString::number(p)));
                    }
                } else {
                    auto *memo = new TMemo(this);
                    memo->SetName("Memo" + n);
                    Place(memo, panel);
                    memo->Lines()->SetCommaText("\"Line one\",\"Line two\",\"Line three\"");
                    Lang->MultiLines()->Add(Entry("Memo" + n + ".Lines", "\"Line one\",\"Line two\",\"Line three\"",
                                                  "\"Строка один\",\"Строка два\",\"Строка три\""));
                }
                break;
            }
            }
        }
        Lang->SetLangDispatcher(dispatcher);
        EndLoading();
    }

    TmlLang *Lang;

private:
    static QString Entry(const QString &name, const QString &english, const QString &russian)
    {
        const QChar d(1);
        return name + d + english + d + russian + d;
    }

    void Translate(TComponent *component, const char *property, const QString &english, const QString &russian)
    {
        component->setProperty(property, english);
        TStrings *list = QByteArray(property) == "Caption" ? Lang->Captions() : Lang->Hints();
        list->Add(Entry(component->Name(), english, russian));
    }

    void Place(TControl *control, TPanel *panel)
    {
        control->SetParent(panel ? static_cast<TWinControl *>(panel) : this);
        control->SetBounds(4 + (ComponentCount() % 2) * 95, 4 + (ComponentCount() % 5) * 20, 90, 18);
    }
};

struct Figures {
    double Min, Median, Mean, Max;
};

Figures Summary(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double sum = 0;
    for (double t : times)
        sum += t;
    return {times.front(), times[times.size() / 2], sum / double(times.size()), times.back()};
}

void Print(const char *what, const Figures &f)
{
    std::printf("%-34s min %7.2f  median %7.2f  mean %7.2f  max %7.2f ms\n", what, f.Min, f.Median, f.Mean, f.Max);
}
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 20;
    int components = 300;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--runs")
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == "--components")
            components = std::max(2, args[i + 1].toInt());
    }

    TComponent host(nullptr);
    TmlLangDispatcher dispatcher(&host);
    dispatcher.LangNames()->Clear();
    dispatcher.LangNames()->Add("ENGLISH");
    dispatcher.LangNames()->Add("RUSSIAN");
    dispatcher.SetNumOfLanguages(2);
    TfrmBench form(&dispatcher, components);
    form.Show();
    QApplication::processEvents();

    const double first = Milliseconds([&] { dispatcher.SetActiveLanguage(2); });
    QApplication::processEvents();
    dispatcher.SetActiveLanguage(1);
    QApplication::processEvents();

    std::vector<double> switches;
    std::vector<double> withPaint;
    for (int run = 0; run < runs; ++run) {
        const int language = run % 2 == 0 ? 2 : 1;
        switches.push_back(Milliseconds([&] { dispatcher.SetActiveLanguage(language); }));
        withPaint.push_back(switches.back() + Milliseconds([] { QApplication::processEvents(); }));
    }
    if (dispatcher.ActiveLanguage != 1)
        dispatcher.SetActiveLanguage(1);

    std::printf("Language switch of a window of %d components (%d entries), %d runs\n", form.ComponentCount(),
                form.Lang->Captions()->Count() + form.Lang->Hints()->Count() + form.Lang->Fonts()->Count() +
                    form.Lang->MultiLines()->Count() + form.Lang->OtherStrings()->Count() +
                    form.Lang->Collections()->Count() + form.Lang->CharSets()->Count(),
                runs);
    std::printf("%-34s %7.2f ms\n", "first switch (collects every text)", first);
    Print("switch", Summary(switches));
    Print("switch and repaint", Summary(withPaint));
    return 0;
}
