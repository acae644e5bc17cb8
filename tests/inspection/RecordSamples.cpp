#include "RecordSamples.h"

#include "controls/Control.h"
#include "rtl/Codec1251.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>

std::unique_ptr<TLumbraTuningMessage> SampleTuning(int device, int id)
{
    std::unique_ptr<TLumbraTuningMessage> tuning(NewObject<TLumbraTuningMessage>(&TLumbraTuningMessage::Create));
    tuning->SetDeviceType("LUMBRA-C");
    tuning->SetDeviceNumber(quint16(device));
    tuning->SetTuningID(quint16(id));
    tuning->SetRecordName(QString::fromUtf8("Настройка %1").arg(id));
    tuning->SetWidth(108);
    tuning->SetHeight(108);
    tuning->SetDay(5);
    tuning->SetMonth(3);
    tuning->SetYear(2004);
    tuning->SetHour(9);
    tuning->SetMinute(7);
    tuning->SetSecond(3);
    tuning->SetFrequency(64);
    tuning->SetAmplitude(128);
    tuning->SetPeriod(3);
    tuning->SetTransducerID(18);
    tuning->SetAttenuation(31);
    tuning->SetStartPoint(256);
    tuning->SetEndPoint(512);
    tuning->SetComments(QString::fromUtf8("Исходный комментарий"));
    return tuning;
}

std::unique_ptr<TLumbraImageMessage> SampleImage(int device, int id, int tuning, int imageType)
{
    std::unique_ptr<TLumbraImageMessage> image(NewObject<TLumbraImageMessage>(&TLumbraImageMessage::Create));
    image->SetDeviceType("LUMBRA-C");
    image->SetDeviceNumber(quint16(device));
    image->SetImageID(quint16(id));
    image->SetTuningID(quint16(tuning));
    image->SetRecordName(QString::fromUtf8("Изображение %1").arg(id));
    image->SetImageType(quint8(imageType));
    image->SetBeginDay(1);
    image->SetBeginMonth(2);
    image->SetBeginYear(2003);
    image->SetBeginHour(4);
    image->SetBeginMinute(5);
    image->SetBeginSecond(6);
    image->SetEndDay(7);
    image->SetEndMonth(8);
    image->SetEndYear(2004);
    image->SetEndHour(9);
    image->SetEndMinute(10);
    image->SetEndSecond(11);
    image->SetSizeX(100);
    image->SetSizeY(100);
    image->StepX = 2;
    image->StepY = 3;
    image->SetWidth(120);
    image->SetHeight(120);
    image->SetComments(QString::fromUtf8("Комментарий"));
    image->SetControlMade(QString::fromUtf8("Иванов"));
    image->SetConclusion(QString::fromUtf8("Годен"));
    return image;
}

TViewerContext ContextOf(TDataManager *manager, const TLumbraImageMessage *currentImage)
{
    TViewerContext context;
    context.Manager = manager;
    context.CurrentImage = currentImage;
    return context;
}

QByteArray JournalFixture::LineBytes(const TCustomLumbraMessage &record) const
{
    return ToCp1251(record.FormatLine()) + "\r\n";
}

void JournalFixture::LoadRecords(std::initializer_list<const TCustomLumbraMessage *> records)
{
    QByteArray journal;
    for (const TCustomLumbraMessage *record : records)
        journal += LineBytes(*record);
    Loaded = Load(journal);
}

void MouseAt(TControl *control, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held)
{
    QWidget *widget = control->Widget();
    QMouseEvent event(type, QPointF(x, y), widget->mapToGlobal(QPointF(x, y)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void ClickWidget(TControl *control) { static_cast<QAbstractButton *>(control->Widget())->click(); }
