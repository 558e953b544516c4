#pragma once

#include <QDialog>

class QLineEdit;

namespace frame {

/** The settings-file section that holds the game folders. */
inline constexpr char kSettingsSection[] = "GENERAL";

/** Longest value the settings keep (the rest of a longer one is never read back). */
inline constexpr int kMaxSettingLength = 255;

/**
 * The Options dialog: the Quake 2 and Quake 3 folders, typed or picked with Find. OK writes
 * them to the settings file and closes; the close box discards the edits.
 */
class frmOptions : public QDialog {
    Q_OBJECT
public:
    /** Shows the dialog, bringing forward the one already open. */
    static frmOptions *showWindow();

private:
    frmOptions();

    void cmdOK_Click();

    QList<QLineEdit *> m_folders; // in the order of the folder settings
};

} // namespace frame
