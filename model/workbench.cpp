#include "model/workbench.h"

namespace tessaro {

void copyTablesAndSwitches(const Workbench& from, Workbench& to) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        to.*table = from.*table;
    }
    to.options = from.options;
    to.lastPolylineClosed = from.lastPolylineClosed;
}

}  // namespace tessaro
