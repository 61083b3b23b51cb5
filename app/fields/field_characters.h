// Character-by-character walk over the UTF-8 text of an input field.
//
// The parsers count characters as the user sees them, not bytes: a degree
// sign is one character that separates numbers, not two.  A character is an
// ASCII byte, or a lead byte together with the continuation bytes that follow
// it; a stray byte of malformed UTF-8 counts as one character of its own.
#ifndef VELMOOR_APP_FIELDS_FIELD_CHARACTERS_H
#define VELMOOR_APP_FIELDS_FIELD_CHARACTERS_H

#include <cstddef>
#include <string>
#include <string_view>

namespace fields_detail {

// Number of bytes of the character that starts at text[pos] (pos < size).
inline std::size_t CharacterLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 1;
  if (lead >= 0xF0 && lead <= 0xF7) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  if (lead < 0xC0 || lead > 0xF7) return 1;
  // Take only the continuation bytes that are really there.
  std::size_t taken = 1;
  while (taken < length && pos + taken < text.size() &&
         (static_cast<unsigned char>(text[pos + taken]) & 0xC0) == 0x80) {
    ++taken;
  }
  return taken;
}

// Calls visit(character) for each of the first `limit` characters of text,
// the field's working copy; the rest of the text is not looked at.
template <typename Visit>
void ForEachCharacter(std::string_view text, std::size_t limit, Visit visit) {
  std::size_t pos = 0;
  for (std::size_t count = 0; count < limit && pos < text.size(); ++count) {
    const std::size_t length = CharacterLength(text, pos);
    visit(text.substr(pos, length));
    pos += length;
  }
}

inline bool IsDigit(std::string_view character) {
  return character.size() == 1 && character[0] >= '0' && character[0] <= '9';
}

inline int DigitValue(std::string_view character) { return character[0] - '0'; }

}  // namespace fields_detail

#endif  // VELMOOR_APP_FIELDS_FIELD_CHARACTERS_H
