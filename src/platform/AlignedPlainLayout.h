#pragma once

#include <QPlainTextDocumentLayout>

namespace platform {

/**
 * The editor's document layout: lays out only the lines it is asked for, as the plain
 * text layout does, and places each line by its paragraph's alignment (left, centre,
 * right) across the visible width.
 */
class AlignedPlainLayout : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    explicit AlignedPlainLayout(QTextDocument *document);

    // Every path that draws a line, places the caret or hit-tests asks for the line's
    // rectangle first, which is where the alignment is put on the line's layout.
    QRectF blockBoundingRect(const QTextBlock &block) const override;
};

/** A new empty document laid out by AlignedPlainLayout. */
QTextDocument *newAlignedDocument(QObject *parent);

} // namespace platform
