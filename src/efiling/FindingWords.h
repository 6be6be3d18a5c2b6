#pragma once

#include "ValidationFinding.h"

#include <QString>
#include <nlohmann/json.hpp>

// What a finding of the schema check tells the user: where the value is entered and, in
// words, what is wrong with it ("Clause 18 (page 7), row 2, Rate of depreciation: must be a
// number; the file has the text \"15%\""). The validator's own words stay in the detail.
namespace FindingWords
{

// Each fault in words, without its place. `value` is the member's value as the file has it
// (null when the member is missing); `rule` the schema's rule for it (null when unknown).
QString wrongType(const nlohmann::json *rule, const nlohmann::json *value);
QString wrongPattern(const nlohmann::json *rule, const QString &value);
QString notListed(const nlohmann::json *rule, const QString &value);
QString tooSmall(const QString &limit, const QString &value);
QString tooLarge(const QString &limit, const QString &value);
QString tooLong(const QString &limit, const QString &value);
QString tooShort(const QString &limit, const QString &value);
QString tooFewEntries(const QString &limit, qsizetype count);
QString tooManyEntries(const QString &limit, qsizetype count);
QString unknownMember();

// The finding's message: its place, ": " and the words of its fault. A Required finding
// names its missing members (in `member`, separated by ", ") by their captions; its
// `message` is otherwise taken as the fault's words.
void compose(ValidationFinding &finding);

} // namespace FindingWords
