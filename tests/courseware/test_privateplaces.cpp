// Where a program keeps its lock and message windows: only in a folder private to its
// user; and the single-copy lock, which only a live holder keeps.
#include "courseware/runtimefolder.h"
#include "courseware/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

int ModeOf(const QString& path)
{
    struct stat info { };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

void SetMode(const QString& path, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

TEST(RuntimeFolder, OnlyARealFolderOfTheUserForTheUserAloneIsPrivate)
{
    const uid_t user = 1000;
    struct Case {
        mode_t mode;
        uid_t owner;
        const char* fault;
    };
    for (const Case& c :
         {Case{S_IFDIR | 0700, user, ""}, Case{S_IFDIR | 0700, 1001, "belongs to user 1001"},
          Case{S_IFDIR | 0755, user, "has mode 0755, not 0700"},
          Case{S_IFDIR | 0500, user, "has mode 0500, not 0700"},
          Case{S_IFDIR | 01700, user, "has mode 1700, not 0700"},
          Case{S_IFLNK | 0777, user, "is a symbolic link"}, Case{S_IFREG | 0700, user, "is not a folder"}}) {
        struct stat info { };
        info.st_mode = c.mode;
        info.st_uid = c.owner;
        EXPECT_EQ(PrivateFolderFault(info, user), QString::fromUtf8(c.fault)) << c.mode;
    }
}

TEST(RuntimeFolder, TheSessionFolderOrElseAFolderOfOurOwnOrNone)
{
    QTemporaryDir place;
    const QString session = place.filePath("session");
    const QString temp = place.filePath("tmp");
    ASSERT_TRUE(QDir().mkdir(session) && QDir().mkdir(temp));
    SetMode(session, 0700);
    const uid_t user = ::getuid();
    const QString own = temp + QStringLiteral("/courseware-%1").arg(user);

    EXPECT_EQ(FindRuntimeFolder(session, temp, user).path, session);
    EXPECT_FALSE(QFileInfo::exists(own));

    // A session folder others may enter is passed over, and left as it is.
    SetMode(session, 0755);
    TRuntimeFolder found = FindRuntimeFolder(session, temp, user);
    EXPECT_EQ(found.path, own);
    EXPECT_EQ(ModeOf(own), 0700);
    EXPECT_TRUE(found.problems.contains(session + ": has mode 0755")) << found.problems.toStdString();
    EXPECT_EQ(ModeOf(session), 0755);
    EXPECT_EQ(FindRuntimeFolder(QString(), temp, user).path, own);

    // A folder of that name someone else made, or made open to others, is no use either.
    EXPECT_EQ(FindRuntimeFolder(QString(), temp, user + 1).path, QString());
    SetMode(own, 0777);
    found = FindRuntimeFolder(session, temp, user);
    EXPECT_EQ(found.path, QString());
    EXPECT_EQ(found.problems.count(u'\n'), 2);
    EXPECT_TRUE(QDir(own).isEmpty());
    EXPECT_EQ(FindRuntimeFolder(QString(), QString(), user).path, QString());
}

TEST(SingleCopyLock, OnlyALiveHolderKeepsItAndWhateverElseIsInTheWayGoes)
{
    QTemporaryDir folder;
    const QString program = QStringLiteral("/opt/lab/prog");
    const QString path = folder.filePath("QL_prog.lock");
    const QString elsewhere = folder.filePath("elsewhere");
    const std::vector<std::pair<const char*, std::function<void()>>> leftovers = {
        {"nothing", [] {}},
        {"empty file", [&] { WriteFile(path, {}); }},
        {"junk", [&] { WriteFile(path, "\xff\xfe junk from another machine"); }},
        {"file nobody may open",
         [&] {
             WriteFile(path, "1");
             SetMode(path, 0);
         }},
        {"pipe", [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        {"link", [&] { ASSERT_TRUE(QFile::link(elsewhere, path)); }},
        {"empty folder", [&] { ASSERT_TRUE(QDir().mkdir(path)); }},
    };
    for (const auto& [what, place] : leftovers) {
        place();
        TSingleInstanceLock first(folder.path(), program);
        EXPECT_EQ(first.Path(), path);
        ASSERT_EQ(first.TryAcquire(), TSingleInstanceLock::TResult::Acquired) << what;
        EXPECT_TRUE(QFileInfo(path).isFile()) << what;
        {
            TSingleInstanceLock second(folder.path(), program);
            EXPECT_EQ(second.TryAcquire(), TSingleInstanceLock::TResult::HeldElsewhere) << what;
        }
        EXPECT_FALSE(QFileInfo::exists(elsewhere)) << what;
        ASSERT_TRUE(QFile::remove(path));
    }

    // Released, the lock is free again; a lock folder that cannot be cleared stops it.
    {
        TSingleInstanceLock held(folder.path(), program);
        ASSERT_EQ(held.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    }
    TSingleInstanceLock again(folder.path(), program);
    EXPECT_EQ(again.TryAcquire(), TSingleInstanceLock::TResult::Acquired);
    ASSERT_TRUE(QDir().mkpath(folder.filePath("QL_other.lock/inside")));
    TSingleInstanceLock blocked(folder.path(), QStringLiteral("other"));
    EXPECT_EQ(blocked.TryAcquire(), TSingleInstanceLock::TResult::Unavailable);
    EXPECT_TRUE(blocked.Problem().contains(blocked.Path())) << blocked.Problem().toStdString();
}
