#pragma once

#include <QString>
#include <QtGlobal>

#include <span>

namespace generators {

enum class FlagsFrame { DMFlags, WeaponFlags, PowerupFlags };

/** A frame of the Calculate Flags dialog with its total text box. */
struct FlagsFrameRow {
    FlagsFrame frame;
    const char *objectName;      // "fraDMFlags"
    const char *caption;         // "DM Flags"
    const char *totalObjectName; // "txtDMFlags"
    const char *initialTotal;    // "67312": the sum of the boxes ticked at open
};

/** One flag check box; a frame's boxes come top to bottom in the order of the table. */
struct FlagBox {
    FlagsFrame frame;
    const char *objectName; // "chkNoHealth"
    const char *caption;    // "No Health"
    qint32 value;           // a power of two
    bool tickedAtOpen;
    const char *toolTip; // nullptr when the box has none
};

/** The three frames, left to right. */
std::span<const FlagsFrameRow> flagsFrames();
const FlagsFrameRow &flagsFrameRow(FlagsFrame frame);

/** Every check box of the dialog, frame by frame, each frame's boxes top to bottom. */
std::span<const FlagBox> flagBoxes();

/** The boxes of one frame, top to bottom. */
std::span<const FlagBox> flagBoxes(FlagsFrame frame);

/** The sum of the values of a frame's boxes that are ticked when the dialog opens. */
qint32 tickedAtOpenSum(FlagsFrame frame);

/**
 * A frame's total after one of its boxes (worth `value`) became `ticked`: the value is added to
 * or subtracted from the whole number the total box holds, typed numbers included. When the
 * box holds no whole number, or the result leaves the signed 32-bit range, the total becomes
 * `tickedSum`, the sum of the frame's boxes that are ticked now.
 */
QString totalAfterTick(const QString &totalText, qint32 value, bool ticked, qint32 tickedSum);

} // namespace generators
