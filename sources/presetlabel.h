#pragma once

#include <QString>

// Presets as the user sees them: "U01" is user preset 1, "F100" factory preset 100 (the unit's number 200). The
// window labels its entries so, and the command line takes and prints the same labels.
namespace PresetLabel {
// "U" or "F" and the slot in the bank, at least two digits; empty for 0 (an empty set-list slot).
QString label(int presetNumber);
// The unit's preset number for a label ("u7" and "U007" read as "U07"); -1 when the text is no label or the
// slot lies outside a bank of presetCount presets.
int number(const QString& text, int presetCount);
// A preset entry's text: the label over the name. Saved preset files are named after it.
QString entryText(int presetNumber, const QString& name);

// Set lists by the names the user knows: "favourites" (or "favorites", "*") is 0, "A" to "D" are 1 to 4;
// -1 for anything else.
int setListIndex(const QString& text);
// "favourites", "A" ... "D".
QString setListName(int index);
} // namespace PresetLabel
