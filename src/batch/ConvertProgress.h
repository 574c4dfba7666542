// What converting one file reports to, and how a conversion in progress is asked to give up.
#pragma once

#include "gfx/RowProgress.h"

namespace batch {

// Told the rows of the source decoded so far (RowsDone) and asked between them whether to give
// up (AbortRequested), on the thread that converts. A conversion that gives up throws
// ConvertAborted and leaves no output and no temporary file behind.
using ConvertProgress = gfx::RowProgress;
using ConvertAborted = gfx::DecodeAborted;

}  // namespace batch
