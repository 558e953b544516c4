#include "platform/AlignedPlainLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace platform {

AlignedPlainLayout::AlignedPlainLayout(QTextDocument *document)
    : QPlainTextDocumentLayout(document)
{
}

QRectF AlignedPlainLayout::blockBoundingRect(const QTextBlock &block) const
{
    const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
    if (!block.isValid())
        return rect;
    // The plain layout gives every line the document's default option when it lays it
    // out; the alignment is read from the option only when a line is placed or drawn.
    QTextLayout *layout = block.layout();
    Qt::Alignment wanted = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    // A line wider than the view starts at the left edge, where the scroll bar reaches it.
    for (int i = 0; i < layout->lineCount(); ++i)
        if (layout->lineAt(i).naturalTextWidth() > layout->lineAt(i).width())
            wanted = Qt::AlignLeft;
    QTextOption option = layout->textOption();
    if ((option.alignment() & Qt::AlignHorizontal_Mask) != wanted) {
        option.setAlignment(wanted);
        layout->setTextOption(option);
    }
    return rect;
}

QTextDocument *newAlignedDocument(QObject *parent)
{
    auto *document = new QTextDocument(parent);
    document->setDocumentLayout(new AlignedPlainLayout(document));
    return document;
}

} // namespace platform
