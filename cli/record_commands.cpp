// Placeholder until the record commands land.
#include "cli/commands.h"

int RunList(const Args&) { return UsageError("list: not built yet"); }
int RunShow(const Args&) { return UsageError("show: not built yet"); }
int RunAdd(const Args&) { return UsageError("add: not built yet"); }
int RunRemove(const Args&) { return UsageError("remove: not built yet"); }
int RunExport(const Args&) { return UsageError("export: not built yet"); }
