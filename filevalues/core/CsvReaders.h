// The direct load: every CSV line's values handed to the host in file order.
#ifndef TARNIW_FILEVALUES_CSVREADERS_H
#define TARNIW_FILEVALUES_CSVREADERS_H

#include "platform/core/FileSystem.h"
#include "tarniw/ImportHost.h"

// Reads to the end, to the first line that is not CSV, or until the host
// answers zero. A line with commas but no value is passed over.
void HandLineValuesToHost(CLineReader &reader, CImportHost &host);

#endif
