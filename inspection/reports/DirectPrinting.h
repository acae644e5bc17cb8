#pragma once

#include "classes/Types.h"

#include <QStringList>
#include <memory>

class TBitmap;
class TCanvas;
class TCustomLumbraMessage;
class TLumbraImageMessage;
class TLumbraTuningMessage;
class TmlCustomLang;

// A printed record is laid out on a page bitmap of these proportions (an ISO A sheet), then stretched onto the
// printer's page.
constexpr int PrintPageWidth = 420;
constexpr int PrintPageHeight = 594;
// Text lines start here and lie this far apart (a text that wraps, as much farther as its lines take); the
// record's picture follows the last one.
constexpr int PrintTextOrigin = 20;
constexpr int PrintLineStep = 40;

// The text lines of a record's page in the active language, tabs included.
QStringList TuningPrintLines(const TLumbraTuningMessage *tuning, TmlCustomLang *lang);
QStringList ImagePrintLines(const TLumbraImageMessage *image, TmlCustomLang *lang);
// The page bitmap of a record: its lines, then its picture with its top-left corner under the last line.
std::unique_ptr<TBitmap> ComposePrintPage(const TCustomLumbraMessage *record, const QStringList &lines);
// The record's page stretched into the target rectangle of the canvas, looking as the page bitmap does: its text
// as text, and of the bitmap only what the record's drawing put there.
void PrintRecordPage(TCanvas *canvas, const TCustomLumbraMessage *record, const QStringList &lines,
                     const TRect &target);
// Where the page bitmap goes on a printer page of that size: as large as fits, in its own proportions, at the
// top and centred across.
TRect PrintTargetRect(int pageWidth, int pageHeight);
// What the status line shows while a job prints its pages, in the component's active language.
QString PrintProgressText(TmlCustomLang *lang, int page, int pages);
// The printing entries of the window's language component.
void AddPrintStrings(TmlCustomLang *lang);
