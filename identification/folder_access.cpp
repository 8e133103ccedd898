#include "identification/folder_access.h"

#include <QDir>
#include <QFile>

#ifdef _WIN32
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <memory>
#include <string>
#include <vector>
#else
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <vector>
#endif

#ifdef _WIN32

namespace {

struct LocalFreer {
    void operator()(void* memory) const { LocalFree(memory); }
};

// The account the program runs as, from its process token.
std::vector<unsigned char> ProcessUser()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<unsigned char> user(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size))
        user.clear();
    CloseHandle(token);
    return user;
}

PSID UserSid(std::vector<unsigned char>& processUser)
{
    return processUser.empty() ? nullptr : reinterpret_cast<TOKEN_USER*>(processUser.data())->User.Sid;
}

// A folder of an elevated administrator may belong to the Administrators
// group rather than to the account itself.
bool OwnedByUser(PSID owner, PSID user)
{
    if (owner == nullptr || user == nullptr)
        return false;
    if (EqualSid(owner, user))
        return true;
    BOOL member = FALSE;
    return IsWellKnownSid(owner, WinBuiltinAdministratorsSid) && CheckTokenMembership(nullptr, owner, &member) && member;
}

std::string AccountName(PSID sid)
{
    wchar_t name[256];
    wchar_t domain[256];
    DWORD nameSize = 256;
    DWORD domainSize = 256;
    SID_NAME_USE use;
    if (sid == nullptr || !LookupAccountSidW(nullptr, sid, name, &nameSize, domain, &domainSize, &use))
        return {};
    return QString::fromWCharArray(name, int(nameSize)).toStdString();
}

AccessEntry::Trustee TrusteeOf(PSID sid, PSID owner)
{
    if (owner != nullptr && EqualSid(sid, owner))
        return AccessEntry::Trustee::Owner;
    if (IsWellKnownSid(sid, WinCreatorOwnerRightsSid))
        return AccessEntry::Trustee::Owner;
    if (IsWellKnownSid(sid, WinCreatorOwnerSid))
        return AccessEntry::Trustee::CreatorOwner;
    if (IsWellKnownSid(sid, WinLocalSystemSid))
        return AccessEntry::Trustee::System;
    if (IsWellKnownSid(sid, WinBuiltinAdministratorsSid))
        return AccessEntry::Trustee::Administrators;
    return AccessEntry::Trustee::Other;
}

// Denying entries only take rights away, so the allowing ones tell who else
// may write; with no list at all, everyone may.
bool OthersMayWrite(PACL dacl, PSID owner)
{
    if (dacl == nullptr)
        return true;
    std::vector<AccessEntry> entries;
    for (DWORD i = 0; i < dacl->AceCount; ++i) {
        void* ace = nullptr;
        if (!GetAce(dacl, i, &ace) || static_cast<ACE_HEADER*>(ace)->AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        entries.push_back({TrusteeOf(&allowed->SidStart, owner), allowed->Mask});
    }
    return AccessListLetsOthersWrite(entries);
}

bool KeepsRights(const std::wstring& path)
{
    wchar_t volume[MAX_PATH];
    DWORD flags = 0;
    return GetVolumePathNameW(path.c_str(), volume, MAX_PATH)
        && GetVolumeInformationW(volume, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)
        && (flags & FILE_PERSISTENT_ACLS) != 0;
}

}

// Not inherited from the root: the account, the system and the
// administrators, each with full control over the folder and what it holds.
bool MakeOwnerOnlyFolder(const QString& parent, const QString& name)
{
    std::vector<unsigned char> processUser = ProcessUser();
    wchar_t* userText = nullptr;
    if (UserSid(processUser) == nullptr || !ConvertSidToStringSidW(UserSid(processUser), &userText))
        return false;
    const std::unique_ptr<void, LocalFreer> userTextOwner(userText);
    const std::wstring descriptorText = L"D:P(A;OICI;FA;;;" + std::wstring(userText) + L")(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptorText.c_str(), SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    const std::unique_ptr<void, LocalFreer> descriptorOwner(descriptor);
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), descriptor, FALSE};
    const std::wstring path = QDir::toNativeSeparators(parent + name).toStdWString();
    return CreateDirectoryW(path.c_str(), &attributes);
}

std::optional<FolderRights> ReadFolderRights(const QString& folder)
{
    const std::wstring path = QDir::toNativeSeparators(folder).toStdWString();
    if (!KeepsRights(path))
        return std::nullopt;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD result = GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT,
                                               OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                                               nullptr, &dacl, nullptr, &descriptor);
    // The owner of a folder may always read its rights.
    if (result == ERROR_ACCESS_DENIED)
        return FolderRights{false, std::string(), false};
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    const std::unique_ptr<void, LocalFreer> descriptorOwner(descriptor);
    std::vector<unsigned char> processUser = ProcessUser();
    return FolderRights{OwnedByUser(owner, UserSid(processUser)), AccountName(owner), OthersMayWrite(dacl, owner)};
}

#else

namespace {

std::string AccountName(uid_t id)
{
    const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? std::size_t(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(id, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
        return std::to_string(id);
    return found->pw_name;
}

}

bool MakeOwnerOnlyFolder(const QString& parent, const QString& name)
{
    return QDir(parent).mkdir(name, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::optional<FolderRights> ReadFolderRights(const QString& folder)
{
    struct stat status{};
    if (stat(QFile::encodeName(folder).constData(), &status) != 0)
        return std::nullopt;
    return FolderRights{status.st_uid == geteuid(), AccountName(status.st_uid), ModeLetsOthersWrite(status.st_mode)};
}

#endif
