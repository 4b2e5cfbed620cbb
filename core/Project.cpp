#include "Project.h"

#include "TextCodec.h"
#include "TextFile.h"
#include "TimeText.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace orvantis {

namespace {

QString ErrorCaption()
{
    return QCoreApplication::translate("orvantis::TProject", "Orvantis error");
}

}  // namespace

TProject::TProject(const IEquipmentIdentity& identity, IPrompter& prompter, TLogFn log)
    : FPrompter(prompter), FLog(std::move(log)), FProfile(&FProjectLines, identity)
{
}

void TProject::SetModified()
{
    switch (FState) {
    case TProjectState::NoneReceived: FState = TProjectState::NoneEdited; break;
    case TProjectState::New:
    case TProjectState::File: FState = TProjectState::Modified; break;
    case TProjectState::PartlyLoaded: FState = TProjectState::PartlyLoadedModified; break;
    default: break;  // no settings to change, or changed already
    }
}

void TProject::AcceptPartLoad()
{
    if (FState == TProjectState::PartlyLoaded) FState = TProjectState::File;
    if (FState == TProjectState::PartlyLoadedModified) FState = TProjectState::Modified;
}

void TProject::Loaded(TLoadResult load, bool modified)
{
    FLoad = std::move(load);
    if (FLoad)
        FState = modified ? TProjectState::Modified : TProjectState::File;
    else
        FState = modified ? TProjectState::PartlyLoadedModified : TProjectState::PartlyLoaded;
}

bool TProject::QuerySave()
{
    if (!IsOpen() || !IsModified()) return true;
    const TMsgButton answer = FPrompter.Message(
        QCoreApplication::translate("orvantis::TProject", "Orvantis Editor"),
        QCoreApplication::translate("orvantis::TProject", "The current file has been modified. Save changes?"),
        TMsgIcon::Question, TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel);
    switch (answer) {
    case TMsgButton::Yes:
        Save();
        return !IsModified();
    case TMsgButton::No:
        return true;
    default:
        return false;
    }
}

bool TProject::New()
{
    if (!QuerySave()) return false;
    FProjectLines.clear();
    FFileName = UntitledName;
    FProfile.SetDefaults();
    FState = TProjectState::New;  // a new project counts as unsaved
    FLog(QStringLiteral("new file ") + FFileName);
    return true;
}

bool TProject::Open()
{
    if (!QuerySave()) return false;
    TFileDialogOptions options;
    options.Title = QCoreApplication::translate("orvantis::TProject", "Open PRO file");
    options.Filter = QCoreApplication::translate("orvantis::TProject", "PRO files|*.pro");
    options.DefaultSuffix = QStringLiteral("pro");
    const std::optional<QString> chosen = FPrompter.OpenFileName(options);
    return chosen && Open(*chosen);
}

bool TProject::Open(const QString& path)
{
    // Read into a separate list so that a failed read changes nothing.
    TLineList lines;
    if (const TFileResult read = LoadTextLines(path, lines); !read) {
        FPrompter.Message(ErrorCaption(), read.Error, TMsgIcon::Error);
        return false;
    }
    // Project files are text; NUL bytes mean a binary file picked by mistake.
    const bool binary = std::any_of(lines.begin(), lines.end(),
                                    [](const std::string& line) { return line.find('\0') != std::string::npos; });
    if (binary) {
        FPrompter.Message(
            ErrorCaption(),
            QCoreApplication::translate("orvantis::TProject", "The file %1 is not a text file.").arg(path),
            TMsgIcon::Error);
        return false;
    }
    FProjectLines = std::move(lines);
    FFileName = path;
    Loaded(FProfile.LoadFromLines(), false);  // a partly understood file still opens, but not silently
    FLog(QStringLiteral("open file ") + FFileName);
    for (std::size_t i = 0; i < FProjectLines.size() && i < 3; ++i) FLog(DecodeText(FProjectLines[i]));
    if (IsPartlyLoaded()) {
        FLog(PartLoadText());
        FPrompter.Message(QCoreApplication::translate("orvantis::TProject", "Warning"), PartLoadText(true),
                          TMsgIcon::Warning);
    }
    return true;
}

QString TProject::PartLoadText(bool translated) const
{
    const char* text = QT_TRANSLATE_NOOP("orvantis::TProject",
                                         "%1: line %2 not loaded: %3; the settings after it are at their defaults");
    return (translated ? QCoreApplication::translate("orvantis::TProject", text) : QString::fromLatin1(text))
        .arg(FFileName)
        .arg(FLoad.RefusedLine)
        .arg(DecodeText(FLoad.RefusedText));
}

// Saving a project that did not load whole writes the defaults in place of
// the refused line and everything after it, and the next Open warns no more.
bool TProject::ConfirmPartLoad()
{
    if (!IsPartlyLoaded()) return true;
    if (FPrompter.Confirm(QCoreApplication::translate("orvantis::TProject", "Warning"),
                          PartLoadText(true) + QCoreApplication::translate(
                                                   "orvantis::TProject",
                                                   ".\n\nSave it all the same? The file will hold those defaults "
                                                   "in place of that line and the lines after it.")))
        return true;
    FLog(QStringLiteral("nothing saved"));
    return false;
}

bool TProject::Save()
{
    if (FFileName == UntitledName) return SaveAs();
    if (!ConfirmPartLoad()) return false;
    WriteText(FFileName);
    if (!WriteFile(FFileName)) return false;
    FState = TProjectState::File;  // the file now holds the whole model
    FLog(QStringLiteral("file saved ") + FFileName);
    return true;
}

bool TProject::SaveAs()
{
    TFileDialogOptions options;
    options.Title = QCoreApplication::translate("orvantis::TProject", "Save As...");
    options.Filter = QCoreApplication::translate("orvantis::TProject", "PRO file|*.pro");
    options.DefaultSuffix = QStringLiteral("pro");
    options.FileName = FFileName;
    options.Folder = FFileName.isEmpty() ? QString() : QFileInfo(FFileName).path();
    options.ConfirmOverwrite = true;
    options.PathMustExist = true;
    if (!ConfirmPartLoad()) return false;
    const std::optional<QString> chosen = FPrompter.SaveFileName(options);
    if (!chosen) return false;

    WriteText(*chosen);
    if (!WriteFile(*chosen)) return false;
    FFileName = *chosen;
    FState = TProjectState::File;
    FLog(QStringLiteral("file saved as ") + FFileName);
    return true;
}

void TProject::Drop()
{
    FFileName.clear();
    if (FState != TProjectState::None) FState = TProjectState::NoneReceived;
}

void TProject::DropModel()
{
    FFileName.clear();
    FState = TProjectState::None;
}

void TProject::ModelReceived()
{
    if (FState == TProjectState::None) FState = TProjectState::NoneReceived;
}

void TProject::AdoptReceived()
{
    WriteText(QString());
    FFileName = UntitledName;
    FState = TProjectState::Modified;
}

void TProject::Restore(TLineList text, const QString& fileName, TLoadResult partLoad)
{
    FProjectLines = std::move(text);
    FFileName = fileName.isEmpty() ? UntitledName : fileName;
    // The copy is the model's own text and loads whole; what its file lacked
    // is still missing, so Save and Send ask again as they did after Open.
    const TLoadResult load = FProfile.LoadFromLines();
    Loaded(load ? std::move(partLoad) : load, true);
    FLog(QStringLiteral("restored unsaved changes of ") + FFileName);
    if (IsPartlyLoaded()) FLog(PartLoadText());
}

void TProject::Take(TLineList text, const QString& fileName)
{
    FProjectLines = std::move(text);
    FFileName = fileName;
    Loaded(FProfile.LoadFromLines(), false);
}

const TLineList& TProject::Regenerate()
{
    WriteText(FFileName);
    return FProjectLines;
}

void TProject::WriteText(const QString& fileName)
{
    FProjectLines.clear();
    FProfile.WriteProject(&FProjectLines, EncodeFileName(fileName), EncodeText(NowText()));
}

bool TProject::WriteFile(const QString& path)
{
    if (const TFileResult written = SaveTextLines(path, FProjectLines); !written) {
        // New's untouched defaults stay what they are; anything else now
        // differs from what its file holds.
        if (FState != TProjectState::New) SetModified();
        FPrompter.Message(
            ErrorCaption(),
            QCoreApplication::translate("orvantis::TProject", "Unable to save the file\n\n") + written.Error,
            TMsgIcon::Error);
        return false;
    }
    return true;
}

}  // namespace orvantis
