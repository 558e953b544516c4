#pragma once

#include "generators/OspServerConfig.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QRadioButton;

namespace document {
class Documents;
class frmChild;
} // namespace document

namespace generators {

/**
 * The OSP Template Type dialog: pick a server type, press OK, and the complete server
 * configuration goes into the document that is active at that moment. Modeless and
 * without an owner; closing it any other way writes nothing.
 */
class frmOSPType : public QDialog {
    Q_OBJECT
public:
    /** Shows the dialog, bringing forward the one already open. */
    static frmOSPType *showWindow(document::Documents *documents);

    /** The option button of a server type, by index 0 to 5 (the buttons share the name
     *  optOSPType; each carries its index in the property "Index"). */
    QRadioButton *optOSPType(int index) const { return m_optOSPType.value(index); }
    QPushButton *cmdOK() const { return m_cmdOK; }

    /** Writes the configuration of the type at @p index into @p child; an index outside
     *  0 to 5 writes the header and reports an internal error. */
    static void writeConfiguration(document::frmChild *child, int index);

private:
    explicit frmOSPType(document::Documents *documents);

    /** The first selected button, or kOspServerTypeCount when none is. */
    int selectedIndex() const;
    void cmdOK_Click();

    document::Documents *m_documents;
    QList<QRadioButton *> m_optOSPType;
    QPushButton *m_cmdOK = nullptr;
};

/** Insert > Template of an OSP server document: the OSP Template Type dialog. */
frmOSPType *showOspTypeDialog(document::Documents *documents);

} // namespace generators
