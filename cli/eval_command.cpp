// Placeholder until the evaluation command lands.
#include "cli/commands.h"

int RunEval(const Args&) { return UsageError("eval: not built yet"); }
