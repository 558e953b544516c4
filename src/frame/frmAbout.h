#pragma once

#include <QDialog>

namespace frame {

/** The About box: title, version and description. */
class frmAbout : public QDialog {
    Q_OBJECT
public:
    /** Shows the About box, bringing forward the one already open. */
    static frmAbout *showWindow();

    /** "Version " + major.minor.revision of @p version ("0.3.0" gives Version 0.3.0). */
    static QString versionText(const QString &version);

private:
    frmAbout();
};

} // namespace frame
