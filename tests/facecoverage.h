#ifndef TFCC_FACECOVERAGE_H
#define TFCC_FACECOVERAGE_H

#include <QString>

// Whether any installed face has a glyph for the character.
bool someFaceCarries(char32_t c);

// The family the desktop shows for the window's design face.
QString designFaceShown();

#endif
