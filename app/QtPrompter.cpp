#include "QtPrompter.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace orvantis {

namespace {

QMessageBox::Icon BoxIcon(TMsgIcon icon)
{
    switch (icon) {
    case TMsgIcon::Information: return QMessageBox::Information;
    case TMsgIcon::Warning: return QMessageBox::Warning;
    case TMsgIcon::Error: return QMessageBox::Critical;
    case TMsgIcon::Question: return QMessageBox::Question;
    case TMsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

TMsgButton TQtPrompter::Message(const QString& caption, const QString& text, TMsgIcon icon, TMsgButtons buttons)
{
    struct Pair {
        TMsgButton Ours;
        QMessageBox::StandardButton Qt;
    };
    static constexpr Pair pairs[] = {{TMsgButton::Ok, QMessageBox::Ok},
                                     {TMsgButton::Yes, QMessageBox::Yes},
                                     {TMsgButton::No, QMessageBox::No},
                                     {TMsgButton::Cancel, QMessageBox::Cancel},
                                     {TMsgButton::Restore, QMessageBox::Apply},
                                     {TMsgButton::Discard, QMessageBox::Discard},
                                     {TMsgButton::Later, QMessageBox::Ignore}};
    QMessageBox::StandardButtons qtButtons;
    for (const Pair& p : pairs)
        if (buttons.testFlag(p.Ours)) qtButtons |= p.Qt;
    if (!qtButtons) qtButtons = QMessageBox::Ok;

    QMessageBox box(BoxIcon(icon), caption, text, qtButtons, FParent);
    if (auto* restore = qobject_cast<QPushButton*>(box.button(QMessageBox::Apply))) {
        restore->setText(QCoreApplication::translate("orvantis::TQtPrompter", "Restore"));
        // Enter keeps the work; only a deliberate click throws it away.
        box.setDefaultButton(restore);
    }
    if (auto* later = qobject_cast<QPushButton*>(box.button(QMessageBox::Ignore))) {
        later->setText(QCoreApplication::translate("orvantis::TQtPrompter", "Later"));
        // Escape and the close box decide nothing.
        box.setEscapeButton(later);
    }
    const int pressed = box.exec();
    for (const Pair& p : pairs)
        if (pressed == p.Qt) return p.Ours;
    return buttons.testFlag(TMsgButton::Cancel) ? TMsgButton::Cancel : TMsgButton::Ok;
}

bool TQtPrompter::Confirm(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No, FParent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> TQtPrompter::RunFileDialog(const TFileDialogOptions& options, bool save)
{
    QFileDialog dialog(FParent, options.Title, options.Folder, QtFilterString(options.Filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(options.DefaultSuffix);
    dialog.selectNameFilter(QtFilterAt(options.Filter, options.FilterIndex));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.ConfirmOverwrite);
    if (!options.FileName.isEmpty()) dialog.selectFile(QFileInfo(options.FileName).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> TQtPrompter::OpenFileName(const TFileDialogOptions& options)
{
    return RunFileDialog(options, false);
}

std::optional<QString> TQtPrompter::SaveFileName(const TFileDialogOptions& options)
{
    return RunFileDialog(options, true);
}

}  // namespace orvantis
