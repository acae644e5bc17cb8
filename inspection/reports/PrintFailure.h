#pragma once

#include <QString>

class EPrintFailed;
class TmlCustomLang;

// That a print job could not be written, where it was to go and why: in English for language 1, otherwise in
// Russian.
QString PrintFailureText(const EPrintFailed &failure, int language);
// Tells it in an error box in the component's active language, with its box captions.
void ShowPrintFailure(TmlCustomLang *lang, const EPrintFailed &failure);
