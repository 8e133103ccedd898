#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Who may change what is saved in a contestant's folder. In a shared work
// root every account may make folders, so a folder named by a contestant's
// code may have been made in advance by someone who then deletes or swaps
// the contestant's pictures; a folder anyone may write is as bad.
struct FolderRights {
    // The folder belongs to the account the program runs as.
    bool ownedByUser = true;
    // The owner's account name, empty when the system does not tell it.
    std::string owner;
    // An account other than the owner, root and the administrators may add,
    // remove or rename what is in the folder.
    bool othersMayWrite = false;
};

enum class FolderRefusal {
    None,
    Link,              // a link to another place, or a folder outside the root
    OwnedByOther,
    WritableByOthers,
};

FolderRefusal JudgeContestantFolder(const FolderRights& rights);

// The box's text for a refused folder (UTF-8), naming the folder as the
// system writes paths and telling the contestant what to ask of the
// supervisor; empty for FolderRefusal::None.
std::string FolderRefusalMessage(FolderRefusal refusal, std::string_view folder, std::string_view owner = {});

// A POSIX mode lets others write when the group or every other account has
// the write bit.
bool ModeLetsOthersWrite(std::uint32_t mode);

// One allowing entry of a Windows folder's access list, as far as it tells
// who may change the folder or what it holds.
struct AccessEntry {
    enum class Trustee {
        Owner,           // the folder's owner, by name or as OWNER RIGHTS
        CreatorOwner,    // stands for whoever makes a file or folder inside
        System,
        Administrators,
        Other,
    };
    Trustee trustee = Trustee::Other;
    std::uint32_t accessMask = 0;
};

// Rights that change a folder, what it holds or who may use it: adding a
// file or folder (also writing a file's data), writing attributes (hiding a
// picture) or extended attributes, deleting, changing the rights or the
// owner, and the generic write and all.
inline constexpr std::uint32_t ChangingRights = 0x00000002u | 0x00000004u | 0x00000010u | 0x00000040u | 0x00000100u
    | 0x00010000u | 0x00040000u | 0x00080000u | 0x10000000u | 0x40000000u;

// An access list lets others write when an entry grants a changing right to
// someone other than the owner, the creator of what is inside (that is the
// contestant again), the system and the administrators.
bool AccessListLetsOthersWrite(std::span<const AccessEntry> allowingEntries);
