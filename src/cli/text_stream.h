// tabulex-calc's text as a stream: lines read from the input as they come and converted for
// the calculation (GBK, CR LF), and the finished text written out in the input's own encoding
// and line ends as soon as the calculation is done with it. The encoding is decided by the
// first bytes that are not ASCII (valid UTF-8: UTF-8, else GBK) unless it is given; the line
// ends by the first one. Nothing of the run is kept: memory stays flat however long the text.
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "engine/batch_calculation.h"
#include "engine/text_file_format.h"

namespace tabulex {

class TextStream final : public BatchStream {
 public:
  // write takes the output's bytes; false when they could not be written.
  using Writer = std::function<bool(std::string_view)>;

  TextStream(std::istream& in, Writer write, std::optional<FileEncoding> encoding)
      : m_in{in}, m_write{std::move(write)}, m_encoding{encoding} {}

  std::optional<std::string> NextText() override;
  void Finished(std::string_view gbk) override;

  // The output could not be written (a reader that went away): the rest is not read.
  bool OutputFailed() const { return m_outputFailed; }

 private:
  // The next line of the input with its line end as read ("\n", "\r\n", "\r" or none).
  bool ReadLine(std::string& line, std::string_view& lineEnd);
  void Decide(std::string_view line);
  TextFileFormat Format() const;

  std::istream& m_in;
  Writer m_write;
  bool m_outputFailed{false};
  std::optional<FileEncoding> m_encoding;  // until decided: everything so far was ASCII
  std::optional<LineEnd> m_lineEnd;        // until the first line end
  bool m_byteOrderMark{false};
  bool m_started{false};
  std::string m_pending;  // read after a lone CR, still to be returned as lines
};

}  // namespace tabulex
