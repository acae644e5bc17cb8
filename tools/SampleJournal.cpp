#include "SampleJournal.h"

#include "DeviceKinds.h"
#include "JournalText.h"
#include "Records.h"
#include "RimShaftMessages.h"
#include "SamplePictures.h"
#include "SampleRandom.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <stdexcept>

namespace {
using Kind = TSampleLineKind;

constexpr int ZeltTextWidth = TCustomZeltMessage::TextWidth;
constexpr int HeaderTextWidth = TCustomUDJDMessage::HeaderTextWidth;
constexpr int KindsOfBrokenLine = 12;
constexpr int KindsOfDuplicate = 5;
// The broken and duplicate lines that a journal of tunings and images only can hold.
constexpr int BrokenTuningsAndImages[] = {0, 1, 2, 3, 4, 11};
constexpr int DuplicateTuningsAndImages = 3;

QString Utf8(const char *text) { return QString::fromUtf8(text); }

// The pattern with %1 and %2, where it has them, replaced by the numbers.
QString Fill(const char *pattern, int first, int second)
{
    return Utf8(pattern).replace("%1", QString::number(first)).replace("%2", QString::number(second));
}

// Records follow each other by minutes to hours, from January 1999 on.
struct TSampleClock {
    int Year = 1999, Month = 1, Day = 11, Hour = 8, Minute = 0, Second = 0;

    static int DaysIn(int month, int year)
    {
        static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        return month == 2 && leap ? 29 : days[month - 1];
    }
    void Advance(int minutes, int second)
    {
        Second = second;
        Minute += minutes;
        Hour += Minute / 60;
        Minute %= 60;
        Day += Hour / 24;
        Hour %= 24;
        while (Day > DaysIn(Month, Year)) {
            Day -= DaysIn(Month, Year);
            if (++Month > 12) {
                Month = 1;
                ++Year;
            }
        }
    }
};

struct TInstrument {
    quint16 Number;
    int NextTuning = 1;
    int NextImage = 1;
};

struct TTuningKey {
    int Instrument;
    quint16 Number;
};

struct TImageKey {
    int Instrument;
    quint16 Number;
    quint16 Tuning;
};

using TZeltKey = std::array<qint32, 5>; // Ints 0, 5, 4, 1, 3

struct TExtraLine {
    int AfterRecords;
    Kind LineKind;
    int Variant;
};

qsizetype NthBlank(const QByteArray &line, int n)
{
    qsizetype at = -1;
    for (int i = 0; i < n; ++i)
        at = line.indexOf(' ', at + 1);
    return at;
}

// Where the tokens after a fixed-width text begin: `blanks` blanks open the text, one blank closes it.
qsizetype AfterText(const QByteArray &line, int blanks, int width) { return NthBlank(line, blanks) + 1 + width + 1; }

// Token `index` (from 0) of the part of `line` that starts at `from`; runs of blanks separate tokens.
std::pair<qsizetype, qsizetype> TokenSpan(const QByteArray &line, qsizetype from, int index)
{
    qsizetype begin = from;
    for (int i = 0;; ++i) {
        while (begin < line.size() && line[begin] == ' ')
            ++begin;
        qsizetype end = line.indexOf(' ', begin);
        if (end < 0)
            end = line.size();
        if (i == index)
            return {begin, end};
        begin = end;
    }
}

void ReplaceToken(QByteArray &line, qsizetype from, int index, const QByteArray &token)
{
    const auto [begin, end] = TokenSpan(line, from, index);
    line.replace(begin, end - begin, token);
}

class TSampleJournalMaker {
public:
    TSampleJournalMaker(quint64 seed, TSampleMix mix)
        : random_(seed), firstKinds_(mix == TSampleMix::AllKinds ? 7 : 4), mix_(mix)
    {
    }

    QList<TSampleLine> Make(int records)
    {
        const int instruments = 3 + records / 40000;
        for (int i = 0; i < instruments; ++i)
            instruments_.append(TInstrument{quint16(101 + 17 * i + random_.Below(17))});
        zeltSerial_ = random_.Between(1000, 9000);
        jdSerial_ = random_.Between(100000, 900000);

        QList<TExtraLine> extras;
        if (records >= firstKinds_) {
            const bool allKinds = mix_ == TSampleMix::AllKinds;
            for (int i = 0; i < (records + 99) / 100; ++i)
                extras.append({random_.Between(firstKinds_, records), Kind::Broken,
                               allKinds ? i % KindsOfBrokenLine
                                        : BrokenTuningsAndImages[i % std::size(BrokenTuningsAndImages)]});
            for (int i = 0; i < (records + 49) / 50; ++i)
                extras.append({random_.Between(firstKinds_, records), Kind::Duplicate,
                               i % (allKinds ? KindsOfDuplicate : DuplicateTuningsAndImages)});
        }
        std::stable_sort(extras.begin(), extras.end(),
                         [](const TExtraLine &a, const TExtraLine &b) { return a.AfterRecords < b.AfterRecords; });

        auto extra = extras.cbegin();
        for (int r = 0; r < records; ++r) {
            AddRecord(r < firstKinds_ ? Kind(r) : RandomKind());
            for (; extra != extras.cend() && extra->AfterRecords == r + 1; ++extra)
                lines_.append({extra->LineKind, extra->LineKind == Kind::Broken ? BrokenLine(extra->Variant)
                                                                                  : DuplicateLine(extra->Variant)});
        }
        return lines_;
    }

private:
    Kind RandomKind()
    {
        static constexpr std::pair<Kind, int> allKinds[] = {
            {Kind::Tuning, 18}, {Kind::OrdinaryImage, 24}, {Kind::LevelImage, 6}, {Kind::ImpactImage, 10},
            {Kind::Zelt, 16},   {Kind::Rim, 13},           {Kind::Shaft, 13}};
        static constexpr std::pair<Kind, int> tuningsAndImages[] = {
            {Kind::Tuning, 50}, {Kind::OrdinaryImage, 30}, {Kind::LevelImage, 8}, {Kind::ImpactImage, 12}};
        const std::span<const std::pair<Kind, int>> weights =
            mix_ == TSampleMix::AllKinds ? std::span<const std::pair<Kind, int>>(allKinds) : tuningsAndImages;
        int roll = random_.Below(100);
        for (const auto &[kind, weight] : weights) {
            if (roll < weight)
                return kind;
            roll -= weight;
        }
        return Kind::Shaft;
    }

    void AddRecord(Kind kind)
    {
        clock_.Advance(random_.Percent(5) ? random_.Between(600, 3000) : random_.Between(1, 40), random_.Below(60));
        recordLines_.append(int(lines_.size()));
        lines_.append({kind, NewRecordLine(kind, true)});
    }

    // A record with keys never used before; kept for later duplicates and image references unless `keep` is
    // false (the keys of a broken line belong to no record).
    QByteArray NewRecordLine(Kind kind, bool keep)
    {
        switch (kind) {
        case Kind::Tuning: {
            const TTuningKey key = NewTuningKey();
            if (keep)
                tunings_.append(key);
            return TuningLine(key);
        }
        case Kind::OrdinaryImage:
        case Kind::LevelImage:
        case Kind::ImpactImage: {
            const TImageKey key = NewImageKey();
            if (keep)
                images_.append(key);
            return ImageLine(key, kind);
        }
        case Kind::Zelt: {
            const TZeltKey key{zeltSerial_++, instruments_[random_.Below(int(instruments_.size()))].Number,
                               random_.Between(1, 8), clock_.Year, random_.Between(0, 999)};
            if (keep)
                zelts_.append(key);
            return ZeltLine(key);
        }
        case Kind::Rim:
        case Kind::Shaft: {
            const UDJDHeaderRecord header = NewHeader();
            if (keep)
                headers_.append(header);
            return kind == Kind::Rim ? RimLine(header) : ShaftLine(header);
        }
        case Kind::Duplicate:
        case Kind::Broken:
            break;
        }
        throw std::logic_error("not a record kind");
    }

    TTuningKey NewTuningKey()
    {
        const int instrument = random_.Below(int(instruments_.size()));
        return {instrument, NextNumber(instruments_[instrument].NextTuning)};
    }

    // The image is taken with a tuning made before it, on the same instrument.
    TImageKey NewImageKey()
    {
        const TTuningKey tuning = tunings_[random_.Below(int(tunings_.size()))];
        return {tuning.Instrument, NextNumber(instruments_[tuning.Instrument].NextImage), tuning.Number};
    }

    static quint16 NextNumber(int &next)
    {
        if (next > 65535)
            throw std::length_error("too many records for the instruments of the sample journal");
        return quint16(next++);
    }

    UDJDHeaderRecord NewHeader()
    {
        UDJDHeaderRecord header;
        header.HeaderWord1 = instruments_[random_.Below(int(instruments_.size()))].Number;
        header.HeaderNumber = jdSerial_++;
        header.HeaderWord2 = quint16(random_.Between(1, 9999));
        header.HeaderByte1 = quint8(random_.Below(256));
        header.HeaderByte2 = quint8(random_.Below(256));
        static const char *const texts[] = {"Обод %1", "К-%1", "ВЧД-%1", "Колесо %1", "%1"};
        header.HeaderText = Fill(random_.Pick(texts), random_.Between(1, 999), 0).left(HeaderTextWidth);
        return header;
    }

    QString Phrases(const char *const *phrases, int count, int most, int width)
    {
        QStringList parts;
        for (int i = random_.Below(most + 1); i > 0; --i)
            parts << Fill(phrases[random_.Below(count)], random_.Between(2, 40), 0);
        return parts.join("; ").left(width);
    }

    QString Comments()
    {
        static const char *const phrases[] = {
            "Поверхность зачищена", "Контактная жидкость: масло", "Температура +%1 °C",
            "Повторный контроль после зачистки", "Настроено по СО-2", "Чувствительность по СОП №%1",
            "Замечаний нет", "Шероховатость Rz %1", "Участок %1 недоступен для контроля",
            "Сигнал «эхо» от отверстия диаметром %1 мм"};
        return Phrases(phrases, int(std::size(phrases)), 4, CommentsWidth);
    }

    QString TuningName(quint16 number)
    {
        static const char *const names[] = {
            "Настройка №%1", "Обод колеса, ПЭП %2°", "Ось РУ1Ш, подступичная часть %1", "Сварной шов рельса, стык %1",
            "Колёсная пара %1, гребень", "Контроль толщины стенки трубы Ду%2, участок №%1"};
        static const int angles[] = {0, 40, 50, 65, 70};
        return Fill(random_.Pick(names), number, random_.Pick(angles)).left(RecordNameWidth);
    }

    QString ImageName(quint16 number, Kind kind)
    {
        static const char *const ordinary[] = {"Скан %1", "C-скан обода колеса №%1", "Шейка оси, зона %2"};
        static const char *const level[] = {"Карта уровней, ось №%1", "Уровни: сварной шов %1, проход %2"};
        static const char *const impact[] = {"Ударное воздействие %1", "Карта ударов, колесо %1 (позиция %2)"};
        const char *name = kind == Kind::LevelImage    ? random_.Pick(level)
                           : kind == Kind::ImpactImage ? random_.Pick(impact)
                                                       : random_.Pick(ordinary);
        return Fill(name, number, random_.Between(1, 12)).left(RecordNameWidth);
    }

    QByteArray TuningLine(const TTuningKey &key)
    {
        TLumbraTuningMessage tuning;
        tuning.Create();
        tuning.SetDeviceType(DeviceKindNames[1]);
        tuning.SetDeviceNumber(instruments_[key.Instrument].Number);
        tuning.SetTuningID(key.Number);
        tuning.SetRecordName(TuningName(key.Number));
        tuning.SetTransducerID(quint16(random_.Between(1, 300)));
        tuning.SetAttenuation(quint8(random_.Between(0, 60)));
        tuning.SetStartPoint(quint16(random_.Between(0, 200)));
        tuning.SetEndPoint(quint16(tuning.StartPoint + random_.Between(50, 3000)));
        tuning.SetDay(quint8(clock_.Day));
        tuning.SetMonth(quint8(clock_.Month));
        tuning.SetYear(quint16(clock_.Year));
        tuning.SetHour(quint8(clock_.Hour));
        tuning.SetMinute(quint8(clock_.Minute));
        tuning.SetSecond(quint8(clock_.Second));
        static const int frequencies[] = {8, 16, 16, 32, 64}; // 1.25, 2.5, 5 and 10 MHz
        tuning.SetFrequency(quint8(random_.Pick(frequencies)));
        tuning.SetAmplitude(quint8(random_.Between(20, 240)));
        tuning.SetPeriod(quint8(random_.Between(1, 10)));
        SetPicture(tuning, TuningPicture(random_));
        tuning.SetComments(Comments());
        return ToCp1251(tuning.FormatLine());
    }

    QByteArray ImageLine(const TImageKey &key, Kind kind)
    {
        TLumbraImageMessage image;
        image.Create();
        image.SetDeviceType(DeviceKindNames[1]);
        image.SetDeviceNumber(instruments_[key.Instrument].Number);
        image.SetImageID(key.Number);
        image.SetTuningID(key.Tuning);
        image.SetRecordName(ImageName(key.Number, kind));
        TSampleClock end = clock_;
        end.Advance(random_.Between(1, 20), random_.Below(60));
        image.SetBeginDay(quint8(clock_.Day));
        image.SetBeginMonth(quint8(clock_.Month));
        image.SetBeginYear(quint16(clock_.Year));
        image.SetBeginHour(quint8(clock_.Hour));
        image.SetBeginMinute(quint8(clock_.Minute));
        image.SetBeginSecond(quint8(clock_.Second));
        image.SetEndDay(quint8(end.Day));
        image.SetEndMonth(quint8(end.Month));
        image.SetEndYear(quint16(end.Year));
        image.SetEndHour(quint8(end.Hour));
        image.SetEndMinute(quint8(end.Minute));
        image.SetEndSecond(quint8(end.Second));
        const bool impact = kind == Kind::ImpactImage;
        image.SetSizeX(quint16(impact ? random_.Between(5, 15) : random_.Between(40, 120)));
        image.SetSizeY(quint16(impact ? random_.Between(5, 15) : random_.Between(40, 120)));
        image.StepX = quint8(random_.Between(1, 5));
        image.StepY = quint8(random_.Between(1, 5));
        image.SetImageType(quint8(kind == Kind::LevelImage ? 1 : impact ? 2 : 0));
        image.SetWidth(120);
        image.SetHeight(120);
        if (kind == Kind::LevelImage)
            SetPicture(image, LevelImagePicture(random_, image.SizeX, image.SizeY));
        else if (impact)
            SetPicture(image, ImpactImagePicture(random_, image.SizeX, image.SizeY));
        else
            SetPicture(image, OrdinaryImagePicture(random_, image.SizeX, image.SizeY, random_.Percent(30)));
        image.SetComments(Comments());
        static const char *const inspectors[] = {"Иванов И.И.", "Петров П.С.",
                                                 "Сидорова А.В., дефектоскопист 6 разряда",
                                                 "Кузнецов Д.М. (лаборатория НК)", ""};
        image.SetControlMade(Utf8(random_.Pick(inspectors)).left(ControlMadeWidth));
        static const char *const conclusions[] = {"Годен",
                                                  "Годен к эксплуатации",
                                                  "Брак: трещина в зоне сварного шва",
                                                  "Дефект допустимого размера",
                                                  "Требуется повторный контроль другим ПЭП",
                                                  ""};
        image.SetConclusion(Utf8(random_.Pick(conclusions)));
        return ToCp1251(image.FormatLine());
    }

    static void SetPicture(TCustomLumbraMessage &message, const QByteArray &bytes)
    {
        message.BitImage.SetLength(int(bytes.size()));
        std::memcpy(message.BitImage.Data(), bytes.constData(), size_t(bytes.size()));
    }

    // Four decimals, as the journal writes them, so that every value reads back exactly as written.
    double Real(int low, int high) { return random_.Between(low * 10000, high * 10000) / 10000.0; }

    QByteArray ZeltLine(const TZeltKey &key)
    {
        ZeltMessageRecord record;
        record.DeviceKindText = DeviceKindNames[0];
        static constexpr int keyInts[5] = {0, 5, 4, 1, 3};
        for (int i = 0; i < 5; ++i)
            record.Ints[keyInts[i]] = key[i];
        record.Ints[2] = random_.Between(-50, 50);
        record.Ints[6] = random_.Between(0, 999);
        record.Ints[7] = random_.Between(0, 99999);
        for (int i = 0; i <= 32; ++i)
            record.Reals[i] = Real(-100, 999);
        record.Reals[3] = Real(0, 1);
        record.Reals[11] = Real(-1, 1);
        record.Reals[16] = Real(0, 1);
        record.Reals[17] = Real(0, 2);
        record.Reals[4] = Real(1, 20);
        record.Reals[29] = Real(0, 400);
        static const char *const places[] = {"ЗЕЛТ-Т №%1", "Депо Лиски, путь %2", "Цех колёсных пар", "ПТО №%2"};
        static const char *const shifts[] = {"Смена %2", "Оператор Петров", "Смена %2, бригада %1", ""};
        record.Text1 = Fill(random_.Pick(places), key[1], random_.Between(1, 9)).left(ZeltTextWidth);
        record.Text2 = Fill(random_.Pick(shifts), random_.Between(1, 20), random_.Between(1, 3)).left(ZeltTextWidth);
        return ToCp1251(TZeltMessage(record).FormatLine());
    }

    quint8 DecimalByte(int high) { return quint8(random_.Between(0, high)); }

    QByteArray RimLine(const UDJDHeaderRecord &header)
    {
        RimMessageRecord record;
        record.Header = header;
        record.T9 = quint8(clock_.Day);
        record.T10 = quint8(clock_.Month);
        record.T11 = quint8(clock_.Year % 100);
        record.T12 = quint16(random_.Between(0, 65535));
        record.T13 = quint16(random_.Between(0, 2000));
        record.T14 = quint16(random_.Between(0, 2000));
        record.LevelOffset = quint8(random_.Between(0, 30));
        record.Amplitude = quint8(random_.Percent(15) ? random_.Between(81, 200) : random_.Between(20, 80));
        record.T17 = quint8(clock_.Hour);
        record.T18 = quint8(clock_.Minute);
        record.T19 = quint8(clock_.Second);
        record.T20 = quint8(random_.Below(256));
        // The rim's profile: a smooth walk around the nominal value.
        int value = random_.Between(90, 160);
        for (quint8 &byte : record.Block.Data) {
            value = std::clamp(value + random_.Between(-6, 6), 0, 255);
            byte = quint8(value);
        }
        return ToCp1251(TObodMessage(record).FormatLine());
    }

    QByteArray ShaftLine(const UDJDHeaderRecord &header)
    {
        ShaftMessageRecord record;
        record.Header = header;
        record.T9 = quint8(random_.Below(2));
        record.T10 = DecimalByte(99);
        record.T11 = DecimalByte(99);
        record.T12 = DecimalByte(99);
        // Channel 0 fails above its threshold, the others below it; now and then one channel fails.
        const int failing = random_.Percent(10) ? random_.Below(ShaftChannelCount) : -1;
        for (int c = 0; c < ShaftChannelCount; ++c) {
            TShaftChannel &channel = record.Channels[c];
            channel.K1 = quint16(random_.Between(0, 4000));
            channel.K3 = quint16(random_.Between(0, 4000));
            channel.K4 = quint16(random_.Between(0, 4000));
            channel.K5 = quint16(random_.Between(0, 4000));
            channel.K7 = quint16(random_.Between(0, 65535));
            const quint8 threshold = quint8(random_.Between(30, 200));
            const quint8 low = quint8(random_.Between(0, threshold));
            const quint8 high = quint8(random_.Between(threshold, 255));
            const bool fails = c == failing;
            channel.K6 = threshold;
            channel.K2 = (c == 0) != fails ? low : high;
            if (fails && channel.K2 == threshold)
                channel.K2 = quint8(c == 0 ? threshold + 1 : threshold - 1);
            channel.K8 = DecimalByte(99);
            channel.K9 = DecimalByte(99);
            channel.K10 = DecimalByte(99);
        }
        return ToCp1251(TShaftMessage(record).FormatLine());
    }

    QByteArray BrokenLine(int variant)
    {
        switch (variant) {
        case 0: { // a tuning cut short after its name
            const QByteArray line = NewRecordLine(Kind::Tuning, false);
            return line.left(NthBlank(line, 4) + 1 + RecordNameWidth);
        }
        case 1: { // a letter in an image's month
            QByteArray line = NewRecordLine(Kind::OrdinaryImage, false);
            ReplaceToken(line, AfterText(line, 5, RecordNameWidth), 1, "0G");
            return line;
        }
        case 2: { // an attenuation of three digits
            QByteArray line = NewRecordLine(Kind::Tuning, false);
            ReplaceToken(line, AfterText(line, 4, RecordNameWidth), 1, "1FF");
            return line;
        }
        case 3: { // a tuning picture that lost its last digit
            QByteArray line = NewRecordLine(Kind::Tuning, false);
            const auto [begin, end] = TokenSpan(line, AfterText(line, 4, RecordNameWidth), 13);
            line.remove(end - 1, 1);
            return line;
        }
        case 4: { // a letter among an image's picture digits
            QByteArray line = NewRecordLine(Kind::LevelImage, false);
            const auto [begin, end] = TokenSpan(line, AfterText(line, 5, RecordNameWidth), 17);
            line[(begin + end) / 2] = 'Z';
            return line;
        }
        case 5: { // a zero divisor among the instrument values
            QByteArray line = NewRecordLine(Kind::Zelt, false);
            ReplaceToken(line, 0, 19, "0.0000");
            return line;
        }
        case 6: { // an instrument message cut short after ten values
            const QByteArray line = NewRecordLine(Kind::Zelt, false);
            return line.left(TokenSpan(line, 0, 11).second);
        }
        case 7: { // a rim amplitude of 0, which has no level
            QByteArray line = NewRecordLine(Kind::Rim, false);
            ReplaceToken(line, AfterText(line, 7, HeaderTextWidth), 7, "00");
            return line;
        }
        case 8: { // a letter in a rim's data block
            QByteArray line = NewRecordLine(Kind::Rim, false);
            const auto [begin, end] = TokenSpan(line, AfterText(line, 7, HeaderTextWidth), 12);
            line[begin + 2 * random_.Below(RimBlockSize)] = 'G';
            return line;
        }
        case 9: { // a shaft message number beyond the 31 bits
            QByteArray line = NewRecordLine(Kind::Shaft, false);
            const auto [begin, end] = TokenSpan(line, 0, 3);
            line[begin] = '8';
            return line;
        }
        case 10: { // a letter in a shaft's decimal field
            QByteArray line = NewRecordLine(Kind::Shaft, false);
            ReplaceToken(line, AfterText(line, 7, HeaderTextWidth), 1, "1A");
            return line;
        }
        default: { // an impact image cut short in its dates
            const QByteArray line = NewRecordLine(Kind::ImpactImage, false);
            return line.left(TokenSpan(line, AfterText(line, 5, RecordNameWidth), 2).second);
        }
        }
    }

    QByteArray DuplicateLine(int variant)
    {
        switch (variant) {
        case 1: // an earlier tuning's keys with new content
            return TuningLine(tunings_[random_.Below(int(tunings_.size()))]);
        case 2: { // an earlier image's keys with a new picture, perhaps of another type
            static constexpr Kind imageKinds[] = {Kind::OrdinaryImage, Kind::LevelImage, Kind::ImpactImage};
            return ImageLine(images_[random_.Below(int(images_.size()))], random_.Pick(imageKinds));
        }
        case 3: // a shaft message with the keys of an earlier rim or shaft message: one key space for both
            return ShaftLine(headers_[random_.Below(int(headers_.size()))]);
        case 4: // an instrument message whose five key values were seen before
            return ZeltLine(zelts_[random_.Below(int(zelts_.size()))]);
        default: // an earlier line once more
            return lines_[recordLines_[random_.Below(int(recordLines_.size()))]].Text;
        }
    }

    TSampleRandom random_;
    TSampleClock clock_;
    QList<TInstrument> instruments_;
    QList<TTuningKey> tunings_;
    QList<TImageKey> images_;
    QList<TZeltKey> zelts_;
    QList<UDJDHeaderRecord> headers_;
    qint32 zeltSerial_ = 0;
    qint32 jdSerial_ = 0;
    QList<TSampleLine> lines_;
    QList<int> recordLines_;
    // The first records, one of each kind the mix holds.
    int firstKinds_;
    TSampleMix mix_;
};
} // namespace

QList<TSampleLine> MakeSampleJournal(int records, quint64 seed, TSampleMix mix)
{
    return TSampleJournalMaker(seed, mix).Make(std::max(records, 0));
}

QByteArray SampleJournalBytes(const QList<TSampleLine> &lines)
{
    qsizetype size = 0;
    for (const TSampleLine &line : lines)
        size += line.Text.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const TSampleLine &line : lines)
        bytes.append(line.Text).append("\r\n");
    return bytes;
}

qsizetype CountSampleLines(const QList<TSampleLine> &lines, TSampleLineKind kind)
{
    return std::count_if(lines.begin(), lines.end(), [kind](const TSampleLine &line) { return line.Kind == kind; });
}

qsizetype CountSampleRecords(const QList<TSampleLine> &lines)
{
    return lines.size() - CountSampleLines(lines, Kind::Broken) - CountSampleLines(lines, Kind::Duplicate);
}
