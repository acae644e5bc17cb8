#pragma once

#include <QString>

class TStrings;
class TmlCustomLang;

// Adds an entry to one of the language component's lists as a window's resource holds it: the name, then the
// English and the Russian text, each closed by the component's delimiter. An empty text leaves that language
// to the property's own value.
void AddLangEntry(const TmlCustomLang *lang, TStrings *list, const QString &name, const QString &english,
                  const QString &russian = {});

// Replaces the list's message-box captions (titles and buttons) with entries in English and Russian.
void AddMessageBoxCaptions(const TmlCustomLang *lang, TStrings *dialogs);

// Adds the text that names a missing help file to the component's string entries, in English and Russian.
void AddHelpStrings(TmlCustomLang *lang);
// The module's help requests name a missing help file in the component's active language, under the title of
// its dialogs' Help button.
void ApplyHelpStrings(TmlCustomLang *lang);
