#include "core/Game.h"

namespace core {

std::optional<Game> gameOfCode(int code)
{
    for (const Game game : {Game::Quake2, Game::Quake3, Game::Blank, Game::OspDataFile})
        if (code == int(game))
            return game;
    return std::nullopt;
}

} // namespace core
