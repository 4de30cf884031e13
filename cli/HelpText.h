#pragma once

// What `tessitra --help` and `tessitra COMMAND --help` print. The manual page (packaging/tessitra.1) says the
// same in its own layout: change both together.
namespace HelpText {
struct Command
{
    const char* name;
    const char* synopsis;
    const char* text;
};

constexpr char Usage[] = "usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]\n";

constexpr char Overview[] =
    "Scripts the preset librarian of a Tessitra Stage Ariette or Stage Cadenzo connected over USB: the same\n"
    "operations as the Tessitra Stage Librarian window, with the same automatic back-ups and checks.\n"
    "Slots are written as the window shows them: U01 to U100 (user presets), F01 to F100 (factory presets).\n"
    "\n"
    "Options:\n"
    "  --bus DIR   talk to the virtual units plugged into the bus folder DIR (default: $TESSITRA_VIRTUAL_BUS,\n"
    "              or the real USB units when neither is given)\n"
    "  --json      print the result as JSON on standard output\n"
    "  --yes       do what a command would ask to confirm (needed when standard input is not a terminal)\n"
    "  --help      this text; `tessitra COMMAND --help` describes one command\n"
    "\n"
    "Commands:\n";

constexpr char ExitCodes[] =
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
    "  130  stopped by Ctrl-C: the operation ends at its next record or packet, and says how far it got\n";

constexpr Command Commands[] = {
    {"info", "info", "Shows the connected unit: model, identity and versions."},
    {"list", "list [user|factory|favourites|A|B|C|D]",
     "Lists the user presets (the default), the factory presets, the favourites or set list A to D."},
    {"backup", "backup FILE",
     "Backs up the user presets, set lists and system parameters into FILE (a .tarb or .tscb file)."},
    {"restore", "restore FILE",
     "Puts a back-up file back into the unit, replacing every user preset, the set lists and the system\n"
     "parameters. Asks first; an automatic back-up of the unit is taken before it starts."},
    {"save", "save SLOT... [--to DIR]",
     "Saves presets of the unit to preset files in DIR (default: the current folder), named as the window\n"
     "names them (\"U01_Rock Lead.tarp\")."},
    {"load", "load FILE... --to SLOT",
     "Loads preset files into the user slots from SLOT on, one slot per file. Asks before it overwrites."},
    {"copy", "copy FROM TO", "Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first."},
    {"rename", "rename SLOT NAME", "Gives user preset SLOT a new name."},
    {"setlist", "setlist A|B|C|D|favourites SLOT...",
     "Makes the set list hold exactly the presets given, in order (at most 20); the other slots are emptied."},
    {"undo", "undo",
     "Puts back the user presets that the last copy, load or rename overwrote, as the window's Undo does (up to\n"
     "20 steps back, kept per model). Asks first."},
    {"factory-update", "factory-update",
     "Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its data folder. Asks first."},
    {"firmware", "firmware FILE...",
     "Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller images.\n"
     "Asks first; an automatic back-up of the unit is taken before each image."},
    {"check-update", "check-update", "Asks the update server whether newer firmware exists for the unit."},
};
} // namespace HelpText
