#pragma once

#include <QChar>
#include <QString>

// How a preset name reads on screen. The unit keeps one byte per name character and the program hands
// these bytes around as ints: 0 to 255 as read from the unit or a file, or -128 to -1 for 128 to 255 in a
// record a rename has just built (the unit's signed char). Every view of a name, after a read, a refresh,
// a rename or a copy, goes through here so that the same bytes always read the same.
namespace PresetName {

// One name byte as a character: blanks and control bytes (32 and below) as a blank, the Latin-1 letters
// and signs (160 to 255) as themselves, and what has no picture (127 to 159, anything else) as "~".
QChar character(int code);

// The first `count` bytes of `codes` as a name, trimmed at both ends; empty for null.
QString fromCodes(const int* codes, int count);

} // namespace PresetName
