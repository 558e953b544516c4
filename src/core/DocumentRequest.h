#pragma once

#include "core/Game.h"

#include <QString>

#include <cstdint>

namespace core {

/** What a new document is made for. */
struct DocumentRequest {
    /** The window title; the document's slot number is appended. */
    QString windowTitle;
    Game game = Game::Blank;
    /** The mod the document is for; a blank config keeps none. */
    std::int32_t modNumber = 0;
};

} // namespace core
