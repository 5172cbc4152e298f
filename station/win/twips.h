// Twips (1/1440 inch) to screen pixels and back, with the screen's pixels
// per inch (LOGPIXELSX / LOGPIXELSY), read once.
#pragma once

namespace orva {

int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);
double PixelsToTwipsX(int pixels);
double PixelsToTwipsY(int pixels);

} // namespace orva
