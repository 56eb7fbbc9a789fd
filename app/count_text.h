#pragma once
// A count as a message shows it: its digits in groups of three, separated as the user's language
// writes them ("1,234" in English, "1.234" in German, "1 234" in French).
#include <string>

std::string CountText(unsigned long long count);
