#include "ScratchPad.h"

#include "FindDlg.h"
#include "PrintDialogs.h"
#include "Prompter.h"
#include "ScratchPrinter.h"
#include "ScratchText.h"
#include "TextFile.h"
#include "ToolIcons.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include <QCoreApplication>

namespace orvantis {

namespace {

QString Caption()
{
    return QCoreApplication::translate("orvantis::TScratchPad", "Tools Editor");
}


// Courier New 8 points where the system has it, else the closest fixed-pitch
// font: its metric twins first, then other Courier faces.
QFont MemoFont()
{
    for (const char* family : {"Courier New", "Liberation Mono", "Cousine", "Nimbus Mono PS", "Courier", "DejaVu Sans Mono"}) {
        const QString name = QString::fromLatin1(family);
        if (QFontDatabase::hasFamily(name) && QFontDatabase::isFixedPitch(name)) return QFont(name, 8);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(8);
    return font;
}

}  // namespace

TScratchPad::TScratchPad(IPrompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      FPrompter(prompter), FPrintDialogs(nullptr), FOwnPrintDialogs(std::make_unique<TQtPrintDialogs>())
{
    FPrintDialogs = FOwnPrintDialogs.get();
    setObjectName(QStringLiteral("ScratchPad"));
    resize(614, 229);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    SpeedBar = new QToolBar(this);
    SpeedBar->setObjectName(QStringLiteral("SpeedBar"));
    SpeedBar->setFixedHeight(26);
    SpeedBar->setIconSize(QSize(18, 18));
    SpeedBar->setMovable(false);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setAccessibleName(tr("Text"));
    Memo->setFont(MemoFont());
    QPalette colours = Memo->palette();
    colours.setColor(QPalette::Base, QColor(0, 0, 128));
    colours.setColor(QPalette::Text, QColor(255, 255, 0));
    Memo->setPalette(colours);
    Memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setTabChangesFocus(false);

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(Bevel1);
    layout->addWidget(SpeedBar);
    layout->addWidget(Memo, 1);
    layout->addWidget(StatusBar);

    FindDlg = new TFindDlg(this);
    connect(FindDlg, &TFindDlg::FindNext, this, &TScratchPad::FindDlgFind);

    CreateMenus();
    CreateSpeedBar();

    ClearText();
    setWindowTitle(Caption());
    Memo->setFocus();
}

TScratchPad::~TScratchPad() = default;

QAction* TScratchPad::AddAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void TScratchPad::CreateMenus()
{
    QMenu* file = MainMenu1->addMenu(tr("&File"));
    connect(AddAction(file, "FileNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &TScratchPad::FileNewClick);
    connect(AddAction(file, "FileOpen", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TScratchPad::FileOpenClick);
    file->addSeparator();
    connect(AddAction(file, "FileSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { FileSaveClick(); });
    connect(AddAction(file, "FileSaveAs", tr("Save &as..."), {}), &QAction::triggered, this,
            [this] { FileSaveAsClick(); });
    file->addSeparator();
    connect(AddAction(file, "FilePrint", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_I)),
            &QAction::triggered, this, &TScratchPad::FilePrintClick);
    connect(AddAction(file, "FilePrintSetup", tr("P&rinter setup..."), {}), &QAction::triggered, this,
            &TScratchPad::FilePrintSetupClick);
    file->addSeparator();
    connect(AddAction(file, "FileExit", tr("E&xit"), {}), &QAction::triggered, this,
            &TScratchPad::FileExitClick);

    QMenu* edit = MainMenu1->addMenu(tr("&Edit"));
    connect(AddAction(edit, "EditUndo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z)),
            &QAction::triggered, Memo, &QPlainTextEdit::undo);
    connect(AddAction(edit, "EditSelectAll", tr("&Select all"), QKeySequence(Qt::CTRL | Qt::Key_A)),
            &QAction::triggered, Memo, &QPlainTextEdit::selectAll);
    edit->addSeparator();
    connect(AddAction(edit, "EditCut", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, Memo, &QPlainTextEdit::cut);
    connect(AddAction(edit, "EditCopy", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, Memo, &QPlainTextEdit::copy);
    connect(AddAction(edit, "EditPaste", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V)),
            &QAction::triggered, Memo, &QPlainTextEdit::paste);
    edit->addSeparator();
    connect(AddAction(edit, "EditFind", tr("&Search..."), {}), &QAction::triggered, this,
            &TScratchPad::SpeedSearchBtnClick);
}

void TScratchPad::CreateSpeedBar()
{
    struct TButton {
        const char* Name;
        const char* Hint;
        TToolIcon Icon;
        std::function<void()> Run;
    };
    const TButton buttons[] = {
        {"SpeedExitBtn", QT_TR_NOOP("Exit editor"), TToolIcon::Exit, [this] { FileExitClick(); }},
        {"SpeedNewBtn", QT_TR_NOOP("New file"), TToolIcon::New, [this] { FileNewClick(); }},
        {"SpeedOpenBtn", QT_TR_NOOP("Open a file"), TToolIcon::Open, [this] { FileOpenClick(); }},
        {"SpeedSaveBtn", QT_TR_NOOP("Save to file"), TToolIcon::Save, [this] { FileSaveClick(); }},
        {"SpeedSearchBtn", QT_TR_NOOP("Search"), TToolIcon::Search, [this] { SpeedSearchBtnClick(); }},
        {"SpeedPrintBtn", QT_TR_NOOP("Print"), TToolIcon::Print, [this] { FilePrintClick(); }},
    };
    for (const TButton& b : buttons) {
        auto* button = new QToolButton(SpeedBar);
        button->setObjectName(QString::fromLatin1(b.Name));
        button->setIcon(ToolIcon(b.Icon));
        button->setToolTip(tr(b.Hint));
        button->setStatusTip(tr(b.Hint));
        button->setAccessibleName(tr(b.Hint));
        button->setAutoRaise(true);
        SpeedBar->addWidget(button);
        connect(button, &QToolButton::clicked, this, b.Run);
    }
}

bool TScratchPad::IsModified() const
{
    return Memo->document()->isModified();
}

bool TScratchPad::QuerySave()
{
    if (!IsModified()) return true;
    const TMsgButton answer = FPrompter.Message(Caption(), tr("The current file has been modified. Save changes?"),
                                                TMsgIcon::Question, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    if (answer == TMsgButton::Yes) {
        // A cancelled Save As goes on with the command; a failed write stops
        // it, so the text that could not be saved is not thrown away.
        return FileSaveClick() != TSaveResult::Failed;
    }
    return answer == TMsgButton::No;
}

void TScratchPad::ClearText()
{
    Memo->clear();
    Memo->document()->setModified(false);
}

void TScratchPad::SetCaption(const QString& path)
{
    setWindowTitle(Caption() + QStringLiteral("  -  ") + QFileInfo(path).absoluteFilePath());
}

void TScratchPad::ShowError(const QString& text)
{
    FPrompter.Message(Caption(), text, TMsgIcon::Error, TMsgButton::Ok);
}

void TScratchPad::FileNewClick()
{
    if (!QuerySave()) return;
    ClearText();
    FFileName.clear();
    FUtf8 = false;
}

void TScratchPad::FileOpenClick()
{
    if (!QuerySave()) return;
    FOpenName.clear();
    TFileDialogOptions options;
    options.Filter = tr("PRO files|*.pro|LOG files|*.log|generic text files|*.txt|All|*.*");
    options.FilterIndex = 0;
    options.PathMustExist = true;
    const std::optional<QString> chosen = FPrompter.OpenFileName(options);
    if (!chosen) return;
    FOpenName = *chosen;

    ClearText();
    if (QFileInfo(*chosen).size() > ScratchPadMaxFileBytes) {
        ShowError(tr("Unable to edit: the file is too long"));
        return;
    }
    TLineList lines;
    if (const TFileResult read = LoadTextLines(*chosen, lines, ScratchPadMaxFileBytes); !read) {
        ShowError(tr("Unable to edit: the file cannot be read.\n%1").arg(read.Error));
        return;
    }
    const TScratchText text = DecodeScratchLines(lines);
    Memo->setPlainText(text.Text);
    Memo->document()->setModified(false);
    FUtf8 = text.Utf8;
    FFileName = *chosen;
    SetCaption(*chosen);
}

bool TScratchPad::WriteTo(const QString& path)
{
    const TScratchLines lines = EncodeScratchText(Memo->toPlainText(), FUtf8);
    if (const TFileResult written = SaveTextLines(path, lines.Lines); !written) {
        ShowError(written.Error);
        return false;
    }
    FUtf8 = lines.Utf8;
    Memo->document()->setModified(false);
    return true;
}

TScratchPad::TSaveResult TScratchPad::FileSaveClick()
{
    if (FFileName.isEmpty()) return FileSaveAsClick();
    return WriteTo(FFileName) ? TSaveResult::Saved : TSaveResult::Failed;
}

TScratchPad::TSaveResult TScratchPad::FileSaveAsClick()
{
    TFileDialogOptions options;
    options.Title = tr("Save as...");
    // In the file's own folder, as a save would write it.
    options.FileName = FFileName;
    options.Folder = FFileName.isEmpty() ? QString() : QFileInfo(FFileName).path();
    options.ConfirmOverwrite = true;
    options.PathMustExist = true;
    const std::optional<QString> chosen = FPrompter.SaveFileName(options);
    if (!chosen) return TSaveResult::Cancelled;
    if (!WriteTo(*chosen)) return TSaveResult::Failed;
    FFileName = *chosen;
    SetCaption(*chosen);
    return TSaveResult::Saved;
}

void TScratchPad::FileExitClick()
{
    if (!QuerySave()) return;
    ClearText();
    FFileName.clear();
    FOpenName.clear();
    FUtf8 = false;
    close();
}

void TScratchPad::closeEvent(QCloseEvent* event)
{
    FindDlg->close();
    event->accept();
    QDialog::closeEvent(event);
}

void TScratchPad::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the editor: only Exit and the close box do.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPrinter& TScratchPad::Printer()
{
    if (!FPrinter) FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FPrinter;
}

void TScratchPad::FilePrintSetupClick()
{
    FPrintDialogs->PrinterSetup(Printer(), this);
}

void TScratchPad::FilePrintClick()
{
    QPrinter& printer = Printer();
    if (!FPrintDialogs->Print(printer, this)) return;
    printer.setDocName(Caption() + QStringLiteral(" - ") + FOpenName);
    if (!PrintScratchText(printer, ScratchTextLines(Memo->toPlainText()), FOpenName, Memo->font()))
        ShowError(tr("Unable to print: the printer could not start the document."));
}

void TScratchPad::SpeedSearchBtnClick()
{
    try {
        FindDlg->show();
        FindDlg->raise();
        FindDlg->activateWindow();
    } catch (...) {
        FPrompter.Message(Caption(), tr("Error at finding text"), TMsgIcon::Error, TMsgButton::Ok);
    }
}

void TScratchPad::FindDlgFind()
{
    try {
        QTextDocument::FindFlags flags;
        if (FindDlg->WholeWord()) flags |= QTextDocument::FindWholeWords;
        if (FindDlg->MatchCase()) flags |= QTextDocument::FindCaseSensitively;

        QTextCursor caret = Memo->textCursor();
        if (caret.hasSelection()) {
            caret.setPosition(caret.selectionEnd());
            Memo->setTextCursor(caret);
        }
        const QTextCursor found = Memo->document()->find(FindDlg->FindText(), caret.position(), flags);
        if (found.isNull()) {
            FPrompter.Message(Caption(), tr("Text not found"), TMsgIcon::Error, TMsgButton::Ok);
            return;
        }
        Memo->setTextCursor(found);
        Memo->ensureCursorVisible();
        Memo->setFocus();
    } catch (...) {
        FPrompter.Message(Caption(), tr("Error at finding text"), TMsgIcon::Error, TMsgButton::Ok);
    }
}

}  // namespace orvantis
