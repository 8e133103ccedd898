#include "identification/folder_rights.h"

#include <algorithm>

FolderRefusal JudgeContestantFolder(const FolderRights& rights)
{
    if (!rights.ownedByUser)
        return FolderRefusal::OwnedByOther;
    if (rights.othersMayWrite)
        return FolderRefusal::WritableByOthers;
    return FolderRefusal::None;
}

std::string FolderRefusalMessage(FolderRefusal refusal, std::string_view folder, std::string_view owner)
{
    const std::string path(folder);
    const std::string nothingSaved = "\nKépet nem lehet menteni. Kérd meg a felügyelőt, hogy ";
    const std::string restart = ". Utána indítsd újra a programot.";
    switch (refusal) {
    case FolderRefusal::None:
        return {};
    case FolderRefusal::Link:
        return "A versenyző mappája másik helyre mutató link, ezért nem használható: " + path + nothingSaved
            + "törölje a linket" + restart;
    case FolderRefusal::OwnedByOther:
        return "A versenyző mappája egy másik felhasználóé" + (owner.empty() ? std::string() : " (" + std::string(owner) + ")")
            + ", ezért nem használható: " + path + nothingSaved + "nevezze át a mappát" + restart;
    case FolderRefusal::WritableByOthers:
        return "A versenyző mappájába más felhasználók is írhatnak, ezért nem használható: " + path + nothingSaved
            + "vegye el a mappán a többi felhasználó írási jogát" + restart;
    }
    return {};
}

bool ModeLetsOthersWrite(std::uint32_t mode)
{
    constexpr std::uint32_t groupWrite = 0020;
    constexpr std::uint32_t otherWrite = 0002;
    return (mode & (groupWrite | otherWrite)) != 0;
}

bool AccessListLetsOthersWrite(std::span<const AccessEntry> allowingEntries)
{
    return std::any_of(allowingEntries.begin(), allowingEntries.end(), [](const AccessEntry& entry) {
        return entry.trustee == AccessEntry::Trustee::Other && (entry.accessMask & ChangingRights) != 0;
    });
}
