#include "FlagsArithmetic.h"

#include <limits>

namespace generators {

namespace {

using enum FlagsFrame;

const FlagsFrameRow kFrames[] = {
    {DMFlags, "fraDMFlags", "DM Flags", "txtDMFlags", "67312"},
    {WeaponFlags, "fraWeapFlags", "Weapon Flags", "txtWeapFlags", "255"},
    {PowerupFlags, "fraPowrupFlags", "Powerup Flags", "txtPowerupFlags", "975"},
};

// clang-format off
const FlagBox kBoxes[] = {
    {DMFlags, "chkNoHealth", "No Health", 1, false,
     "No health powerups (1)"},
    {DMFlags, "chkNoItems", "No Items", 2, false,
     "No items (2)"},
    {DMFlags, "chkWeaponsStay", "Weapons Stay", 4, false,
     "Weapons stay after pickup (4)"},
    {DMFlags, "chkNoFallingDamage", "No Falling Damage", 8, false,
     "No falling damage (8)"},
    {DMFlags, "chkInstantItems", "Instant Items", 16, true,
     "Items are instantly used when picked up (16)"},
    {DMFlags, "chkSameLevel", "Same Level", 32, true,
     "Maps do not rotate (32)"},
    {DMFlags, "chkSkinTeams", "Skin Teams", 64, true,
     "Teams are skinned (64)"},
    {DMFlags, "chkModelTeams", "Model Teams", 128, true,
     "Team models are different (128)"},
    {DMFlags, "chkNoFriendlyFire", "No Friendly Fire", 256, false,
     "You can not damage teammates (256)"},
    {DMFlags, "chkSpawnFarthest", "Spawn Farthest", 512, true,
     "Spawn farthest from enemies (512)"},
    {DMFlags, "chkForceRespawn", "Force Respawn", 1024, true,
     "Force respawn after death (1024)"},
    {DMFlags, "chkNoArmor", "No Armor", 2048, false,
     "No armor (2048)"},
    {DMFlags, "chkAllowExit", "Allow Exit", 4096, false,
     "Allow level exit (4096)"},
    {DMFlags, "chkInfiniteAmmo", "Infinite Ammo", 8192, false,
     "Infinite ammo (8192)"},
    {DMFlags, "chkQuadDrop", "Quad Drop", 16384, false,
     "Drop quad on death (16384)"},
    {DMFlags, "chkFixedFOV", "Fixed Client FOV", 32768, false,
     "Client field-of-vision can not be changed (32768)"},
    {DMFlags, "chkDMMode", "Deathmatch Mode", 65536, true,
     "Server is set to deathmatch mode (65536)"},
    {DMFlags, "chkPracticeMode", "Practice Mode", 131072, false,
     "Server is set to practice mode (131072)"},

    {WeaponFlags, "chkShotgun",         "Shotgun",          1,   true,  nullptr},
    {WeaponFlags, "chkSuperShotgun",    "Super Shotgun",    2,   true,  nullptr},
    {WeaponFlags, "chkMachinegun",      "Machinegun",       4,   true,  nullptr},
    {WeaponFlags, "chkChaingun",        "Chaingun",         8,   true,  nullptr},
    {WeaponFlags, "chkGrenadeLauncher", "Grenade Launcher", 16,  true,  nullptr},
    {WeaponFlags, "chkRocketLauncher",  "Rocket Launcher",  32,  true,  nullptr},
    {WeaponFlags, "chkHyperblaster",    "Hyperblaster",     64,  true,  nullptr},
    {WeaponFlags, "chkRailgun",         "Railgun",          128, true,  nullptr},
    {WeaponFlags, "chkBFG",             "BFG",              256, false, nullptr},

    {PowerupFlags, "chkBodyArmor",     "Body Armor",    1,    true,  nullptr},
    {PowerupFlags, "chkCombatArmor",   "Combat Armor",  2,    true,  nullptr},
    {PowerupFlags, "chkJacketArmor",   "Jacket Armor",  4,    true,  nullptr},
    {PowerupFlags, "chkArmorShards",   "Armor Shards",  8,    true,  nullptr},
    {PowerupFlags, "chkPowerShield",   "Power Shield",  16,   false, nullptr},
    {PowerupFlags, "chkQuadDamage",    "Quad Damage",   32,   false, nullptr},
    {PowerupFlags, "chkMegaHealth",    "Mega Health",   64,   true,  nullptr},
    {PowerupFlags, "chkLargeHealth",   "Large Health",  128,  true,  nullptr},
    {PowerupFlags, "chkHealth",        "Health",        256,  true,  nullptr},
    {PowerupFlags, "chkSmallHealth",   "Small Health",  512,  true,  nullptr},
    {PowerupFlags, "chkInvincibility", "Invincibility", 1024, false, nullptr},
};
// clang-format on

} // namespace

std::span<const FlagsFrameRow> flagsFrames() { return kFrames; }

const FlagsFrameRow &flagsFrameRow(FlagsFrame frame) { return kFrames[int(frame)]; }

std::span<const FlagBox> flagBoxes() { return kBoxes; }

std::span<const FlagBox> flagBoxes(FlagsFrame frame)
{
    const std::span<const FlagBox> all = kBoxes;
    std::size_t first = 0;
    while (first < all.size() && all[first].frame != frame)
        ++first;
    std::size_t end = first;
    while (end < all.size() && all[end].frame == frame)
        ++end;
    return all.subspan(first, end - first);
}

qint32 tickedAtOpenSum(FlagsFrame frame)
{
    qint32 sum = 0;
    for (const FlagBox &box : flagBoxes(frame)) {
        if (box.tickedAtOpen)
            sum += box.value;
    }
    return sum;
}

QString totalAfterTick(const QString &totalText, qint32 value, bool ticked, qint32 tickedSum)
{
    constexpr qint64 lowest = std::numeric_limits<qint32>::min();
    constexpr qint64 highest = std::numeric_limits<qint32>::max();
    const auto fits = [](qint64 number) { return number >= lowest && number <= highest; };

    bool isNumber = false;
    const qint64 total = totalText.toLongLong(&isNumber, 10);
    // Whatever the box cannot hold as a signed 32-bit total gives way to what the ticks say, so
    // a stray character or an overlong number never stalls the calculator.
    if (!isNumber || !fits(total))
        return QString::number(tickedSum);
    const qint64 result = ticked ? total + value : total - value;
    if (!fits(result))
        return QString::number(tickedSum);
    return QString::number(result);
}

} // namespace generators
