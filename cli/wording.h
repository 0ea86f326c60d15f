// SPDX-FileCopyrightText: The Tessaly developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command's words for the core's verdict: a run that gave no result becomes a ValueError
// that names the option to blame, and a negative figure the reason its answer is no real one.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/inputs.h"
#include "core/calculation.h"

namespace tessaly::cli {

// The text between double quotes, as the messages quote what was given: "1O0" -> "\"1O0\"".
std::string Quoted(std::string_view text);

// "--length: not a number: \"1O0\"", "--length: must not be zero", ...
std::string StopWords(StopReason reason, const std::string& name, std::string_view text);

// Why a figure is negative: "the audio alone needs more than the desired size, ...", or with
// the option `name` for a value typed negative "--size is negative, ..."; `container` says that
// the container's own bytes are in the part.
std::string NegativeWords(NegativeCause cause, const std::string& name, bool container);

// The input of a field, or of the item-th of its several (the second --audio: item 1).
template <typename Field>
const Input<Field>& InputFor(std::span<const Input<Field>> inputs, Field field, std::size_t item = 0) {
    const auto first = std::find_if(inputs.begin(), inputs.end(),
                                    [field](const auto& input) { return input.field == field; });
    std::size_t seen = 0;
    for (auto input = first; input != inputs.end(); ++input) {
        if (input->field == field && seen++ == item)
            return *input;
    }
    return *first;
}

// Throws the ValueError of a run that gave no result.
template <typename Field>
void Check(const Verdict<Field>& verdict, std::span<const Input<Field>> inputs) {
    if (verdict.completed())
        return;
    const Input<Field>& input = InputFor(inputs, verdict.stop->field, verdict.stop->item);
    throw ValueError(StopWords(verdict.stop->reason, input.name, input.typed));
}

// Why a completed run shows a negative figure, so that its answer is no real one; empty for none.
template <typename Field>
std::string Verdict(const Verdict<Field>& verdict, std::span<const Input<Field>> inputs) {
    if (!verdict.negative)
        return {};
    const Negative<Field>& negative = *verdict.negative;
    return NegativeWords(negative.cause,
                         negative.field ? InputFor(inputs, *negative.field, negative.item).name : "",
                         negative.container);
}

}  // namespace tessaly::cli
