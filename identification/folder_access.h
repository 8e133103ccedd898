#pragma once

#include "identification/folder_rights.h"

#include <QString>

#include <optional>

// Makes the folder `name` inside `parent` (which ends with '/') so that only
// the account the program runs as may use it, with root or the
// administrators.
bool MakeOwnerOnlyFolder(const QString& parent, const QString& name);

// Who may change the folder, as the system records it; nothing when the
// system keeps no rights there (a FAT pendrive on Windows) or the folder
// cannot be looked at.
std::optional<FolderRights> ReadFolderRights(const QString& folder);
