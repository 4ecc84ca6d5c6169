#include "common/dialog_filter.h"

#include <gtest/gtest.h>

#include <QDir>

namespace trellan {
namespace {

TEST(ProposedFileName, DropsTheFolderOnlyWhenTheDialogHasAStartFolder) {
    const QString remembered = QDir::toNativeSeparators(QDir::tempPath() + "/one/a.mid");
    const QString start = QDir::tempPath() + "/two";
    EXPECT_EQ(proposedFileName(remembered, start), "a.mid");
    EXPECT_EQ(proposedFileName(remembered, ""), remembered);
    EXPECT_EQ(proposedFileName("*.lng", start), "*.lng");
    EXPECT_EQ(proposedFileName("", start), "");
}

}  // namespace
}  // namespace trellan
