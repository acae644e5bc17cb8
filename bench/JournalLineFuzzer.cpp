// libFuzzer target for the journal line reader, run by hand: bench/fuzz.sh [seconds]
//
// Any bytes may come as a line. The reader either raises one of the program's exceptions (the loader counts
// the line and keeps it) or says what the line is; anything else escaping, or a memory fault, is a finding.
// A line that becomes a record must be written back as a line that reads as the very same record. Known and
// left as it is: an instrument message whose values need more than the journal's four decimals is written
// rounded, and a divisor rounded to 0 (or a quotient grown past 32 bits) makes the written line unreadable.

#include "DataManager.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"
#include "rtl/Codec1251.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
TOrmelDataManager *NewManager() { return NewObject<TOrmelDataManager>(&TOrmelDataManager::Create); }

QString OnlyRecordLine(const TOrmelDataManager &manager)
{
    if (manager.TuningCount)
        return manager.TuningMessages[0]->FormatLine();
    if (manager.ImageCount)
        return manager.ImageMessages[0]->FormatLine();
    if (manager.ZeltCount)
        return manager.ZeltMessages[0]->FormatLine();
    return manager.JDMessages[0]->FormatLine();
}

[[noreturn]] void Finding(const char *what, const QByteArray &line)
{
    std::fprintf(stderr, "%s\n%s\n", what, line.toPercentEncoding(" ").constData());
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static TOrmelDataManager *const first = NewManager();
    static TOrmelDataManager *const second = NewManager();
    first->ClearAll();
    second->ClearAll();
    try {
        if (first->ParseLine(QByteArrayView(data, qsizetype(size))) != TOrmelDataManager::TLineOutcome::Added)
            return 0;
    } catch (const Exception &) {
        return 0;
    }
    const QString written = OnlyRecordLine(*first);
    const QByteArray bytes = ToCp1251(written);
    try {
        if (second->ParseLine(bytes) != TOrmelDataManager::TLineOutcome::Added)
            Finding("a written record does not read back as a record:", bytes);
    } catch (const Exception &error) {
        const bool rounded = first->ZeltCount == 1 && (dynamic_cast<const EMathError *>(&error)
                                                       || dynamic_cast<const ERangeError *>(&error));
        if (rounded)
            return 0;
        Finding(qPrintable("a written record reads back as a broken line (" + error.Message() + "):"), bytes);
    }
    if (OnlyRecordLine(*second) != written)
        Finding("a written record reads back as another record:", bytes);
    return 0;
}
