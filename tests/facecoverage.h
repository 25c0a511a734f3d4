#ifndef TFCC_FACECOVERAGE_H
#define TFCC_FACECOVERAGE_H

// Whether any installed face has a glyph for the character.
bool someFaceCarries(char32_t c);

#endif
