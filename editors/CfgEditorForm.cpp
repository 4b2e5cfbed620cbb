// The configuration editor's form: three areas (settings, the four scan
// bands side by side, the buttons), labels aligned, units beside fields.

#include "CfgEditorDlg.h"

#include "CfgRadioGroup.h"
#include "CfgSpinner.h"
#include "DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace orvantis {

namespace {

QStringList InitialCharItems()
{
    QStringList items{QStringLiteral(" ")};
    for (char c = 'A'; c <= 'Z'; ++c) items << QString(QLatin1Char(c));
    return items;
}

QLabel* NewLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    LinkLabel(label, buddy);
    return label;
}

}  // namespace

TCfgEditorDlg::TCfgEditorDlg(IEditedProject& project, IPrompter& prompter, QWidget* parent)
    : TFormDialog(parent), FProject(project), FPrompter(prompter), FProfile(project.GetProfile())
{
    setObjectName(QStringLiteral("CfgEditorDlg"));
    setWindowTitle(tr("Configuration editor"));

    auto* form = new QVBoxLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);

    auto* configArea = new QWidget(this);
    BuildConfigArea(configArea);
    form->addWidget(configArea);
    form->addSpacing(6);

    auto* bandRow = new QHBoxLayout;
    for (int band = 0; band < BandCount; ++band) bandRow->addWidget(BuildBand(band));
    form->addLayout(bandRow);

    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    BindButtons();
    form->addLayout(buttons.Layout);

    SetTabOrder();
}

QComboBox* TCfgEditorDlg::NewList(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);  // typed text must not turn into an item
    list->addItems(items);
    return list;
}

QLineEdit* TCfgEditorDlg::NewNumberEdit(const QString& name, int width, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(width);
    return edit;
}

void TCfgEditorDlg::OnExit(QWidget* field, std::function<void()> check)
{
    FExitChecks.insert(field, std::move(check));
    field->installEventFilter(this);
}

void TCfgEditorDlg::BuildConfigArea(QWidget* area)
{
    auto* grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(3, 32);  // gap between the two halves
    grid->setColumnStretch(3, 1);

    // Left half: detection point range and thresholds, units beside them.
    EdPointIndex = new TCfgSpinner(area);
    EdPointIndex->setObjectName(QStringLiteral("EdPointIndex"));
    EdPointIndex->setFixedWidth(70);
    grid->addWidget(NewLabel(tr("Initial detection point index: "), EdPointIndex, area), 0, 0);
    grid->addWidget(EdPointIndex, 0, 1);

    EdLastIndex = new TCfgSpinner(area);
    EdLastIndex->setObjectName(QStringLiteral("EdLastIndex"));
    EdLastIndex->setFixedWidth(70);
    grid->addWidget(NewLabel(tr("Last detection point index: "), EdLastIndex, area), 1, 0);
    grid->addWidget(EdLastIndex, 1, 1);

    EdMinDetLev = NewNumberEdit(QStringLiteral("EdMinDetLev"), 70, area);
    EdMinDetLev->setToolTip(tr("noise voltage measured"));
    grid->addWidget(NewLabel(tr("Minimum noise level to detect signal:"), EdMinDetLev, area), 2, 0);
    grid->addWidget(EdMinDetLev, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), area), 2, 2);
    OnExit(EdMinDetLev, [this] { EdMinDetLevExit(); });

    EdSNRHiQ = NewNumberEdit(QStringLiteral("EdSNRHiQ"), 70, area);
    EdSNRHiQ->setToolTip(tr("reference value for PASS installation"));
    grid->addWidget(NewLabel(tr("MER threshold for high quality signal: "), EdSNRHiQ, area), 3, 0);
    grid->addWidget(EdSNRHiQ, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("dB"), area), 3, 2);
    OnExit(EdSNRHiQ, [this] { EdSNRHiQExit(); });

    EPStask = new TCfgRadioGroup(tr("External Power Supply Control for Amplifiers"),
                                 {tr("EPS CONTROL ON"), tr("EPS CONTROL OFF")}, 2, area);
    EPStask->setObjectName(QStringLiteral("EPStask"));
    EPStask->setToolTip(tr("ON (LNB On) or OFF (LNB Off)"));
    grid->addWidget(EPStask, 4, 0, 1, 3);

    // Right half: display and measurement choices.
    Units = NewList(QStringLiteral("Units"),
                    {QStringLiteral("dBuV"), QStringLiteral("dBmV"), QStringLiteral("dBm")}, area);
    grid->addWidget(NewLabel(tr("Units Selection"), Units, area), 0, 4);
    grid->addWidget(Units, 0, 5);

    ShowBER = NewList(QStringLiteral("ShowBER"),
                      {tr("CBER (with Bar)"), tr("VBER(with Bar)"),
                       tr("Both (CBER+VBER)")},
                      area);
    grid->addWidget(NewLabel(tr("BER selection DVB-T"), ShowBER, area), 1, 4);
    grid->addWidget(ShowBER, 1, 5);

    Sound = NewList(QStringLiteral("Sound"),
                    {tr("Disabled"), tr("Enabled"), tr("Only Warnings")}, area);
    grid->addWidget(NewLabel(tr("Sound Selection"), Sound, area), 2, 4);
    grid->addWidget(Sound, 2, 5);

    BacklightLCD = NewList(QStringLiteral("BacklightLCD"),
                           {tr("OFF"), tr("ON"), tr("AUTO")}, area);
    grid->addWidget(NewLabel(tr("Backlight Mode"), BacklightLCD, area), 3, 4);
    grid->addWidget(BacklightLCD, 3, 5);

    ContrastLCD = new QSlider(Qt::Horizontal, area);
    ContrastLCD->setObjectName(QStringLiteral("ContrastLCD"));
    ContrastLCD->setRange(0, 3);
    ContrastLCD->setPageStep(1);
    ContrastLCD->setTickInterval(1);
    ContrastLCD->setTickPosition(QSlider::TicksBelow);
    grid->addWidget(NewLabel(tr("Display Contrast (Min  -  Max)"), ContrastLCD, area), 4, 4);
    grid->addWidget(ContrastLCD, 4, 5);
    for (QWidget* w : {static_cast<QWidget*>(Units), static_cast<QWidget*>(ShowBER), static_cast<QWidget*>(Sound),
                       static_cast<QWidget*>(BacklightLCD), static_cast<QWidget*>(ContrastLCD)})
        w->setFixedWidth(180);
}

QGroupBox* TCfgEditorDlg::BuildBand(int band)
{
    const QString n = QString::number(band + 1);
    TBandControls& c = Bands[band];

    c.GroupBox = new QGroupBox(tr("SCAN %1 ").arg(n), this);
    c.GroupBox->setObjectName(QStringLiteral("GroupBox") + n);
    auto* grid = new QGridLayout(c.GroupBox);

    c.ScanEnable = new QCheckBox(tr("Enable"), c.GroupBox);
    c.ScanEnable->setObjectName(QStringLiteral("ScanEnable") + n);
    // The first band is always scanned.
    if (band == 0) {
        c.ScanEnable->setChecked(true);
        c.ScanEnable->setEnabled(false);
    }
    grid->addWidget(c.ScanEnable, 0, 0, 1, 2);

    grid->addWidget(new QLabel(tr("Center (KHz)"), c.GroupBox), 1, 1, Qt::AlignHCenter);

    c.ScanStartFreq = NewNumberEdit(QStringLiteral("ScanStartFreq") + n, 90, c.GroupBox);
    grid->addWidget(NewLabel(tr("Start Freq"), c.ScanStartFreq, c.GroupBox), 2, 0);
    grid->addWidget(c.ScanStartFreq, 2, 1);
    OnExit(c.ScanStartFreq, [this, band] { ScanFreqExit(band, false); });

    c.ScanEndFreq = NewNumberEdit(QStringLiteral("ScanEndFreq") + n, 90, c.GroupBox);
    grid->addWidget(NewLabel(tr("End Freq"), c.ScanEndFreq, c.GroupBox), 3, 0);
    grid->addWidget(c.ScanEndFreq, 3, 1);
    OnExit(c.ScanEndFreq, [this, band] { ScanFreqExit(band, true); });

    c.ScanBw = new TCfgRadioGroup(tr("STEP SCAN"),
                                  {QStringLiteral("BW: 5MHz"), QStringLiteral("BW: 6MHz"), QStringLiteral("BW: 7MHz"),
                                   QStringLiteral("BW: 8MHz")},
                                  2, c.GroupBox);
    c.ScanBw->setObjectName(QStringLiteral("ScanBw") + n);
    c.ScanBw->setToolTip(tr("BW: 5MHz, 6MHz, 7MHz or 8MHz"));
    grid->addWidget(c.ScanBw, 4, 0, 1, 2);

    c.InitialChar = NewList(QStringLiteral("InitialChar") + n, InitialCharItems(), c.GroupBox);
    c.InitialChar->setMaxVisibleItems(14);
    c.InitialChar->setItemData(0, tr("Blank"), Qt::AccessibleTextRole);  // a screen reader says nothing for " "
    grid->addWidget(NewLabel(tr("Initial Char"), c.InitialChar, c.GroupBox), 5, 0);
    grid->addWidget(c.InitialChar, 5, 1);
    OnExit(c.InitialChar, [this, band] { InitialCharExit(band); });

    c.InitialIndex = new TCfgSpinner(c.GroupBox);
    c.InitialIndex->setObjectName(QStringLiteral("InitialIndex") + n);
    c.InitialIndex->setRange(0, MaxInitialIndex);
    grid->addWidget(NewLabel(tr("Initial Index"), c.InitialIndex, c.GroupBox), 6, 0);
    grid->addWidget(c.InitialIndex, 6, 1);
    return c.GroupBox;
}

void TCfgEditorDlg::BindButtons()
{
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (OKBtnClick()) accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        CancelBtnClick();
        reject();
    });
}

void TCfgEditorDlg::SetTabOrder()
{
    QList<QWidget*> order{EdPointIndex, EdLastIndex, EdMinDetLev, EdSNRHiQ, EPStask->Item(0), EPStask->Item(1),
                          Units, ShowBER, Sound, BacklightLCD, ContrastLCD};
    for (const TBandControls& c : Bands) {
        order << c.ScanEnable << c.ScanStartFreq << c.ScanEndFreq;
        for (int i = 0; i < c.ScanBw->Count(); ++i) order << c.ScanBw->Item(i);
        order << c.InitialChar << c.InitialIndex;
    }
    order << OKBtn << CancelBtn;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace orvantis
