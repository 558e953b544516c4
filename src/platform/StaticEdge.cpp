#include "platform/StaticEdge.h"

#include <QFrame>
#include <QLineEdit>

namespace platform {

void SetStaticEdge(QWidget *control)
{
    if (auto *frame = qobject_cast<QFrame *>(control)) {
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setLineWidth(1);
    } else if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setFrame(true);
    }
}

} // namespace platform
