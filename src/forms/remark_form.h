#pragma once
// "Remark": a comment kept in the macro, with no effect when played.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr size_t kRemarkChars = 240;

struct RemarkValues {
    std::string Comment;  // trimmed
};

struct RemarkFields {
    std::string Comment;
};

RemarkFields NewRemarkFields();
RemarkFields RemarkFieldsOf(const RemarkValues& values);
RemarkValues RemarkValuesOf(const TagMatch& match);

// No check: an empty comment gives an empty remark.
CommandAnswer<RemarkValues> AcceptRemark(const RemarkFields& fields);

}  // namespace tavrin
