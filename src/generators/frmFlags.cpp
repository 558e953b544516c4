#include "generators/frmFlags.h"

#include "platform/Design.h"
#include "platform/Singleton.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace generators {

namespace {

QPointer<frmFlags> g_window;

using platform::twipsToPixels;

// The check boxes stand at 120 twips in their frame, the total boxes further in.
int totalIndent(FlagsFrame frame) { return twipsToPixels((frame == FlagsFrame::DMFlags ? 600 : 720) - 120); }

} // namespace

frmFlags::frmFlags() : QDialog(nullptr)
{
    setObjectName(QStringLiteral("frmFlags"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Calculate Flags"));

    // Created first so that it comes first in the tab order and has the focus at open.
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    m_boxes.resize(qsizetype(flagBoxes().size()));
    auto *frames = new QHBoxLayout;
    for (const FlagsFrameRow &frame : flagsFrames())
        frames->addWidget(createFrame(frame), 0, Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addStretch(1);
    layout->addLayout(buttons);
    ok->setFocus();
}

QGroupBox *frmFlags::createFrame(const FlagsFrameRow &frame)
{
    auto *group = new QGroupBox(QString::fromUtf8(frame.caption), this);
    group->setObjectName(QLatin1String(frame.objectName));

    auto *total = new QLineEdit(QString::fromUtf8(frame.initialTotal), group);
    total->setObjectName(QLatin1String(frame.totalObjectName));
    total->setFixedWidth(std::max(twipsToPixels(855), total->fontMetrics().horizontalAdvance(
                                                    QStringLiteral("-2147483648")) + 12));
    m_totals[int(frame.frame)] = total;

    auto *totalRow = new QHBoxLayout;
    totalRow->addSpacing(totalIndent(frame.frame));
    totalRow->addWidget(total);
    totalRow->addStretch(1);

    auto *column = new QVBoxLayout(group);
    column->setSpacing(2);
    column->addLayout(totalRow);
    column->addSpacing(6);

    const std::span<const FlagBox> all = flagBoxes();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const FlagBox &box = all[i];
        if (box.frame != frame.frame)
            continue;
        auto *check = new QCheckBox(QString::fromUtf8(box.caption), group);
        check->setObjectName(QLatin1String(box.objectName));
        check->setChecked(box.tickedAtOpen);
        if (box.toolTip)
            check->setToolTip(QString::fromUtf8(box.toolTip));
        // Connected after the opening tick, which the total already includes.
        connect(check, &QCheckBox::toggled, this,
                [this, &box](bool ticked) { boxToggled(box, ticked); });
        column->addWidget(check);
        m_boxes[qsizetype(i)] = check;
    }
    return group;
}

qint32 frmFlags::tickedSum(FlagsFrame frame) const
{
    qint32 sum = 0;
    const std::span<const FlagBox> all = flagBoxes();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].frame == frame && m_boxes[qsizetype(i)]->isChecked())
            sum += all[i].value;
    }
    return sum;
}

void frmFlags::boxToggled(const FlagBox &box, bool ticked)
{
    QLineEdit *total = m_totals[int(box.frame)];
    total->setText(totalAfterTick(total->text(), box.value, ticked, tickedSum(box.frame)));
}

frmFlags *frmFlags::showWindow()
{
    return platform::showSingleton(g_window, [] { return new frmFlags; });
}

} // namespace generators
