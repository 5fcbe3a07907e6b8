// Jet databases named in the profile: the reference layer reads each through an SQLite
// copy that is kept in the user's cache folder, so that every query stays on SQLite
// and the profile stays as the player brought it.
//
// A copy's name carries the Jet file's name, a hash of its full path and a hash of its
// size, modification time and content: a changed or touched file gets a new copy, and
// the older copies of the same file are removed when it is made. Copies are made under
// a temporary name and renamed when complete, while a lock file keeps a second process
// from converting the same file at the same time; a reader never sees half a copy.
#pragma once

#include <optional>

#include "platform/object.h"

namespace zulparvo {

// True when the path names a Jet or ACE database: its first bytes say so, or its name
// ends in .mdb, .mde, .accdb or .accde (so that an empty or cut-short Jet file is told
// as one, not opened as an SQLite file).
bool IsJetDatabasePath(const CString& path);

// The folder of the copies: $XDG_CACHE_HOME/zulparvo, else ~/.cache/zulparvo.
CString JetCacheFolder();

// The file that the reference layer opens for a database path: the path itself, unless
// it names a Jet database; then its converted copy, made now when there is none for
// the file as it is. None when no copy can be made: `error` names the file and the
// reason, and has been shown with the stop icon. A file that failed is tried again
// only when it has changed or a minute has passed. Safe to call from several threads.
std::optional<CString> UsableDatabasePath(const CString& path, CString& error);

}  // namespace zulparvo
