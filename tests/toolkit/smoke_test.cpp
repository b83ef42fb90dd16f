#include "frame/tessomar.h"

#include <gtest/gtest.h>

TEST(WindowDesign, HasSeventyControls) {
    tessomar::Tessomar w;
    EXPECT_EQ(w.controls().size(), 70u);
    EXPECT_EQ(w.find("F(3)"), &w.F[3]);
}
