#pragma once

#include "document/Formatting.h"

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace frame {

/** The progress window of the whole-file formatting: always on top, at a fixed place. */
class frmProgress : public QDialog, public document::ProgressView {
    Q_OBJECT
public:
    /** Shows the progress window, creating it unless one is open already. */
    static frmProgress *showWindow();

    void setMaximum(int maximum) override;
    void setValue(int value) override;
    QString caption() const override;
    void setCaption(const QString &caption) override;
    void complete() override;

private:
    frmProgress();

    QProgressBar *m_bar;
    QPushButton *m_ok;
};

} // namespace frame
