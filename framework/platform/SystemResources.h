#pragma once

#include <QImage>

class TFont;

// What the system gives message windows: the font they write in and their icons.

// Identifiers of the system's message icons.
enum : int { IDI_HAND = 32513, IDI_QUESTION = 32514, IDI_EXCLAMATION = 32515, IDI_ASTERISK = 32516 };

// The font of message boxes; false (and the font as it was) when the system names none.
bool GetMessageFont(TFont &font);

// The message icon as the style draws it, 32 x 32, laid on the face colour of the dialogs it shows on; a null
// image for an identifier that names no message icon.
QImage LoadIcon(int id);
