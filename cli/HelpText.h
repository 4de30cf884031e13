#pragma once

#include <QtGlobal>

// What `tessitra --help` and `tessitra COMMAND --help` print. The manual page (packaging/tessitra.1) says the
// same in its own layout: change both together. The texts are translated where they are printed.
namespace HelpText {
struct Command
{
    const char* name;
    const char* synopsis;
    const char* summary; // one line for the list of commands
    const char* text;
};

//: The words in capitals and the options stand for what is typed: keep them as they are
constexpr char Usage[] =
    QT_TRANSLATE_NOOP("tessitra", "usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]\n");
//: One command's usage: %1 is what follows the command's name, as "list [user|factory|favourites|A|B|C|D]"
constexpr char CommandUsage[] = QT_TRANSLATE_NOOP("tessitra", "usage: tessitra [--bus DIR] [--json] [--yes] %1");

constexpr char Overview[] = QT_TRANSLATE_NOOP(
    "tessitra",
    "Scripts the preset librarian of a Tessitra Stage Ariette or Stage Cadenzo connected over USB: the same\n"
    "operations as the Tessitra Stage Librarian window, with the same automatic back-ups and checks.\n"
    "Slots are written as the window shows them: U01 to U100 (user presets), F01 to F100 (factory presets).\n"
    "\n"
    "Options:\n"
    "  --bus DIR   talk to the virtual units plugged into the bus folder DIR (default: $TESSITRA_VIRTUAL_BUS,\n"
    "              or the real USB units when neither is given)\n"
    "  --json      print the result as JSON on standard output, and an error as {\"error\": ..., \"exit\": ...}\n"
    "  --yes       do what a command would ask to confirm (needed when standard input is not a terminal)\n"
    "  --help      this text; `tessitra COMMAND --help` describes one command\n"
    "  --version   the version of tessitra\n"
    "\n"
    "Commands:\n");

constexpr char ExitCodes[] = QT_TRANSLATE_NOOP(
    "tessitra",
    "\n"
    "Exit codes:\n"
    "  0  success\n"
    "  1  the operation failed (for example not allowed on this model, or the update server not reached)\n"
    "  2  bad usage\n"
    "  3  no unit connected\n"
    "  4  several units connected\n"
    "  5  communication with the unit failed\n"
    "  6  a file is missing, damaged or made for another model\n"
    "  7  the unit does not hold what was written to it\n"
    "  8  refused: not confirmed, or --yes missing without a terminal\n"
    "  9  the unit is in use by the Tessitra Stage Librarian window or another tessitra\n"
    "  10  an undo or redo found a slot changed since it was written: nothing was written\n"
    "  130  stopped by Ctrl-C: a read, back-up or save ends at its next record or packet and says how far it\n"
    "       got; a write to the unit finishes first and ends with its own code\n");

constexpr Command Commands[] = {
    {"info", "info", QT_TRANSLATE_NOOP("tessitra", "Shows model, identity and versions"),
     QT_TRANSLATE_NOOP("tessitra", "Shows the connected unit: model, identity and versions.")},
    {"list", "list [user|factory|favourites|A|B|C|D]", QT_TRANSLATE_NOOP("tessitra", "Lists presets or a set list"),
     QT_TRANSLATE_NOOP("tessitra", "Lists the user presets (the default), the factory presets, the favourites or set "
                                   "list A to D.")},
    {"backup", "backup FILE", QT_TRANSLATE_NOOP("tessitra", "Backs the unit up into a file"),
     QT_TRANSLATE_NOOP("tessitra", "Backs up the user presets, set lists and system parameters into FILE (a .tarb or "
                                   ".tscb file).")},
    {"restore", "restore FILE [--only SLOT...]",
     QT_TRANSLATE_NOOP("tessitra", "Puts a back-up, or chosen parts of it, into the unit"),
     QT_TRANSLATE_NOOP("tessitra",
                       "Puts a back-up file back into the unit, replacing every user preset, the set lists and the "
                       "system\nparameters. Asks first; an automatic back-up of the unit is taken before it starts.\n"
                       "With --only SLOT... (user slots), --setlists LIST (favourites, A, B, C, D or all, separated by "
                       "commas)\nor --sysparams only those are written, each read back, and can be undone like a load "
                       "(the system\nparameters are not in the undo history: an automatic back-up is taken first "
                       "for them).")},
    {"diff", "diff FILE [FILE2] [--all]",
     QT_TRANSLATE_NOOP("tessitra", "Compares the unit or a back-up with a back-up"),
     QT_TRANSLATE_NOOP("tessitra",
                       "Compares the unit with the back-up FILE (the unit is read as a back-up reads it), or the "
                       "back-ups FILE\nand FILE2 (no unit needed). One line per user slot, set list and the system "
                       "parameters that\ndiffer, with its mark: settings (same name, other parameters), renamed "
                       "(other name), changed\n(a set list or the system parameters), missing (one side holds none); "
                       "--all lists the same ones too.\nDifferences are no failure: the exit code is 0.")},
    {"find", "find TEXT [FOLDER...]", QT_TRANSLATE_NOOP("tessitra", "Finds presets by name in back-ups and files"),
     QT_TRANSLATE_NOOP("tessitra",
                       "Lists every back-up and preset file under FOLDER (default: both models' preset and back-up "
                       "folders)\nthat holds a preset whose name contains TEXT, newest file first: file, slot, name. "
                       "No unit is needed;\nexit 1 when no preset matches.")},
    {"save", "save SLOT... [--to DIR]", QT_TRANSLATE_NOOP("tessitra", "Saves presets to preset files"),
     QT_TRANSLATE_NOOP("tessitra",
                       "Saves presets of the unit to preset files in DIR (default: the current folder; made when "
                       "missing),\nnamed as the window names them (\"U01_Rock Lead.tarp\").")},
    {"load", "load FILE... --to SLOT", QT_TRANSLATE_NOOP("tessitra", "Loads preset files into user slots"),
     QT_TRANSLATE_NOOP("tessitra", "Loads preset files into the user slots from SLOT on, one slot per file. Asks "
                                   "before it overwrites.")},
    {"copy", "copy FROM TO", QT_TRANSLATE_NOOP("tessitra", "Copies a preset onto a user slot"),
     QT_TRANSLATE_NOOP("tessitra", "Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first.")},
    {"rename", "rename SLOT NAME", QT_TRANSLATE_NOOP("tessitra", "Renames a user preset"),
     QT_TRANSLATE_NOOP("tessitra", "Gives user preset SLOT a new name. Asks first.")},
    {"setlist", "setlist A|B|C|D|favourites SLOT...", QT_TRANSLATE_NOOP("tessitra", "Fills a set list"),
     QT_TRANSLATE_NOOP("tessitra", "Makes the set list hold exactly the presets given, in order (at most 20); the "
                                   "other slots are emptied.\nAsks first.")},
    {"undo", "undo", QT_TRANSLATE_NOOP("tessitra", "Undoes the last copy, load, rename or set-list change"),
     QT_TRANSLATE_NOOP("tessitra",
                       "Puts back what the last copy, load, rename or set-list change overwrote, as the window's Undo "
                       "does (up to\n20 steps back, kept per unit). A slot changed since is left alone: exit 10, or "
                       "a second question\non a terminal. Asks first.")},
    {"redo", "redo", QT_TRANSLATE_NOOP("tessitra", "Writes again what the last undo took away"),
     QT_TRANSLATE_NOOP("tessitra", "Writes again what the last undo took away, while the slots still hold what the "
                                   "undo put there.\nAsks first.")},
    {"factory-update", "factory-update [FILE]", QT_TRANSLATE_NOOP("tessitra", "Rewrites a Cadenzo's factory presets"),
     QT_TRANSLATE_NOOP("tessitra", "Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its "
                                   "data folder,\nor from FILE, a factory bank kept before an earlier rewrite. Asks "
                                   "first.")},
    {"firmware", "firmware FILE...", QT_TRANSLATE_NOOP("tessitra", "Writes firmware images into the unit"),
     QT_TRANSLATE_NOOP("tessitra",
                       "Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller "
                       "images.\nAsks first; an automatic back-up of the unit is taken before each image.")},
    {"check-update", "check-update", QT_TRANSLATE_NOOP("tessitra", "Asks for newer firmware"),
     QT_TRANSLATE_NOOP("tessitra", "Asks the update server whether newer firmware exists for the unit.")},
};
} // namespace HelpText
