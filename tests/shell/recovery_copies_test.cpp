// The recovery copies in the state folder: one per running window, the
// copies of ended windows offered once, nothing left after a clean end.
#include "shell/recovery_copies.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace velnorit {
namespace {

using shell::RecoveryCopies;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Recovery : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("state/velnorit"));
    QStringList left() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }
    // A window that wrote its copy and ended without removing it.
    QString endedWindowCopy(const QByteArray& bytes) {
        RecoveryCopies ended(folder);
        EXPECT_EQ(ended.write(bytes), "");
        return ended.ownPath();
    }
};

TEST_F(Recovery, WritesItsOwnCopyAndLeavesNothingWhenRemoved) {
    RecoveryCopies copies(folder);
    EXPECT_EQ(copies.write("erste"), "");
    EXPECT_EQ(copies.write("zweite"), "");
    EXPECT_EQ(contentOf(copies.ownPath()), "zweite");
    EXPECT_EQ(left().size(), 2) << left().join(' ').toStdString() << ": the copy and its lock";
    copies.remove();
    EXPECT_TRUE(left().isEmpty()) << left().join(' ').toStdString();
}

// Two windows at once each keep their own copy; neither offers the other's.
TEST_F(Recovery, OffersOnlyTheCopiesOfWindowsThatNoLongerRun) {
    RecoveryCopies running(folder);
    ASSERT_EQ(running.write("läuft"), "");
    const QString ended = endedWindowCopy("beendet");
    ASSERT_NE(ended, running.ownPath());

    RecoveryCopies starting(folder);
    const auto offered = starting.claimOrphans();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0].path, ended);
    EXPECT_EQ(contentOf(running.ownPath()), "läuft");

    RecoveryCopies alsoStarting(folder);
    EXPECT_TRUE(alsoStarting.claimOrphans().empty()) << "claimed by the first window to start";
    starting.leaveOrphan(ended);
    EXPECT_EQ(alsoStarting.claimOrphans().size(), 1u) << "left: offered again";
    alsoStarting.dropOrphan(ended);
    EXPECT_FALSE(QFile::exists(ended));
    EXPECT_TRUE(RecoveryCopies(folder).claimOrphans().empty());
}

TEST_F(Recovery, OffersTheNewestCopyFirst) {
    const QString older = endedWindowCopy("alt");
    QFile aged(older); // the time is set on an open file only
    ASSERT_TRUE(aged.open(QIODevice::ReadWrite));
    ASSERT_TRUE(aged.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    aged.close();
    const QString newer = endedWindowCopy("neu");
    RecoveryCopies starting(folder);
    const auto offered = starting.claimOrphans();
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].path, newer);
    EXPECT_EQ(offered[1].path, older);
}

TEST_F(Recovery, ReportsAFolderThatCannotBeMade) {
    QFile blocker(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecoveryCopies copies(dir.filePath(QStringLiteral("datei/velnorit")));
    EXPECT_NE(copies.write("x"), "");
}

TEST_F(Recovery, LivesInTheUsersStateFolder) {
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    setenv("XDG_STATE_HOME", "/srv/zustand", 1);
    EXPECT_EQ(RecoveryCopies::defaultFolder(), "/srv/zustand/velnorit");
    setenv("XDG_STATE_HOME", "relativ", 1); // not absolute: ignored, as the XDG rules say
    EXPECT_EQ(RecoveryCopies::defaultFolder(), QDir::home().filePath(".local/state/velnorit"));
    unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryCopies::defaultFolder(), QDir::home().filePath(".local/state/velnorit"));
    if (!saved.isNull()) setenv("XDG_STATE_HOME", saved.constData(), 1);
}

} // namespace
} // namespace velnorit
