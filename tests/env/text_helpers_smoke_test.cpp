#include <gtest/gtest.h>
#include "tests/fakes/test_program.h"
TEST(Smoke, Builds) { TestProgram t; EXPECT_EQ(t.p().textfil.FeilNr, 0); }
