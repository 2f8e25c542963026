// Whether Wine has a display to show windows on: without one every dialog fails at once, which
// says nothing about the library, so dialog tests skip with kNoDisplay instead.
#pragma once

bool DisplayAvailable();

inline constexpr char kNoDisplay[] = "no display: Wine cannot open a window (is Xvfb installed and running?)";
