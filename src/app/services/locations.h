// SPDX-License-Identifier: MIT
// Where kadrel finds its panel file and keeps kadrel.ini.
//
// A program with its panel file beside it (the build tree, an unpacked copy)
// keeps kadrel.ini beside it as well. An installed program, bin/kadrel with
// share/kadrel/kadrel.uir, keeps one kadrel.ini per user under
// $XDG_CONFIG_HOME/kadrel (by default ~/.config/kadrel): a read-only install
// still remembers each user's camera, and a run as root leaves nothing in
// the program's folder that the package manager does not know of.
#pragma once

#include <string>

#include "ui/userint.h"

// The panel file beside the program, else the installed one; when neither
// exists, the one beside, so that the failure to load it names it. True when
// the installed one is chosen.
bool LocatePanelFile(const char* programDir, char (&path)[MAX_PATHNAME_LEN]);

// The photo reader kadrel-photo: libexec/kadrel/ beside the program (the
// build tree), else the installed one (../libexec/kadrel/ from bin/). False
// when neither is an executable file.
bool LocatePhotoHelper(const char* programDir, char (&path)[MAX_PATHNAME_LEN]);

// True when kadrel.ini belongs beside the program: it is there already, or
// the folder is writable and the program is not an installed one.
bool SettingsArePortable(const char* programDir);

// kadrel/kadrel.ini under $XDG_CONFIG_HOME, or under ~/.config when that is
// unset, empty or relative (a relative one is ignored, as the XDG
// base-directory rules say). "" on success; else why there is no such file
// (no absolute folder in either, or the path does not fit), path unchanged.
std::string UserSettingsPath(char (&path)[MAX_PATHNAME_LEN]);

// The file called name in the folder of the file at path: preferences.ini
// lives wherever kadrel.ini does. -1, beside unchanged, when it does not fit.
int PathBeside(const char* path, const char* name, char (&beside)[MAX_PATHNAME_LEN]);

// Makes the missing folders above path, each for its owner only. 0, or -1
// with errno set (a file in the way gives ENOTDIR).
int MakeParentFolders(const char* path);

// The program's folder and kadrel.ini in it or the user's own, found once at
// start-up; the other files kadrel keeps go beside that kadrel.ini.
extern char projectPath[MAX_PATHNAME_LEN];
extern char iniFullPath[MAX_PATHNAME_LEN];
void LocateSettingsFile();
// Whether kadrel.ini is the user's own, whose folder the first save makes.
bool SettingsArePerUser();
// kadrel.ini's path as --help names it, or "none: " and why an installed
// copy has no place for it (it then saves nowhere and says so at quit).
std::string SettingsFileShown();
// With no place for the user's files, tells so after what ("kadrel could not
// save its settings in") and returns true; false when there is one.
bool TellIfNoPlaceFor(const char* what);
