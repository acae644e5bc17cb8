#pragma once

#include "rtl/Exceptions.h"

// A damaged picture, whose data ends before its drawing does, is drawn as far as it goes: the tables' preview and
// a printed page show what the record holds, and the viewer names the record when it is opened.
template <class Draw>
void DrawAsFarAsItGoes(Draw draw)
{
    try {
        draw();
    } catch (const ERangeError &) {
    }
}
