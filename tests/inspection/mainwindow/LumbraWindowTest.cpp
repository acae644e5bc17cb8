// The main window of the inspection plug-in, registered as the host would and driven through its handlers.

#include "FileSizeLimit.h"
#include "FormatSettingsGuard.h"
#include "PdfPages.h"
#include "QtPrint.h"
#include "TempDir.h"
#include "images/PaletteDialog.h"
#include "mainwindow/LumbraWindow.h"
#include "mainwindow/WarningBox.h"
#include "mlMessageDialog.h"
#include "tables/CriteriaDialog.h"
#include "viewer/RecordViewer.h"

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Label.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/SpinButton.h"
#include "controls/StatusBar.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"
#include "menus/Menus.h"
#include "mlLangDispatcher.h"
#include "mlMessageDialog.h"
#include "platform/Help.h"
#include "printing/PrintDialog.h"
#include "registry/Registry.h"
#include "registry/RegistryStore.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString LumbraKey = "\\Software\\Kelmar\\OrmelSW\\LUMBRA";

TLumbraTuningMessage *NewTuning(int id, const QString &name, int day)
{
    auto *tuning = new TLumbraTuningMessage;
    tuning->SetWidth(108);
    tuning->SetHeight(108);
    tuning->DeviceType = "LUMBRA-C";
    tuning->TuningID = quint16(id);
    tuning->RecordName = name;
    tuning->Day = quint8(day);
    tuning->Month = 3;
    tuning->Year = 2005;
    tuning->Hour = 9;
    tuning->Minute = 5;
    tuning->Frequency = 64;
    return tuning;
}

TLumbraImageMessage *NewImage(int id, int type)
{
    auto *image = new TLumbraImageMessage;
    image->SetWidth(120);
    image->SetHeight(120);
    image->ImageID = quint16(id);
    image->ImageType = quint8(type);
    image->BeginDay = 7;
    image->BeginMonth = 3;
    image->BeginYear = 2005;
    // A level image holds a byte a pixel.
    if (type == 1)
        image->BitImage.SetLength(120 * 120);
    return image;
}

QString ShownCursor()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return !cursor ? "normal" : cursor->shape() == Qt::WaitCursor ? "busy" : "other";
}

// The cursor each time an operation changes a table's titles, rows or cells, or draws the watched tuning.
class TCursorWatch {
public:
    explicit TCursorWatch(std::initializer_list<const TStringGrid *> grids)
    {
        for (const TStringGrid *grid : grids) {
            const QAbstractItemModel *model = grid->View()->model();
            const auto note = [this] { Note(); };
            QObject::connect(model, &QAbstractItemModel::dataChanged, &context_, note);
            QObject::connect(model, &QAbstractItemModel::rowsInserted, &context_, note);
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, &context_, note);
            QObject::connect(model, &QAbstractItemModel::rowsMoved, &context_, note);
            QObject::connect(model, &QAbstractItemModel::modelReset, &context_, note);
            QObject::connect(model, &QAbstractItemModel::headerDataChanged, &context_, note);
        }
    }
    void Note() { seen_ << ShownCursor(); }
    // "busy" when every change since the last call showed the busy cursor; "none" when nothing changed.
    QString During()
    {
        const QStringList seen = std::exchange(seen_, {});
        return seen.isEmpty() ? "none" : seen.count("busy") == seen.size() ? "busy" : seen.join(',');
    }

private:
    QObject context_;
    QStringList seen_;
};

class TWatchedTuning : public TLumbraTuningMessage {
public:
    explicit TWatchedTuning(TCursorWatch *watch) : watch_(watch) {}
    void Draw(TCanvas *canvas, qint32 x, qint32 y) const override
    {
        watch_->Note();
        TLumbraTuningMessage::Draw(canvas, x, y);
    }

private:
    TCursorWatch *watch_;
};

// A data manager with three tunings and two images (an ordinary and a level image), the plug-in registered
// with it, and a settings store without the plug-in's key.
class LumbraWindow : public testing::Test {
protected:
    LumbraWindow()
    {
        TRegistry().DeleteKey(LumbraKey);
        Manager.TuningMessages.SetLength(3);
        Manager.TuningMessages[0] = NewTuning(20, "Pump", 7);
        Manager.TuningMessages[1] = NewTuning(3, "  axle", 12);
        Manager.TuningMessages[2] = NewTuning(100, "Wheel", 1);
        Manager.TuningCount = 3;
        Manager.ImageMessages.SetLength(2);
        Manager.ImageMessages[0] = NewImage(1, 0);
        Manager.ImageMessages[1] = NewImage(2, 1);
        Manager.ImageCount = 2;
        TDataManager *cell = &Manager;
        std::uint8_t isDataManager = 1;
        RegisterLumbra(nullptr, &isDataManager, &cell, nullptr);
        Form = frmLumbra;
    }
    ~LumbraWindow() override { UnregisterLumbra(); }

    void Open() { TmpObj->DoConfigAction(nullptr); }
    void ClickHeader(TStringGrid *grid, int col)
    {
        const TRect cell = grid->CellRect(col, 0);
        Form->sgTuningsMouseDown(grid, mbLeft, 0, cell.Left + 10, cell.Top + 5);
        Form->sgTuningsMouseUp(grid, mbLeft, 0, cell.Left + 10, cell.Top + 5);
    }
    static QStringList Column(const TStringGrid *grid, int col)
    {
        QStringList cells;
        for (int row = 1; row < grid->RowCount(); ++row)
            cells << grid->Cells(col, row);
        return cells;
    }
    QString Status(int panel) const { return Form->StatusBar1->Panels()->Items(panel)->Text(); }

    FormatSettingsGuard Guard;
    TDataManager Manager;
    TfrmLumbra *Form = nullptr;
};
} // namespace

// The tables in the manager's order with the settings' defaults; header clicks sort and turn the direction; a
// level image shows the level preview; the find panel finds by wildcard and containment; closing stores the
// column settings, and the next showing clears the sort.
TEST_F(LumbraWindow, ShowsSortsPreviewsFindsAndStoresItsSettings)
{
    Open();
    TStringGrid *tunings = Form->sgTunings;
    ASSERT_EQ(tunings->ColCount(), 13);
    EXPECT_EQ(Form->sgImages->ColCount(), 15);
    EXPECT_EQ(tunings->Cells(3, 0), "Name");
    EXPECT_EQ(Column(tunings, 3), (QStringList{"Pump", "axle", "Wheel"}));
    EXPECT_EQ(Column(tunings, 5), (QStringList{"07/03/2005 09:05:00", "12/03/2005 09:05:00", "01/03/2005 09:05:00"}));
    EXPECT_EQ(Column(tunings, 6), (QStringList{"10.039", "10.039", "10.039"}));
    EXPECT_EQ(Status(0), "Tunings: 3 (0 hidden)");
    EXPECT_EQ(Status(1), "Images: 2 (0 hidden)");
    EXPECT_EQ(tunings->ColWidths(3), Form->Canvas()->TextWidth("Name") + 20);
    EXPECT_EQ(Form->TuningsSortColumn, -1);

    // Data cells take their column's colours; the selected row keeps the grid's own look.
    TuningSettings[1].BGColor = clRed;
    const QImage shot = tunings->View()->grab().toImage();
    const TRect cell = tunings->CellRect(1, 2);
    EXPECT_EQ(shot.pixelColor(cell.Right - 3, cell.Top + 3), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(cell.Right - 3, tunings->CellRect(1, 1).Top + 3), QColor(Qt::red));
    TuningSettings[1].BGColor = clWindow;

    // The sort mark's base lies at the bottom of the header cell while ascending, at its top while descending.
    const auto markBase = [&] {
        const QImage header = tunings->View()->grab().toImage();
        const TRect title = tunings->CellRect(2, 0);
        const QColor highlight = ColorToQColor(clBtnHighlight);
        return header.pixelColor(title.Right - 10, title.Top + 11) == highlight ? 11
               : header.pixelColor(title.Right - 10, title.Top + 2) == highlight ? 2
                                                                                   : -1;
    };
    EXPECT_EQ(markBase(), -1);
    ClickHeader(tunings, 2);
    EXPECT_EQ(Column(tunings, 2), (QStringList{"3", "20", "100"}));
    EXPECT_EQ(markBase(), 11);
    ClickHeader(tunings, 2);
    EXPECT_EQ(markBase(), 2);
    EXPECT_FALSE(Form->TuningsAscending);
    EXPECT_EQ(Column(tunings, 2), (QStringList{"100", "20", "3"}));
    ClickHeader(tunings, 3);
    EXPECT_EQ(Form->TuningsSortColumn, 3);
    EXPECT_EQ(Column(tunings, 3), (QStringList{"axle", "Wheel", "Pump"}));
    EXPECT_EQ(Form->ImagesSortColumn, -1);

    bool canSelect = true;
    Form->sgTuningsSelectCell(Form->sgImages, 0, 2, canSelect);
    EXPECT_TRUE(Form->pnDynImg->Visible());
    EXPECT_FALSE(Form->paImage->Visible());
    Form->sgTuningsSelectCell(Form->sgImages, 0, 1, canSelect);
    EXPECT_FALSE(Form->pnDynImg->Visible());
    EXPECT_TRUE(Form->paImage->Visible());

    Form->TunFind1->Click();
    ASSERT_TRUE(Form->pnTunSearch->Visible());
    EXPECT_EQ(Form->pnTunSearch->Parent(), Form->pnTunBar);
    EXPECT_TRUE(Form->sbTunSearch->Down());
    EXPECT_EQ(Form->cbTunSrchCol->Items()->Count(), 13);
    Form->cbTunSrchCol->SetItemIndex(3);
    Form->edTunSrch->SetText("UMP");
    EXPECT_EQ(tunings->Row(), 3);
    tunings->SetRow(1);
    Form->edTunSrch->SetText("P?m*");
    EXPECT_EQ(tunings->Row(), 3);
    // A letter typed as a base and a combining mark finds the letter the table holds.
    const QString name = tunings->Cells(3, 2);
    tunings->SetCells(3, 2, QString::fromUtf8("Чайка"));
    Form->edTunSrch->SetText(QString::fromUtf8("чаи\u0306"));
    EXPECT_EQ(tunings->Row(), 2);
    tunings->SetCells(3, 2, name);
    // The images' find button takes the one panel over to its bar; its second click closes it.
    auto *imagesFind = static_cast<QAbstractButton *>(Form->sbImgSearch->Widget());
    imagesFind->click();
    EXPECT_EQ(Form->pnTunSearch->Parent(), Form->pnImgBar);
    EXPECT_TRUE(Form->pnTunSearch->Visible());
    EXPECT_FALSE(Form->sbTunSearch->Down());
    EXPECT_EQ(Form->cbTunSrchCol->Items()->Count(), 15);
    imagesFind->click();
    EXPECT_FALSE(Form->pnTunSearch->Visible());
    Form->TunFind1->Click();
    Form->pnTunSearchExit(Form->pnTunSearch);
    EXPECT_FALSE(Form->pnTunSearch->Visible());
    EXPECT_FALSE(Form->sbTunSearch->Down());

    Form->Close();
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(LumbraKey + "\\FieldsSettings\\Images", false));
    EXPECT_EQ(registry.ReadString("TxtColor14"), "-2147483640");
    ASSERT_TRUE(registry.OpenKey(LumbraKey + "\\FieldsSettings\\Tunings", false));
    EXPECT_EQ(registry.ReadString("IsVisible12"), "1");
    EXPECT_FALSE(registry.ValueExists("IsVisible13"));
    EXPECT_TRUE(TuningSettings.empty());

    Open();
    EXPECT_EQ(Form->TuningsSortColumn, -1);
    EXPECT_TRUE(Form->TuningsAscending);
    EXPECT_EQ(Column(tunings, 2), (QStringList{"20", "3", "100"}));
}

// The dialog shows each column's own settings; Cancel changes nothing; OK stores the settings and filters the
// table; a filter that drops every row leaves one blank row and reports every record as hidden; a column
// hidden by its settings stays hidden when the window is opened again.
TEST_F(LumbraWindow, CriteriaDialogFiltersOnOkOnly)
{
    Open();
    TStringGrid *tunings = Form->sgTunings;
    int answer = mrCancel;
    int asked = 0;
    auto setCriterion = [&](int col, int code, const QString &value) {
        return [&, col, code, value](const TModalRequest &request) {
            auto *dialog = dynamic_cast<TfrmGridCrit *>(request.Source);
            EXPECT_TRUE(dialog);
            if (!dialog)
                return int(mrCancel);
            ++asked;
            EXPECT_EQ(dialog->pcFields->PageCount(), 13);
            EXPECT_EQ(dialog->cbDataCrit->Items()->Strings(7), "Contains");
            dialog->pcFields->SetActivePageIndex(col);
            dialog->pcFieldsChange(dialog->pcFields);
            EXPECT_TRUE(dialog->ckbVisFld->Checked());
            EXPECT_EQ(dialog->edDataValue->Text(), "");
            dialog->cbDataCrit->SetItemIndex(code);
            dialog->edDataValue->SetText(value);
            dialog->pcFields->SetActivePageIndex(col + 1);
            dialog->pcFieldsChange(dialog->pcFields);
            EXPECT_EQ(dialog->edDataValue->Text(), "");
            EXPECT_EQ((*dialog->Settings)[col].DataValue, value);
            EXPECT_EQ((*dialog->Settings)[col + 1].DataOperation, 0);
            return answer;
        };
    };
    {
        TModalHookScope hook(setCriterion(2, 1, "50"));
        Form->sbTunCrit->Click();
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tunings->RowCount(), 4);
    EXPECT_EQ(TuningSettings[2].DataValue, "");

    answer = mrOk;
    {
        TModalHookScope hook(setCriterion(2, 1, "50"));
        Form->TunCriteria1->Click();
    }
    EXPECT_EQ(Column(tunings, 2), (QStringList{"20", "3"}));
    EXPECT_EQ(Status(0), "Tunings: 3 (1 hidden)");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(LumbraKey + "\\FieldsSettings\\Tunings", false));
    EXPECT_EQ(registry.ReadString("DataValue2"), "50");
    EXPECT_EQ(registry.ReadString("DataOperation2"), "1");

    registry.WriteString("DataValue0", "none");
    registry.WriteString("DataOperation0", "2");
    registry.WriteString("IsVisible4", "0");
    Open();
    EXPECT_EQ(tunings->RowCount(), 2);
    EXPECT_FALSE(tunings->Objects(0, 1));
    EXPECT_EQ(Status(0), "Tunings: 3 (3 hidden)");
    EXPECT_EQ(tunings->ColWidths(4), -1);
    Open();
    EXPECT_EQ(tunings->ColWidths(4), -1);

    // The default button resets every column, not only the one shown.
    TFieldSettings settings(13);
    settings[0].IsVisible = false;
    settings[9].DataValue = "x";
    TfrmGridCrit dialog(nullptr);
    for (int col = 0; col < 13; ++col)
        (new TTabSheet(&dialog))->SetPageControl(dialog.pcFields);
    dialog.Settings = &settings;
    dialog.pcFieldsChange(&dialog);
    EXPECT_FALSE(dialog.ckbVisFld->Checked());
    EXPECT_FALSE(dialog.edDataValue->Enabled());
    dialog.btDefault->Click();
    EXPECT_TRUE(settings[0].IsVisible);
    EXPECT_EQ(settings[9].DataValue, "");
    EXPECT_TRUE(dialog.ckbVisFld->Checked());
    EXPECT_TRUE(dialog.edDataValue->Enabled());
}

// The values are compared with the records' texts, which the Windows-1251 code page holds: a value with characters
// it lacks is refused by name in the active language and the dialog stays open; a letter typed as a base and a
// combining mark finds the record's one letter.
TEST_F(LumbraWindow, CriteriaDialogRefusesValuesOutsideTheCodePageAndComposesTypedLetters)
{
    Manager.TuningMessages[2]->RecordName = QString::fromUtf8("Wheel й");
    Open();
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    QStringList messages;
    int stayed = -1;
    TModalHookScope hook([&](const TModalRequest &request) {
        if (auto *box = dynamic_cast<TMessageForm *>(request.Source)) {
            messages << dynamic_cast<TLabel *>(box->FindComponent("Message"))->Caption();
            return int(mrOk);
        }
        auto *dialog = dynamic_cast<TfrmGridCrit *>(request.Source);
        dialog->pcFields->SetActivePageIndex(3);
        dialog->pcFieldsChange(dialog->pcFields);
        dialog->cbDataCrit->SetItemIndex(7);
        dialog->edDataValue->SetText(QString::fromUtf8("中 Ø"));
        dialog->btOK->Click();
        stayed = dialog->ModalResult();
        dialog->edDataValue->SetText(QString::fromUtf8("и\u0306"));
        dialog->btOK->Click();
        return int(dialog->ModalResult());
    });
    Form->sbTunCrit->Click();
    EXPECT_EQ(stayed, mrNone);
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(
                            "Записи хранят тексты в кодовой странице Windows-1251, в которой нет этих символов:\r\n"
                            "Название: \"中\" (U+4E2D), \"Ø\" (U+00D8)\r\nЗамените или удалите их и снова нажмите OK.")});
    EXPECT_EQ(TuningSettings[3].DataValue, QString::fromUtf8("й"));
    EXPECT_EQ(Column(Form->sgTunings, 3), QStringList{QString::fromUtf8("Wheel й")});
}

// Switching to Russian rewrites titles, status and dates with that language's separators and asks for the Russian
// help file; back in English the decimal separator is the English locale text's comma.
TEST_F(LumbraWindow, LanguageSwitchRefreshesTheTables)
{
    Open();
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    EXPECT_EQ(Form->sgTunings->Cells(0, 0), QString::fromUtf8("Тип прибора"));
    EXPECT_EQ(Form->sgTunings->Cells(5, 1), "07.03.2005 09:05:00");
    EXPECT_EQ(Form->sgImages->Cells(5, 1), "7.3.2005 0:0:0");
    EXPECT_EQ(Status(0), QString::fromUtf8("Настройки: 3 (0 скрыто)"));
    EXPECT_EQ(Form->Caption(), QString::fromUtf8("Управление данными ЛУМБРА"));
    std::vector<THelpRequest> requests;
    SetHelpHook([&](const THelpRequest &request) { requests.push_back(request); });
    Form->Contents1->Click();
    Form->Index1->Click();
    SetHelpHook({});
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].File, "lumbra_ru.hlp");
    EXPECT_EQ(requests[0].Command, unsigned(HELP_FINDER));
    EXPECT_EQ(requests[1].Command, unsigned(HELP_PARTIALKEY));
    EXPECT_STREQ(reinterpret_cast<const char *>(requests[1].Data), "");
    Form->mlLangDispatcher1->SetActiveLanguage(1);
    EXPECT_EQ(Form->sgTunings->Cells(5, 1), "07/03/2005 09:05:00");
    EXPECT_EQ(Form->sgTunings->Cells(6, 1), "10,039");
    EXPECT_EQ(Status(1), "Images: 2 (0 hidden)");
}

// A manager whose count exceeds its list fails the refresh, which is reported, not passed on. A table whose
// records are all gone keeps one blank row that holds no record, not the first record it showed before. Without
// a data manager the window opens empty.
TEST_F(LumbraWindow, RefreshReportsFailuresAndKeepsNoStaleRecord)
{
    Manager.TuningCount = 4;
    QString reported;
    {
        TModalHookScope hook([&](const TModalRequest &request) {
            reported = request.Text;
            return 1;
        });
        Open();
    }
    EXPECT_TRUE(reported.startsWith("From LUMBRA-C:")) << qPrintable(reported);
    EXPECT_GT(reported.size(), QString("From LUMBRA-C:").size());

    Manager.TuningCount = 3;
    Open();
    ASSERT_EQ(Form->sgTunings->Objects(0, 1), Manager.TuningMessages[0]);
    Manager.TuningCount = 0;
    lumbra_u::OnDataUpdate();
    Manager.TuningCount = 3;
    EXPECT_EQ(Form->sgTunings->RowCount(), 2);
    EXPECT_FALSE(Form->sgTunings->Objects(0, 1));
    EXPECT_EQ(Form->sgTunings->Cells(3, 1), "");
    bool canSelect = true;
    Form->sgTuningsSelectCell(Form->sgTunings, 0, 1, canSelect);
    EXPECT_TRUE(TuningsFlags.NoRecord);

    // Registered before any data manager, the plug-in opens its window with nothing in it.
    TDataManager *none = nullptr;
    std::uint8_t isDataManager = 1;
    RegisterLumbra(nullptr, &isDataManager, &none, nullptr);
    EXPECT_NO_THROW(Open());
    EXPECT_TRUE(frmLumbra->Visible());
    EXPECT_FALSE(frmLumbra->sgTunings->Objects(0, 1));
}

// Opening the window, sorting, the criteria dialog's OK, a language switch, viewing and printing show the busy
// cursor while they change the tables or draw the record; their dialogs wait with the normal cursor, and a failure
// that ends an operation leaves the normal cursor behind.
TEST_F(LumbraWindow, LongOperationsShowTheBusyCursorAndTheirDialogsTheNormalOne)
{
    TempDir dir;
    const TPrintToPdfScope toPdf(dir.File("print.pdf"));
    TCursorWatch watch({Form->sgTunings, Form->sgImages});
    auto *watched = new TWatchedTuning(&watch);
    watched->SetWidth(108);
    watched->SetHeight(108);
    watched->TuningID = 55;
    delete std::exchange(Manager.TuningMessages[0], watched);
    QStringList dialogs;
    TModalHookScope hook([&](const TModalRequest &request) {
        dialogs << request.Source->ClassName() + " " + ShownCursor();
        // The viewer is left by Cancel: this manager keeps no edits.
        return dynamic_cast<TPrintDialog *>(request.Source)     ? 1
               : dynamic_cast<TMessageForm *>(request.Source)   ? int(mrYes)
               : dynamic_cast<TfrmEditRecord *>(request.Source) ? int(mrCancel)
                                                                 : int(mrOk);
    });

    Open();
    EXPECT_EQ(watch.During(), "busy");
    EXPECT_EQ(ShownCursor(), "normal");
    ClickHeader(Form->sgTunings, 3);
    EXPECT_EQ(watch.During(), "busy");
    Form->TunCriteria1->Click();
    EXPECT_EQ(watch.During(), "busy");
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    EXPECT_EQ(watch.During(), "busy");
    Form->mlLangDispatcher1->SetActiveLanguage(1);
    watch.During();
    EXPECT_EQ(ShownCursor(), "normal");

    for (int row = 1; row < Form->sgTunings->RowCount(); ++row)
        if (Form->sgTunings->Objects(0, row) == watched)
            Form->sgTunings->SetRow(row);
    watch.During();
    Form->sbTunEdit->Click();
    EXPECT_EQ(watch.During(), "busy");
    Form->TunPrint1->Click();
    EXPECT_EQ(watch.During(), "busy");
    EXPECT_EQ(ShownCursor(), "normal");

    // Nor does it delete: it fails, after the question.
    EXPECT_ANY_THROW(Form->sbTunDeleteClick(Form->sbTunDelete));
    EXPECT_EQ(ShownCursor(), "normal");
    EXPECT_EQ(dialogs, QStringList({"TfrmGridCrit normal", "TfrmEditRecord normal", "TPrintDialog normal",
                                    "TMessageForm normal"}));
}

// Opening reads the column settings without making keys. A store that cannot be read is reported once, with its
// file and the cause, and the window still closes; the defaults that stand in meanwhile are not written over the
// stored settings at close.
TEST_F(LumbraWindow, ColumnSettingsAreReadWithoutMakingKeysAndNeverReplacedByStandIns)
{
    Open();
    EXPECT_FALSE(TRegistry().KeyExists(LumbraKey + "\\FieldsSettings"));
    Form->Close();
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(LumbraKey + "\\FieldsSettings\\Tunings", false));
    registry.WriteString("DataValue2", "kept");

    const QString store = RegistryStorePath();
    ASSERT_TRUE(QFile::rename(store, store + ".aside"));
    ASSERT_TRUE(QDir().mkdir(store));
    QStringList reported;
    {
        TModalHookScope hook([&](const TModalRequest &request) {
            reported << request.Text;
            return 1;
        });
        Open();
        // Closing meets the same failure in the same action: the window closes, and the user is not told twice.
        EXPECT_NO_THROW(Form->Close());
        EXPECT_FALSE(Form->Visible());
    }
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0], "From LUMBRA-C:Failed to get data for 'Tunings': Cannot read the settings file " + store
                               + ": it is not a regular file");
    // The next action finds the store again; closing then leaves the stored settings as they were.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(QDir().rmdir(store));
    ASSERT_TRUE(QFile::rename(store + ".aside", store));
    Open();
    Form->Close();
    EXPECT_EQ(registry.ReadString("DataValue2"), "kept");
    EXPECT_EQ(registry.ReadString("IsVisible12"), "1");
}

// A store that cannot be written (a full disk) fails the criteria dialog's OK, the palette dialog's OK and the
// window's close: each goes through all the same, the tables apply the new criterion, and each action tells once
// which file failed and why.
TEST_F(LumbraWindow, DialogsAndTheWindowCloseWhenTheStoreCannotBeWrittenAndSaySoOnce)
{
    Open();
    QStringList reported;
    TModalHookScope hook([&](const TModalRequest &request) {
        if (auto *dialog = dynamic_cast<TfrmGridCrit *>(request.Source)) {
            dialog->pcFields->SetActivePageIndex(2);
            dialog->pcFieldsChange(dialog->pcFields);
            dialog->cbDataCrit->SetItemIndex(1);
            dialog->edDataValue->SetText("50");
            return int(mrOk);
        }
        if (auto *dialog = dynamic_cast<TfmSetColor *>(request.Source)) {
            dialog->SpinButtons[7]->DownButton()->click();
            dialog->buOK->Click();
            return int(mrNone);
        }
        reported << request.Text;
        return 1;
    });
    const auto nextAction = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    {
        FileSizeLimit full(16);
        Form->sbTunCritClick(Form->sbTunCrit);
        EXPECT_EQ(Column(Form->sgTunings, 2), (QStringList{"20", "3"}));
        nextAction();
        Form->pbColorClick(nullptr);
        EXPECT_EQ(Form->Palette[7].Level, 47);
        nextAction();
        Form->Close();
        EXPECT_FALSE(Form->Visible());
    }
    ASSERT_EQ(reported.size(), 3);
    for (const QString &text : reported)
        EXPECT_EQ(text, "From LUMBRA-C:Cannot write the settings file " + RegistryStorePath() + ": File too large")
            << qPrintable(text);
    EXPECT_FALSE(TRegistry().KeyExists(LumbraKey + "\\ColorSettings"));
}

// The Help menu's About entry shows the plug-in's about box; the warning box's "Don't show again" reaches the
// window's DoWarnings and the settings store, and the next start reads it back.
TEST_F(LumbraWindow, AboutEntryAndWarningChoiceGoThroughTheWindow)
{
    QStringList shown;
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            shown << request.Source->ClassName();
            if (auto *box = dynamic_cast<TfrmMessage *>(request.Source))
                box->CheckBox1->SetChecked(true);
            return int(mrOk);
        });
        Form->About1->Click();
        ShowNoTuningWarning(false);
        ShowNoTuningWarning(false);
    }
    EXPECT_EQ(shown, QStringList({"TfrmLumbraAbout", "TfrmMessage"}));
    EXPECT_FALSE(Form->DoWarnings);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(LumbraKey, false));
    EXPECT_FALSE(reg.ReadBool("DoWarnings"));

    UnregisterLumbra();
    TDataManager *cell = &Manager;
    std::uint8_t isDataManager = 1;
    RegisterLumbra(nullptr, &isDataManager, &cell, nullptr);
    Form = frmLumbra;
    EXPECT_FALSE(Form->DoWarnings);
}
