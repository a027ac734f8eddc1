#include "common/ErrorText.h"

#include <gtest/gtest.h>

TEST(ErrorBox, fullStopIsAddedUnlessTheMessageEndsInOneOrBelowIt)
{
    EXPECT_EQ(rivet::errorBoxText("範囲チェックエラー"), "範囲チェックエラー.");
    EXPECT_EQ(rivet::errorBoxText("I/O エラー (5)"), "I/O エラー (5)");
    EXPECT_EQ(rivet::errorBoxText("done."), "done.");
    EXPECT_EQ(rivet::errorBoxText("'abc' は整数ではありません"), "'abc' は整数ではありません.");
    EXPECT_EQ(rivet::errorBoxText("value -"), "value -");
    EXPECT_EQ(rivet::errorBoxText("a/"), "a/.") << "'/' is ordered after '.'";
    EXPECT_EQ(rivet::errorBoxText(""), "");
}
