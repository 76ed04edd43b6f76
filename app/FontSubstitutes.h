#pragma once

// The interface asks for the fonts "Tahoma" (English) and "宋体" (Chinese) by name; this maps
// them to installed fonts, a sans-serif Latin font and a CJK font, so that Chinese text never
// shows as boxes. Safe to call more than once.
void InstallFontSubstitutes();
