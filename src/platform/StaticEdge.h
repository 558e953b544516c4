#pragma once

class QWidget;

namespace platform {

/** Gives a control a thin sunken border (frames and text fields; buttons keep their style's look). */
void SetStaticEdge(QWidget *control);

} // namespace platform
