#include <gtest/gtest.h>

#include <string>

#include "support/run_program.h"

namespace parabel {
namespace {

using testing::RunProgram;

TEST(CliNumber, ReadsAndWritesBackAsTheProgramDoes) {
    const auto result =
        RunProgram(PARABEL_CLI, {"number", "12", " 1.5e0 ", "999999999999999.5", "-.", "1e-5"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "12\n1.5\n1E15\n0\n1E-5\n");
}

TEST(CliNumber, BitsShowTheExtendedPattern) {
    const auto result = RunProgram(PARABEL_CLI, {"number", "--bits", "1", "-0", "0.1", "1e1000"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              "3FFF8000000000000000\t1\n"
              "80000000000000000000\t0\n"
              "3FFBCCCCCCCCCCCCCCCD\t0.1\n"
              "4CF8F38DB1F9DD3DAC06\t1E1000\n");
}

TEST(CliNumber, RejectedTextsAreReportedAndTheRestGoesOn) {
    const auto result = RunProgram(PARABEL_CLI, {"number"}, "1,5\r\n7\n1e5000\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "error: conversion\n7\nerror: conversion\n");
    EXPECT_EQ(result.err,
              "line 1: '1,5' is not a valid floating point value\n"
              "line 3: '1e5000' is not a valid floating point value\n");
    // A single operand's message is the program's alone.
    EXPECT_EQ(RunProgram(PARABEL_CLI, {"number", "1,5"}).err,
              "'1,5' is not a valid floating point value\n");
}

}  // namespace
}  // namespace parabel
