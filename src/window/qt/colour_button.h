// A colour picker: a button with its caption and a swatch of the colour; a click opens the
// colour dialog. Colours are 0x00BBGGRR, as the configuration file stores them.
#pragma once

#include <QPushButton>

#include <cstdint>

namespace tabulex {

class ColourButton final : public QPushButton {
  Q_OBJECT

 public:
  ColourButton(const QString& caption, std::int32_t colour, QWidget* parent);

  std::int32_t Colour() const { return m_colour; }
  void SetColour(std::int32_t colour);

 private:
  void Choose();

  std::int32_t m_colour{};
};

}  // namespace tabulex
