#include "model/RecentFiles.h"

#include <gtest/gtest.h>

namespace {

QStringList numbered(int count)
{
    QStringList list;
    for (int i = 1; i <= count; ++i)
        list << QStringLiteral("/d/file%1.tvle").arg(i);
    return list;
}

QStringList padded(QStringList list)
{
    while (list.size() < recentfiles::kCount)
        list << QString();
    return list;
}

} // namespace

TEST(RecentFiles, AddKeepsSixteenMostRecentFirstWithoutDuplicates)
{
    struct Case {
        const char* name;
        QStringList before;
        QString added;
        QStringList after;
    };
    QStringList fifthMoved = numbered(16);
    fifthMoved.move(4, 0);
    QStringList seventeenth = numbered(16);
    seventeenth.prepend("/d/new.tvle");
    seventeenth.removeLast();
    const Case cases[] = {
        { "into_empty", padded({}), "/d/a.tvle", padded({ "/d/a.tvle" }) },
        { "fifth_moves_to_top", numbered(16), "/d/file5.tvle", fifthMoved },
        { "seventeenth_drops_the_last", numbered(16), "/d/new.tvle", seventeenth },
        { "letter_case_ignored_new_case_kept", padded(numbered(4)), "/D/FILE3.tvle", padded({ "/D/FILE3.tvle", "/d/file1.tvle", "/d/file2.tvle", "/d/file4.tvle" }) },
        { "empty_path_ignored", padded(numbered(2)), "", padded(numbered(2)) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList entries = c.before;
        recentfiles::add(entries, c.added);
        EXPECT_EQ(entries, c.after);
        EXPECT_EQ(entries.size(), recentfiles::kCount);
    }
}

TEST(RecentFiles, CaptionIsTheTrimmedNameWithoutFolderOrExtension)
{
    EXPECT_EQ(recentfiles::caption("/home/u/cards/birthday.tvle"), "birthday");
    EXPECT_EQ(recentfiles::caption("  /home/u/a.b.tvle  "), "a.b");
    EXPECT_EQ(recentfiles::caption(""), "");
}
