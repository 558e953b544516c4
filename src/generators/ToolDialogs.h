#pragma once

namespace generators {

/** Shows the flags calculator (one at a time; showing it again brings it forward). */
void showFlagsDialog();

/** Shows the player name editor (one at a time). */
void showNameEditor();

} // namespace generators
