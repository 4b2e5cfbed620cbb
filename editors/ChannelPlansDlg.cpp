#include "ChannelPlansDlg.h"

#include "EditedProject.h"
#include "NumberText.h"
#include "PlanParts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace orvantis {

namespace {

// The band in the configuration editor's words: start, end, step, first channel's name, enabled.
QStringList BandTexts(const TScanBand& band)
{
    const QString letter = band.InitialChar >= 'A' && band.InitialChar <= 'Z' ? QString(QChar(band.InitialChar)) : QString();
    return {FormatHzAsKHz(band.StartFreq) + QStringLiteral(" KHz"), FormatHzAsKHz(band.EndFreq) + QStringLiteral(" KHz"),
            QStringLiteral("%1 MHz").arg(band.Bw), letter + QString::number(band.InitialIndex),
            band.Enable ? QCoreApplication::translate("orvantis::TChannelPlansDlg", "yes")
                        : QCoreApplication::translate("orvantis::TChannelPlansDlg", "no")};
}

// A band's fields, by the configuration editor's names where it has them.
constexpr const char* BandFieldNames[] = {
    QT_TRANSLATE_NOOP("orvantis::TChannelPlansDlg", "Start Freq"), QT_TRANSLATE_NOOP("orvantis::TChannelPlansDlg", "End Freq"),
    QT_TRANSLATE_NOOP("orvantis::TChannelPlansDlg", "STEP SCAN"), QT_TRANSLATE_NOOP("orvantis::TChannelPlansDlg", "First channel"),
    QT_TRANSLATE_NOOP("orvantis::TChannelPlansDlg", "Enable")};
constexpr int BandFieldCount = static_cast<int>(std::size(BandFieldNames));

QString BandFieldName(int row)
{
    return QCoreApplication::translate("orvantis::TChannelPlansDlg", BandFieldNames[row]);
}

}  // namespace

TChannelPlansDlg::TChannelPlansDlg(IEditedProject& project, QWidget* parent, TPlanLoader loader)
    : TFormDialog(parent), FProject(project), FLoader(std::move(loader))
{
    BuildControls();
}

void TChannelPlansDlg::BuildControls()
{
    setObjectName(QStringLiteral("ChannelPlansDlg"));
    setWindowTitle(tr("Channel Plans"));

    BandList = new QComboBox(this);
    BandList->setObjectName(QStringLiteral("BandList"));
    for (int band = 1; band <= BandCount; ++band) BandList->addItem(tr("SCAN %1").arg(band), band);
    PlanList = new QComboBox(this);
    PlanList->setObjectName(QStringLiteral("PlanList"));
    FirstChannel = new QComboBox(this);
    FirstChannel->setObjectName(QStringLiteral("FirstChannel"));
    LastChannel = new QComboBox(this);
    LastChannel->setObjectName(QStringLiteral("LastChannel"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Scan band:"), BandList);
    form->addRow(tr("&Plan:"), PlanList);
    form->addRow(tr("&First channel:"), FirstChannel);
    form->addRow(tr("&Last channel:"), LastChannel);
    for (QComboBox* list : {BandList, PlanList, FirstChannel, LastChannel})
        LinkLabel(qobject_cast<QLabel*>(form->labelForField(list)), list);

    PreviewTable = MakePreviewTable(this, QStringLiteral("PreviewTable"),
                                    {QString(), tr("Now"), tr("After OK")});
    PreviewTable->setRowCount(BandFieldCount);
    ProblemLabel = MakeProblemLabel(this);
    RefusedLabel = new QLabel(this);
    RefusedLabel->setObjectName(QStringLiteral("RefusedLabel"));
    RefusedLabel->setWordWrap(true);

    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;

    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addWidget(PreviewTable);
    page->addWidget(ProblemLabel);
    page->addWidget(RefusedLabel);
    page->addLayout(buttons.Layout);

    connect(PlanList, &QComboBox::currentIndexChanged, this, &TChannelPlansDlg::PlanChanged);
    for (QComboBox* list : {BandList, FirstChannel, LastChannel})
        connect(list, &QComboBox::currentIndexChanged, this, &TChannelPlansDlg::Recompute);
    connect(OKBtn, &QPushButton::clicked, this, &TChannelPlansDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TChannelPlansDlg::FormShow()
{
    FCatalogue = FLoader();
    {
        const QSignalBlocker quiet(PlanList);
        FillPlanList(PlanList, FCatalogue);
    }
    RefusedLabel->setText(RefusedPlansText(FCatalogue));
    RefusedLabel->setVisible(!RefusedLabel->text().isEmpty());
    PlanChanged();
    const QFontMetrics metrics = PreviewTable->fontMetrics();
    const int text = metrics.horizontalAdvance(QStringLiteral("858000.0 KHz")) + 40;
    int names = 0;
    for (int row = 0; row < BandFieldCount; ++row) names = std::max(names, metrics.horizontalAdvance(BandFieldName(row)));
    PreviewTable->setColumnWidth(0, names + 24);
    PreviewTable->setColumnWidth(1, text);
    // Every field in view, nothing more.
    PreviewTable->setMinimumWidth(PreviewTable->columnWidth(0) + 2 * text + 8);
    PreviewTable->setFixedHeight(PreviewTable->horizontalHeader()->sizeHint().height() +
                                 PreviewTable->rowCount() * PreviewTable->verticalHeader()->defaultSectionSize() +
                                 2 * PreviewTable->frameWidth());
    PreviewTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

const TChannelPlan* TChannelPlansDlg::ChosenPlan() const
{
    return FCatalogue.Find(PlanList->currentData().toString());
}

int TChannelPlansDlg::ChosenBand() const
{
    return BandList->currentData().toInt();
}

// A new plan offers its channels, from its first to its last.
void TChannelPlansDlg::PlanChanged()
{
    {
        const QSignalBlocker first(FirstChannel);
        const QSignalBlocker last(LastChannel);
        FirstChannel->clear();
        LastChannel->clear();
        if (const TChannelPlan* plan = ChosenPlan()) {
            for (const TPlanChannel& channel : plan->Channels) {
                const QString item = QStringLiteral("%1 (%2 KHz)")
                                         .arg(QString::fromStdString(channel.Name), QString::fromStdString(CentreKHzText(channel.CentreHz)));
                FirstChannel->addItem(item, QString::fromStdString(channel.Name));
                LastChannel->addItem(item, QString::fromStdString(channel.Name));
            }
            LastChannel->setCurrentIndex(LastChannel->count() - 1);
        }
    }
    Recompute();
}

void TChannelPlansDlg::Recompute()
{
    const TProfile& profile = FProject.GetProfile();
    const int band = ChosenBand();
    FBand.reset();
    QString problem;
    if (const TChannelPlan* plan = ChosenPlan()) {
        const auto made = BandFromPlan(profile, band, *plan, FirstChannel->currentData().toString().toStdString(),
                                       LastChannel->currentData().toString().toStdString());
        if (const auto* values = std::get_if<TScanBand>(&made))
            FBand = *values;
        else
            problem = QString::fromStdString(std::get<std::string>(made));
    } else {
        problem = tr("no plan chosen");
    }
    OKBtn->setEnabled(FBand.has_value());
    ProblemLabel->setText(FBand ? QString() : tr("The band cannot be set: %1.").arg(problem));
    ProblemLabel->setVisible(!FBand);
    const QStringList now = BandTexts(profile.BandRecord(band - 1));
    const QStringList after = FBand ? BandTexts(*FBand) : QStringList();
    for (int row = 0; row < BandFieldCount; ++row)
        SetPreviewRow(PreviewTable, row, {BandFieldName(row)}, {now[row]},
                      {after.isEmpty() ? QString() : after[row]});
}

void TChannelPlansDlg::OKBtnClick()
{
    if (!FBand) return;
    StorePlanBand(FProject.GetProfile(), ChosenBand(), *FBand);
    FProject.SetModified();
    accept();
}

}  // namespace orvantis
