// Brindlemoor: type the word on each blackboard before the boy walks into it.
#include "app/Startup.h"

int main() { return brindlemoor::app::runGame(); }
