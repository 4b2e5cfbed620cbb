#include "MessEditDlg.h"

#include "DialogParts.h"
#include "EditedProject.h"
#include "PasswordDlg.h"
#include "TextCodec.h"
#include "WrapUpDown.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvantis {

namespace {

const QString Ruler = QStringLiteral("0123456789ABCDEFGHIJKL");
constexpr int LastMessage = MessageCount - 1;

// A small padlock for the password button.
QIcon PadlockIcon()
{
    QPixmap image(32, 32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(9, 3, 14, 18), 0, 180 * 16);
    painter.drawLine(QPointF(9, 12), QPointF(9, 15));
    painter.drawLine(QPointF(23, 12), QPointF(23, 15));
    painter.setPen(QPen(QColor(120, 90, 10), 1.5));
    painter.setBrush(QColor(230, 180, 40));
    painter.drawRoundedRect(QRectF(5, 14, 22, 16), 3, 3);
    painter.setBrush(QColor(60, 40, 0));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(16, 21), 2.5, 2.5);
    painter.drawRect(QRectF(15, 22, 2, 5));
    return QIcon(image);
}

QLineEdit* MakeTextField(QWidget* parent, const QString& name, const QFont& font, const QString& hint)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFont(font);
    field->setToolTip(hint);
    field->setAccessibleName(hint);
    // Room for the whole ruler and a little more.
    field->setFixedWidth(QFontMetrics(font).horizontalAdvance(QString(Ruler.size() + 1, QLatin1Char('0'))) + 14);
    return field;
}

}  // namespace

TMessEditDlg::TMessEditDlg(IEditedProject& project, TPasswordDlg& passwordDlg, QWidget* parent)
    : TFormDialog(parent), FProject(project), FProfile(&project.GetProfile()), FPasswordDlg(passwordDlg)
{
    BuildControls();
    connect(&FPasswordDlg, &TPasswordDlg::AccessLevelChecked, this, &TMessEditDlg::SetAccessLevel);
}

QString TMessEditDlg::RulerText(int length)
{
    return Ruler.left(std::max(0, length));
}

void TMessEditDlg::BuildControls()
{
    setObjectName(QStringLiteral("MessEditDlg"));
    setWindowTitle(tr("Text messages editor"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    const TIndexRow index = MakeIndexRow(this, tr("Select the message to edit:"), QStringLiteral("Edit1"));
    Edit1 = index.Edit;
    UpDown1 = index.UpDown;
    QHBoxLayout* indexRow = index.Layout;

    MessageNoEdit = MakeTextField(this, QStringLiteral("MessageNoEdit"), fixed, tr("current message"));
    MessageNoEdit->setEnabled(false);
    QPalette silver = MessageNoEdit->palette();
    silver.setColor(QPalette::Disabled, QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::Disabled, QPalette::Text, QColor(0x50, 0x50, 0x50));
    MessageNoEdit->setPalette(silver);

    // A bordered field of its own, so that its characters line up with
    // those of the two text fields.
    StaticText1 = MakeTextField(this, QStringLiteral("StaticText1"), fixed, tr("hex index"));
    StaticText1->setReadOnly(true);
    StaticText1->setFocusPolicy(Qt::NoFocus);
    QPalette plain = StaticText1->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    StaticText1->setPalette(plain);

    MessageEdit = MakeTextField(this, QStringLiteral("MessageEdit"), fixed, tr("editable window"));
    QPalette greyed = MessageEdit->palette();
    greyed.setColor(QPalette::Disabled, QPalette::Text, QColor(0x70, 0x70, 0x70));
    MessageEdit->setPalette(greyed);

    RestoreButton = new QToolButton(this);
    RestoreButton->setObjectName(QStringLiteral("RestoreButton"));
    RestoreButton->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    RestoreButton->setToolTip(tr("restore text"));
    RestoreButton->setAccessibleName(RestoreButton->toolTip());
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(PadlockIcon());
    SpeedButton1->setToolTip(tr("enter password"));
    SpeedButton1->setAccessibleName(SpeedButton1->toolTip());
    for (QToolButton* button : {RestoreButton, SpeedButton1}) {
        button->setIconSize(QSize(18, 18));
        button->setFocusPolicy(Qt::TabFocus);
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(new QLabel(tr("current:"), this), 0, 0);
    grid->addWidget(MessageNoEdit, 0, 1);
    grid->addWidget(StaticText1, 1, 1);
    auto* editedLabel = new QLabel(tr("edited:"), this);
    editedLabel->setBuddy(MessageEdit);
    grid->addWidget(editedLabel, 2, 0);
    grid->addWidget(MessageEdit, 2, 1);
    grid->addWidget(RestoreButton, 2, 2);
    grid->addWidget(SpeedButton1, 2, 3);
    grid->setColumnStretch(4, 1);

    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;

    auto* page = new QVBoxLayout(this);
    page->setSizeConstraint(QLayout::SetFixedSize);
    page->setSpacing(12);
    page->addLayout(indexRow);
    page->addLayout(grid);
    page->addLayout(buttons.Layout);

    setTabOrder(Edit1, MessageEdit);
    setTabOrder(MessageEdit, RestoreButton);
    setTabOrder(RestoreButton, SpeedButton1);
    setTabOrder(SpeedButton1, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    connect(UpDown1, &TWrapUpDown::Clicked, this, &TMessEditDlg::UpDown1Click);
    connect(RestoreButton, &QToolButton::clicked, this, &TMessEditDlg::RestoreButtonClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TMessEditDlg::SpeedButton1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TMessEditDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TMessEditDlg::reject);
}

void TMessEditDlg::FormShow()
{
    FAccessLevel = 0;
    UpDown1->SetRange(0, LastMessage);
    UpDown1->SetPosition(0);
    MessageNoEdit->clear();
    MessageEdit->clear();
    FCurrentMessage = static_cast<std::uint16_t>(UpDown1->Position());
    Edit1->setText(QString::number(FCurrentMessage));
    FProfile->SnapshotMessages();
    LoadMessage();
    Edit1->setFocus();
}

void TMessEditDlg::LoadMessage()
{
    const int i = FCurrentMessage;
    // One character per byte both ways, so an untouched text is stored unchanged.
    const QString stored = QString::fromLatin1(FProfile->GetMessageText(i));
    const int length = FProfile->GetMessageLength(i);
    MessageNoEdit->setText(stored);
    const bool editable = FProfile->CanEditMessage(i, FAccessLevel);
    MessageEdit->setReadOnly(!editable);
    MessageEdit->setEnabled(editable);
    // The limit first: a shorter limit left from the previous message would
    // cut this text.
    MessageEdit->setMaxLength(std::max(1, length));
    MessageEdit->setText(stored);
    StaticText1->setText(RulerText(length));
}

void TMessEditDlg::StoreMessage()
{
    FProfile->SetMessageText(FCurrentMessage, EncodeText(MessageEdit->text()));
}

void TMessEditDlg::SetAccessLevel(int level)
{
    FAccessLevel = level;
    LoadMessage();
}

void TMessEditDlg::UpDown1Click()
{
    StoreMessage();
    FCurrentMessage = static_cast<std::uint16_t>(UpDown1->Position());
    Edit1->setText(QString::number(FCurrentMessage));
    LoadMessage();
}

void TMessEditDlg::RestoreButtonClick()
{
    LoadMessage();
}

void TMessEditDlg::SpeedButton1Click()
{
    FPasswordDlg.exec();
}

void TMessEditDlg::OKBtnClick()
{
    StoreMessage();
    FProject.SetModified();
    accept();
}

// Cancel, Esc and the close box all come here: Texts stored by moving to
// another one must not stay in the project without it being marked modified.
void TMessEditDlg::reject()
{
    FProfile->RestoreMessages();
    QDialog::reject();
}

}  // namespace orvantis
