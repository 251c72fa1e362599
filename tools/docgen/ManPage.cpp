#include <algorithm>
#include <sstream>

#include "DocGen.h"
#include "app/OptionDocs.h"

namespace brindlemoor::docgen {

namespace {

// Text from the tables as man(7) prints it: backslashes and hyphen-minus
// escaped, and no line starting with a control character.
std::string roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

// "width,height" as "\fBwidth\fR and \fBheight\fR".
std::string keyList(const std::string& keys) {
    std::string out;
    std::string::size_type start = 0;
    while (start <= keys.size()) {
        const std::string::size_type comma = std::min(keys.find(',', start), keys.size());
        if (!out.empty()) {
            out += comma == keys.size() ? " and " : ", ";
        }
        out += "\\fB" + roff(keys.substr(start, comma - start)) + "\\fR";
        start = comma + 1;
    }
    return out;
}

const char* const kDescription = R"(.SH DESCRIPTION
.B brindlemoor
is a small third\-person 3D typing game.
A boy walks down a school corridor; every straight stretch has a blackboard
with a chalk word.
Type the word before the boy walks into the board: a finished word lifts the
board and scores a point, a wrong letter starts the word over, and running into
a board first costs a point.
Corners and stairs he walks through on his own; the last board shows the score,
the speed and the accuracy, and walking into it starts a new game with a new
corridor.
.PP
Options override the keys of
.I config.txt
for one run and go through the same checks.
An unknown option or a bad value prints one line and the usage and ends the
game with status 2 before any window opens.
.SS Keys
.TP
.BR A " to " Z
Type the word on the board (by the character the key types on your layout).
.TP
.BR Left ", " Right
Step sideways.
.TP
.BR F1 " or " Pause
Pause and go on; the game also pauses when its window loses the focus.
.TP
.B Escape
Quit.
.TP
.BR F2 " to " F12
Developer keys: F2 frame counter, F3 wireframe, F4 texture sampling,
F5 mipmaps, F6 free movement, F8 short far plane, F9 transparent chalk,
F11 shadow map picture, F12 depth picture.
)";

const char* const kConfigurationIntro = R"(.SH CONFIGURATION
The settings are read once at start from
.I config.txt
in the folder the game is started in, else from
.IR $XDG_CONFIG_HOME/brindlemoor/config.txt .
Lines are
.IB key = value
with no spaces around the
.BR = ;
lines starting with
.B //
are comments.
A missing file keeps every default; an unknown key is ignored.
)";

const char* const kFilesStart = R"(.SH FILES
Relative paths (level files, word lists, recordings) are taken from the folder
the game is started in.
.TP
.I config.txt
The settings, read from the working folder.
.TP
.I ~/.config/brindlemoor/config.txt
The settings when the working folder holds none
.RI ( $XDG_CONFIG_HOME/brindlemoor/config.txt
when XDG_CONFIG_HOME is set).
.TP
.I ~/.local/share/brindlemoor/history.sqlite3
The history: every finished game, written when its last word is typed
.RI ( $XDG_DATA_HOME/brindlemoor/
when XDG_DATA_HOME is set; the folder is made when missing).
The key
.B history
names another file or turns it off.
A damaged history is moved aside to
.IR history.sqlite3.damaged\- DATE
and a new one is started; another program's database is left as it is.
A game finished while another program holds the history waits in
.I history.sqlite3.pending
beside it and is written at the next chance.
.TP
.I FILE
A recording:
.B \-\-record
writes the session to it as it is played,
.B \-\-replay
reads it.
.TP
.IR screenshot.tga ", " shadowmap.tga
Written in the working folder by F12 (the window's depth) and F11 (the shadow
map), replacing an earlier picture of the same name.
)";

const char* const kEnvironment = R"(.SH ENVIRONMENT
.TP
.B BRINDLEMOOR_DATA
A folder holding the game's data, looked in after
.BR \-\-data\-dir .
.TP
.B XDG_CONFIG_HOME
Where
.I brindlemoor/config.txt
is looked for when the working folder holds no config.txt
(default:
.IR ~/.config ).
.TP
.B XDG_DATA_HOME
Where the history is kept, in
.I brindlemoor/history.sqlite3
(default:
.IR ~/.local/share ).
.TP
.B ALSOFT_LOGLEVEL
When set, the messages of the sound library, OpenAL Soft, are shown; otherwise a
missing sound device is reported in one line and the game plays on silently.
OpenAL Soft's other variables (such as
.BR ALSOFT_DRIVERS )
apply as for any program using it.
)";

const char* const kExitStatus = R"(.SH EXIT STATUS
.TP
.B 0
The game ended normally (Escape, the window closed,
.BR \-\-help ,
.BR \-\-version ,
.BR \-\-stats ).
.TP
.B 2
A bad option or value, the game's data not found, or a recording that cannot be
read or written.
.TP
.B 255
A fatal failure at start\-up: no window with OpenGL 3.3, or a shader that
cannot be read, compiled or linked.
)";

const char* const kExamples = R"(.SH EXAMPLES
Toon shading in a window of 1920 x 1080:
.PP
.RS 4
.EX
brindlemoor \-\-shader cel \-\-size 1920x1080
.EE
.RE
.PP
Practise the letters you miss and type slowly most:
.PP
.RS 4
.EX
brindlemoor \-\-words adaptive
.EE
.RE
.PP
The same 20\-block corridors and words on every run:
.PP
.RS 4
.EX
brindlemoor \-\-seed 7 \-\-length 20
.EE
.RE
.PP
Record a session to report a bug, and play it back:
.PP
.RS 4
.EX
brindlemoor \-\-record bug.rec
brindlemoor \-\-replay bug.rec
.EE
.RE
.PP
Your last games, speed, trend and weakest letters:
.PP
.RS 4
.EX
brindlemoor \-\-stats
.EE
.RE
.SH SEE ALSO
.I README.md
in the game's documentation folder
.RI ( /usr/share/doc/brindlemoor/
when installed from the package).
)";

}  // namespace

std::string manPage(const Release& release) {
    const std::vector<app::OptionDoc> options = app::optionDocs();
    std::ostringstream out;
    out << ".\\\" brindlemoor(6), made by brindlemoor_docgen from the game's table of options.\n"
        << ".TH BRINDLEMOOR 6 " << release.date << " \"brindlemoor " << release.version << "\" \"Games\"\n"
        << ".nr HY 0\n"  // no hyphens: paths and variables stay whole
        << ".SH NAME\n"
        << "brindlemoor \\- type the word on each blackboard before the boy walks into it\n"
        << ".SH SYNOPSIS\n.SY brindlemoor\n";
    for (const app::OptionDoc& option : options) {
        out << ".OP " << roff(option.name);
        if (!option.valueName.empty()) {
            out << ' ' << roff(option.valueName);
        }
        out << '\n';
    }
    out << ".YS\n" << kDescription << ".SH OPTIONS\n";
    for (const app::OptionDoc& option : options) {
        out << ".TP\n\\fB" << roff(option.name) << "\\fR";
        if (!option.valueName.empty()) {
            out << " \\fI" << roff(option.valueName) << "\\fR";
        }
        out << '\n' << roff(option.help) << ".\n";
        if (!option.configKey.empty()) {
            out << "In config.txt: " << keyList(option.configKey) << ".\n";
        }
    }
    out << kConfigurationIntro;
    for (const app::ConfigKeyDoc& key : app::configKeyDocs()) {
        out << ".TP\n\\fB" << roff(key.key) << "\\fR (default: "
            << (key.defaultValue.empty() ? "empty" : "\\fI" + roff(key.defaultValue) + "\\fR") << ")\n"
            << roff(key.meaning) << ".\n";
    }
    out << kFilesStart << ".TP\n.I " << roff(release.dataDir) << "\n"
        << "The game's data:\n.I Resources/\n(models, textures, the word list, sounds) and\n.IR Shader/ .\n"
        << "Looked for in\n.BR \\-\\-data\\-dir ,\n.BR $BRINDLEMOOR_DATA ,\nthe working folder,\n"
        << ".I ../share/brindlemoor\nand\n.I ../share/games/brindlemoor\nbeside the program's folder, "
        << "then here;\nwhen none holds it, one line names the folders tried.\n"
        << kEnvironment << kExitStatus << kExamples;
    return out.str();
}

}  // namespace brindlemoor::docgen
