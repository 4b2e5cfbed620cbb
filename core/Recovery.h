#pragma once
// Recovery copies of unsaved work. While the project has changes not saved
// to a file, its text is kept in the recovery folder, so that a crash, a kill
// or a power cut loses nothing: the next start offers to bring it back.
//
// Each running program keeps its own copy, "<id>.pro" with the project's name
// in "<id>.name", and holds "<id>.lock" while it runs; a copy whose lock no
// living program holds was left behind. Every file is written atomically.
// A copy that cannot be a project is set aside as "<id>.pro.refused" (with
// "<id>.name.refused"): never offered again, never deleted unseen.

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
    // Keeps text as this program's copy, replacing the last one.
    bool Keep(const TLineList& text, const QString& fileName);
    // Removes this program's copy.
    void Discard();

    // Copies left by programs that ended without removing theirs, newest first.
    QList<TLeftCopy> LeftBehind() const;
    // Reads a left copy as Open reads a project: the reason when it cannot be
    // read or cannot be a project (too large, not text).
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
