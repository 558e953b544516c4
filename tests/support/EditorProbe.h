#pragma once

#include "platform/RichEdit.h"

/** Reads what the user sees of one character, without moving the caret for good. */
struct CharLook {
    QColor color;
    bool bold = false;
};

inline CharLook lookAt(platform::RichEdit *editor, int position)
{
    const int start = editor->SelStart();
    const int length = editor->SelLength();
    editor->Select(position, 1);
    const CharLook look{editor->SelColor(), editor->SelBold()};
    editor->Select(start, length);
    return look;
}

/** True when every character of [start, start + length) has @p color and @p bold. */
inline bool looksLike(platform::RichEdit *editor, int start, int length, const QColor &color, bool bold)
{
    for (int position = start; position < start + length; ++position) {
        const CharLook look = lookAt(editor, position);
        if (look.color != color || look.bold != bold)
            return false;
    }
    return true;
}
