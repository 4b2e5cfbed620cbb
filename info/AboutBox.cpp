#include "AboutBox.h"

#include "ProgramInfo.h"
#include "ProgramPicture.h"
#include "VersionInfo.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <qdrawutil.h>

namespace orvantis {

namespace {

// A panel with a lowered outer and a raised inner bevel.
class TBevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        qDrawShadePanel(&p, rect(), palette(), true, 1);
        qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

QLabel* MakeLabel(QWidget* parent, const char* name, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    return label;
}

QFont PixelFont(const QFont& base, int pixels, bool bold)
{
    QFont font(base);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setFixedSize(298, 218);
    // The placement was laid out for a small font of Arial's widths.
    QFont boxFont = PixelFont(font(), 11, false);
    boxFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                         QStringLiteral("Helvetica")});
    setFont(boxFont);

    Panel1 = new TBevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(7, 7, 281, 169);

    ProgramIcon = MakeLabel(Panel1, "ProgramIcon", 8, 26);
    ProgramIcon->resize(110, 66);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ProgramPicture(220, 132));

    ProductName = MakeLabel(Panel1, "ProductName", 130, 20);
    ProductName->setFont(PixelFont(font(), 19, true));
    QPalette navy = ProductName->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ProductName->setPalette(navy);

    Version = MakeLabel(Panel1, "Version", 130, 52);

    Copyright = MakeLabel(Panel1, "Copyright", 7, 111);
    Copyright->setFont(PixelFont(font(), 12, true));

    Comments = MakeLabel(Panel1, "Comments", 7, 130);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Comments->resize(233, 26);
    Comments->setText(tr(
        "Remote control and configuration for Orvantis+. ORVANTIS+ - Terrestrial Analyser DVB-T/T2."));

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 187, 75, 24);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    ProductName->setText(QString::fromLatin1(ProgramName));
    Version->setText(tr("Version ") + QString::fromLatin1(ProgramVersion));
    SetNotice(QString::fromLatin1(ProgramNotice));
    for (QLabel* label : {ProductName, Version}) label->adjustSize();
    // Fonts wider than the ones the box was laid out for need a third line.
    Comments->resize(233, std::clamp(Comments->heightForWidth(233), 26, Panel1->height() - 4 - Comments->y()));
}

void TAboutBox::SetNotice(const QString& notice)
{
    // A notice wider than the panel is cut short; the tool tip shows it whole.
    const int room = Panel1->width() - 2 * Copyright->x();
    const QString shown = Copyright->fontMetrics().elidedText(notice, Qt::ElideRight, room);
    Copyright->setText(shown);
    Copyright->setToolTip(shown == notice ? QString() : notice);
    Copyright->adjustSize();
}

void TAboutBox::showEvent(QShowEvent* event)
{
    FormShow();
    if (const QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TAboutBox::FormShow()
{
    const QString file = FVersionFile.isEmpty() ? QCoreApplication::applicationFilePath() : FVersionFile;
    TVersionInfo info(file);
    const char* value = nullptr;
    if (info.GetProductName(value)) ProductName->setText(QString::fromLatin1(value));
    if (info.GetProductVersion(value)) Version->setText(QString::fromLatin1(value));
    if (info.GetLegalCopyright(value)) SetNotice(QString::fromLatin1(value));
    for (QLabel* label : {ProductName, Version}) label->adjustSize();
}

}  // namespace orvantis
