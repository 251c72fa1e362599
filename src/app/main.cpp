// Brindlemoor: type the word on each blackboard before the boy walks into it.
#include <iostream>

#include "app/CommandLine.h"
#include "app/Config.h"
#include "app/Startup.h"
#include "io/DataLookup.h"
#include "io/DataPaths.h"

int main(int argc, char** argv) {
    namespace app = brindlemoor::app;
    namespace io = brindlemoor::io;
    const app::CommandLine commandLine = app::parseCommandLine(argc, argv, std::cout, std::cerr);
    if (commandLine.exitStatus >= 0) {
        return commandLine.exitStatus;
    }
    const app::Options& options = commandLine.options;
    // Before any window: without its data the game cannot even show an error.
    const io::DataLookup data = io::findDataFolder(io::dataSearchFor(options.dataDir));
    if (!data.found) {
        std::cerr << io::dataNotFoundMessage(data) << std::endl;
        return 2;
    }
    io::setDataDirectory(data.folder);
    app::setCommandLineSettings(options.configFile, options.settings);
    return app::runGame(options);
}
