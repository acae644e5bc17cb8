#include "viewer/RecordViewer.h"

#include "LangEntry.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/Notebook.h"
#include "mlLngLnk.h"

#include <algorithm>

// The viewer's labelled fields and their frames, as tables: where each stands and what its label says.

namespace {
// Every control of a page stands on the page or in one of its frames.
enum THolder { hTuningPage, hGroup1, hGroup2, hGroup3, hImagePage, hGroup4, hGroup5, hGroup6, hGroup7, hImpactPage,
               hGroup8, hGroup9, HolderCount };

struct TGroupEntry {
    TGroupBox *TfrmEditRecord::*Group;
    const char *Name;
    THolder Self, Holder;
    int Left, Top, Width, Height;
    const char *English, *Russian;
};

const TGroupEntry GroupEntries[] = {
    {&TfrmEditRecord::GroupBox1, "GroupBox1", hGroup1, hTuningPage, 4, 2, 462, 344, "Tuning record properties:",
     "Свойства записи настройки:"},
    {&TfrmEditRecord::GroupBox2, "GroupBox2", hGroup2, hGroup1, 8, 140, 290, 48, "Tuning date-time:",
     "Дата и время настройки:"},
    {&TfrmEditRecord::GroupBox3, "GroupBox3", hGroup3, hGroup1, 304, 14, 148, 152, "ASD zone:", "Зона АСД:"},
    {&TfrmEditRecord::GroupBox4, "GroupBox4", hGroup4, hImagePage, 4, 2, 300, 244, "Image record properties:",
     "Свойства записи изображения:"},
    {&TfrmEditRecord::GroupBox5, "GroupBox5", hGroup5, hImagePage, 310, 2, 310, 46, "Inspection started at:",
     "Начало контроля:"},
    {&TfrmEditRecord::GroupBox6, "GroupBox6", hGroup6, hImagePage, 310, 50, 310, 46, "Inspection ended at:",
     "Окончание контроля:"},
    {&TfrmEditRecord::GroupBox7, "GroupBox7", hGroup7, hImagePage, 310, 98, 180, 186, "Image:", "Изображение:"},
    {&TfrmEditRecord::GroupBox8, "GroupBox8", hGroup8, hImpactPage, 4, 154, 300, 46, "Inspection started at:",
     "Начало контроля:"},
    {&TfrmEditRecord::GroupBox9, "GroupBox9", hGroup9, hImpactPage, 4, 202, 300, 46, "Inspection finished at:",
     "Окончание контроля:"},
};

// An edit with its label to the left. Editable fields take the user's texts; the others only show.
struct TFieldEntry {
    TEdit *TfrmEditRecord::*Edit;
    const char *Name;
    THolder Holder;
    int LabelLeft, Left, Top, Width;
    const char *English, *Russian;
    int MaxLength = 0;
    bool Editable = false;
};

const TFieldEntry FieldEntries[] = {
    {&TfrmEditRecord::edDevice, "edDevice", hGroup1, 10, 140, 20, 150, "Device type:", "Тип прибора:"},
    {&TfrmEditRecord::edDeviceID, "edDeviceID", hGroup1, 10, 140, 44, 150, "Device ID:", "ID прибора:"},
    {&TfrmEditRecord::EditTuningID, "EditTuningID", hGroup1, 10, 140, 68, 150, "Tuning ID:", "ID настройки:"},
    {&TfrmEditRecord::edTunName, "edTunName", hGroup1, 10, 140, 92, 150, "Tuning name:", "Название настройки:", 40},
    {&TfrmEditRecord::EditTransducerID, "EditTransducerID", hGroup1, 10, 140, 116, 150, "Transducer ID:",
     "ID преобразователя:"},
    {&TfrmEditRecord::EditDate, "EditDate", hGroup2, 8, 50, 18, 90, "Date:", "Дата::"},
    {&TfrmEditRecord::EditTime, "EditTime", hGroup2, 150, 192, 18, 90, "Time:", "Время:"},
    {&TfrmEditRecord::EditFrequency, "EditFrequency", hGroup1, 10, 140, 196, 150, "Frequency (kHz):",
     "Частота (kГц):"},
    {&TfrmEditRecord::EditGain, "EditGain", hGroup1, 10, 140, 220, 150, "Gain:", "Коэф-т усиления:"},
    {&TfrmEditRecord::EditPulse, "EditPulse", hGroup1, 10, 140, 244, 150, "Pulse:", "Импульсы:"},
    {&TfrmEditRecord::EditStartPoint, "EditStartPoint", hGroup1, 10, 140, 268, 150, "Start-point:", "Интервал от:"},
    {&TfrmEditRecord::EditEndPoint, "EditEndPoint", hGroup1, 10, 140, 292, 150, "End-point:",
     "                         до:"},
    {&TfrmEditRecord::EditAttenuation, "EditAttenuation", hGroup1, 10, 140, 316, 150, "Attenuation:",
     "Ослабление:"},

    {&TfrmEditRecord::edImgDevName, "edImgDevName", hGroup4, 8, 150, 20, 140, "Device type:", "Тип прибора:"},
    {&TfrmEditRecord::edImgDevID, "edImgDevID", hGroup4, 8, 150, 44, 140, "Device ID:", "ID прибора:"},
    {&TfrmEditRecord::EditImageID, "EditImageID", hGroup4, 8, 150, 68, 140, "Image ID:", "ID изображения:"},
    {&TfrmEditRecord::EditTuningID2, "EditTuningID2", hGroup4, 8, 150, 92, 100, "Tuning ID:", "ID настройки:"},
    {&TfrmEditRecord::edImgName, "edImgName", hGroup4, 8, 150, 116, 140, "Image name:", "Название изображения:", 40},
    {&TfrmEditRecord::EditImageWidth, "EditImageWidth", hGroup4, 8, 150, 140, 140, "Image width (mm):",
     "Ширина (мм):"},
    {&TfrmEditRecord::EditImageHeight, "EditImageHeight", hGroup4, 8, 150, 164, 140, "Image height (mm):",
     "Высота (мм):"},
    {&TfrmEditRecord::EditStepX, "EditStepX", hGroup4, 8, 150, 188, 140, "Step X (mm):", "Шаг X (мм):"},
    {&TfrmEditRecord::EditStepY, "EditStepY", hGroup4, 8, 150, 212, 140, "Step Y (mm):", "Шаг Y (мм):"},
    {&TfrmEditRecord::EditStartDate, "EditStartDate", hGroup5, 8, 50, 18, 100, "Date:", "День:"},
    {&TfrmEditRecord::EditStartTime, "EditStartTime", hGroup5, 160, 200, 18, 100, "Time:", "Час:"},
    {&TfrmEditRecord::EditDate2, "EditDate2", hGroup6, 8, 50, 18, 100, "Date:", "День:"},
    {&TfrmEditRecord::EditTime2, "EditTime2", hGroup6, 160, 200, 18, 100, "Time:", "Час:"},
    {&TfrmEditRecord::EditControlMade, "EditControlMade", hImagePage, 4, 110, 327, 194, "Testing done by",
     "Контроль произвел:", 60, true},

    {&TfrmEditRecord::ed_devtype, "ed_devtype", hImpactPage, 8, 110, 8, 190, "Device type:", "Тип прибора:"},
    {&TfrmEditRecord::Ed_deviceid, "Ed_deviceid", hImpactPage, 8, 110, 32, 190, "Device ID:", "ID прибора:"},
    {&TfrmEditRecord::Ed_impimgid, "Ed_impimgid", hImpactPage, 8, 110, 56, 190, "Image ID:", "ID изображения:"},
    {&TfrmEditRecord::Ed_impimgname, "Ed_impimgname", hImpactPage, 8, 110, 80, 190, "Image name:",
     "Название изображения:", 40},
    {&TfrmEditRecord::Ed_impimgw, "Ed_impimgw", hImpactPage, 8, 110, 104, 190, "Image width:", "Ширина:"},
    {&TfrmEditRecord::Ed_impimgh, "Ed_impimgh", hImpactPage, 8, 110, 128, 190, "Image height:", "Высота:"},
    {&TfrmEditRecord::Ed_impimgdate1, "Ed_impimgdate1", hGroup8, 8, 50, 18, 100, "Date:", "День:"},
    {&TfrmEditRecord::Ed_impimgtime1, "Ed_impimgtime1", hGroup8, 160, 200, 18, 90, "Time:", "Время:"},
    {&TfrmEditRecord::Ed_impimgdate2, "Ed_impimgdate2", hGroup9, 8, 50, 18, 100, "Date:", "День:"},
    {&TfrmEditRecord::Ed_impimgtime2, "Ed_impimgtime2", hGroup9, 160, 200, 18, 90, "Time:", "Время:"},
    {&TfrmEditRecord::Ed_impimgtest, "Ed_impimgtest", hImpactPage, 4, 110, 327, 194, "Testing done by",
     "Контроль произвел:", 60, true},
};

// A multi-line conclusion with its label above it.
struct TMemoEntry {
    TMemo *TfrmEditRecord::*Memo;
    const char *Name;
    THolder Holder;
};

const TMemoEntry MemoEntries[] = {
    {&TfrmEditRecord::Memo1, "Memo1", hImagePage},
    {&TfrmEditRecord::memo_impimgconcl, "memo_impimgconcl", hImpactPage},
};

TLabel *NewLabel(TfrmEditRecord *form, TWinControl *parent, const QString &name, int left, int top)
{
    auto *label = new TLabel(form);
    label->SetName(name);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetTransparent(true);
    return label;
}
} // namespace

void TfrmEditRecord::BuildFields()
{
    TWinControl *holders[HolderCount] = {};
    holders[hTuningPage] = nbEdit->Pages(vpTuning);
    holders[hImagePage] = nbEdit->Pages(vpImage);
    holders[hImpactPage] = nbEdit->Pages(vpImpactImage);
    const auto texts = [this](const QString &name, const char *english, const char *russian) {
        AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), name, QString::fromUtf8(english),
                     QString::fromUtf8(russian));
    };
    for (const TGroupEntry &entry : GroupEntries) {
        auto *group = new TGroupBox(this);
        group->SetName(entry.Name);
        group->SetParent(holders[entry.Holder]);
        group->SetBounds(entry.Left, entry.Top, entry.Width, entry.Height);
        group->SetCaption(QString::fromUtf8(entry.English));
        texts(entry.Name, entry.English, entry.Russian);
        this->*entry.Group = group;
        holders[entry.Self] = group;
    }
    for (const TFieldEntry &entry : FieldEntries) {
        const QString labelName = QStringLiteral("lb") + entry.Name;
        TLabel *label = NewLabel(this, holders[entry.Holder], labelName, entry.LabelLeft, entry.Top + 3);
        label->SetCaption(QString::fromUtf8(entry.English));
        texts(labelName, entry.English, entry.Russian);
        auto *edit = new TEdit(this);
        edit->SetName(entry.Name);
        edit->SetParent(holders[entry.Holder]);
        edit->SetBounds(entry.Left, entry.Top, entry.Width, 21);
        edit->SetMaxLength(entry.MaxLength);
        edit->SetReadOnly(!entry.Editable);
        if (!entry.Editable)
            edit->SetColor(clBtnFace);
        label->SetFocusControl(edit);
        this->*entry.Edit = edit;
    }
    for (const TMemoEntry &entry : MemoEntries) {
        const QString labelName = QStringLiteral("lb") + entry.Name;
        TLabel *label = NewLabel(this, holders[entry.Holder], labelName, 4, 252);
        label->SetCaption(QStringLiteral("Conclusion:"));
        texts(labelName, "Conclusion:", "Заключение:");
        auto *memo = new TMemo(this);
        memo->SetName(entry.Name);
        memo->SetParent(holders[entry.Holder]);
        memo->SetBounds(4, 268, 300, 52);
        label->SetFocusControl(memo);
        this->*entry.Memo = memo;
    }
}

// Labels stand whole in either language: the edits of a column start after its widest label and keep their right
// edge.
void TfrmEditRecord::FitFieldsToLabels()
{
    constexpr int Gap = 6;
    for (const TFieldEntry &field : FieldEntries) {
        int left = field.Left;
        for (const TFieldEntry &entry : FieldEntries)
            if (entry.Holder == field.Holder && entry.Left == field.Left)
                if (const auto *label = dynamic_cast<const TLabel *>(FindComponent(QStringLiteral("lb") + entry.Name)))
                    left = std::max(left, label->Left() + label->Width() + Gap);
        (this->*field.Edit)->SetBounds(left, field.Top, field.Left + field.Width - left, 21);
    }
}
