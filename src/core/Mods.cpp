#include "core/Mods.h"

namespace core {

const Mod *findMod(std::int32_t id)
{
    for (const Mod &mod : kMods)
        if (mod.id == id)
            return &mod;
    return nullptr;
}

const Mod *findModNamed(QStringView name)
{
    for (const Mod &mod : kMods)
        if (name == mod.name)
            return &mod;
    return nullptr;
}

} // namespace core
