// Contact sheet (placeholder while the design is drawn).
#include "ContactSheet.h"

#include <stdexcept>

namespace skingen {

void WriteContactSheet(const std::string&, const std::string&) { throw std::runtime_error("not built yet"); }

}  // namespace skingen
