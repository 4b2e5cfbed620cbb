#include "CfgEditorDlg.h"

#include "CfgNumberText.h"
#include "CfgRadioGroup.h"
#include "CfgSpinner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace orvantis {

namespace {

constexpr std::uint32_t MinBandHz = 170000000;
constexpr std::uint32_t MaxBandHz = 858000000;
constexpr int MinDetLevLow = 10;
constexpr int MinDetLevHigh = 90;
constexpr float SNRHiQLow = 18.0f;
constexpr float SNRHiQHigh = 32.0f;
constexpr int EPSControlOn = 0;
constexpr int EPSControlOff = 1;
constexpr std::uint8_t EPStaskOff = 2;
constexpr std::uint8_t EPSauxOnOk = 2;
constexpr int FirstBw = 5;  // item 0 of a step group is 5 MHz
constexpr int BwItems = 4;
constexpr int BlankItem = 0;
constexpr int MaxInitialIndex = 255;

const QString ErrorCaption = QStringLiteral("Orvantis error");

// Same rule as the model's PointCount(), taken from the identity at show.
int PointCountFor(int model, float version)
{
    return (model == BaseModelRow && version < 3.0f) ? BasePointCount : MaxPoints;
}

// The item whose text the list shows. The lists accept typed text, and a
// text that names no item selects none.
int ShownItem(const QComboBox* list)
{
    return list->findText(list->currentText(), Qt::MatchFixedString);
}

QStringList InitialCharItems()
{
    QStringList items{QStringLiteral(" ")};
    for (char c = 'A'; c <= 'Z'; ++c) items << QString(QLatin1Char(c));
    return items;
}

QLabel* NewLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

TCfgEditorDlg::TCfgEditorDlg(IMainForm& mainForm, IPrompter& prompter, QWidget* parent)
    : QDialog(parent), FMainForm(mainForm), FPrompter(prompter), FProfile(mainForm.GetProfile())
{
    setObjectName(QStringLiteral("CfgEditorDlg"));
    setWindowTitle(QStringLiteral("Configuration editor"));

    auto* form = new QVBoxLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);

    auto* configArea = new QWidget(this);
    BuildConfigArea(configArea);
    form->addWidget(configArea);

    auto* bandRow = new QHBoxLayout;
    for (int band = 0; band < BandCount; ++band) bandRow->addWidget(BuildBand(band));
    form->addLayout(bandRow);

    auto* buttonRow = new QHBoxLayout;
    BuildButtons(buttonRow);
    form->addLayout(buttonRow);

    SetTabOrder();
}

// ---- Building the form ----

QComboBox* TCfgEditorDlg::NewList(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
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
    grid->setColumnMinimumWidth(3, 24);  // gap between the two halves

    // Left half: detection point range and thresholds, units beside them.
    EdPointIndex = new TCfgSpinner(area);
    EdPointIndex->setObjectName(QStringLiteral("EdPointIndex"));
    EdPointIndex->setFixedWidth(70);
    grid->addWidget(NewLabel(QStringLiteral("Initial detection point index: "), EdPointIndex, area), 0, 0);
    grid->addWidget(EdPointIndex, 0, 1);

    EdLastIndex = new TCfgSpinner(area);
    EdLastIndex->setObjectName(QStringLiteral("EdLastIndex"));
    EdLastIndex->setFixedWidth(70);
    grid->addWidget(NewLabel(QStringLiteral("Last detection point index: "), EdLastIndex, area), 1, 0);
    grid->addWidget(EdLastIndex, 1, 1);

    EdMinDetLev = NewNumberEdit(QStringLiteral("EdMinDetLev"), 70, area);
    EdMinDetLev->setToolTip(QStringLiteral("noise voltage measured"));
    grid->addWidget(NewLabel(QStringLiteral("Minimum noise level to detect signal:"), EdMinDetLev, area), 2, 0);
    grid->addWidget(EdMinDetLev, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), area), 2, 2);
    OnExit(EdMinDetLev, [this] { EdMinDetLevExit(); });

    EdSNRHiQ = NewNumberEdit(QStringLiteral("EdSNRHiQ"), 70, area);
    EdSNRHiQ->setToolTip(QStringLiteral("reference value for PASS installation"));
    grid->addWidget(NewLabel(QStringLiteral("MER threshold for high quality signal: "), EdSNRHiQ, area), 3, 0);
    grid->addWidget(EdSNRHiQ, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("dB"), area), 3, 2);
    OnExit(EdSNRHiQ, [this] { EdSNRHiQExit(); });

    EPStask = new TCfgRadioGroup(QStringLiteral("External Power Supply Control for Amplifiers"),
                                 {QStringLiteral("EPS CONTROL ON"), QStringLiteral("EPS CONTROL OFF")}, 2, area);
    EPStask->setObjectName(QStringLiteral("EPStask"));
    EPStask->setToolTip(QStringLiteral("ON (LNB On) or OFF (LNB Off)"));
    grid->addWidget(EPStask, 4, 0, 1, 3);

    // Right half: display and measurement choices.
    Units = NewList(QStringLiteral("Units"),
                    {QStringLiteral("dBuV"), QStringLiteral("dBmV"), QStringLiteral("dBm")}, area);
    grid->addWidget(NewLabel(QStringLiteral("Units Selection"), Units, area), 0, 4);
    grid->addWidget(Units, 0, 5);

    ShowBER = NewList(QStringLiteral("ShowBER"),
                      {QStringLiteral("CBER (with Bar)"), QStringLiteral("VBER(with Bar)"),
                       QStringLiteral("Both (CBER+VBER)")},
                      area);
    grid->addWidget(NewLabel(QStringLiteral("BER selection DVB-T"), ShowBER, area), 1, 4);
    grid->addWidget(ShowBER, 1, 5);

    Sound = NewList(QStringLiteral("Sound"),
                    {QStringLiteral("Disabled"), QStringLiteral("Enabled"), QStringLiteral("Only Warnings")}, area);
    grid->addWidget(NewLabel(QStringLiteral("Sound Selection"), Sound, area), 2, 4);
    grid->addWidget(Sound, 2, 5);

    BacklightLCD = NewList(QStringLiteral("BacklightLCD"),
                           {QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("AUTO")}, area);
    grid->addWidget(NewLabel(QStringLiteral("Backlight Mode"), BacklightLCD, area), 3, 4);
    grid->addWidget(BacklightLCD, 3, 5);

    ContrastLCD = new QSlider(Qt::Horizontal, area);
    ContrastLCD->setObjectName(QStringLiteral("ContrastLCD"));
    ContrastLCD->setRange(0, 3);
    ContrastLCD->setPageStep(1);
    ContrastLCD->setTickInterval(1);
    ContrastLCD->setTickPosition(QSlider::TicksBelow);
    grid->addWidget(NewLabel(QStringLiteral("Display Contrast (Min  -  Max)"), ContrastLCD, area), 4, 4);
    grid->addWidget(ContrastLCD, 4, 5);
    grid->setColumnStretch(5, 1);
}

QGroupBox* TCfgEditorDlg::BuildBand(int band)
{
    const QString n = QString::number(band + 1);
    TBandControls& c = Bands[band];

    c.GroupBox = new QGroupBox(QStringLiteral("SCAN %1 ").arg(n), this);
    c.GroupBox->setObjectName(QStringLiteral("GroupBox") + n);
    auto* grid = new QGridLayout(c.GroupBox);

    c.ScanEnable = new QCheckBox(QStringLiteral("Enable"), c.GroupBox);
    c.ScanEnable->setObjectName(QStringLiteral("ScanEnable") + n);
    // The first band is always scanned.
    if (band == 0) {
        c.ScanEnable->setChecked(true);
        c.ScanEnable->setEnabled(false);
    }
    grid->addWidget(c.ScanEnable, 0, 0, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("Center (KHz)"), c.GroupBox), 1, 1, Qt::AlignHCenter);

    c.ScanStartFreq = NewNumberEdit(QStringLiteral("ScanStartFreq") + n, 90, c.GroupBox);
    grid->addWidget(NewLabel(QStringLiteral("Start Freq"), c.ScanStartFreq, c.GroupBox), 2, 0);
    grid->addWidget(c.ScanStartFreq, 2, 1);
    OnExit(c.ScanStartFreq, [this, band] { ScanFreqExit(band, false); });

    c.ScanEndFreq = NewNumberEdit(QStringLiteral("ScanEndFreq") + n, 90, c.GroupBox);
    grid->addWidget(NewLabel(QStringLiteral("End Freq"), c.ScanEndFreq, c.GroupBox), 3, 0);
    grid->addWidget(c.ScanEndFreq, 3, 1);
    OnExit(c.ScanEndFreq, [this, band] { ScanFreqExit(band, true); });

    c.ScanBw = new TCfgRadioGroup(QStringLiteral("STEP SCAN"),
                                  {QStringLiteral("BW: 5MHz"), QStringLiteral("BW: 6MHz"), QStringLiteral("BW: 7MHz"),
                                   QStringLiteral("BW: 8MHz")},
                                  2, c.GroupBox);
    c.ScanBw->setObjectName(QStringLiteral("ScanBw") + n);
    c.ScanBw->setToolTip(QStringLiteral("BW: 5MHz, 6MHz, 7MHz or 8MHz"));
    grid->addWidget(c.ScanBw, 4, 0, 1, 2);

    c.InitialChar = NewList(QStringLiteral("InitialChar") + n, InitialCharItems(), c.GroupBox);
    c.InitialChar->setMaxVisibleItems(14);
    grid->addWidget(NewLabel(QStringLiteral("Initial Char"), c.InitialChar, c.GroupBox), 5, 0);
    grid->addWidget(c.InitialChar, 5, 1);
    OnExit(c.InitialChar, [this, band] { InitialCharExit(band); });

    c.InitialIndex = new TCfgSpinner(c.GroupBox);
    c.InitialIndex->setObjectName(QStringLiteral("InitialIndex") + n);
    c.InitialIndex->setRange(0, MaxInitialIndex);
    grid->addWidget(NewLabel(QStringLiteral("Initial Index"), c.InitialIndex, c.GroupBox), 6, 0);
    grid->addWidget(c.InitialIndex, 6, 1);
    return c.GroupBox;
}

void TCfgEditorDlg::BuildButtons(QLayout* row)
{
    auto* box = static_cast<QHBoxLayout*>(row);
    box->addStretch(1);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    box->addWidget(OKBtn);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    box->addWidget(CancelBtn);

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

// ---- Events ----

void TCfgEditorDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        FormShow();
        if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TCfgEditorDlg::keyPressEvent(QKeyEvent* event)
{
    // Esc is Cancel, with its restore; the title-bar close only closes.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelBtn->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TCfgEditorDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // Opening a list's drop-down or another window taking over is not
        // leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            const auto check = FExitChecks.constFind(static_cast<QWidget*>(watched));
            if (check != FExitChecks.constEnd() && isVisible()) (*check)();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Show ----

void TCfgEditorDlg::FormShow()
{
    const int model = FMainForm.GetEquipmentModel();
    const int n = PointCountFor(model, FMainForm.GetEquipmentVersion());
    EdPointIndex->setRange(1, n);
    EdLastIndex->setRange(1, n);
    ContrastLCD->setRange(0, 3);

    FProfile.SnapshotConfig();
    FProfile.SnapshotBands();

    ShowConfig();
    for (int band = 0; band < BandCount; ++band) ShowBand(band);

    const bool isdbT = model == IsdbTModelRow;
    Bands[0].ScanBw->setEnabled(!isdbT);
    Bands[1].ScanBw->setEnabled(!isdbT);
    // The ISDB-T edition scans its first two bands on the fixed 6 MHz raster,
    // whatever the model holds; OK stores what these fields then show.
    if (isdbT) {
        ShowIsdbTBand(0, 473142857, 803142857, 14);
        ShowIsdbTBand(1, 177142857, 213142857, 7);
    }
}

void TCfgEditorDlg::ShowConfig()
{
    // Limited here: a wrapping spinner would turn 61 of 50 into 1.
    EdPointIndex->setValue(std::min(FProfile.GetPointIndex() + 1, EdPointIndex->maximum()));
    EdLastIndex->setValue(std::min(FProfile.GetLastIndex() + 1, EdLastIndex->maximum()));
    EPStask->SetItemIndex(FProfile.GetEPStask() == EPStaskOff ? EPSControlOff : EPSControlOn);
    EdMinDetLev->setText(QString::number(FProfile.GetMinDetLev()));
    EdSNRHiQ->setText(FormatOneDecimal(FProfile.GetSNRHiQ() * 0.1));

    const int ber = FProfile.GetShowBER();
    ShowBER->setCurrentIndex(ber >= 1 && ber <= 3 ? ber - 1 : 0);
    const int units = FProfile.GetUnits();
    Units->setCurrentIndex(units == 1 || units == 2 ? units : 0);
    const int sound = FProfile.GetSound();
    Sound->setCurrentIndex(sound == 0 || sound == 2 ? sound : 1);
    const int backlight = FProfile.GetBacklightLCD();
    BacklightLCD->setCurrentIndex(backlight <= 2 ? backlight : -1);
    ContrastLCD->setValue(FProfile.GetContrastLCD());
}

void TCfgEditorDlg::ShowBand(int band)
{
    TBandControls& c = Bands[band];
    c.ScanEnable->setChecked(FProfile.GetBandEnable(band) != 0);
    c.ScanStartFreq->setText(FormatHzAsKHz(FProfile.GetBandStart(band)));
    c.ScanEndFreq->setText(FormatHzAsKHz(FProfile.GetBandEnd(band)));

    const int bw = FProfile.GetBandBw(band);
    c.ScanBw->SetItemIndex(bw >= FirstBw && bw < FirstBw + BwItems ? bw - FirstBw : BwItems - 1);

    const int ch = FProfile.GetBandInitialChar(band);
    c.InitialChar->setCurrentIndex(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 1 : BlankItem);

    c.InitialIndex->setRange(0, MaxInitialIndex);
    c.InitialIndex->setValue(FProfile.GetBandInitialIndex(band));
}

void TCfgEditorDlg::ShowIsdbTBand(int band, std::uint32_t startHz, std::uint32_t endHz, int initialIndex)
{
    TBandControls& c = Bands[band];
    c.ScanBw->SetItemIndex(6 - FirstBw);
    c.ScanStartFreq->setText(FormatHzAsKHz(startHz));
    c.ScanEndFreq->setText(FormatHzAsKHz(endHz));
    c.InitialChar->setCurrentIndex(BlankItem);
    c.InitialIndex->setValue(initialIndex);
}

// ---- Checks on leaving a field ----

void TCfgEditorDlg::ShowError(const QString& text)
{
    FPrompter.Message(ErrorCaption, text, TMsgIcon::Error, TMsgButton::Ok);
}

std::optional<int> TCfgEditorDlg::ReadWholeNumber(QLineEdit* field)
{
    const std::optional<int> value = ParseWholeNumber(field->text());
    if (!value) ShowError(NotAnIntegerText(field->text()));
    return value;
}

std::optional<double> TCfgEditorDlg::ReadDecimal(QLineEdit* field)
{
    const std::optional<double> value = ParseDecimal(field->text());
    if (!value) ShowError(NotAFloatText(field->text()));
    return value;
}

void TCfgEditorDlg::ApplyLocaleComma(QLineEdit* field)
{
    const QString text = WithLocaleDecimalComma(field->text());
    if (text != field->text()) field->setText(text);
}

void TCfgEditorDlg::EdMinDetLevExit()
{
    const std::optional<int> value = ReadWholeNumber(EdMinDetLev);
    if (!value) return;
    EdMinDetLev->setText(QString::number(std::clamp(*value, MinDetLevLow, MinDetLevHigh)));
}

void TCfgEditorDlg::EdSNRHiQExit()
{
    const std::optional<double> value = ReadDecimal(EdSNRHiQ);
    if (!value) return;
    float db = static_cast<float>(*value);
    if (!(db >= SNRHiQLow))
        db = SNRHiQLow;
    else if (db > SNRHiQHigh)
        db = SNRHiQHigh;
    EdSNRHiQ->setText(FormatOneDecimal(db));
}

void TCfgEditorDlg::ScanFreqExit(int band, bool endField)
{
    QLineEdit* field = endField ? Bands[band].ScanEndFreq : Bands[band].ScanStartFreq;
    QLineEdit* other = endField ? Bands[band].ScanStartFreq : Bands[band].ScanEndFreq;

    ApplyLocaleComma(field);
    const std::optional<double> kHz = ReadDecimal(field);
    if (!kHz) return;
    const std::uint32_t hz = KHzToHz(*kHz);
    if (hz > MaxBandHz) {
        field->setText(FormatHzAsKHz(MinBandHz));
        ShowError(QStringLiteral("Max Freq 858MHz"));
        return;
    }
    if (hz < MinBandHz) {
        field->setText(FormatHzAsKHz(MinBandHz));
        ShowError(QStringLiteral("Min Freq 170MHz"));
        return;
    }

    const std::optional<double> otherKHz = ReadDecimal(other);
    if (!otherKHz) return;
    const std::uint32_t otherHz = KHzToHz(*otherKHz);
    const std::uint32_t start = endField ? otherHz : hz;
    const std::uint32_t end = endField ? hz : otherHz;
    if (end >= start) return;
    if (endField) {
        field->setText(FormatHzAsKHz(MaxBandHz));
        ShowError(QStringLiteral("End Freq must be higher than Start Freq!"));
    } else {
        field->setText(FormatHzAsKHz(MinBandHz));
        ShowError(QStringLiteral("Start Freq must be lower than End Freq"));
    }
}

void TCfgEditorDlg::InitialCharExit(int band)
{
    QComboBox* list = Bands[band].InitialChar;
    const int item = ShownItem(list);
    list->setCurrentIndex(item < 0 ? BlankItem : item);
}

// ---- OK and Cancel ----

// Every numeric field is checked before anything is stored: a field that
// does not convert must not leave the model half written and different from
// both the screen and the file.
bool TCfgEditorDlg::AllNumbersConvert()
{
    const auto fail = [](QLineEdit* field) {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return false;
    };
    if (!ReadWholeNumber(EdMinDetLev)) return fail(EdMinDetLev);
    if (!ReadDecimal(EdSNRHiQ)) return fail(EdSNRHiQ);
    for (const TBandControls& c : Bands) {
        for (QLineEdit* field : {c.ScanStartFreq, c.ScanEndFreq}) {
            ApplyLocaleComma(field);
            if (!ReadDecimal(field)) return fail(field);
        }
    }
    return true;
}

bool TCfgEditorDlg::OKBtnClick()
{
    if (!AllNumbersConvert()) return false;

    int first = EdPointIndex->value();
    int last = EdLastIndex->value();
    if (first > last) first = last;
    if (first > 0 && last > 0) {
        --first;
        --last;
    }
    FProfile.SetPointIndex(static_cast<std::uint8_t>(first));
    FProfile.SetLastIndex(static_cast<std::uint8_t>(last));

    FProfile.SetEPStask(EPStask->ItemIndex() == EPSControlOff ? EPStaskOff : 0);
    FProfile.SetEPSaux(EPSauxOnOk);

    // The thresholds are stored as typed: the limits apply on leaving a field.
    FProfile.SetMinDetLev(static_cast<std::uint16_t>(*ParseWholeNumber(EdMinDetLev->text())));
    FProfile.SetSNRHiQ(static_cast<std::uint16_t>(TruncScaled(*ParseDecimal(EdSNRHiQ->text()), 10)));

    FProfile.SetShowBER(static_cast<std::uint8_t>(ShownItem(ShowBER) + 1));
    FProfile.SetUnits(static_cast<std::uint8_t>(ShownItem(Units)));
    FProfile.SetSound(static_cast<std::uint8_t>(ShownItem(Sound)));
    FProfile.SetContrastLCD(static_cast<std::uint8_t>(ContrastLCD->value()));
    FProfile.SetBacklightLCD(static_cast<std::uint8_t>(ShownItem(BacklightLCD)));

    for (int band = 0; band < BandCount; ++band) StoreBand(band);

    FMainForm.SetModified();
    return true;
}

void TCfgEditorDlg::StoreBand(int band)
{
    TBandControls& c = Bands[band];
    FProfile.SetBandEnable(band, band == 0 || c.ScanEnable->isChecked() ? 1 : 0);

    // The texts converted in AllNumbersConvert(); no range check here.
    ApplyLocaleComma(c.ScanStartFreq);
    FProfile.SetBandStart(band, KHzToHz(*ParseDecimal(c.ScanStartFreq->text())));
    ApplyLocaleComma(c.ScanEndFreq);
    FProfile.SetBandEnd(band, KHzToHz(*ParseDecimal(c.ScanEndFreq->text())));

    const int bwItem = c.ScanBw->ItemIndex();
    FProfile.SetBandBw(band, static_cast<std::uint8_t>(bwItem >= 0 && bwItem < BwItems ? FirstBw + bwItem : 8));

    if (ShownItem(c.InitialChar) < 0) c.InitialChar->setCurrentIndex(BlankItem);
    const int charItem = ShownItem(c.InitialChar);
    FProfile.SetBandInitialChar(band, static_cast<std::uint8_t>(charItem >= 1 && charItem <= 26 ? 'A' + charItem - 1 : ' '));

    const int index = c.InitialIndex->value();
    FProfile.SetBandInitialIndex(band, static_cast<std::uint8_t>(index > MaxInitialIndex ? 0 : index));
}

void TCfgEditorDlg::CancelBtnClick()
{
    FProfile.RestoreConfig();
    FProfile.RestoreBands();
}

}  // namespace orvantis
