#include "generators/ToolDialogs.h"

#include "generators/frmFlags.h"
#include "generators/frmNameEditor.h"

namespace generators {

void showFlagsDialog() { frmFlags::showWindow(); }

void showNameEditor() { frmNameEditor::showWindow(); }

} // namespace generators
