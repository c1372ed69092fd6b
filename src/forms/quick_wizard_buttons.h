#pragma once
// The 27 buttons of the "&Quick Wizards" page: the lines on each face.
#include <string>
#include <vector>

namespace tavrin {

constexpr int kQuickWizardButtons = 27;
// The wizard of dial-up networking, which needs the dial-up library.
constexpr int kDialUpWizard = 12;

// The two or three lines of wizard n (1 to 27); empty for any other n.
const std::vector<std::string>& QuickWizardLines(int n);

// The wizard's name for messages: its lines joined, e.g. "Type Text and
// Keystrokes", "Web Sweepstakes".
std::string QuickWizardName(int n);

// Where BuildButton writes line i of lines on a face: its top in pixels at
// 96 dots per inch (2, 16, 30 for three lines; 8, 24 for two).
int QuickWizardLineTop(size_t lineCount, size_t i);

// StartQuickWizard: the refusal when the macro file is full, else empty.
std::string QuickWizardRefusal(int macroCount);

}  // namespace tavrin
