#include "BackupsDlg.h"

#include "ProfileWords.h"
#include "TextCodec.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace orvantis {

namespace {

enum TColumn { ColInstrument, ColPort, ColTaken, ColPoints, ColumnCount };

// Room between the columns, in pixels.
constexpr int ColumnGap = 18;

// The differences a box shows in full; the rest are counted.
constexpr int DifferencesShown = 20;

QPushButton* Button(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QStringList Differences(const TProfile& first, const QString& firstName, const TProfile& second, const QString& secondName)
{
    QStringList lines;
    for (const std::string& line : DifferencesInWords(first, EncodeText(firstName), second, EncodeText(secondName)))
        lines << DecodeText(line);
    return lines;
}

}  // namespace

TBackupsDlg::TBackupsDlg(IPrompter& prompter, QString folder, const TProfile* projectInHand, QWidget* parent)
    : QDialog(parent),
      FPrompter(prompter),
      FFolder(std::move(folder)),
      FProject(projectInHand),
      FOpenUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("BackupsDlg"));
    setWindowTitle(tr("Instrument Backups"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    auto* instrumentLabel = new QLabel(tr("&Instrument:"), this);
    InstrumentBox = new QComboBox(this);
    InstrumentBox->setObjectName(QStringLiteral("InstrumentBox"));
    InstrumentBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    instrumentLabel->setBuddy(InstrumentBox);
    top->addWidget(instrumentLabel);
    top->addWidget(InstrumentBox);
    top->addStretch(1);
    layout->addLayout(top);

    BackupsTree = new QTreeWidget(this);
    BackupsTree->setObjectName(QStringLiteral("BackupsTree"));
    BackupsTree->setAccessibleName(tr("Backups"));
    BackupsTree->setColumnCount(ColumnCount);
    BackupsTree->setHeaderLabels({tr("Instrument"), tr("Port"), tr("Taken"), tr("Points in use")});
    BackupsTree->setRootIsDecorated(false);
    BackupsTree->setUniformRowHeights(true);
    BackupsTree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BackupsTree->setAllColumnsShowFocus(true);
    BackupsTree->header()->setStretchLastSection(true);
    layout->addWidget(BackupsTree, 1);

    FFolderLabel = new QLabel(this);
    FFolderLabel->setObjectName(QStringLiteral("FolderLabel"));
    FFolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FFolderLabel->setWordWrap(true);
    layout->addWidget(FFolderLabel);

    auto* buttons = new QHBoxLayout;
    OpenBtn = Button(QStringLiteral("OpenBtn"), tr("&Open"), this);
    CompareBtn = Button(QStringLiteral("CompareBtn"), tr("&Compare with Project"), this);
    CompareTwoBtn = Button(QStringLiteral("CompareTwoBtn"), tr("Compare &Two Selected"), this);
    RestoreBtn = Button(QStringLiteral("RestoreBtn"), tr("&Restore to Instrument..."), this);
    DeleteBtn = Button(QStringLiteral("DeleteBtn"), tr("&Delete"), this);
    ShowFolderBtn = Button(QStringLiteral("ShowFolderBtn"), tr("Show in &Folder"), this);
    for (QPushButton* button : {OpenBtn, CompareBtn, CompareTwoBtn, RestoreBtn, DeleteBtn, ShowFolderBtn})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("CloseBtn"));
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(OpenBtn, &QPushButton::clicked, this, &TBackupsDlg::OpenBtnClick);
    connect(CompareBtn, &QPushButton::clicked, this, &TBackupsDlg::CompareBtnClick);
    connect(CompareTwoBtn, &QPushButton::clicked, this, &TBackupsDlg::CompareTwoBtnClick);
    connect(RestoreBtn, &QPushButton::clicked, this, &TBackupsDlg::RestoreBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TBackupsDlg::DeleteBtnClick);
    connect(ShowFolderBtn, &QPushButton::clicked, this, &TBackupsDlg::ShowFolderBtnClick);
    connect(BackupsTree, &QTreeWidget::itemSelectionChanged, this, &TBackupsDlg::UpdateButtons);
    connect(BackupsTree, &QTreeWidget::itemDoubleClicked, this, &TBackupsDlg::OpenBtnClick);
    connect(InstrumentBox, &QComboBox::currentIndexChanged, this, &TBackupsDlg::FillTable);

    resize(760, 420);
    Refresh();
}

QString TBackupsDlg::Caption() const
{
    return tr("Instrument Backups");
}

void TBackupsDlg::Refresh()
{
    const QString chosen = InstrumentBox->currentData().toString();
    FAll = ListBackups(FFolder);
    QStringList instruments;
    for (const TBackupEntry& backup : FAll)
        if (!instruments.contains(backup.Name.Instrument)) instruments << backup.Name.Instrument;
    instruments.sort();
    {
        const QSignalBlocker blocker(InstrumentBox);
        InstrumentBox->clear();
        InstrumentBox->addItem(tr("All instruments"), QString());
        for (const QString& instrument : instruments) InstrumentBox->addItem(instrument, instrument);
        InstrumentBox->setCurrentIndex(std::max(0, InstrumentBox->findData(chosen)));
    }
    FFolderLabel->setText(FAll.isEmpty() ? tr("No backups in %1 yet: every Send leaves one there.").arg(QDir::toNativeSeparators(FFolder))
                                         : tr("Folder: %1").arg(QDir::toNativeSeparators(FFolder)));
    FillTable();
}

void TBackupsDlg::ShowInstrument(const QString& instrument)
{
    InstrumentBox->setCurrentIndex(std::max(0, InstrumentBox->findData(instrument)));
}

void TBackupsDlg::FillTable()
{
    const QStringList selected = SelectedPaths();
    FShown = BackupsOf(FAll, InstrumentBox->currentData().toString());
    BackupsTree->clear();
    for (const TBackupEntry& backup : FShown) {
        auto* item = new QTreeWidgetItem(BackupsTree);
        item->setText(ColInstrument, backup.Name.Instrument);
        item->setText(ColPort, backup.Name.Port);
        // Backups of the same second differ by their copy number alone.
        item->setText(ColTaken, backup.Name.Copy > 1 ? tr("%1, copy %2").arg(BackupTimeText(backup)).arg(backup.Name.Copy)
                                                     : BackupTimeText(backup));
        item->setText(ColPoints, backup.PointsInUse.isEmpty() ? tr("not readable") : backup.PointsInUse);
        item->setToolTip(ColInstrument, QDir::toNativeSeparators(backup.Path));
        item->setData(ColInstrument, Qt::UserRole, backup.Path);
    }
    for (int column = 0; column < ColumnCount - 1; ++column) {
        BackupsTree->resizeColumnToContents(column);
        BackupsTree->setColumnWidth(column, BackupsTree->columnWidth(column) + ColumnGap);
    }
    SelectPaths(selected);
    UpdateButtons();
}

QStringList TBackupsDlg::SelectedPaths() const
{
    QStringList paths;
    // In the table's order: newest first.
    for (int row = 0; row < BackupsTree->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = BackupsTree->topLevelItem(row);
        if (item->isSelected()) paths << item->data(ColInstrument, Qt::UserRole).toString();
    }
    return paths;
}

void TBackupsDlg::SelectPaths(const QStringList& paths)
{
    BackupsTree->clearSelection();
    for (int row = 0; row < BackupsTree->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = BackupsTree->topLevelItem(row);
        if (paths.contains(item->data(ColInstrument, Qt::UserRole).toString())) item->setSelected(true);
    }
}

const TBackupEntry* TBackupsDlg::Selected() const
{
    const QStringList paths = SelectedPaths();
    if (paths.size() != 1) return nullptr;
    for (const TBackupEntry& backup : FShown)
        if (backup.Path == paths.first()) return &backup;
    return nullptr;
}

void TBackupsDlg::UpdateButtons()
{
    const int selected = static_cast<int>(SelectedPaths().size());
    OpenBtn->setEnabled(selected == 1);
    CompareBtn->setEnabled(selected == 1 && FProject);
    CompareTwoBtn->setEnabled(selected == 2);
    RestoreBtn->setEnabled(selected == 1);
    DeleteBtn->setEnabled(selected >= 1);
}

void TBackupsDlg::OpenBtnClick()
{
    if (const TBackupEntry* backup = Selected()) emit OpenRequested(backup->Path);
}

void TBackupsDlg::RestoreBtnClick()
{
    if (const TBackupEntry* backup = Selected()) emit RestoreRequested(backup->Path);
    Refresh();
}

void TBackupsDlg::ShowDifferences(const QStringList& differences, const QString& differ, const QString& same)
{
    if (differences.isEmpty()) {
        FPrompter.Message(Caption(), same, TMsgIcon::Information);
        return;
    }
    QStringList text = differences.mid(0, DifferencesShown);
    if (differences.size() > DifferencesShown) text << tr("... and %n more.", nullptr, static_cast<int>(differences.size() - DifferencesShown));
    FPrompter.Message(Caption(), differ + QStringLiteral("\n\n") + text.join(QLatin1Char('\n')), TMsgIcon::Warning);
}

void TBackupsDlg::CompareBtnClick()
{
    const TBackupEntry* backup = Selected();
    if (!backup || !FProject) return;
    TLoadedBackup loaded;
    if (const QString problem = loaded.Load(backup->Path); !problem.isEmpty()) {
        FPrompter.Message(Caption(), tr("The backup %1 cannot be read: %2.").arg(QDir::toNativeSeparators(backup->Path), problem),
                          TMsgIcon::Error);
        return;
    }
    // The words of Tools > Compare with instrument, the backup in the instrument's place.
    const QStringList differences = Differences(*FProject, QStringLiteral("the project"), loaded.Profile(), QStringLiteral("the backup"));
    ShowDifferences(differences,
                    tr("%n settings differ between the project and the backup of %1:", nullptr, static_cast<int>(differences.size()))
                        .arg(BackupTimeText(*backup)),
                    tr("The backup of %1 holds the settings of the project.").arg(BackupTimeText(*backup)));
}

void TBackupsDlg::CompareTwoBtnClick()
{
    const QStringList paths = SelectedPaths();
    if (paths.size() != 2) return;
    // The older first, as "orvantis-cli backups diff OLDER NEWER" says it.
    const QString older = paths[1];
    const QString newer = paths[0];
    TLoadedBackup first;
    TLoadedBackup second;
    for (const auto& [loaded, path] : {std::pair{&first, older}, std::pair{&second, newer}}) {
        if (const QString problem = loaded->Load(path); !problem.isEmpty()) {
            FPrompter.Message(Caption(), tr("The backup %1 cannot be read: %2.").arg(QDir::toNativeSeparators(path), problem),
                              TMsgIcon::Error);
            return;
        }
    }
    const QString olderName = QFileInfo(older).fileName();
    const QString newerName = QFileInfo(newer).fileName();
    const QStringList differences = Differences(first.Profile(), olderName, second.Profile(), newerName);
    ShowDifferences(differences,
                    tr("%n settings differ between %1 and %2:", nullptr, static_cast<int>(differences.size())).arg(olderName, newerName),
                    tr("%1 and %2 hold the same settings.").arg(olderName, newerName));
}

void TBackupsDlg::DeleteBtnClick()
{
    const QStringList paths = SelectedPaths();
    if (paths.isEmpty()) return;
    const QString question = paths.size() == 1
                                 ? tr("Delete the backup %1?\n\nIt cannot be brought back.").arg(QFileInfo(paths.first()).fileName())
                                 : tr("Delete the %n selected backups?\n\nThey cannot be brought back.", nullptr, static_cast<int>(paths.size()));
    if (!FPrompter.Confirm(Caption(), question)) return;
    QStringList failed;
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.remove()) failed << tr("%1: %2").arg(QFileInfo(path).fileName(), file.errorString());
    }
    Refresh();
    if (!failed.isEmpty())
        FPrompter.Message(tr("Orvantis error"), tr("Not deleted:\n") + failed.join(QLatin1Char('\n')), TMsgIcon::Error);
}

void TBackupsDlg::ShowFolderBtnClick()
{
    QDir().mkpath(FFolder);
    if (!FOpenUrl(QUrl::fromLocalFile(FFolder)))
        FPrompter.Message(Caption(), tr("The folder %1 could not be shown.").arg(QDir::toNativeSeparators(FFolder)), TMsgIcon::Error);
}

}  // namespace orvantis
