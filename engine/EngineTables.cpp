#include "engine/EngineTables.h"

TEngineTables EngineTables;
TResultTables ResultTables;
