// The statistics tab's figures over a list of numbers typed one per line. Texts are GBK; the
// widget converts at its edge and shows the "\r\n" of the block as line breaks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex {

// The labelled block without figures, shown when the window opens and after clearing.
std::string StatisticsTemplate();

// The samples of inputGbk, one per line, in the order typed; none for an empty input. The
// figures and the chart both read the input through this.
//
// Lines end at CR LF and also at a lone LF, which is what a Qt text box gives; a trailing
// empty line does not count, empty lines between others count as 0. Each line is read like
// an operand (full-width to ASCII, then the longest numeric prefix, 0 without one).
std::vector<double> ReadStatisticsSamples(std::string_view inputGbk);

// The labelled block with the figures of samples, which must not be empty.
//
// A single sample shows "nan" for the variance, standard deviation and standard error: the
// formula divides 0 by 0 there, a sample variance of one value does not exist, and "nan" is
// what the tjfx function gives for the same list. A 0 would claim a measured spread.
std::string StatisticsOfSamples(const std::vector<double>& samples);

// The labelled block with the figures of inputGbk; nothing for an empty input, where the
// output keeps what it showed.
std::optional<std::string> ComputeStatistics(std::string_view inputGbk);

}  // namespace tabulex
