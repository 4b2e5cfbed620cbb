#include "PlanFillDlg.h"

#include "NumberText.h"
#include "PlanParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvantis {

namespace {

constexpr int Column(TPointColumn column) { return static_cast<int>(column); }

// "474000.0 KHz, CH21, DVB-T, 8 MHz"
QString PointText(const TPointWords& words)
{
    QStringList parts;
    for (const TPointColumn column :
         {TPointColumn::Frequency, TPointColumn::Name, TPointColumn::Standard, TPointColumn::Bandwidth})
        parts << QString::fromStdString(words[Column(column)]);
    parts[0] += QStringLiteral(" KHz");
    return parts.join(QStringLiteral(", "));
}

// A point's words with its frequency in the locale's number format, as the
// point list shows them.
TPointWords ShownWords(int point, const TPointEntry& entry)
{
    TPointWords words = EntryWords(point, entry);
    words[Column(TPointColumn::Frequency)] = FormatWholeOneDecimal(entry.FreqKHz).toStdString();
    return words;
}

}  // namespace

TPlanFillDlg::TPlanFillDlg(const TProfile& profile, TCurrentWords current, int firstPoint, QWidget* parent,
                           TPlanLoader loader)
    : TFormDialog(parent), FProfile(profile), FCurrent(std::move(current)), FLoader(std::move(loader)),
      FFirstPoint(firstPoint)
{
    if (!FCurrent)
        FCurrent = [this](int i) { return EntryWords(i, ShownEntry(FProfile, i, TPointRules::Of(FProfile))); };
    BuildControls();
}

void TPlanFillDlg::BuildControls()
{
    setObjectName(QStringLiteral("PlanFillDlg"));
    setWindowTitle(tr("Fill from Plan"));

    PlanList = new QComboBox(this);
    PlanList->setObjectName(QStringLiteral("PlanList"));
    EdChannels = new QLineEdit(this);
    EdChannels->setObjectName(QStringLiteral("EdChannels"));
    EdChannels->setToolTip(tr("Channels and ranges, separated by commas: 21-48,50 or S11-S13,S23"));
    EdFirstPoint = new QSpinBox(this);
    EdFirstPoint->setObjectName(QStringLiteral("EdFirstPoint"));
    EdNames = new QLineEdit(this);
    EdNames->setObjectName(QStringLiteral("EdNames"));
    EdNames->setToolTip(tr("{n} becomes the channel as the plan names it; at most 8 characters"));
    DvbT2Box = new QCheckBox(tr("DVB-T&2 rather than DVB-T for 7 and 8 MHz channels"), this);
    DvbT2Box->setObjectName(QStringLiteral("DvbT2Box"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Plan:"), PlanList);
    form->addRow(tr("&Channels:"), EdChannels);
    form->addRow(tr("&First point:"), EdFirstPoint);
    form->addRow(tr("&Names ({n} = channel):"), EdNames);
    form->addRow(QString(), DvbT2Box);
    // The spin box's own field is what takes the focus: it needs the name too.
    for (QWidget* field : std::initializer_list<QWidget*>{PlanList, EdChannels, EdFirstPoint, EdNames})
        LinkLabel(qobject_cast<QLabel*>(form->labelForField(field)), field);

    SummaryLabel = new QLabel(this);
    SummaryLabel->setObjectName(QStringLiteral("SummaryLabel"));
    SummaryLabel->setWordWrap(true);
    PreviewTable = MakePreviewTable(this, QStringLiteral("PreviewTable"),
                                    {tr("Point"), tr("Channel"), tr("Now"), tr("After OK")});
    ProblemLabel = MakeProblemLabel(this);
    RefusedLabel = new QLabel(this);
    RefusedLabel->setObjectName(QStringLiteral("RefusedLabel"));
    RefusedLabel->setWordWrap(true);

    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;

    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addWidget(SummaryLabel);
    page->addWidget(PreviewTable, 1);
    page->addWidget(ProblemLabel);
    page->addWidget(RefusedLabel);
    page->addLayout(buttons.Layout);

    connect(PlanList, &QComboBox::currentIndexChanged, this, &TPlanFillDlg::PlanChanged);
    connect(EdChannels, &QLineEdit::textChanged, this, &TPlanFillDlg::Recompute);
    connect(EdFirstPoint, &QSpinBox::valueChanged, this, &TPlanFillDlg::Recompute);
    connect(EdNames, &QLineEdit::textChanged, this, &TPlanFillDlg::Recompute);
    connect(DvbT2Box, &QCheckBox::toggled, this, &TPlanFillDlg::Recompute);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPlanFillDlg::FormShow()
{
    FCatalogue = FLoader();
    const TPointRules rules = TPointRules::Of(FProfile);
    EdFirstPoint->setRange(1, rules.Count);
    EdFirstPoint->setValue(std::clamp(FFirstPoint, 1, rules.Count));
    const QSignalBlocker quiet(PlanList);
    FillPlanList(PlanList, FCatalogue);
    RefusedLabel->setText(RefusedPlansText(FCatalogue));
    RefusedLabel->setVisible(!RefusedLabel->text().isEmpty());
    PlanChanged();
    // Room for a point's words twice over and a dozen rows.
    const QFontMetrics metrics = PreviewTable->fontMetrics();
    const int text = metrics.horizontalAdvance(QStringLiteral("858000.0 KHz, BRASIL69, DVB-T2, 8 MHz")) + 24;
    const QFontMetrics header = PreviewTable->horizontalHeader()->fontMetrics();
    for (const int column : {0, 1})
        PreviewTable->setColumnWidth(column, header.horizontalAdvance(PreviewTable->horizontalHeaderItem(column)->text()) + 20);
    PreviewTable->setColumnWidth(2, text);
    PreviewTable->setMinimumSize(PreviewTable->columnWidth(0) + PreviewTable->columnWidth(1) + 2 * text + 40,
                                 PreviewTable->horizontalHeader()->sizeHint().height() +
                                     12 * PreviewTable->verticalHeader()->defaultSectionSize() + 4);
}

const TChannelPlan* TPlanFillDlg::ChosenPlan() const
{
    return FCatalogue.Find(PlanList->currentData().toString());
}

// A new plan proposes all its channels and its own names.
void TPlanFillDlg::PlanChanged()
{
    const TChannelPlan* plan = ChosenPlan();
    if (!plan) return;
    const QSignalBlocker channels(EdChannels);
    const QSignalBlocker names(EdNames);
    EdChannels->setText(QString::fromStdString(plan->ChannelsText()));
    EdNames->setText(QString::fromStdString(plan->NamePattern));
    DvbT2Box->setEnabled(!TPointRules::Of(FProfile).Fixed && !plan->HasOneWidth(6));
    Recompute();
}

void TPlanFillDlg::Recompute()
{
    const TChannelPlan* plan = ChosenPlan();
    PreviewTable->setRowCount(0);
    if (!plan) {
        FFill = {};
        FFill.Problem = tr("no plan chosen").toStdString();
    } else {
        TPlanFillRequest request{plan, EdChannels->text().toStdString(), EdFirstPoint->value(),
                                 EdNames->text().toStdString(), DvbT2Box->isEnabled() && DvbT2Box->isChecked()};
        FFill = FillPointsFromPlan(request, FProfile, FCurrent);
    }
    const bool fits = static_cast<bool>(FFill);
    OKBtn->setEnabled(fits);
    ProblemLabel->setText(fits ? QString() : tr("Nothing can be filled: %1.").arg(QString::fromStdString(FFill.Problem)));
    ProblemLabel->setVisible(!fits);
    if (!fits) {
        SummaryLabel->setText(QString());
        return;
    }
    PreviewTable->setRowCount(static_cast<int>(FFill.Changes.size()));
    for (std::size_t k = 0; k < FFill.Changes.size(); ++k) {
        const int point = FFill.Changes[k].Point;
        SetPreviewRow(PreviewTable, static_cast<int>(k),
                      {QString::number(point + 1), QString::fromStdString(FFill.Channels[k])},
                      {PointText(FCurrent(point))}, {PointText(ShownWords(point, FFill.Changes[k].Entry))});
    }
    SummaryLabel->setText(tr("Points %1 to %2 take %3 channels of %4; the other points keep what they hold.")
                              .arg(FFill.Changes.front().Point + 1)
                              .arg(FFill.Changes.back().Point + 1)
                              .arg(FFill.Changes.size())
                              .arg(PlanList->currentData().toString()));
}

}  // namespace orvantis
