#pragma once
// How vexamo-sheet tells vexamo-cli that it ended without a message of its own: vexamo-cli
// words these (besides the usual 0, 1 and 2, whose messages vexamo-sheet has printed).
inline constexpr int kSheetExitOutOfMemory = 3; // memory ran out while drawing or writing
inline constexpr int kSheetExitInternal = 4;    // an exception nothing caught

// The variable that names another drawing program than the one installed beside vexamo-cli
// (the tests start stand-ins through it).
inline constexpr const char* kSheetProgramVariable = "VEXAMO_SHEET_PROGRAM";
