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
Rgb Shade(Rgb c, int tenths);
Rgb Mix(Rgb a, Rgb b, int percentOfB);

struct Pt {
  double x, y;
};

// A small RGB picture that the element drawings paint with plain shapes. Coordinates are in
// pixels; pixel (x, y) covers (x, y)-(x + 1, y + 1) and a shape takes the pixels whose centres
// it holds, so every drawing comes out the same on every machine.
class Canvas {
 public:
  Canvas(int width, int height, Rgb fill = {});
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  Rgb Get(int x, int y) const { return m_pixels[static_cast<size_t>(y * m_width + x)]; }
  void Set(int x, int y, Rgb c);

  void Rect(int x0, int y0, int x1, int y1, Rgb c);  // x1, y1 exclusive
  void Frame(int x0, int y0, int x1, int y1, Rgb c);  // one-pixel outline
  void Ellipse(double cx, double cy, double rx, double ry, Rgb c);
  void Disc(double cx, double cy, double r, Rgb c) { Ellipse(cx, cy, r, r, c); }
  void Ring(double cx, double cy, double r, double thickness, Rgb c);
  void Polygon(std::initializer_list<Pt> points, Rgb c);
  void Line(Pt a, Pt b, double width, Rgb c);
  // A ball lit from the top left, in a few steps of shade.
  void Ball(double cx, double cy, double rx, double ry, Rgb c);
  // Text in a 3 x 5 pixel font (digits and the capitals it needs), each dot scale x scale.
  void Text(int x, int y, const std::string& text, Rgb c, int scale = 1);
  // Pixels of other colours than background within a distance of one get the outline colour.
  void Outline(Rgb background, Rgb outline);

  Canvas MirroredX() const;
  Canvas FlippedY() const;
  Canvas RotatedLeft() const;  // a quarter turn against the clock: right becomes up
  Canvas Inverted() const;

 private:
  int m_width, m_height;
  std::vector<Rgb> m_pixels;
};

// Stable pseudo-random value 0..99 for a pixel, for speckled textures.
int Speckle(int x, int y, int seed);
