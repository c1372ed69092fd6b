#pragma once
// "Activate/Launch Program": bring a window to the front, start a program,
// or both (kinds 1 to 4).
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr size_t kActivateTitleChars = 100;
constexpr size_t kActivateDelayChars = 2;

enum ActivateLaunchField { kActivateTitleField = 1, kActivateProgramField, kActivateDelayField };

struct ActivateLaunchValues {
    int Kind = 0;  // 1 activate, 2 launch, 3 launch and activate, 4 activate or launch
    std::string Title;
    std::string Program;  // the short form of the path, as the tag holds it
    std::string Parameters;
    int Delay = 0;  // seconds
};

struct ActivateLaunchFields {
    int Kind = 0;
    std::string Title;
    std::string Program;
    std::string Parameters;
    std::string Delay;
};

ActivateLaunchFields NewActivateLaunchFields();
ActivateLaunchFields ActivateLaunchFieldsOf(const ActivateLaunchValues& values);
ActivateLaunchValues ActivateLaunchValuesOf(const TagMatch& match);
CommandAnswer<ActivateLaunchValues> AcceptActivateLaunch(const ActivateLaunchFields& fields,
                                                         FileSystem& files);

}  // namespace tavrin
