#pragma once
// orvantis-cli's commands on the backups that every send leaves: the list
// of a backups folder, the settings two backups differ in, and a backup
// sent back into its instrument.

#include "CliCommand.h"

namespace orvantis {

// backups [list]: the backups of --backup-dir or of the program's backups
// folder, newest first, with their files; other files are left out.
// backups diff A B: as diff.
int RunBackups(const TCliCall& call);
// restore FILE: send of a backup (with a backup of its own first). Into
// another instrument than the one it came from only with --force; without,
// exit 1 and nothing written.
int RunRestore(const TCliCall& call);

}  // namespace orvantis
