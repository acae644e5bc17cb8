#pragma once

// Pictures for sample records, drawn with integer arithmetic only, so that the same random numbers give the
// same bytes on every machine.

#include "SampleRandom.h"

#include <QByteArray>

// A tuning's picture, 108 x 108 bits: the echo trace (amplitude over time) with the initial pulse, a flaw
// echo, the back-wall echo and the dashed gate.
QByteArray TuningPicture(TSampleRandom &random);
// An ordinary image, 120 x 120 bits: the scanned area of sizeX x sizeY pixels dithered from a smooth
// gradient, with a few dark defects. With a defect layer, a second bit plane outlines the defects.
QByteArray OrdinaryImagePicture(TSampleRandom &random, int sizeX, int sizeY, bool withDefectLayer);
// A level image, 120 x 120 bytes, every byte one of the eight levels of the default palette: a smooth
// background in the low levels and defects rising to the highest.
QByteArray LevelImagePicture(TSampleRandom &random, int sizeX, int sizeY);
// An impact image: one value (0 to 85) a grid point, the value of point (a, b) at index a x sizeY + b; a
// smooth hill where the impact was.
QByteArray ImpactImagePicture(TSampleRandom &random, int sizeX, int sizeY);
