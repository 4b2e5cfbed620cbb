#include "PointListDlg.h"

#include "EditedProject.h"
#include "NumberText.h"
#include "PlanFillDlg.h"
#include "PointsFile.h"
#include "Prompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace orvantis {

namespace {

QString ErrorCaption()
{
    return QCoreApplication::translate("orvantis::TPointListDlg", "ORVANTIS+ error");
}

QString CsvFilter()
{
    return QCoreApplication::translate("orvantis::TPointListDlg", "CSV files|*.csv|All files|*");
}

const QColor FailingCellColour(255, 214, 214);

QString Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

TPointColumn ColumnAt(int column)
{
    return static_cast<TPointColumn>(column);
}

// The captions of PointWords.h, which the CSV files keep as they are, for
// the table in the user's language.
[[maybe_unused]] constexpr const char* ShownCaptions[] = {
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "Point"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "Frequency (KHz)"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "Channel Name"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "Standard"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "BW Filter"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "FFT Mode"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "Guard Interval"),
    QT_TRANSLATE_NOOP("orvantis::TPointListDlg", "Spectral inversion"),
};

QString ShownCaption(TPointColumn column)
{
    return QCoreApplication::translate("orvantis::TPointListDlg", std::string(PointColumnCaption(column)).c_str());
}

// A point's words as the table shows them: the frequency in the locale's
// number format, like the points editor.
TPointWords ScreenWords(int point, const TPointEntry& entry)
{
    TPointWords words = EntryWords(point, entry);
    words[static_cast<int>(TPointColumn::Frequency)] = FormatWholeOneDecimal(entry.FreqKHz).toStdString();
    return words;
}

// The list columns are edited with the points editor's lists, the name with
// its 8-character field.
class TPointCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const TPointColumn column = ColumnAt(index.column());
        // Only a point of another edition shows ISDB-T, and it cannot change.
        const std::span<const std::string_view> words =
            column == TPointColumn::Standard ? StandardChoices(false) : PointColumnWords(column);
        if (!words.empty()) {
            auto* list = new QComboBox(parent);
            list->addItems(ListItems(words));
            connect(list, &QComboBox::activated, this, [this, list] {
                auto* self = const_cast<TPointCellDelegate*>(this);
                emit self->commitData(list);
                emit self->closeEditor(list);
            });
            return list;
        }
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && column == TPointColumn::Name)
            line->setMaxLength(PointNameLength);
        return editor;
    }
};

}  // namespace

TPointListDlg::TPointListDlg(IEditedProject& project, IPrompter& prompter, QWidget* parent)
    : TFormDialog(parent), FProject(project), FProfile(&project.GetProfile()), FPrompter(prompter)
{
    BuildControls();
}

void TPointListDlg::BuildControls()
{
    setObjectName(QStringLiteral("PointListDlg"));
    setWindowTitle(tr("Detection points list"));

    PointTable = new QTableWidget(0, PointColumnCount + 1, this);
    PointTable->setObjectName(QStringLiteral("PointTable"));
    PointTable->setAccessibleName(tr("Detection points"));
    QStringList captions;
    for (int c = 0; c < PointColumnCount; ++c) captions << ShownCaption(ColumnAt(c));
    captions << tr("Check");
    PointTable->setHorizontalHeaderLabels(captions);
    PointTable->verticalHeader()->hide();
    PointTable->verticalHeader()->setDefaultSectionSize(PointTable->fontMetrics().height() + 10);
    PointTable->setWordWrap(false);
    PointTable->horizontalHeader()->setStretchLastSection(true);
    PointTable->setItemDelegate(new TPointCellDelegate(PointTable));
    PointTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    PointTable->setAlternatingRowColors(true);
    connect(PointTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        NameCell(item);
        if (!FFilling && item->column() < PointColumnCount) CheckRow(item->row());
    });

    auto* copy = new QAction(this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &TPointListDlg::CopyRows);
    auto* paste = new QAction(this);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QAction::triggered, this, &TPointListDlg::PasteRows);
    PointTable->addActions({copy, paste});

    auto* hint = new QLabel(tr("Double-click a cell to change it. Copy and Paste carry whole rows as CSV text, "
                               "as spreadsheets copy them."),
                            this);
    hint->setWordWrap(true);

    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    ImportBtn = button(tr("Import..."), QStringLiteral("ImportBtn"));
    ExportBtn = button(tr("Export..."), QStringLiteral("ExportBtn"));
    CopyBtn = button(tr("Copy"), QStringLiteral("CopyBtn"));
    PasteBtn = button(tr("Paste"), QStringLiteral("PasteBtn"));
    FillBtn = button(tr("Fill from Plan..."), QStringLiteral("FillBtn"));
    const TOkCancelRow buttons = MakeOkCancelRow(this);
    OKBtn = buttons.OK;
    CancelBtn = buttons.Cancel;
    int at = 0;
    for (QPushButton* b : {FillBtn, ImportBtn, ExportBtn, CopyBtn, PasteBtn}) buttons.Layout->insertWidget(at++, b);

    auto* page = new QVBoxLayout(this);
    page->addWidget(hint);
    page->addWidget(PointTable, 1);
    page->addLayout(buttons.Layout);

    connect(ImportBtn, &QPushButton::clicked, this, &TPointListDlg::ImportBtnClick);
    connect(ExportBtn, &QPushButton::clicked, this, &TPointListDlg::ExportBtnClick);
    connect(CopyBtn, &QPushButton::clicked, this, &TPointListDlg::CopyRows);
    connect(PasteBtn, &QPushButton::clicked, this, &TPointListDlg::PasteRows);
    connect(FillBtn, &QPushButton::clicked, this, &TPointListDlg::FillBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TPointListDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPointListDlg::reject);
}

void TPointListDlg::FormShow()
{
    FRules = TPointRules::Of(*FProfile);
    FShown.clear();
    for (int i = 0; i < FRules.Count; ++i) FShown.push_back(ShownEntry(*FProfile, i, FRules));
    PointTable->clearContents();
    PointTable->setRowCount(FRules.Count);
    for (int row = 0; row < FRules.Count; ++row) SetRowWords(row, ScreenWords(row, FShown[row]));
    FitTable();
    PointTable->setCurrentCell(0, static_cast<int>(TPointColumn::Frequency));
    PointTable->setFocus();
}

void TPointListDlg::SetRowWords(int row, const TPointWords& words)
{
    FFilling = true;
    const QColor fixed = palette().color(QPalette::Disabled, QPalette::Text);
    for (int c = 0; c < PointColumnCount; ++c) {
        QTableWidgetItem* item = PointTable->item(row, c);
        if (!item) {
            item = new QTableWidgetItem;
            const bool editable = IsEditable(ColumnAt(c), FShown[row], FRules);
            item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
            if (!editable && ColumnAt(c) != TPointColumn::Index) item->setForeground(fixed);
            if (c <= static_cast<int>(TPointColumn::Frequency)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            PointTable->setItem(row, c, item);
        }
        item->setText(Text(words[c]));
    }
    if (!PointTable->item(row, ProblemColumn)) {
        auto* problem = new QTableWidgetItem;
        problem->setFlags(Qt::ItemIsEnabled);
        problem->setForeground(QColor(Qt::red));
        PointTable->setItem(row, ProblemColumn, problem);
        NameCell(problem);
    }
    FFilling = false;
    CheckRow(row);
}

TPointWords TPointListDlg::RowWords(int row) const
{
    TPointWords words;
    for (int c = 0; c < PointColumnCount; ++c) words[c] = PointTable->item(row, c)->text().toStdString();
    return words;
}

std::variant<TPointEntry, TCellProblem> TPointListDlg::ReadRow(int row) const
{
    return ReadPointWords(RowWords(row), FShown[row], FRules);
}

// The failing cell is tinted; the check column says why.
void TPointListDlg::CheckRow(int row)
{
    const std::variant<TPointEntry, TCellProblem> read = ReadRow(row);
    const auto* problem = std::get_if<TCellProblem>(&read);
    for (int c = 0; c < PointColumnCount; ++c)
        PointTable->item(row, c)->setData(Qt::BackgroundRole, problem && ColumnAt(c) == problem->Column
                                                                   ? QVariant(FailingCellColour)
                                                                   : QVariant());
    QTableWidgetItem* check = PointTable->item(row, ProblemColumn);
    check->setText(problem ? QString::fromStdString(problem->Reason) : QString());
    check->setToolTip(problem ? ShownCaption(problem->Column) + QStringLiteral(": ") + check->text() : QString());
}

// A screen reader reads a cell with its point and column: "Point 6,
// Frequency (KHz), 474000.0". Setting the same name again changes nothing.
void TPointListDlg::NameCell(QTableWidgetItem* item)
{
    const int column = item->column();
    const QString caption = column < PointColumnCount ? ShownCaption(ColumnAt(column)) : tr("Check");
    item->setData(Qt::AccessibleTextRole, tr("Point %1, %2, %3").arg(item->row() + 1).arg(caption, item->text()));
}

std::optional<int> TPointListDlg::RefuseFailingRow(const QString& action)
{
    for (int row = 0; row < PointTable->rowCount(); ++row) {
        const QString why = PointTable->item(row, ProblemColumn)->toolTip();
        if (why.isEmpty()) continue;
        PointTable->setCurrentCell(row, static_cast<int>(TPointColumn::Frequency));
        PointTable->scrollToItem(PointTable->item(row, ProblemColumn));
        FPrompter.Message(ErrorCaption(), tr("%1 point %2 first.\n\n%3.").arg(action).arg(row + 1).arg(why),
                          TMsgIcon::Error);
        return row;
    }
    return std::nullopt;
}

void TPointListDlg::OKBtnClick()
{
    if (RefuseFailingRow(tr("Correct"))) return;
    std::vector<TPointChange> changes;
    for (int row = 0; row < PointTable->rowCount(); ++row) changes.push_back({row, std::get<TPointEntry>(ReadRow(row))});
    ApplyPointChanges(*FProfile, changes);
    FProject.SetModified();
    accept();
}

void TPointListDlg::TakeText(const std::string& text, THeaderRow header, const QString& failure)
{
    const TPointsCsvResult read =
        ParsePointsCsv(text, *FProfile, header, [this](int point) { return RowWords(point); });
    if (!read) {
        FPrompter.Message(ErrorCaption(), QStringLiteral("%1\n\n%2.").arg(failure, QString::fromStdString(read.Problem->Text())),
                          TMsgIcon::Error);
        return;
    }
    for (const TPointChange& change : read.Changes) SetRowWords(change.Point, ScreenWords(change.Point, change.Entry));
}

void TPointListDlg::ImportBtnClick()
{
    TFileDialogOptions options;
    options.Title = tr("Import points");
    options.Filter = CsvFilter();
    options.DefaultSuffix = QStringLiteral("csv");
    options.PathMustExist = true;
    const std::optional<QString> chosen = FPrompter.OpenFileName(options);
    if (!chosen) return;
    std::string text;
    if (const TFileResult read = LoadPointsFile(*chosen, text); !read) {
        FPrompter.Message(ErrorCaption(), read.Error, TMsgIcon::Error);
        return;
    }
    TakeText(text, THeaderRow::Required, tr("Nothing was imported from %1").arg(*chosen));
}

void TPointListDlg::ExportBtnClick()
{
    if (RefuseFailingRow(tr("To export, correct"))) return;
    TFileDialogOptions options;
    options.Title = tr("Export points");
    options.Filter = CsvFilter();
    options.DefaultSuffix = QStringLiteral("csv");
    options.FileName = QStringLiteral("points.csv");
    options.ConfirmOverwrite = true;
    options.PathMustExist = true;
    const std::optional<QString> chosen = FPrompter.SaveFileName(options);
    if (!chosen) return;
    // The rows as they stand, in the file's number format.
    std::vector<TPointWords> rows;
    for (int row = 0; row < PointTable->rowCount(); ++row)
        rows.push_back(EntryWords(row, std::get<TPointEntry>(ReadRow(row))));
    if (const TFileResult saved = SavePointsFile(*chosen, WritePointRows(rows, true)); !saved)
        FPrompter.Message(ErrorCaption(), saved.Error, TMsgIcon::Error);
}

// The plan's channels go into the rows on screen, from the current row on;
// OK of the list stores them, as any other edit.
void TPointListDlg::FillBtnClick()
{
    TPlanFillDlg fill(*FProfile, [this](int point) { return RowWords(point); }, PointTable->currentRow() + 1, this);
    if (fill.exec() != QDialog::Accepted) return;
    for (const TPointChange& change : fill.Changes()) SetRowWords(change.Point, ScreenWords(change.Point, change.Entry));
}

void TPointListDlg::CopyRows()
{
    std::set<int> selected;
    for (const QModelIndex& index : PointTable->selectionModel()->selectedIndexes()) selected.insert(index.row());
    if (selected.empty() && PointTable->currentRow() >= 0) selected.insert(PointTable->currentRow());
    std::vector<TPointWords> rows;
    for (const int row : selected) rows.push_back(RowWords(row));
    QApplication::clipboard()->setText(QString::fromStdString(WritePointRows(rows, false)));
}

void TPointListDlg::PasteRows()
{
    TakeText(QApplication::clipboard()->text().toStdString(), THeaderRow::Optional, tr("Nothing was pasted"));
}

// Every column as wide as its widest word or caption, lists with room for
// their arrow, and about sixteen rows in view; the check column takes the rest.
void TPointListDlg::FitTable()
{
    PointTable->resizeColumnsToContents();
    const QFontMetrics metrics = PointTable->fontMetrics();
    int width = 0;
    for (int c = 0; c < PointColumnCount; ++c) {
        int widest = PointTable->columnWidth(c);
        for (const std::string_view word : PointColumnWords(ColumnAt(c)))
            widest = std::max(widest, metrics.horizontalAdvance(Text(word)) + 40);
        if (ColumnAt(c) == TPointColumn::Name) widest = std::max(widest, metrics.horizontalAdvance(QStringLiteral("WWWWWWWW")) + 16);
        PointTable->setColumnWidth(c, widest);
        width += widest;
    }
    const int check = metrics.horizontalAdvance(QStringLiteral("\"1000000\" is out of range (170000.0 to 858000.0 KHz)")) + 12;
    PointTable->setColumnWidth(ProblemColumn, check);
    const int rows = std::min(FRules.Count, 16);
    const int height = PointTable->horizontalHeader()->height() + rows * PointTable->verticalHeader()->defaultSectionSize();
    const int frame = 2 * PointTable->frameWidth();
    PointTable->setMinimumSize(width + check + frame + PointTable->verticalScrollBar()->sizeHint().width(),
                               height + frame);
}

}  // namespace orvantis
