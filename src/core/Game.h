#pragma once

#include <cstdint>
#include <optional>

namespace core {

/** The game a document is for. The numbers are those recovery files and settings store. */
enum class Game : std::int16_t {
    Quake2 = 0,
    Quake3 = 1,
    Blank = -1,       // a config for no particular game
    OspDataFile = -2, // an OSP server's map list or player filter
};

/** The game stored as @p code; nothing for a number that is no game. */
std::optional<Game> gameOfCode(int code);

/** What a document slot holds. */
enum class FileState : std::int16_t {
    Free = -1,    // no document
    Untitled = 0, // a document never saved
    OnDisk = 1,   // a document tied to the file its caption names
};

} // namespace core
