// Converting a JPEG file to JPEG a band of rows at a time, never holding the whole picture.
#pragma once

#include <optional>
#include <string>

#include "batch/FileConverter.h"

namespace batch {

// Converts `source` as ConvertPicture does, with the same output bytes, but passes the decoded
// rows to the encoder a band at a time: the memory held is a few bands and libjpeg's own state,
// not the picture (optimised tables and progressive scans add libjpeg's store of the picture's
// coefficients, which it needs between its passes). Applies only where that is exact: a regular
// file whose content is JPEG with nothing to turn (orientation 1), to a JPEG output. Gives
// nothing, having written nothing, when it does not
// apply; the caller then takes the whole-picture path, which also reports whatever is wrong
// with a file that could not be opened or is too large. With options.two_threads the decoding
// runs on a thread of its own beside the encoding. Errors as ConvertPicture; the output is
// written whole or not at all. Does not copy file times (keep_dates is the caller's).
// `progress`, when given, is told of the decoded rows and asked between bands, and once more
// before the output is committed, whether to give up: then ConvertAborted is thrown and nothing
// is left behind. With two threads it is called from the decoding thread only.
std::optional<ConvertResult> StreamPicture(const std::string& source, const std::string& output,
                                           const ConvertOptions& options, ConvertProgress* progress = nullptr);

}  // namespace batch
