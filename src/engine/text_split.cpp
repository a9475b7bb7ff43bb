#include "engine/text_split.h"

#include "engine/gbk_text.h"

namespace tabulex {
namespace {

// Walks text by characters, calling onPiece for every counted piece.
template <typename OnPiece>
void ForEachPiece(std::string_view text, std::string_view separator, OnPiece onPiece) {
  std::size_t pieceStart = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text.substr(i, separator.size()) == separator) {
      onPiece(text.substr(pieceStart, i - pieceStart));
      i += separator.size();
      pieceStart = i;
    } else {
      i += GbkCharLength(text, i);
    }
  }
  if (pieceStart < text.size()) onPiece(text.substr(pieceStart));
}

}  // namespace

std::vector<std::string> SplitPieces(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  ForEachPiece(text, separator, [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

std::size_t CountPieces(std::string_view text, std::string_view separator) {
  std::size_t count = 0;
  ForEachPiece(text, separator, [&](std::string_view) { ++count; });
  return count;
}

}  // namespace tabulex
