#pragma once
// TBackupsDlg: Tools > "Instrument Backups...". The backups that Send leaves
// in the backups folder, newest first, for one instrument or all: a
// technician opens one as a project, compares it with the project in hand
// or with another backup, sends it back into the instrument, deletes it or
// shows its folder. Every question and answer goes through the prompter.

#include "BackupList.h"
#include "Prompter.h"

#include <QDialog>
#include <QUrl>

#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace orvantis {

class TBackupsDlg : public QDialog {
    Q_OBJECT

public:
    // projectInHand: the settings Compare compares with; none disables it.
    TBackupsDlg(IPrompter& prompter, QString folder, const TProfile* projectInHand, QWidget* parent = nullptr);

    // Reads the folder again, keeping the instrument chosen.
    void Refresh();
    // The backups shown, in their order; the paths of those selected.
    QList<TBackupEntry> Shown() const { return FShown; }
    QStringList SelectedPaths() const;
    // Shows the backups of one instrument ("OV+ DVB-T2"), or all for an empty name.
    void ShowInstrument(const QString& instrument);
    void SelectPaths(const QStringList& paths);
    // How Show in Folder opens the folder (the desktop's file manager by default).
    void SetUrlOpener(std::function<bool(const QUrl&)> opener) { FOpenUrl = std::move(opener); }

signals:
    // Open: the backup as an unsaved project. Restore: sent back into the
    // instrument (the questions are the window's to ask).
    void OpenRequested(const QString& path);
    void RestoreRequested(const QString& path);

private:
    void FillTable();
    void UpdateButtons();
    QString Caption() const;
    const TBackupEntry* Selected() const;
    void OpenBtnClick();
    void CompareBtnClick();
    void CompareTwoBtnClick();
    void RestoreBtnClick();
    void DeleteBtnClick();
    void ShowFolderBtnClick();
    // The differences in a box, the first ones in full and the count of the rest.
    void ShowDifferences(const QStringList& differences, const QString& differ, const QString& same);

    IPrompter& FPrompter;
    QString FFolder;
    const TProfile* FProject;
    QList<TBackupEntry> FAll;
    QList<TBackupEntry> FShown;
    std::function<bool(const QUrl&)> FOpenUrl;
    QLabel* FFolderLabel;
    QComboBox* InstrumentBox;
    QTreeWidget* BackupsTree;
    QPushButton* OpenBtn;
    QPushButton* CompareBtn;
    QPushButton* CompareTwoBtn;
    QPushButton* RestoreBtn;
    QPushButton* DeleteBtn;
    QPushButton* ShowFolderBtn;
};

}  // namespace orvantis
