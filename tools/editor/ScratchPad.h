#pragma once
// The text editor tool ("Tools Editor"): a plain-text scratch pad for project
// files, logs and other text files, with find and a simple printout. The main
// window creates it once and shows it modally with exec(); Exit empties it,
// the close box only hides it.

#include <QDialog>
#include <QString>

#include <memory>

class QAction;
class QFrame;
class QKeySequence;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPrinter;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace orvantis {

class IPrompter;
class IPrintDialogs;
class TFindDlg;

// Larger files are refused rather than loaded in part.
inline constexpr qint64 ScratchPadMaxFileBytes = 4 * 1024 * 1024;

class TScratchPad : public QDialog {
    Q_OBJECT
public:
    explicit TScratchPad(IPrompter& prompter, QWidget* parent = nullptr);
    ~TScratchPad() override;

    // Replaces Qt's print dialogs (tests answer them without a display).
    void SetPrintDialogs(IPrintDialogs& dialogs) { FPrintDialogs = &dialogs; }

    QString CurrentFileName() const { return FFileName; }
    QString LastOpenedName() const { return FOpenName; }
    bool IsModified() const;

    enum class TSaveResult { Saved, Cancelled, Failed };

    void FileNewClick();
    void FileOpenClick();
    TSaveResult FileSaveClick();
    TSaveResult FileSaveAsClick();
    void FilePrintClick();
    void FilePrintSetupClick();
    void FileExitClick();
    void SpeedSearchBtnClick();
    void FindDlgFind();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateMenus();
    void CreateSpeedBar();
    QAction* AddAction(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut);
    // The question before discarding changes; false abandons the command.
    bool QuerySave();
    bool WriteTo(const QString& path);
    void ClearText();
    void SetCaption(const QString& path);
    void ShowError(const QString& text);
    QPrinter& Printer();

    IPrompter& FPrompter;
    IPrintDialogs* FPrintDialogs;
    std::unique_ptr<IPrintDialogs> FOwnPrintDialogs;
    std::unique_ptr<QPrinter> FPrinter;
    QString FFileName;  // where Save writes
    QString FOpenName;  // the file last chosen in Open, named in print headers
    bool FUtf8 = false;  // the file's text is UTF-8, not Latin-1

    QMenuBar* MainMenu1;
    QFrame* Bevel1;
    QToolBar* SpeedBar;
    QPlainTextEdit* Memo;
    QStatusBar* StatusBar;
    TFindDlg* FindDlg;
};

}  // namespace orvantis
