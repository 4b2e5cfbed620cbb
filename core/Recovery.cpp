#include "Recovery.h"

#include "TextCodec.h"
#include "TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace orvantis {

TRecovery::TRecovery(QString folder) : FFolder(std::move(folder))
{
}

TRecovery::~TRecovery() = default;

QString TRecovery::PathOf(const QString& id, const char* suffix) const
{
    return QDir(FFolder).filePath(id + QLatin1String(suffix));
}

bool TRecovery::Start()
{
    if (!QDir().mkpath(FFolder)) return false;
    FId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    FLock = std::make_unique<QLockFile>(PathOf(FId, ".lock"));
    // Held for the whole run: only a dead owner makes it stale.
    FLock->setStaleLockTime(0);
    if (!FLock->tryLock(0)) {
        FLock.reset();
        return false;
    }
    // A lock whose program ended without a copy to leave (nothing unsaved
    // when it was killed): taken over as stale and let go, which removes it.
    // A copy's lock is left for LeftBehind to judge.
    const QFileInfoList locks = QDir(FFolder).entryInfoList({QStringLiteral("*.lock")}, QDir::Files);
    for (const QFileInfo& lock : locks) {
        const QString id = lock.completeBaseName();
        if (id == FId || QFile::exists(PathOf(id, ".pro"))) continue;
        QLockFile owner(lock.filePath());
        owner.setStaleLockTime(0);
        if (owner.tryLock(0)) owner.unlock();
    }
    return true;
}

bool TRecovery::Keep(const TLineList& text, const QString& fileName, const TLoadResult& partLoad)
{
    if (!FLock) return false;
    TLineList name{fileName.toUtf8().toStdString()};
    if (!partLoad) name.insert(name.end(), {std::to_string(partLoad.RefusedLine), partLoad.RefusedText});
    // The name first: a copy is never there without it.
    return SaveTextLines(PathOf(FId, ".name"), name) && SaveTextLines(PathOf(FId, ".pro"), text);
}

void TRecovery::Discard()
{
    if (!FLock) return;
    QFile::remove(PathOf(FId, ".pro"));
    QFile::remove(PathOf(FId, ".name"));
}

QList<TRecovery::TLeftCopy> TRecovery::LeftBehind() const
{
    QList<TLeftCopy> copies;
    const QFileInfoList files = QDir(FFolder).entryInfoList({QStringLiteral("*.pro")}, QDir::Files);
    for (const QFileInfo& file : files) {
        const QString id = file.completeBaseName();
        if (id == FId) continue;
        QLockFile owner(PathOf(id, ".lock"));
        owner.setStaleLockTime(0);
        if (!owner.tryLock(0)) continue;  // its program still runs
        owner.unlock();
        TLineList name;
        LoadTextLines(PathOf(id, ".name"), name);
        TLeftCopy copy{id, name.empty() ? QString() : QString::fromUtf8(name.front()), {}, file.lastModified()};
        if (name.size() >= 3) copy.PartLoad = {std::max(0, std::atoi(name[1].c_str())), name[2]};
        copies.append(copy);
    }
    std::sort(copies.begin(), copies.end(), [](const TLeftCopy& a, const TLeftCopy& b) { return a.Kept > b.Kept; });
    return copies;
}

TFileResult TRecovery::Read(const TLeftCopy& copy, TLineList& text) const
{
    TLineList lines;
    const QString path = PathOf(copy.Id, ".pro");
    if (const TFileResult read = LoadTextLines(path, lines); !read) return read;
    // As Open: NUL bytes are no project text (a disk that lost its data).
    for (const std::string& line : lines)
        if (line.find('\0') != std::string::npos) return TFileResult::Failure(QStringLiteral("The file %1 is not a text file.").arg(path));
    // The program keeps the text its model writes: a copy with no lines, or
    // one the model does not take whole, is not the work it stands for, and
    // restored it would put defaults over that work at the next save.
    if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }))
        return TFileResult::Failure(QStringLiteral("The file %1 is empty.").arg(path));
    TFixedIdentity identity;
    TProfile model(&lines, identity);
    if (const TLoadResult load = model.LoadFromLines(); !load)
        return TFileResult::Failure(
            QStringLiteral("Line %1 of the file %2 cannot be loaded: %3.").arg(load.RefusedLine).arg(path, DecodeText(load.RefusedText)));
    text = std::move(lines);
    return {};
}

QString TRecovery::SetAside(const TLeftCopy& copy) const
{
    const QString path = PathOf(copy.Id, ".pro");
    for (int n = 1;; ++n) {
        const QString id = n == 1 ? copy.Id : QStringLiteral("%1-%2").arg(copy.Id).arg(n);
        const QString aside = PathOf(id, ".pro.refused");
        const QString nameAside = PathOf(id, ".name.refused");
        if (QFile::exists(aside) || QFile::exists(nameAside)) continue;
        // QFile::rename never replaces a file: one made meanwhile sends us on.
        if (!QFile::rename(path, aside)) {
            if (QFile::exists(aside)) continue;
            return path;  // it stays where it is, and is refused again at the next start
        }
        QFile::rename(PathOf(copy.Id, ".name"), nameAside);
        return aside;
    }
}

void TRecovery::Forget(const TLeftCopy& copy) const
{
    for (const char* suffix : {".pro", ".name", ".lock"}) QFile::remove(PathOf(copy.Id, suffix));
}

}  // namespace orvantis
