#pragma once

#include "generators/FlagsArithmetic.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace generators {

/**
 * The Calculate Flags dialog: three frames of flag check boxes, each with a total that
 * follows every tick. It writes nowhere; OK only closes it.
 */
class frmFlags : public QDialog {
    Q_OBJECT
public:
    /** Shows the dialog, bringing forward the one already open. */
    static frmFlags *showWindow();

private:
    frmFlags();

    QGroupBox *createFrame(const FlagsFrameRow &frame);
    void boxToggled(const FlagBox &box, bool ticked);
    qint32 tickedSum(FlagsFrame frame) const;

    QList<QCheckBox *> m_boxes; // in the order of flagBoxes()
    QLineEdit *m_totals[3] = {}; // by FlagsFrame
};

} // namespace generators
