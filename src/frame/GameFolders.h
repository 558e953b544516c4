#pragma once

#include <QString>

namespace frame {

/**
 * The folder Options proposes for @p game (0 Quake 2, 1 Quake 3) while none is set: on
 * Windows the usual install folder, elsewhere the first of the usual game folders below
 * @p home that exists (empty text when none does).
 */
QString proposedGameFolder(int game, const QString &home);

} // namespace frame
