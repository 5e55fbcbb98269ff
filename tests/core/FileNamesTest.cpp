#include "persist/FileNames.h"

#include <gtest/gtest.h>

using brisko::ForceExtension;

TEST(ForceExtension, AppendsOrReplacesFromTheLastDot)
{
    EXPECT_EQ(ForceExtension("/tmp/work/Mine", ".brdp"), "/tmp/work/Mine.brdp");
    EXPECT_EQ(ForceExtension("/tmp/work/Mine.brdp", ".brdp"), "/tmp/work/Mine.brdp");
    EXPECT_EQ(ForceExtension("/tmp/work/Mine.txt", ".brdp"), "/tmp/work/Mine.brdp");
    EXPECT_EQ(ForceExtension("/tmp/work/my.design.txt", ".brdp"), "/tmp/work/my.design.brdp");
}

TEST(ForceExtension, IsCaseSensitiveAndIgnoresDotsInFolders)
{
    EXPECT_EQ(ForceExtension("/tmp/a.b/Mine.BRDP", ".brdp"), "/tmp/a.b/Mine.brdp");
    EXPECT_EQ(ForceExtension("/tmp/a.b/Mine", ".brdp"), "/tmp/a.b/Mine.brdp");
    EXPECT_EQ(ForceExtension("C:\\dir.x\\Mine", ".brdp"), "C:\\dir.x\\Mine.brdp");
}
