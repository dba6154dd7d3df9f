// Drawing files: loading and saving CDL, DXF, IGES and TVG drawings.
#pragma once

#include "fileio/cdl_reader.h"
#include "fileio/cdl_records.h"
#include "fileio/cdl_writer.h"
#include "fileio/dxf.h"
#include "fileio/fields.h"
#include "fileio/iges.h"
#include "fileio/make_cad.h"
#include "fileio/numbers.h"
#include "fileio/print.h"
#include "fileio/save_cad.h"
#include "fileio/tvg_reader.h"
