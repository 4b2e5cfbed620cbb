#include "CfgEditorDlg.h"

#include "NumberText.h"
#include "CfgRadioGroup.h"
#include "CfgSpinner.h"
#include "DialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

#include <QCoreApplication>

namespace orvantis {

namespace {

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

QString ErrorCaption()
{
    return QCoreApplication::translate("orvantis::TCfgEditorDlg", "Orvantis error");
}


// The item whose text the list shows. The lists accept typed text, and a
// text that is not exactly an item's, case included, selects none: "q" is
// not "Q", "on" is not "ON".
int ShownItem(const QComboBox* list)
{
    return list->findText(list->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
}

}  // namespace

// ---- Events ----

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
    const int n = FProfile.PointCount();
    EdPointIndex->setRange(1, n);
    EdLastIndex->setRange(1, n);
    ContrastLCD->setRange(0, 3);

    FProfile.SnapshotConfig();
    FProfile.SnapshotBands();

    ShowConfig();
    for (int band = 0; band < BandCount; ++band) ShowBand(band);

    // The ISDB-T edition scans its first two bands on the fixed 6 MHz raster,
    // whatever the model holds; OK stores what these fields then show.
    const TInstrumentModel& model = FProfile.Model();
    for (int band = 0; band < BandCount; ++band) {
        const bool fixed = band < model.FixedBands;
        Bands[band].ScanBw->setEnabled(!fixed);
        if (fixed) ShowFixedBand(band, model.Defaults->Bands[static_cast<std::size_t>(band)]);
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

void TCfgEditorDlg::ShowFixedBand(int band, const TScanBand& factory)
{
    TBandControls& c = Bands[band];
    c.ScanBw->SetItemIndex(factory.Bw - FirstBw);
    c.ScanStartFreq->setText(FormatHzAsKHz(factory.StartFreq));
    c.ScanEndFreq->setText(FormatHzAsKHz(factory.EndFreq));
    c.InitialChar->setCurrentIndex(BlankItem);
    c.InitialIndex->setValue(factory.InitialIndex);
}

// ---- Checks on leaving a field ----

void TCfgEditorDlg::ShowError(const QString& text)
{
    FPrompter.Message(ErrorCaption(), text, TMsgIcon::Error, TMsgButton::Ok);
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
    const TFrequencyRange limits = FProfile.Model().BandHz;

    ApplyLocaleComma(field);
    const std::optional<double> kHz = ReadDecimal(field);
    if (!kHz) return;
    const std::uint32_t hz = KHzToHz(*kHz);
    if (hz > limits.Max) {
        field->setText(FormatHzAsKHz(limits.Min));
        ShowError(tr("Max Freq 858MHz"));
        return;
    }
    if (hz < limits.Min) {
        field->setText(FormatHzAsKHz(limits.Min));
        ShowError(tr("Min Freq 170MHz"));
        return;
    }

    const std::optional<double> otherKHz = ReadDecimal(other);
    if (!otherKHz) return;
    const std::uint32_t otherHz = KHzToHz(*otherKHz);
    const std::uint32_t start = endField ? otherHz : hz;
    const std::uint32_t end = endField ? hz : otherHz;
    if (end >= start) return;
    if (endField) {
        field->setText(FormatHzAsKHz(limits.Max));
        ShowError(tr("End Freq must be higher than Start Freq!"));
    } else {
        field->setText(FormatHzAsKHz(limits.Min));
        ShowError(tr("Start Freq must be lower than End Freq"));
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

    FProject.SetModified();
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
