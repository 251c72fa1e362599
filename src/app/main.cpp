// Brindlemoor: type the word on each blackboard before the boy walks into it.
#include <iostream>

#include "app/CommandLine.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "io/DataLookup.h"
#include "io/Output.h"

int main(int argc, char** argv) {
    namespace app = brindlemoor::app;
    namespace io = brindlemoor::io;
    const app::CommandLine commandLine = app::parseCommandLine(argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus >= 0) {
        return commandLine.exitStatus;
    }
    io::Output out(std::cout, std::cerr);
    // Before any window: without its data the game cannot even show an error.
    // The report of `--stats` reads only the history.
    io::Result<std::string> data = std::string();
    if (!commandLine.options.stats) {
        data = io::findDataFolder(io::dataSearchFor(commandLine.options.dataDir));
        if (!data) {
            out.errorLine(data.reason());
            return 2;
        }
    }
    app::Session session(out, io::DataFolder(data.value()), commandLine.options);
    return app::runGame(session);
}
