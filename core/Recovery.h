#pragma once
// Recovery copies of unsaved work. While the project has changes not saved
// to a file, its text is kept in the recovery folder, so that a crash, a kill
// or a power cut loses nothing: the next start offers to bring it back.
//
// Each running program keeps its own copy, "<id>.pro" with the project's name
// in "<id>.name", and holds "<id>.lock" while it runs; a copy whose lock no
// living program holds was left behind. Every file is written atomically.
// For a project whose file did not load whole, "<id>.name" also holds the
// line Open stopped at (its number, then its text): the copy itself is the
// model's text, which loads whole, and would otherwise pass for the file's.
// A copy that cannot be a project is set aside as "<id>.pro.refused" (with
// "<id>.name.refused"), or "<id>-2.pro.refused" and on when that name is
// taken: never offered again, never deleted unseen, never put over another.

#include "Profile.h"
#include "TextFile.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

class QLockFile;

namespace orvantis {

class TRecovery {
public:
    struct TLeftCopy {
        QString Id;
        QString FileName;  // the project's name when it was kept; may be empty
        TLoadResult PartLoad;  // where Open stopped in that file; whole when it loaded whole
        QDateTime Kept;
    };

    explicit TRecovery(QString folder);
    // Keeps this program's copy: a program that ends without Discard (killed,
    // or closed by a signal with unsaved work) leaves it for the next start.
    ~TRecovery();
    TRecovery(const TRecovery&) = delete;
    TRecovery& operator=(const TRecovery&) = delete;

    // Takes this program's place in the folder; false when the folder cannot
    // be used (recovery copies are then not kept, and Keep says so). The
    // locks of programs that no longer run and left no copy go.
    bool Start();
    // Keeps text as this program's copy, replacing the last one; partLoad is
    // where the project's file stopped loading.
    bool Keep(const TLineList& text, const QString& fileName, const TLoadResult& partLoad = {});
    // Removes this program's copy.
    void Discard();

    // Copies left by programs that ended without removing theirs, newest first.
    QList<TLeftCopy> LeftBehind() const;
    // Reads a left copy as Open reads a project: the reason when it cannot be
    // read or cannot be the work it stands for (too large, not text, empty,
    // or not loading whole: the program keeps only text its model wrote).
    TFileResult Read(const TLeftCopy& copy, TLineList& text) const;
    // Removes a left copy.
    void Forget(const TLeftCopy& copy) const;
    // Moves a left copy out of the way of the next start; where it now is.
    QString SetAside(const TLeftCopy& copy) const;

private:
    QString PathOf(const QString& id, const char* suffix) const;

    QString FFolder;
    QString FId;
    std::unique_ptr<QLockFile> FLock;
};

}  // namespace orvantis
