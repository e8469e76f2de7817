#pragma once
// The user's private runtime folder, where the single-copy lock and the message windows
// live. Only a folder that belongs to the user and that nobody else may enter will do:
// anything placed in a folder others can write to could be swapped or read by them.
#include <QString>

#include <sys/stat.h>
#include <sys/types.h>

struct TRuntimeFolder {
    QString path; // empty when no private folder could be had
    QString problems; // why the candidates were passed over, one per line
};

// Why a folder, as lstat describes it, is not private to the user: empty when it is a
// real folder (not a symbolic link) owned by the user with access for the owner only.
QString PrivateFolderFault(const struct stat& info, uid_t user);

// The first private folder of these: the session's runtime folder, which must exist
// already; then the folder "courseware-<uid>" in the temporary folder, made private
// when it does not exist yet. Either may be empty, meaning there is none.
TRuntimeFolder FindRuntimeFolder(const QString& sessionFolder, const QString& temporaryFolder, uid_t user);

// This process's runtime folder, found once from XDG_RUNTIME_DIR and the temporary
// folder.
const TRuntimeFolder& UserRuntimeFolder();
