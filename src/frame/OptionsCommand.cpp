#include "frame/OptionsCommand.h"

namespace frame {

void installOptionsCommand(document::frmChild *) {}

} // namespace frame
