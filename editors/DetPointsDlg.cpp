#include "DetPointsDlg.h"

#include "DialogParts.h"
#include "EditedProject.h"
#include "NumberText.h"
#include "PointWords.h"
#include "Prompter.h"
#include "TextCodec.h"
#include "WrapUpDown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace orvantis {

namespace {

constexpr int FrequencyFieldLength = 8;

QString ErrorCaption()
{
    return QCoreApplication::translate("orvantis::TDetPointsDlg", "ORVANTIS+ error");
}

QString AutoHint()
{
    return QCoreApplication::translate("orvantis::TDetPointsDlg", "Usually, left as Auto");
}


// Whole kHz with one decimal, as "650000.0". The value is shown exactly, so
// confirming a point the user did not touch stores what was there.
QString FrequencyText(std::uint32_t kHz)
{
    return FormatWholeOneDecimal(kHz);
}

QComboBox* MakeList(QWidget* parent, const QString& name, std::span<const std::string_view> words, const QString& hint)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(ListItems(words));
    list->setToolTip(hint);
    return list;
}

// The item of the whole standards list that the list on screen shows.
int StandardItemShown(const QComboBox* list)
{
    const QStringList all = ListItems(StandardWords);
    return std::max<int>(0, static_cast<int>(all.indexOf(list->currentText())));
}

}  // namespace

TDetPointsDlg::TDetPointsDlg(IEditedProject& project, IPrompter& prompter, QWidget* parent)
    : TFormDialog(parent), FProject(project), FProfile(&project.GetProfile()), FPrompter(prompter)
{
    BuildControls();
}

void TDetPointsDlg::BuildControls()
{
    setObjectName(QStringLiteral("DetPointsDlg"));
    setWindowTitle(tr("Detection points editor"));

    const TIndexRow index = MakeIndexRow(this, tr("Select index to edit a test point: "), QStringLiteral("EdMPIndex"));
    EdMPIndex = index.Edit;
    UpDown1 = index.UpDown;
    QHBoxLayout* indexRow = index.Layout;

    EdFreqKHz = new QLineEdit(this);
    EdFreqKHz->setObjectName(QStringLiteral("EdFreqKHz"));
    EdFreqKHz->setMaxLength(FrequencyFieldLength);
    EdFreqKHz->setAlignment(Qt::AlignRight);
    EdFreqKHz->installEventFilter(this);
    EdName = new QLineEdit(this);
    EdName->setObjectName(QStringLiteral("EdName"));
    EdName->setMaxLength(PointNameLength);
    SpecInvCBox = new QCheckBox(tr("Spectral inversion"), this);
    SpecInvCBox->setObjectName(QStringLiteral("SpecInvCBox"));
    SpecInvCBox->setToolTip(tr("Autodetected, if not specified"));
    FFT = MakeList(this, QStringLiteral("FFT"), FftWords, AutoHint());
    Guard = MakeList(this, QStringLiteral("Guard"), GuardWords, AutoHint());
    BW = MakeList(this, QStringLiteral("BW"), BandwidthWords, AutoHint());
    Standard = MakeList(this, QStringLiteral("Standard"), {}, AutoHint());
    SetStandardItems(false);
    connect(Standard, &QComboBox::activated, this, [this] { FStandardChosen = true; });
    const int fieldWidth = EdFreqKHz->fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWWWWW"));
    for (QWidget* field : {static_cast<QWidget*>(EdFreqKHz), static_cast<QWidget*>(EdName)})
        field->setFixedWidth(fieldWidth);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* field, QWidget* after = nullptr) {
        auto* text = new QLabel(label, this);
        LinkLabel(text, field);
        grid->addWidget(text, row, 0);
        grid->addWidget(field, row, 1);
        if (after) grid->addWidget(after, row, 2);
        ++row;
    };
    addRow(tr("Frequency"), EdFreqKHz, new QLabel(QStringLiteral("KHz"), this));
    addRow(tr("Channel Name (8 chars)"), EdName);
    addRow(tr("Standard"), Standard);
    addRow(tr("BW Filter"), BW);
    addRow(tr("FFT Mode"), FFT);
    addRow(tr("Guard Interval"), Guard);
    grid->addWidget(SpecInvCBox, row, 1, 1, 2);
    grid->setColumnStretch(3, 1);

    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    // A click on OK or Cancel leaves the focus in the field being edited,
    // so leaving the frequency field never opens a box under the click.
    OKBtn->setFocusPolicy(Qt::TabFocus);
    CancelBtn->setFocusPolicy(Qt::TabFocus);
    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->setSpacing(12);
    page->addLayout(indexRow);
    page->addLayout(grid);
    page->addLayout(buttons.Layout);

    setTabOrder(EdMPIndex, EdFreqKHz);
    setTabOrder(EdFreqKHz, EdName);
    setTabOrder(EdName, Standard);
    setTabOrder(Standard, BW);
    setTabOrder(BW, FFT);
    setTabOrder(FFT, Guard);
    setTabOrder(Guard, SpecInvCBox);
    setTabOrder(SpecInvCBox, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    connect(UpDown1, &TWrapUpDown::Clicked, this, &TDetPointsDlg::UpDown1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TDetPointsDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDetPointsDlg::reject);
}

void TDetPointsDlg::SetStandardItems(bool isdbTOnly)
{
    Standard->clear();
    Standard->addItems(ListItems(StandardChoices(isdbTOnly)));
    Standard->setCurrentIndex(0);
}

void TDetPointsDlg::FormShow()
{
    UpDown1->SetRange(1, FProfile->PointCount());
    UpDown1->SetPosition(1);
    FExitPending = false;

    FCurrentPoint = static_cast<std::uint16_t>(UpDown1->Position());
    EdMPIndex->setText(QString::number(FCurrentPoint));
    FProfile->SnapshotPoints();
    LoadPoint();
    EdFreqKHz->setFocus();
}

// The point and what may be changed come from the same rules as the point
// list and the points files; the instrument's fixed values are shown again
// at every load.
void TDetPointsDlg::LoadPoint()
{
    const TPointRules rules = TPointRules::Of(*FProfile);
    const TPointEntry shown = ShownEntry(*FProfile, FCurrentPoint - 1, rules);

    // The field may show more than it lets the user type, never less.
    const QString frequency = FrequencyText(shown.FreqKHz);
    EdFreqKHz->setMaxLength(std::max<int>(FrequencyFieldLength, static_cast<int>(frequency.size())));
    EdFreqKHz->setText(frequency);
    SpecInvCBox->setChecked(shown.SpecInv != 0);
    Guard->setCurrentIndex(shown.Guard);
    FFT->setCurrentIndex(shown.Fft);
    BW->setCurrentIndex(shown.Bandwidth);

    // A point of another edition shows its standard alone; the next point
    // gets the instrument's own list back.
    FStandardChosen = false;
    SetStandardItems(shown.Standard == StandardItemIsdbT);
    Standard->setCurrentText(ListItems(StandardWords).value(shown.Standard));

    SpecInvCBox->setEnabled(IsEditable(TPointColumn::SpectralInversion, shown, rules));
    Guard->setEnabled(IsEditable(TPointColumn::Guard, shown, rules));
    FFT->setEnabled(IsEditable(TPointColumn::Fft, shown, rules));
    BW->setEnabled(IsEditable(TPointColumn::Bandwidth, shown, rules));
    Standard->setEnabled(IsEditable(TPointColumn::Standard, shown, rules));

    // One character per byte both ways, so an untouched name is stored unchanged.
    EdName->setText(QString::fromLatin1(shown.Name.c_str()));
}

std::optional<double> TDetPointsDlg::FrequencyValue()
{
    const std::optional<double> value = ParseDecimal(EdFreqKHz->text());
    if (!value) FPrompter.Message(ErrorCaption(), NotAFloatText(EdFreqKHz->text()), TMsgIcon::Error);
    return value;
}

void TDetPointsDlg::ApplyDecimalRule()
{
    const QString text = WithLocaleDecimalComma(EdFreqKHz->text());
    if (text != EdFreqKHz->text()) EdFreqKHz->setText(text);
}

bool TDetPointsDlg::FrequencyCheck()
{
    const std::optional<double> value = FrequencyValue();
    if (!value) return false;
    const double kHz = std::trunc(*value);
    const TPointRules rules = TPointRules::Of(*FProfile);
    const std::uint32_t minimum = rules.MinKHz;
    // A negative entry counts as above the maximum.
    if (kHz < 0 || kHz > rules.MaxKHz) {
        EdFreqKHz->setText(FrequencyText(rules.MaxKHz));
        FPrompter.Message(ErrorCaption(), tr("Max Freq 858MHz"), TMsgIcon::Error);
        return false;
    }
    if (kHz < minimum) {
        EdFreqKHz->setText(FrequencyText(minimum));
        FPrompter.Message(ErrorCaption(), tr("Min Freq 170MHz"), TMsgIcon::Error);
        return false;
    }
    return true;
}

void TDetPointsDlg::StorePoint()
{
    ApplyDecimalRule();
    const std::optional<double> value = ParseDecimal(EdFreqKHz->text());
    // Callers check the field first; a text that is no number stores nothing.
    if (!value || *value < 0 || *value >= 4294967296.0) return;

    TPointEntry entry;
    entry.FreqKHz = static_cast<std::uint32_t>(*value);
    entry.SpecInv = SpecInvCBox->isChecked() ? 1 : 0;
    entry.Bandwidth = BW->currentIndex();
    entry.Fft = FFT->currentIndex();
    entry.Guard = Guard->currentIndex();
    entry.Standard = StandardItemShown(Standard);
    entry.Name = EncodeText(EdName->text());
    WriteEntry(*FProfile, FCurrentPoint - 1, entry, TPointRules::Of(*FProfile), FStandardChosen);
}

void TDetPointsDlg::UpDown1Click()
{
    FExitPending = false;
    // Refused: the point on screen stays, though the spinner has moved on.
    if (!FrequencyCheck()) return;
    StorePoint();
    FCurrentPoint = static_cast<std::uint16_t>(UpDown1->Position());
    EdMPIndex->setText(QString::number(FCurrentPoint));
    LoadPoint();
}

void TDetPointsDlg::EdFreqKHzExit()
{
    ApplyDecimalRule();
    FrequencyCheck();
}

void TDetPointsDlg::OKBtnClick()
{
    FExitPending = false;
    // The instrument takes no frequency outside its limits: an entry that is
    // no number or out of range keeps the dialog open, repaired where it can.
    ApplyDecimalRule();
    if (!FrequencyCheck()) {
        EdFreqKHz->setFocus();
        return;
    }
    StorePoint();
    FProject.SetModified();
    accept();
}

// Cancel, Esc and the close box all come here: Points stored by moving to
// another one must not stay in the project without it being marked modified.
void TDetPointsDlg::reject()
{
    FExitPending = false;
    FProfile->RestorePoints();
    QDialog::reject();
}

void TDetPointsDlg::ScheduleExitCheck()
{
    FExitPending = true;
    // A box opened while a mouse button is down would swallow its release;
    // wait for the click to finish first.
    if (QApplication::mouseButtons() != Qt::NoButton) {
        if (!FWaitingForRelease) {
            FWaitingForRelease = true;
            QCoreApplication::instance()->installEventFilter(this);
        }
        return;
    }
    QMetaObject::invokeMethod(this, &TDetPointsDlg::RunPendingExitCheck, Qt::QueuedConnection);
}

void TDetPointsDlg::RunPendingExitCheck()
{
    if (!FExitPending || !isVisible()) return;
    // A list opened by the click stays in charge until it closes.
    if (QWidget* popup = QApplication::activePopupWidget()) {
        FOpenPopup = popup;
        popup->installEventFilter(this);
        return;
    }
    FExitPending = false;
    EdFreqKHzExit();
}

bool TDetPointsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EdFreqKHz && event->type() == QEvent::FocusOut) {
        // Only a move to another control of this dialog; not a message box
        // or another window taking the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason && isVisible())
            ScheduleExitCheck();
    } else if (watched == FOpenPopup && event->type() == QEvent::Hide) {
        FOpenPopup->removeEventFilter(this);
        FOpenPopup = nullptr;
        QMetaObject::invokeMethod(this, &TDetPointsDlg::RunPendingExitCheck, Qt::QueuedConnection);
    } else if (FWaitingForRelease && event->type() == QEvent::MouseButtonRelease) {
        FWaitingForRelease = false;
        QCoreApplication::instance()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &TDetPointsDlg::RunPendingExitCheck, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvantis
