#pragma once

// Reading one journal line into the record it carries. Pure: the data manager decides what to do with it.

#include "Records.h"
#include "RimShaftMessages.h"
#include "ZeltMessage.h"

#include <QByteArrayView>
#include <variant>

// Why a line holds no record, or that it holds one.
enum class TLineVerdict {
    Record,
    Empty,   // nothing but blanks and control characters
    Unknown, // a device code or record kind this program does not know
    Ignored, // a tuning or image numbered 0
};

using TJournalRecord = std::variant<std::monostate, ZeltMessageRecord, RimMessageRecord, ShaftMessageRecord,
                                    TuningMessageRecord, ImageMessageRecord>;

struct TParsedLine {
    TLineVerdict Verdict = TLineVerdict::Empty;
    TJournalRecord Record;
};

// A line without its line end. A line that breaks the format raises (ERangeError for a value outside its
// range or a malformed number, EConvertError for a bad rim data block). The picture text of a tuning or image
// record points into `line`.
TParsedLine ParseJournalLine(QByteArrayView line);
