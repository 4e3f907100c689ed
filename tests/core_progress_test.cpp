// The gauge of a job: it never runs backwards, and shares of it fill in turn.
#include <gtest/gtest.h>

#include "core/progress.h"

using namespace tilesmith;

TEST(Progress, TheShownShareNeverGoesBackWhenAPhaseStartsAgain) {
    SharedProgress progress;
    progress.reset(4);
    progress.step();
    progress.step();
    EXPECT_EQ(progress.permille(), 500);
    progress.reset(10);  // the next phase
    EXPECT_EQ(progress.permille(), 500);
    for (int k = 0; k < 8; ++k) progress.step();
    EXPECT_EQ(progress.permille(), 800);
}

TEST(Progress, SharesFillTheirPartOfTheWholeInTurnAndStopWithIt) {
    SharedProgress whole;
    whole.reset(1000);
    ProgressShare first(whole, 0, 800), second(whole, 800, 1000);
    first.reset(4);
    for (int k = 0; k < 4; ++k) first.step();
    EXPECT_EQ(whole.position(), 800);
    first.reset(2);  // a phase again: the whole stays
    first.step();
    EXPECT_EQ(whole.position(), 800);
    second.reset(2);
    second.step();
    EXPECT_EQ(whole.position(), 900);
    whole.cancel();
    EXPECT_TRUE(second.cancelled());
    EXPECT_THROW(second.step(), Cancelled);
    EXPECT_THROW(second.reset(3), Cancelled);
}
