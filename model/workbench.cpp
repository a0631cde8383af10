#include "model/workbench.h"

#include <stdexcept>

namespace tessaro {

static_assert(kWorkbenchTables.size() == kTableSchemas.size());

const TableSchema& schemaOf(ParamTable Workbench::*table) {
    for (std::size_t i = 0; i < kWorkbenchTables.size(); ++i) {
        if (kWorkbenchTables[i] == table) {
            return *kTableSchemas[i];
        }
    }
    throw std::invalid_argument("A table that is not the workbench's has no schema");
}

void copyTablesAndSwitches(const Workbench& from, Workbench& to) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        to.*table = from.*table;
    }
    to.options = from.options;
    to.cutouts = from.cutouts;
    to.kerf = from.kerf;
    to.lastPolylineClosed = from.lastPolylineClosed;
    to.innerCutsFirst = from.innerCutsFirst;
}

}  // namespace tessaro
