#include "generators/frmNameEditor.h"

#include "generators/NameColours.h"
#include "platform/Clipboard.h"
#include "platform/Design.h"
#include "platform/Singleton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace generators {

namespace {

QPointer<frmNameEditor> g_window;

using platform::twipsToPixels;

// Mid grey, so that names in black (the colour before any code) and in white both show.
const QColor kPreviewBackground(128, 128, 128);

QLabel *boldLabel(const QString &caption, const char *name, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QGroupBox *createLegend(QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("Color Code"), parent);
    frame->setObjectName(QStringLiteral("fraColorCodes"));
    auto *column = new QVBoxLayout(frame);
    const QStringList captions = colourLegendCaptions();
    for (qsizetype index = 0; index < captions.size(); ++index) {
        auto *label = new QLabel(captions.at(index), frame);
        label->setObjectName(QStringLiteral("lblCode"));
        label->setProperty("index", int(index));
        column->addWidget(label);
    }
    column->addStretch(1);
    return frame;
}

} // namespace

frmNameEditor::frmNameEditor() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmNameEditor"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Name Editor"));

    QGroupBox *legend = createLegend(this);
    QLabel *nameLabel = boldLabel(QStringLiteral("Name:"), "lblName", this);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_name->setMinimumWidth(twipsToPixels(3855));

    auto *copy = new QPushButton(QStringLiteral("Copy"), this);
    copy->setObjectName(QStringLiteral("cmdCopy"));

    QLabel *previewLabel = boldLabel(QStringLiteral("Preview:"), "lblPreview", this);

    m_preview = new QTextEdit(this);
    m_preview->setObjectName(QStringLiteral("rtbPreview"));
    m_preview->setReadOnly(true);
    m_preview->setAcceptRichText(false);
    m_preview->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QFont previewFont = m_preview->font();
    previewFont.setBold(true);
    m_preview->setFont(previewFont);
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::Base, kPreviewBackground);
    m_preview->setPalette(palette);
    // Room for a long name on a second line.
    const int lineHeight = QFontMetrics(previewFont).lineSpacing();
    m_preview->setFixedHeight(std::max(twipsToPixels(435),
                                       2 * lineHeight + 2 * int(m_preview->document()->documentMargin()) +
                                           2 * m_preview->frameWidth()));

    connect(m_name, &QLineEdit::textChanged, this, &frmNameEditor::txtName_Change);
    connect(copy, &QPushButton::clicked, this, &frmNameEditor::cmdCopy_Click);

    auto *copyRow = new QHBoxLayout;
    copyRow->addWidget(copy);
    copyRow->addStretch(1);

    auto *right = new QVBoxLayout;
    right->addWidget(nameLabel);
    right->addWidget(m_name);
    right->addLayout(copyRow);
    right->addSpacing(twipsToPixels(1440 - 840 - 315));
    right->addWidget(previewLabel);
    right->addWidget(m_preview);
    right->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(legend);
    layout->addLayout(right, 1);

    m_name->setFocus();
}

void frmNameEditor::txtName_Change()
{
    m_preview->clear();
    QTextCursor cursor(m_preview->document());
    QTextCharFormat format;
    for (const ColourRun &run : colourRuns(m_name->text())) {
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        cursor.insertText(run.text, format);
    }
}

void frmNameEditor::cmdCopy_Click() { platform::setClipboardText(m_name->text()); }

frmNameEditor *frmNameEditor::showWindow()
{
    return platform::showSingleton(g_window, [] { return new frmNameEditor; });
}

} // namespace generators
