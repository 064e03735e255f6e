// The two folder tables themselves. They are defined apart from FolderTable's constructor so that
// the compiler cannot run it at build time: the tables then occupy zero-filled memory that the
// constructor fills at start-up, instead of 16 KB of initialised data in the exe.
#include "discovery/folder_tables.h"

FolderTable g_candidateFolders;
FolderTable g_exclusions;
