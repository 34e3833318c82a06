#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// c with each channel times f (clamped); f in tenths keeps the colour count small.
Rgb shade(Rgb c, int tenths);
Rgb mix(Rgb a, Rgb b, int percentOfB);

struct Pt {
  double x, y;
};

// A small RGB picture that the element drawings paint with plain shapes. Coordinates are in
// pixels; pixel (x, y) covers (x, y)-(x + 1, y + 1) and a shape takes the pixels whose centres
// it holds, so every drawing comes out the same on every machine.
class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});
  int width() const { return m_width; }
  int height() const { return m_height; }
  Rgb get(int x, int y) const { return m_pixels[static_cast<size_t>(y * m_width + x)]; }
  void set(int x, int y, Rgb c);

  void rect(int x0, int y0, int x1, int y1, Rgb c);  // x1, y1 exclusive
  void frame(int x0, int y0, int x1, int y1, Rgb c);  // one-pixel outline
  void ellipse(double cx, double cy, double rx, double ry, Rgb c);
  void disc(double cx, double cy, double r, Rgb c) { ellipse(cx, cy, r, r, c); }
  void ring(double cx, double cy, double r, double thickness, Rgb c);
  void polygon(std::initializer_list<Pt> points, Rgb c);
  void line(Pt a, Pt b, double width, Rgb c);
  // A ball lit from the top left, in a few steps of shade.
  void ball(double cx, double cy, double rx, double ry, Rgb c);
  // Text in a 3 x 5 pixel font (digits and the capitals it needs), each dot scale x scale.
  void text(int x, int y, const std::string& text, Rgb c, int scale = 1);
  // Pixels of other colours than background within a distance of one get the outline colour.
  void outline(Rgb background, Rgb outline);

  Canvas mirroredX() const;
  Canvas flippedY() const;
  Canvas rotatedLeft() const;  // a quarter turn against the clock: right becomes up
  Canvas inverted() const;

 private:
  int m_width, m_height;
  std::vector<Rgb> m_pixels;
};

// Stable pseudo-random value 0..99 for a pixel, for speckled textures.
int speckle(int x, int y, int seed);
