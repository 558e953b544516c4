#include "generators/ToolDialogs.h"

namespace generators {

void showFlagsDialog() {}

void showNameEditor() {}

} // namespace generators
