// Everything a gauge module needs of the host contract: the records, the
// service table reached through ImportTable, and the module frame.
#pragma once

#include "host/gauge_records.h"
#include "host/layout_checks.h"

// Defined once per module by host/module_frame.cpp; the host writes its
// service table into the first entry before calling the module.
extern "C" GAUGE_EXPORT IMPORT_TABLE ImportTable;

// Defined by each module: its linkage record, which lists its gauges.
extern "C" GAUGE_EXPORT GAUGESLINKAGE Linkage;

// The module init and deinit routines of every module: they do nothing.
void HOSTAPI module_init(void);
void HOSTAPI module_deinit(void);

// Every call a module makes to the host goes through this table.
inline PANELS* host_services() { return ImportTable.panels.services; }
