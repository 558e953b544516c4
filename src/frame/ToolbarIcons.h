#pragma once

#include <QIcon>
#include <QString>

namespace frame {

/** The 16 x 16 toolbar image for @p key ("new", "open", "save", "commentblock", ...). */
QIcon toolbarIcon(const QString &key);

/** The program's own icon. */
QIcon applicationIcon();

} // namespace frame
